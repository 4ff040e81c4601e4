// The one-time installation notice and its marker file, through the host's
// services as the plug-in calls them.
#include <chrono>
#include <cstring>
#include <filesystem>

#include "reminder/first_run_notice.h"
#include "text/plugin_description.h"
#include "shell/service_slots.h"
#include "support/test_host.h"

namespace {

namespace fs = std::filesystem;
using namespace talvenor;
using testing_support::CallTexts;

// What a host answers when it cannot create the file, as in a read-only
// directory. (The tests run as root, for whom chmod does not stop writes.)
HostFile TALVENOR_CALLEE_POPS FailingFileOpen(const char*, const char*, std::int32_t, std::int32_t, std::int32_t) {
  return nullptr;
}

class FirstRunNotice : public testing_support::HostTest {};

TEST_F(FirstRunNotice, FirstStartCreatesAnEmptyMarkerThenShowsTheDescription) {
  bool markerBeforeBox = false;
  frontEnd.onMessage = [&](const standin::ScriptedFrontEnd::Message&) { markerBeforeBox = fs::exists("talvenor.xxx"); };
  EXPECT_EQ(ShowFirstRunNotice(), 0);

  ASSERT_TRUE(fs::is_regular_file(scratch / "talvenor.xxx"));
  EXPECT_EQ(fs::file_size(scratch / "talvenor.xxx"), 0u);
  EXPECT_TRUE(markerBeforeBox) << "the marker is created before the box";
  ASSERT_EQ(frontEnd.messages.size(), 1u);
  EXPECT_EQ(frontEnd.messages[0].title, "uwaga");
  EXPECT_EQ(frontEnd.messages[0].text, std::string(PluginDescription.data()) + "\n");
  EXPECT_EQ(frontEnd.messages[0].text.size(), 125u);
  EXPECT_EQ(frontEnd.messages[0].style, 1);
  const auto calls = CallTexts();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0], "HostFileOpen(\"talvenor.xxx\", \"wb\", 64, 0, -1)");
  EXPECT_EQ(calls[1].rfind("HostFileClose(", 0), 0u) << calls[1];
  EXPECT_EQ(calls[2].rfind("HostMessageBox(\"uwaga\", ", 0), 0u) << calls[2];
}

// A marker file or a directory of its name: silent, and the marker as it was.
TEST_F(FirstRunNotice, LaterStartIsSilentAndLeavesTheMarkerAsItWas) {
  const fs::path marker = scratch / "talvenor.xxx";
  for (const bool directory : {false, true}) {
    SCOPED_TRACE(directory ? "a directory" : "a file");
    fs::remove_all(marker);
    if (directory) {
      fs::create_directory(marker);
    } else {
      testing_support::WriteFileBytes(marker, "anything");
      fs::last_write_time(marker, fs::last_write_time(marker) - std::chrono::hours(48));
    }
    const auto stamp = fs::last_write_time(marker);
    EXPECT_EQ(ShowFirstRunNotice(), 0);
    EXPECT_TRUE(frontEnd.messages.empty());
    EXPECT_TRUE(testing_support::Host().calls.empty()) << "no host service is called";
    EXPECT_EQ(fs::last_write_time(marker), stamp);
    if (!directory) {
      EXPECT_EQ(testing_support::ReadFileBytes(marker), "anything");
    }
  }
}

TEST_F(FirstRunNotice, MarkerThatCannotBeCreatedStillLetsTheNoticeShowEveryTime) {
  serviceSlots[HostFileOpenSlot] = reinterpret_cast<void*>(&FailingFileOpen);
  ShowFirstRunNotice();
  ShowFirstRunNotice();
  EXPECT_EQ(frontEnd.messages.size(), 2u);
  EXPECT_TRUE(CallTexts("HostFileClose").empty()) << "nothing to close";
  EXPECT_FALSE(fs::exists(scratch / "talvenor.xxx"));
}

TEST(PluginDescriptionCopy, WritesExactly125BytesAndReturnsTheBuffer) {
  char buffer[130];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(CopyDescription(buffer), buffer);
  EXPECT_EQ(std::string(buffer, 124), std::string(PluginDescription.data()));
  EXPECT_EQ(buffer[124], '\0');
  EXPECT_EQ(std::string(buffer + 125, 5), "#####");
}

}  // namespace

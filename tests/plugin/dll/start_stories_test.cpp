// Attach and start of the real talvenor.dll, as a host does them.
#include <cstdio>

#include "harness/odd_host_services.h"
#include "story_host.h"
#include "text/texts.h"

namespace e2e {
namespace {

using talvenor::text::kPluginDescription;

constexpr std::size_t kDescriptionBytes = kPluginDescription.size();  // 124 characters and the NUL

std::string Description() { return kPluginDescription.data(); }

TEST_F(Story, AttachAnswersByInterfaceVersionAndAlwaysHandsOverTheDescription) {
  const int dummyContext = 0;
  for (const std::int32_t version : {111, 112, 113}) {
    host->interfaceVersion = version;
    char buffer[200];
    std::memset(buffer, 0xCC, sizeof buffer);
    EXPECT_EQ(Attach(&dummyContext, buffer), version == 112 ? 0 : -1) << "host version " << version;
    EXPECT_EQ(std::string(buffer, kDescriptionBytes), std::string(kPluginDescription.data(), kDescriptionBytes))
        << "host version " << version;
    EXPECT_EQ(static_cast<unsigned char>(buffer[kDescriptionBytes]), 0xCC) << "wrote beyond the 125 bytes";
  }

  // A null context is the native export test's.
  host->interfaceVersion = 112;
  EXPECT_EQ(Attach(&dummyContext, nullptr), 0) << "no buffer: only the verdict";

  EXPECT_EQ(Optional(0), 0);
  EXPECT_EQ(Optional(3), 0);
  EXPECT_EQ(host->keyHook, nullptr) << "attaching installs nothing";
  EXPECT_TRUE(frontEnd.messages.empty());
}

TEST_F(Story, StartWithVersionMismatchShowsOneStopBoxAndInstallsNothing) {
  EXPECT_EQ(Start(1), 0);

  ASSERT_EQ(frontEnd.messages.size(), 1u);
  const auto& box = frontEnd.messages[0];
  EXPECT_EQ(box.title, talvenor::text::kStopTitle.data());
  EXPECT_EQ(box.style, 0xC001);
  char expected[1024];
  std::snprintf(expected, sizeof expected, talvenor::text::kStopFormat.data(), Description().c_str(),
                Description().c_str());
  EXPECT_EQ(box.text, expected);
  const std::size_t first = box.text.find(Description());
  ASSERT_NE(first, std::string::npos) << "the box names the plug-in";
  EXPECT_NE(box.text.find(Description(), first + 1), std::string::npos) << "and names it twice";

  EXPECT_EQ(host->keyHook, nullptr);
  EXPECT_TRUE(CallTexts("HostSetKeyHook").empty());
  EXPECT_TRUE(CallTexts("HostFileOpen").empty());
  EXPECT_FALSE(FileExists(kMarkerFile)) << "a refused start leaves no marker";
}

TEST_F(Story, FirstStartInstallsTheHookThenShowsTheNoticeAndLeavesTheMarker) {
  ASSERT_FALSE(FileExists(kMarkerFile));
  EXPECT_EQ(Start(0), 0);

  ASSERT_NE(host->keyHook, nullptr);
  EXPECT_TRUE(InPlugin(reinterpret_cast<const void*>(host->keyHook))) << "the hook is the plug-in's own";
  std::vector<std::string> order;
  for (const auto& call : host->calls)
    if (call.name == "HostSetKeyHook" || call.name == "HostMessageBox") order.push_back(call.name);
  EXPECT_EQ(order, (std::vector<std::string>{"HostSetKeyHook", "HostMessageBox"})) << "hook first, then the notice";

  ASSERT_EQ(frontEnd.messages.size(), 1u);
  EXPECT_EQ(frontEnd.messages[0].title, talvenor::text::kNoticeTitle.data());
  EXPECT_EQ(frontEnd.messages[0].text, Description() + "\n");
  EXPECT_EQ(frontEnd.messages[0].style, 1);
  EXPECT_TRUE(FileExists(kMarkerFile));
  EXPECT_EQ(ReadFileBytes(kMarkerFile), "") << "the marker is empty";

  // A second start in the same load changes nothing: KeyHook must never
  // become its own predecessor.
  const talvenor::KeyHookFn installed = host->keyHook;
  EXPECT_EQ(Start(0), 0);
  EXPECT_EQ(host->keyHook, installed);
  EXPECT_EQ(CallTexts("HostSetKeyHook").size(), 1u);
  EXPECT_EQ(frontEnd.messages.size(), 1u);
  EXPECT_EQ(Press(0x1E61), 0x1E61u) << "a plain key comes back as it was";
}

// A repeated start is ignored, its notice too, where the marker cannot be made.
TEST_F(Story, ARepeatedStartWhereTheMarkerCannotBeMadeShowsOneNotice) {
  std::uintptr_t* slots = FindServiceSlotRow(plugin, molrav);
  ASSERT_NE(slots, nullptr);
  slots[talvenor::HostFileOpenSlot] = reinterpret_cast<std::uintptr_t>(&OpenRefusingAll);
  EXPECT_EQ(Start(0), 0);
  EXPECT_EQ(Start(0), 0);
  EXPECT_EQ(frontEnd.messages.size(), 1u);
  EXPECT_FALSE(FileExists(kMarkerFile));
}

// The marker as the first start leaves it.
TEST_F(Story, NextStartFindsTheMarkerAndStaysSilent) {
  WriteFileBytes(kMarkerFile, "");
  WIN32_FILE_ATTRIBUTE_DATA before{}, after{};
  ASSERT_TRUE(GetFileAttributesExA(kMarkerFile, GetFileExInfoStandard, &before));
  Sleep(20);  // a rewrite would show in the timestamp

  EXPECT_EQ(Start(0), 0);
  EXPECT_NE(host->keyHook, nullptr);
  EXPECT_TRUE(frontEnd.messages.empty());
  EXPECT_TRUE(CallTexts("HostFileOpen").empty()) << "the marker is only looked at";
  ASSERT_TRUE(GetFileAttributesExA(kMarkerFile, GetFileExInfoStandard, &after));
  EXPECT_EQ(CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime), 0);
  EXPECT_EQ(after.nFileSizeLow, 0u);
}

// The host's own hook, installed before the plug-in starts.
std::vector<std::uint32_t> g_hostHookSaw;
std::uint32_t __stdcall HostsOwnHook(std::uint32_t key) {
  g_hostHookSaw.push_back(key);
  return (key & 0xFFFF) == 0x3C00 ? 0x5D00 : key;  // the host turns F2 into Shift-F10
}

TEST_F(Story, EveryKeyGoesThroughTheHostsOwnHookFirst) {
  WriteFileBytes(kMarkerFile, "");
  host->keyHook = &HostsOwnHook;
  EXPECT_EQ(Start(0), 0);
  ASSERT_NE(host->keyHook, &HostsOwnHook);

  EXPECT_EQ(Press(0xABCD1E61), 0x1E61u) << "the key code is the low 16 bits";
  EXPECT_EQ(g_hostHookSaw, (std::vector<std::uint32_t>{0xABCD1E61})) << "the host's hook gets the argument unchanged";

  EXPECT_EQ(Press(0x3C00), 0xFFFFu) << "Shift-F10 as the host's hook hands it on";
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{2})) << "no password: straight to the configuration";
}

}  // namespace
}  // namespace e2e

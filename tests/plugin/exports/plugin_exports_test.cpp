// The three exports as the host calls them, over the stand-in's services.
#include <cstring>

#include "reminder/key_hook.h"
#include "text/plugin_description.h"
#include "exports/plugin_exports.h"
#include "harness/refused_open.h"
#include "shell/service_slots.h"
#include "support/test_host.h"
#include "text/texts.h"

namespace {

using testing_support::CallTexts;
using testing_support::Host;

std::uint32_t TALVENOR_CALLEE_POPS HostsOwnHook(std::uint32_t key) { return key & 0xFFFF; }

class PluginExports : public testing_support::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    talvenor::ResetKeyHookStateForTests();
  }
  const std::string description{talvenor::text::kPluginDescription.data(), 124};
};

// Optional does nothing at all.
TEST_F(PluginExports, AttachHandsOverTheDescriptionWhateverTheVersionAndWithoutContextTouchesNothing) {
  Host().interfaceVersion = 113;
  char untouched[130];
  std::memset(untouched, 'Q', sizeof untouched);
  int context = 0;
  EXPECT_EQ(PluginOptional(), 0);
  EXPECT_EQ(PluginAttach(nullptr, untouched), 0);
  EXPECT_EQ(std::string(untouched, sizeof untouched), std::string(130, 'Q'));
  EXPECT_TRUE(CallTexts().empty()) << "no service called: HostInterfaceVersion must not be asked";
  EXPECT_EQ(PluginAttach(&context, nullptr), -1) << "a null buffer still gets the version verdict";

  for (const int version : {111, 112, 113}) {
    Host().interfaceVersion = version;
    char buffer[130];
    std::memset(buffer, 'Q', sizeof buffer);
    EXPECT_EQ(PluginAttach(&context, buffer), version == 112 ? 0 : -1) << "version " << version;
    EXPECT_EQ(std::string(buffer, 125), description + '\0');
    EXPECT_EQ(std::string(buffer + 125, 5), "QQQQQ") << "exactly 125 bytes";
  }
}

TEST_F(PluginExports, MismatchShowsOneStopMessageAndInstallsNothing) {
  EXPECT_EQ(PluginStart(1), 0);
  EXPECT_EQ(PluginStart(-7), 0);
  ASSERT_EQ(frontEnd.messages.size(), 2u);
  const auto& stop = frontEnd.messages[0];
  EXPECT_EQ(stop.title, "STOP!!!");
  EXPECT_EQ(stop.style, 0xC001);
  const std::size_t first = stop.text.find(description);
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(stop.text.find(description, first + 1), std::string::npos) << "the description stands twice";
  EXPECT_EQ(Host().keyHook, nullptr);
  EXPECT_FALSE(std::filesystem::exists("talvenor.xxx"));
  EXPECT_TRUE(CallTexts("HostSetKeyHook").empty());
}

TEST_F(PluginExports, StartInstallsTheHookBeforeTheNoticeAndChainsTheHostsHook) {
  Host().keyHook = &HostsOwnHook;
  EXPECT_EQ(PluginStart(0), 0);
  EXPECT_EQ(Host().keyHook, &talvenor::KeyHook);
  EXPECT_EQ(talvenor::previousHook, &HostsOwnHook);
  const auto calls = CallTexts();
  const auto hook = std::find(calls.begin(), calls.end(), "HostSetKeyHook(ptr)");
  const auto notice = std::find_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("HostMessageBox(", 0) == 0; });
  ASSERT_NE(hook, calls.end());
  ASSERT_NE(notice, calls.end());
  EXPECT_LT(hook, notice);
  EXPECT_TRUE(std::filesystem::exists("talvenor.xxx"));
}

TEST_F(PluginExports, RepeatedStartNeverMakesKeyHookItsOwnPredecessor) {
  PluginStart(0);
  EXPECT_EQ(PluginStart(0), 0);
  EXPECT_EQ(CallTexts("HostSetKeyHook").size(), 1u) << "the repeated start is ignored";
  EXPECT_NE(talvenor::previousHook, &talvenor::KeyHook);
  EXPECT_EQ(talvenor::KeyHook(0x1E61), 0x1E61u) << "a key still comes back, no recursion";

  // A host that hands KeyHook back on the first start.
  talvenor::ResetKeyHookStateForTests();
  Host().keyHook = &talvenor::KeyHook;
  PluginStart(0);
  EXPECT_EQ(talvenor::previousHook, nullptr);

  // Where the marker cannot be made, the repeated start shows no notice.
  talvenor::ResetKeyHookStateForTests();
  std::filesystem::remove("talvenor.xxx");
  frontEnd.messages.clear();
  testing_support::RefuseFileOpens("wb");
  PluginStart(0);
  PluginStart(0);
  EXPECT_EQ(frontEnd.messages.size(), 1u) << "one first-run notice";
  EXPECT_FALSE(std::filesystem::exists("talvenor.xxx"));
}

}  // namespace

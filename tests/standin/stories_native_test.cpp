// The stories with the plug-in linked in: the host's core reads each
// story's keys through the scripted terminal, as talhost.exe does under
// Wine, while the plug-in's own code (its exports and key hook) answers
// through the stand-in's services. Only the Windows loader is left out.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/host_app.h"
#include "core/script.h"
#include "exports/plugin_exports.h"
#include "harness/file_bytes.h"
#include "reminder/key_hook.h"
#include "support/test_host.h"

namespace {

using namespace standin;
using namespace standin::host;

class NativeStory : public testing_support::HostTest {
 protected:
  // The story's output; its failures are counted in *failures.
  std::string Play(const std::filesystem::path& story, int* failures) {
    std::string error;
    const std::string text = testing_support::ReadFileBytes(story);
    auto commands = ParseScript(text, &error);
    if (!commands) return "cannot read: " + error;
    const std::filesystem::path desk = scratch / story.stem();
    std::filesystem::create_directories(desk);
    std::filesystem::current_path(desk);
    testing_support::ResetHost();
    talvenor::ResetKeyHookStateForTests();
    HostState& state = testing_support::Host();
    if (text.find("# talhost: --interface-version 111") != std::string::npos) state.interfaceVersion = 111;

    HostClock clock(SystemClock(), true);
    std::ostringstream out;
    ScriptTerminal script(std::move(*commands), ScriptOptions{}, clock,
                          [&state]() -> const std::vector<ServiceCall>& { return state.calls; }, out);
    HostOptions options;
    options.mute = true;
    HostApp app(script, state, clock, options);
    // The plug-in reads the tick count and the wall clock; both follow the
    // scripted clock, as talhost.exe points its imports there.
    auto syncClock = [&] {
      testing_support::SetTickCount(clock.PluginTicks());
      testing_support::SetWallClock(clock.PluginUtcSeconds());
    };
    script.redraw = [&] {
      syncClock();
      app.Redraw();
    };
    syncClock();
    state.frontEnd = &app;
    PluginPanel panel;
    panel.fileName = "talvenor.dll";
    panel.loaded = true;
    app.SetPlugin(panel);
    app.Redraw();
    char description[256] = {};
    int context = 0;
    panel.attachResult = ::PluginAttach(&context, description);
    panel.description = description;
    app.SetPlugin(panel);
    ::PluginStart(panel.attachResult == 0 ? 0 : 1);
    app.Run();
    script.Finish();
    state.frontEnd = &frontEnd;
    std::filesystem::current_path(scratch);
    *failures = script.Failures();
    return out.str();
  }
};

TEST_F(NativeStory, EveryStoryHoldsWithThePlugInLinkedIn) {
  int played = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TALHOST_STORIES_DIR)) {
    if (entry.path().extension() != ".txt") continue;
    int failures = -1;
    const std::string output = Play(entry.path(), &failures);
    EXPECT_EQ(failures, 0) << entry.path().filename() << "\n" << output;
    ++played;
  }
  EXPECT_GE(played, 8);
}

}  // namespace

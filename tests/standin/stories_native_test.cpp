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
#include "reminder/key_hook.h"
#include "support/test_host.h"

namespace {

using namespace standin;
using namespace standin::host;
using testing_support::ReadFileBytes;

class NativeStory : public testing_support::HostTest {};

// The story the scripted mode's section of the stand-in's document shows,
// as printed there: its first fenced block.
std::string DocumentedStory() {
  std::istringstream doc(ReadFileBytes(STANDIN_HOST_DOC));
  std::string story;
  bool inSection = false, inBlock = false;
  for (std::string line; std::getline(doc, line);) {
    if (line.starts_with("## ")) inSection = line == "## The scripted mode";
    else if (inSection && line.starts_with("```")) {
      if (inBlock) return story;
      inBlock = true;
    } else if (inBlock) story += line + "\n";
  }
  return story;
}

TEST_F(NativeStory, EveryStoryHoldsWithThePlugInLinkedIn) {
  std::vector<std::pair<std::string, std::string>> stories = {{"documented", DocumentedStory()}};
  for (const auto& entry : std::filesystem::directory_iterator(TALHOST_STORIES_DIR))
    if (entry.path().extension() == ".txt") stories.emplace_back(entry.path().stem().string(), ReadFileBytes(entry.path()));
  int played = 0;
  for (const auto& [name, text] : stories) {
    SCOPED_TRACE(name);
    std::string error;
    auto commands = ParseScript(text, &error);
    ASSERT_TRUE(commands) << error;
    // Each story at a fresh desk, with a fresh host and plug-in.
    testing_support::ScratchDirectory desk(name);
    testing_support::ResetHost();
    talvenor::ResetKeyHookStateForTests();
    HostState& state = testing_support::Host();
    if (text.find("# talhost: --interface-version 111") != std::string::npos) state.interfaceVersion = 111;

    HostClock clock(SystemClock(), true);
    std::ostringstream out;
    ScriptTerminal script(std::move(*commands), ScriptOptions{}, clock,
                          [&state]() -> const std::vector<ServiceCall>& { return state.calls; }, out);
    HostApp app(script, state, clock, HostOptions{.mute = true});
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
    EXPECT_EQ(script.Failures(), 0) << out.str();
    ++played;
  }
  EXPECT_GE(played, 9);
  EXPECT_NE(stories[0].second.find("expect-calls 20 HostSound("), std::string::npos) << "the document's story was found";
  // The demo is only read: it shows the host, it proves nothing.
  std::string error;
  const auto demo = ParseScript(ReadFileBytes(TALHOST_DEMO_SCRIPT), &error);
  EXPECT_TRUE(demo && !demo->empty()) << "the demo: " << error;
}

}  // namespace

// The stories of the real talvenor.dll, each in a process of its own: the
// stand-in's hook chain and the plug-in's module-wide state outlive a
// FreeLibrary, so only a fresh process is a fresh host. Started by ctest
// this program runs the EndToEnd tests, each of which starts it again with
// --child and a filter naming one story (suites ending in Story).
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <string>

#include "support/win32/child_tests.h"

namespace e2e {
namespace {

// Runs the stories one after the other, all in one fresh scratch directory
// (so a later story finds the files an earlier one left). Fails the calling
// test when a story fails, hangs, or runs no test.
void RunStories(std::initializer_list<std::string> stories) {
  const std::filesystem::path scratch = testing_support::NewScratchDirectory("e2e");
  bool passed = true;
  for (const std::string& story : stories) {
    const testing_support::ChildRun run = testing_support::RunChildTest("*Story." + story, {}, scratch);
    passed = run.passed;
    EXPECT_TRUE(passed) << "story " << story << ":\n" << run.output;
    if (!passed) break;  // later stories build on this one
  }
  std::error_code ignored;
  if (passed)
    std::filesystem::remove_all(scratch, ignored);
  else
    std::cerr << "scratch directory kept: " << scratch << "\n";
}

TEST(EndToEnd, Attach) { RunStories({"AttachAnswersByInterfaceVersionAndAlwaysHandsOverTheDescription"}); }

TEST(EndToEnd, StartWithVersionMismatch) { RunStories({"StartWithVersionMismatchShowsOneStopBoxAndInstallsNothing"}); }

TEST(EndToEnd, FirstStartThenNextStart) {
  RunStories({"FirstStartInstallsTheHookThenShowsTheNoticeAndLeavesTheMarker", "NextStartFindsTheMarkerAndStaysSilent"});
}

TEST(EndToEnd, HostsOwnHookComesFirst) { RunStories({"EveryKeyGoesThroughTheHostsOwnHookFirst"}); }

TEST(EndToEnd, ReminderSwitchedOffByTheRightPassword) {
  RunStories({"DueReminderSoundsShowsItsDialogAndTheRightPasswordSwitchesItOff"});
}

TEST(EndToEnd, ReminderWithAWrongPassword) {
  RunStories({"WrongPasswordBringsASecondBurstSavesNothingAndTheReminderComesAgain"});
}

TEST(EndToEnd, ShiftF10WithoutPassword) { RunStories({"WithoutSettingsShiftF10OpensTheConfigurationAtOnceAndSavesIt"}); }

TEST(EndToEnd, ShiftF10WithTheRightPassword) { RunStories({"RightPasswordOpensTheConfigurationOverTheStoredRecord"}); }

TEST(EndToEnd, ShiftF10WithAWrongPassword) { RunStories({"WrongPasswordSaysSoAndKeepsTheConfigurationClosed"}); }

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) {
  return testing_support::RunTestsWithChildren(argc, argv, "Story");
}

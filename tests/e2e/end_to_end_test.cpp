// The stories of the real talvenor.dll, each in a process of its own.
#include <gtest/gtest.h>

#include "story_runner.h"

namespace e2e {
namespace {

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

// The real talvenor.dll loaded the way the host loads it, each load in a
// process of its own (load_scenario_child): beside the full MOLRAV.dll, and
// in a host whose own program file exports the services. The loads that
// meet a missing service are the missing-service matrix (tests/plugin/dll).
#include <gtest/gtest.h>
#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "harness/win32/child_process.h"
#include "harness/win32/program_directory.h"

namespace {

using testing_support::ProgramDirectory;
using testing_support::Quoted;

struct LoadReport {
  int boxes = -1;
  std::string load;                // "ok" or "failed"
  std::vector<std::string> slots;  // "host" or "own", in slot order
  std::string stateFlags;
};

// Runs one load in a child process; fails the test if it hangs or breaks.
LoadReport RunLoad(const std::string& molrav) {
  const std::string command = Quoted(ProgramDirectory() + "load_scenario_child.exe") + " " + Quoted(molrav);
  const testing_support::ChildRun run = testing_support::RunChild(command, {}, 60000);
  EXPECT_TRUE(run.ended) << "the load did not end: " << command << "\n" << run.output;
  EXPECT_EQ(run.exitCode, 0u) << command << "\n" << run.output;

  LoadReport report;
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string what;
    words >> what;
    if (what == "boxes") words >> report.boxes;
    if (what == "load") words >> report.load;
    if (what == "slots")
      for (std::string kind; words >> kind;) report.slots.push_back(kind);
    if (what == "stateflags") words >> report.stateFlags;
  }
  return report;
}

const std::vector<std::string> kAllFromHost(17, "host");

TEST(LoadScenarios, HostWithEveryServiceLoadsWithoutBoxAndBindsEveryExport) {
  const LoadReport report = RunLoad(ProgramDirectory() + "MOLRAV.dll");
  EXPECT_EQ(report.boxes, 0);
  EXPECT_EQ(report.load, "ok");
  EXPECT_EQ(report.slots, kAllFromHost);
  EXPECT_EQ(report.stateFlags, std::to_string(0x8001)) << "the host's own flags";
}

TEST(LoadScenarios, HostWhoseProgramExportsTheServicesItselfBindsWithoutMolrav) {
  const LoadReport report = RunLoad("-");
  EXPECT_EQ(report.boxes, 0);
  EXPECT_EQ(report.load, "ok");
  EXPECT_EQ(report.slots, kAllFromHost) << "the program's own exports, found through the empty module handle";
}

}  // namespace

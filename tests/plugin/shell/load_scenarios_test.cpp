// The real talvenor.dll loaded the way the host loads it, in a process of
// its own (load_scenario_child), by a host whose own program file exports
// the services. The load beside the full MOLRAV.dll is every story's
// (tests/plugin/dll); the loads that meet a missing service are the
// missing-service matrix there.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "harness/win32/child_process.h"
#include "harness/win32/program_directory.h"

namespace {

using testing_support::ProgramDirectory;

TEST(LoadScenarios, HostWhoseProgramExportsTheServicesItselfBindsWithoutMolrav) {
  const std::string command = testing_support::Quoted(ProgramDirectory() + "load_scenario_child.exe");
  const testing_support::ChildRun run = testing_support::RunChild(command, {}, 60000);
  EXPECT_TRUE(run.ended) << "the load did not end";
  EXPECT_EQ(run.exitCode, 0u);
  std::string output = run.output;
  std::erase(output, '\r');  // the child's text-mode output
  EXPECT_EQ(output, "boxes 0\nload ok\nslots 17\n")
      << "no box, and every slot the program's own export, found through the empty module handle";
}

}  // namespace

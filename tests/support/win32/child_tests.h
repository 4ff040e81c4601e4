#pragma once
// A test program that starts itself again to run one child test: its child
// suites end in a name of their own (e.g. Child) and run only in a process
// started with --child.
#include <string>
#include <vector>

#include "harness/win32/child_process.h"

namespace testing_support {

// Runs the child tests matching `filter` of this program in `directory`,
// with `arguments` (each in quotes).
ChildRun RunChildTest(const std::string& filter, const std::vector<std::string>& arguments,
                      const std::filesystem::path& directory);

// The gtest main of a program with child tests: the suites ending in
// `childSuites` run only in a child.
int RunTestsWithChildren(int argc, char** argv, const char* childSuites);
// The value of --<name>=<value> on a child's command line; empty if none.
std::string ChildArgument(const std::string& name);

}  // namespace testing_support

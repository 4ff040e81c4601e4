#pragma once
// One program, three roles. Started by ctest it runs the parent tests,
// which start this program again: with --matrix-child and a filter naming
// one child test (suites ending in Child), to run that test as the host of
// the real plug-in; with --matrix-hold, to keep files open as another
// program would.
#include "support/win32/child_tests.h"

namespace matrix {

inline constexpr char kChildFlag[] = "--matrix-child";
inline constexpr char kHoldFlag[] = "--matrix-hold";

using testing_support::ChildArgument;
using testing_support::ChildRun;
using testing_support::NewScratchDirectory;

// Runs the child test `test` (Suite.Name) with `arguments` in `directory`.
inline ChildRun RunChildTest(const std::string& test, const std::vector<std::string>& arguments,
                             const std::filesystem::path& directory) {
  return testing_support::RunChildTest(test, kChildFlag, arguments, directory);
}

}  // namespace matrix

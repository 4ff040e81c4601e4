// One program, three roles. Started by ctest it runs the parent tests,
// which start this program again: with --child and a filter naming one
// child test (suites ending in Child), to run that test as the host of the
// real plug-in; with --matrix-hold, to keep files open as another program
// would.
#include <cstring>

#include "file_holder.h"
#include "support/win32/child_tests.h"

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], matrix::kHoldFlag) == 0) return matrix::HoldFiles(argc - 2, argv + 2);
  return testing_support::RunTestsWithChildren(argc, argv, "Child");
}

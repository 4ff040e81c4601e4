// Started by ctest the matrix program runs the parent tests, which start it
// again with --child and a filter naming one child test (suites ending in
// Child), to run that test as the host of the real plug-in.
#include "support/win32/child_tests.h"

int main(int argc, char** argv) { return testing_support::RunTestsWithChildren(argc, argv, "Child"); }

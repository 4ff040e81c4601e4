#pragma once
// One program, three roles. Started by ctest it runs the parent tests,
// which start this program again: with --matrix-child and a filter naming
// one child test (suites ending in Child), to run that test as the host of
// the real plug-in; with --matrix-hold, to keep files open as another
// program would.
#include <string>

namespace matrix {

inline constexpr char kChildFlag[] = "--matrix-child";
inline constexpr char kHoldFlag[] = "--matrix-hold";

// The value of --<name>=<value> on a child's command line; empty if none.
std::string ChildArgument(const std::string& name);

}  // namespace matrix

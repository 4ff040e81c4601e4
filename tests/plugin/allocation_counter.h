#pragma once
// Counts the heap allocations made while counting is on, except those made
// inside a host service or a platform call: what is left is what the
// plug-in's own code takes from the heap. Every allocation entry point of
// the C library and operator new is seen (natively only).
#include <cstddef>

namespace noheap {

void StartCounting();
// Stops counting; returns what was counted since StartCounting.
std::size_t StopCounting();

// While one lives, nothing is counted: the host's or the platform's own work
// (the stand-in's call log, fopen's buffer, a message box's record).
class NotThePlugins {
 public:
  NotThePlugins();
  ~NotThePlugins();
  NotThePlugins(const NotThePlugins&) = delete;
  NotThePlugins& operator=(const NotThePlugins&) = delete;
};

// The allocations `path` makes, counted as above.
template <typename Path> std::size_t AllocationsDuring(Path&& path) {
  StartCounting();
  path();
  return StopCounting();
}

}  // namespace noheap

// Runs one hook N times against the stand-in host, for callgrind:
//   valgrind --tool=callgrind --toggle-collect='talvenor::KeyHook*' keyhook_instructions common N
//   valgrind --tool=callgrind --toggle-collect='bench::FloorHook*'  keyhook_instructions floor N
// Two runs with different N give the cost of one call, free of anything
// done once (the first key, the clock's first use).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench_host.h"
#include "floor_hook.h"
#include "reminder/key_hook.h"

int main(int argc, char** argv) {
  if (argc != 3 || (std::strcmp(argv[1], "common") != 0 && std::strcmp(argv[1], "floor") != 0)) {
    std::fprintf(stderr, "usage: %s common|floor CALLS\n", argv[0]);
    return 2;
  }
  const long calls = std::strtol(argv[2], nullptr, 10);
  bench::BenchHost host;
  // Through a volatile pointer: the call stays a call, as from the host.
  talvenor::KeyHookFn volatile hook = std::strcmp(argv[1], "common") == 0 ? &talvenor::KeyHook : &bench::FloorHook;
  std::uint32_t sum = 0;
  for (long i = 0; i < calls; ++i) sum += hook(testing_support::kPlainKey);
  return sum == testing_support::kPlainKey * static_cast<std::uint32_t>(calls) ? 0 : 1;
}

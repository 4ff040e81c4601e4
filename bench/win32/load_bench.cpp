// How long the platform takes to load talvenor.dll, its 17 binding probes
// included, against an empty DLL built the same way. Both are loaded and
// freed in turns within one run, so a busy machine weighs on both alike;
// the medians and their ratio are printed.
//
// As in the host, MOLRAV.dll (the services) and user32.dll are in the
// process before the plug-in loads. Nothing calls PluginStart, so the
// plug-in's key hook is never installed and each FreeLibrary leaves nothing
// behind.
//   load_bench.exe [ROUNDS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Microseconds one LoadLibraryA of `name` took; negative when it failed.
double LoadOnce(const char* name, double ticksPerMicrosecond) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  HMODULE module = LoadLibraryA(name);
  QueryPerformanceCounter(&end);
  if (module == nullptr) return -1;
  FreeLibrary(module);
  return static_cast<double>(end.QuadPart - start.QuadPart) / ticksPerMicrosecond;
}

double Median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
  if (rounds < 1) {
    std::fprintf(stderr, "usage: load_bench.exe [ROUNDS]\n");
    return 2;
  }
  if (LoadLibraryA("MOLRAV.dll") == nullptr || LoadLibraryA("user32.dll") == nullptr) {
    std::fprintf(stderr, "load_bench: MOLRAV.dll or user32.dll cannot be loaded\n");
    return 1;
  }
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const double ticksPerMicrosecond = static_cast<double>(frequency.QuadPart) / 1e6;

  const char* const names[2] = {"talvenor.dll", "bench_empty.dll"};
  std::vector<double> samples[2];
  for (int round = -rounds / 10 - 1; round < rounds; ++round) {  // the first tenth warms up
    for (int which = 0; which < 2; ++which) {
      // Alternate which goes first, so neither always follows the other.
      const int i = (round & 1) != 0 ? 1 - which : which;
      const double us = LoadOnce(names[i], ticksPerMicrosecond);
      if (us < 0) {
        std::fprintf(stderr, "load_bench: %s did not load (error %lu)\n", names[i], GetLastError());
        return 1;
      }
      if (round >= 0) samples[i].push_back(us);
    }
  }
  const double plugin = Median(samples[0]), empty = Median(samples[1]);
  std::printf("load_us_plugin %.1f\nload_us_empty %.1f\nload_ratio %.3f\nrounds %d\n", plugin, empty, plugin / empty,
              rounds);
  return 0;
}

#include "fuzz_host.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "services/host_services_impl.h"
#include "shell/service_slots.h"

namespace fuzz_support {

namespace {

std::filesystem::path scratch;

void RemoveScratch() {
  std::error_code ignored;
  if (!scratch.empty()) std::filesystem::remove_all(scratch, ignored);
}

}  // namespace

void BindAllServices() {
  for (int i = 0; i < talvenor::kServiceCount; ++i) {
    serviceSlots[i] = standin::ServiceByOrdinal(talvenor::kHostServices[i].ordinal);
    if (serviceSlots[i] == nullptr) Fail(__FILE__, __LINE__, "the stand-in host lacks a service");
  }
}

void EnterScratchDirectory(const char* target) {
  // In memory where there is such a place: on ext4 every save that empties
  // the file ("wb") waits for the disk, and a run saves thousands of times.
  std::error_code noShm;
  const std::filesystem::path base =
      std::filesystem::is_directory("/dev/shm", noShm) ? "/dev/shm" : std::filesystem::temp_directory_path();
  scratch = base / ("talvenor-fuzz-" + std::string(target) + "-" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch);
  std::filesystem::current_path(scratch);
  std::atexit(RemoveScratch);
}

bool FileExists(const char* name) { return std::filesystem::exists(name); }

void Fail(const char* file, int line, const char* what) {
  std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, what);
  std::abort();
}

}  // namespace fuzz_support

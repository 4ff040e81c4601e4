#include "fuzz_host.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz_support {

void StartHost(const char* target, standin::ScriptedFrontEnd& frontEnd) {
  static testing_support::ScratchDirectory scratch(std::string("fuzz-") + target, true);
  if (!testing_support::StartHost(frontEnd)) Fail(__FILE__, __LINE__, "the stand-in host lacks a service");
}

void Fail(const char* file, int line, const char* what) {
  std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, what);
  std::abort();
}

}  // namespace fuzz_support

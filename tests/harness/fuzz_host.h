#pragma once
// What the fuzz targets share: the stand-in host of harness/plugin_host.h,
// started once for the whole run in a scratch directory, and a check that
// stops the run with the input that broke it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "harness/plugin_host.h"
#include "harness/settings_file_bytes.h"

namespace fuzz_support {

// Reports the broken property and aborts: libFuzzer keeps the input as a
// crash artifact.
[[noreturn]] inline void Fail(const char* file, int line, const char* what) {
  std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, what);
  std::abort();
}

// A fresh host answering through `frontEnd`, every slot bound, in a scratch
// directory (in memory where there is one) that is current for the rest of
// the run and removed when it ends.
inline void StartHost(const char* target, standin::ScriptedFrontEnd& frontEnd) {
  static testing_support::ScratchDirectory scratch(std::string("fuzz-") + target, true);
  if (!testing_support::StartHost(frontEnd)) Fail(__FILE__, __LINE__, "the stand-in host lacks a service");
}

}  // namespace fuzz_support

#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::fuzz_support::Fail(__FILE__, __LINE__, #condition))

#pragma once
// What the fuzz targets share: the stand-in host of harness/plugin_host.h,
// started once for the whole run in a scratch directory, and a check that
// stops the run with the input that broke it.
#include "harness/file_bytes.h"
#include "harness/plugin_host.h"
#include "harness/settings_file_bytes.h"

namespace fuzz_support {

// A fresh host answering through `frontEnd`, every slot bound, in a scratch
// directory (in memory where there is one) that is current for the rest of
// the run and removed when it ends.
void StartHost(const char* target, standin::ScriptedFrontEnd& frontEnd);

// Reports the broken property and aborts: libFuzzer keeps the input as a
// crash artifact.
[[noreturn]] void Fail(const char* file, int line, const char* what);

}  // namespace fuzz_support

#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::fuzz_support::Fail(__FILE__, __LINE__, #condition))

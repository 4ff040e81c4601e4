#pragma once
// What the fuzz targets share: the stand-in host's services bound into the
// plug-in's slots, a scratch working directory for the whole run, and a
// check that stops the run with the input that broke it.
#include <cstdint>
#include <string>

#include "support/file_bytes.h"

namespace fuzz_support {

// Every slot holds the stand-in host's export, as after a load against a
// host that offers all 17 services.
void BindAllServices();

// A fresh directory (in /dev/shm, else the system's temporary one) becomes
// the current directory for the rest of the run; removed when it ends.
void EnterScratchDirectory(const char* target);

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;
bool FileExists(const char* name);

// Reports the broken property and aborts: libFuzzer keeps the input as a
// crash artifact.
[[noreturn]] void Fail(const char* file, int line, const char* what);

}  // namespace fuzz_support

#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::fuzz_support::Fail(__FILE__, __LINE__, #condition))

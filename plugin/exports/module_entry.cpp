#include "exports/module_entry.h"

#include "shell/platform.h"
#include "shell/service_binding.h"

namespace talvenor {

// EarlyAttach first: the probes look the services up in the module it
// finds. Runs under the platform's loader lock, as any static initialiser
// of the module would; see dll_main.cpp for why that is safe.
std::int32_t TALVENOR_CALLEE_POPS ModuleEntry(void* module, std::uint32_t reason, void* reserved) {
  EarlyAttach(module, reason, reserved);
  if (reason != DLL_PROCESS_ATTACH) return 1;
  return RunBindingProbes() == 0 ? 1 : 0;
}

}  // namespace talvenor

#include "service_binding.h"

#include "contract/abi/host_constants.h"
#include "binding_error.h"
#include "platform.h"
#include "service_slots.h"
#include "text/texts.h"

namespace talvenor {

void* ownModule = nullptr;
void* hostModule = nullptr;

std::int32_t TALVENOR_CALLEE_POPS EarlyAttach(void* module, std::uint32_t reason, void* /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    ownModule = module;
    // Only finds a module the host has already loaded; loading one here,
    // under the loader's lock, is what must not happen.
    hostModule = GetModuleHandleA(kHostModuleName);
  }
  return 1;
}

void TALVENOR_CALLEE_POPS ResolveService(const char* identifier, ServiceSlot* slot) {
  // hostModule goes in even when null: the platform then searches the
  // host's main program, which is where some hosts export the services.
  *slot = reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(hostModule), identifier));
  if (*slot != nullptr) return;
  if (ShowBindingError(identifier) != 0)
    ChooseFallback(identifier, slot);
  else
    *slot = nullptr;
}

#define TALVENOR_DEFINE_PROBE(name, ordinal, pops, bytes, result, params) \
  std::int32_t TALVENOR_CALLEE_POPS Probe##name() {                        \
    ResolveService(MAKEINTRESOURCEA(ordinal), &serviceSlots[name##Slot]);  \
    return serviceSlots[name##Slot] != nullptr ? 0 : -1;                   \
  }
TALVENOR_HOST_SERVICES(TALVENOR_DEFINE_PROBE)
#undef TALVENOR_DEFINE_PROBE

const BindingProbe kBindingProbes[kServiceCount] = {
#define TALVENOR_PROBE_ADDRESS(name, ordinal, pops, bytes, result, params) &Probe##name,
    TALVENOR_HOST_SERVICES(TALVENOR_PROBE_ADDRESS)
#undef TALVENOR_PROBE_ADDRESS
};

std::int32_t RunBindingProbes() {
  for (BindingProbe probe : kBindingProbes)
    if (probe() != 0) return -1;
  return 0;
}

}  // namespace talvenor

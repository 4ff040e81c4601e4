#pragma once
// Finding the host's module at load and binding each host service by
// ordinal into its slot: the resolve step, the load-time probes, and the
// module handles they need.
#include <cstdint>

#include "contract/abi/calling_convention.h"
#include "fallback_stubs.h"
#include "contract/abi/host_services.h"

namespace talvenor {

// The plug-in's own module, as the platform passed it at process attach;
// the box names its file.
extern void* ownModule;
// The module named "MOLRAV" at process attach, or null when none was
// loaded. Handed to every lookup as it is: a null handle makes the
// platform search the host's main program, so a host that exports the
// services from its own program file binds too.
extern void* hostModule;

// The module's load notification (DllMain's signature and convention). At
// process attach it records both handles; it loads nothing. Every other
// notification changes nothing. Always reports success.
std::int32_t TALVENOR_CALLEE_POPS EarlyAttach(void* module, std::uint32_t reason, void* reserved);

// Looks `identifier` up in hostModule and stores the entry in `slot`; a
// miss asks the user and stores a fallback, or null on Abort or when no
// fallback fits.
void TALVENOR_CALLEE_POPS ResolveService(const char* identifier, ServiceSlot* slot);

// The load-time probes, one per service: resolve, then 0 when the slot holds
// an entry and -1 when it is null. ProbeHostMessageBox() ...
#define TALVENOR_DECLARE_PROBE(name, ordinal, pops, bytes, result, params) \
  std::int32_t TALVENOR_CALLEE_POPS Probe##name();
TALVENOR_HOST_SERVICES(TALVENOR_DECLARE_PROBE)
#undef TALVENOR_DECLARE_PROBE

using BindingProbe = std::int32_t(TALVENOR_CALLEE_POPS*)();
extern const BindingProbe kBindingProbes[kServiceCount];  // in slot order

// Runs the probes in slot order; stops at the first that fails.
// Returns 0 when all slots hold an entry, else -1.
std::int32_t RunBindingProbes();

}  // namespace talvenor

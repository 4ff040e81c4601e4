#pragma once
// The service slots and the call entries the plug-in's code calls.
// A call is one indirect call through the service's slot: the slot holds the
// host's export, a fallback, or (until bound) the service's first-call entry.
#include "contract/abi/host_services.h"

extern "C" {
// One code pointer per service, in slot order; untyped, as the host's
// exports differ in signature. Written only by the binding.
extern void* serviceSlots[talvenor::kServiceCount];
}

namespace talvenor {

// Call entries: HostMessageBox(title, text, 1) calls through slot 0 with the
// service's declared signature and convention.
#define TALVENOR_CALL_ENTRY(name, ordinal, pops, bytes, result, params) \
  template <typename... Args>                                           \
  inline result name(Args... args) {                                    \
    return reinterpret_cast<name##Fn>(serviceSlots[name##Slot])(args...); \
  }
TALVENOR_HOST_SERVICES(TALVENOR_CALL_ENTRY)
#undef TALVENOR_CALL_ENTRY

}  // namespace talvenor

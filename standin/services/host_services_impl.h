#pragma once
// The stand-in host's 17 services: real behaviour over the C runtime, the
// user-facing parts through a FrontEnd, every call recorded with copies of
// its arguments (call_recorder.h), the file faults a test asks for played
// (file_faults.h). Standin<Name> implements the service <Name> of the
// plug-in's service table with exactly its signature and convention.
#include <cstdint>

#include "call_recorder.h"
#include "contract/host_constants.h"
#include "contract/host_services.h"
#include "file_faults.h"
#include "front_end.h"

namespace standin {

// Everything a test or the host program sets or reads of the services:
// the host's own state, the call log and the file faults.
struct HostState : CallLog, FileFaults {
  FrontEnd* frontEnd = nullptr;       // null: boxes answer 1, dialogs are left
  std::int32_t interfaceVersion = talvenor::kHostInterfaceVersion;
  std::uint16_t stateFlags = 0;
  talvenor::KeyHookFn keyHook = nullptr;  // the head of the hook chain
};

HostState& State();
void ResetState();  // a fresh host: version 112, flags 0, no hook, no calls

// Sends one key code through the installed hook chain; returns what the
// chain answered (0xFFFF = consumed). Without a hook the key comes back.
std::uint32_t PressKey(std::uint32_t keyCode);

// The export of `ordinal` (null when the stand-in has none).
void* ServiceByOrdinal(std::uint32_t ordinal);

#define STANDIN_DECLARE(name, ordinal, pops, bytes, result, params) \
  extern "C" result TALVENOR_POPS(pops) Standin##name params;
TALVENOR_HOST_SERVICES(STANDIN_DECLARE)
#undef STANDIN_DECLARE

}  // namespace standin

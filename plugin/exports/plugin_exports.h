#pragma once
// The plug-in's face to the host: three exports, by ordinal only, as
// contract/plugin_exports.h lists them. Each removes its own arguments.
#include <cstdint>

#include "contract/calling_convention.h"

extern "C" {

// Copies the description into `descriptionBuffer` (125 bytes, may be null)
// and answers 0 when the host speaks interface version 112, else -1. A null
// `hostContext` answers 0 at once and touches nothing.
std::int32_t TALVENOR_CALLEE_POPS PluginAttach(void* hostContext, char* descriptionBuffer);

// 0: installs KeyHook in front of the host's hook chain and shows the
// first-run notice; a repeated start in the same load is ignored. Nonzero:
// only the "STOP!!!" message. Always 0.
std::int32_t TALVENOR_CALLEE_POPS PluginStart(std::int32_t versionMismatch);

// Does nothing; removes no bytes. Always 0.
std::int32_t TALVENOR_CALLEE_POPS PluginOptional();

}

namespace talvenor {

// 0 when HostInterfaceVersion() is 112, -1 for any other value.
std::int32_t CheckInterfaceVersion();

// The version-mismatch message, with the description in both places.
void ShowVersionStop();

}  // namespace talvenor

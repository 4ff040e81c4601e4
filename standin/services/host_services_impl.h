#pragma once
// The stand-in host's 17 services: real behaviour over the C runtime, the
// user-facing parts through a FrontEnd, every call recorded with copies of
// its arguments. Standin<Name> implements the service <Name> of the
// plug-in's service table with exactly its signature and convention.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "contract/host_constants.h"
#include "contract/host_services.h"
#include "front_end.h"

namespace standin {

// One recorded call: the service, its arguments as the plug-in passed them
// (raw words) and a readable form with text arguments copied, for example
// HostFileOpen("infprz.dat", "rb", 64, 0, -1).
struct ServiceCall {
  std::uint32_t ordinal;
  std::string name;
  std::vector<std::uintptr_t> words;
  std::string text;
};

struct HostState {
  FrontEnd* frontEnd = nullptr;       // null: boxes answer 1, dialogs are left
  std::int32_t interfaceVersion = talvenor::kHostInterfaceVersion;
  std::uint16_t stateFlags = 0;
  talvenor::KeyHookFn keyHook = nullptr;  // the head of the hook chain
  std::vector<ServiceCall> calls;
  bool record = true;
  // Bytes the disk may still take before it is full; negative: no limit.
  // What does not fit is lost. By default HostFileWrite stores what fits
  // and counts only whole items. With `fullAtClose` it takes everything
  // into the file's buffer and counts every item, as a C runtime does with
  // a small write; the loss shows when HostFileClose flushes, which then
  // fails (EOF).
  std::int64_t writeRoom = -1;
  bool fullAtClose = false;
  std::vector<const void*> closesThatFail;  // files whose buffered bytes did not all fit
  // What HostFileWrite answers instead of the items it stored: the host's
  // contract names no result, so a host may answer anything.
  std::optional<std::int32_t> writeResult;
};

HostState& State();
void ResetState();  // a fresh host: version 112, flags 0, no hook, no calls

// Sends one key code through the installed hook chain; returns what the
// chain answered (0xFFFF = consumed). Without a hook the key comes back.
std::uint32_t PressKey(std::uint32_t keyCode);

// Readable form of a Mazovia text argument: printable ASCII as is, the rest
// as \xNN, quoted.
std::string QuoteText(const char* text);

// The export of `ordinal` (null when the stand-in has none).
void* ServiceByOrdinal(std::uint32_t ordinal);

#define STANDIN_DECLARE(name, ordinal, pops, bytes, result, params) \
  extern "C" result TALVENOR_POPS(pops) Standin##name params;
TALVENOR_HOST_SERVICES(STANDIN_DECLARE)
#undef STANDIN_DECLARE

}  // namespace standin

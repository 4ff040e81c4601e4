#pragma once
// The host program's 17 services, written down once. Everything else that
// names a service (slots, call entries, first-call entries, probes, the
// stand-in host's exports, MOLRAV.def) is generated from this one list.
#include <cstdint>

#include "contract/calling_convention.h"

namespace talvenor {

// A key hook: low 16 bits of the argument carry the key code; returns the
// key code zero-extended; removes its own argument.
using KeyHookFn = std::uint32_t(TALVENOR_CALLEE_POPS*)(std::uint32_t key);

// A file handle as HostFileOpen gives it; null on failure.
using HostFile = void*;

}  // namespace talvenor

// X(Name, ordinal, pops, argumentBytes, Result, (parameters))
// In slot order. `pops` is Callee (the service removes its arguments) or
// Caller (the caller does, as for a variable argument list).
// `argumentBytes` is what the plug-in's callers push on i686.
// HostService38417 is never called; only its export must exist.
// clang-format off
#define TALVENOR_HOST_SERVICES(X) \
  X(HostMessageBox,       52028, Callee, 12, std::int32_t, (const char* title, const char* text, std::int32_t style)) \
  X(HostMessageBoxF,      52029, Caller, 12, std::int32_t, (const char* title, const char* format, std::int32_t style, ...)) \
  X(HostConvertText,      52158, Callee, 16, std::int32_t, (const char* source, char* destination, std::int32_t fromCode, std::int32_t toCode)) \
  X(HostService38417,     38417, Callee,  0, std::int32_t, ()) \
  X(HostSound,            52171, Caller, 12, std::int32_t, (std::int32_t frequency, std::int32_t duration, std::int32_t flags)) \
  X(HostGetStateFlags,    32300, Callee,  0, std::int32_t, ()) \
  X(HostSetStateFlag,     32408, Callee,  8, std::int32_t, (std::int32_t mask, std::int32_t on)) \
  X(HostInterfaceVersion, 51594, Callee,  0, std::int32_t, ()) \
  X(HostRunDialog,        52026, Caller, 20, std::int32_t, (void* templateSet, std::int32_t dialogNumber, void* buffer, std::int32_t reserved1, std::int32_t reserved2)) \
  X(HostTodayText,        30204, Callee,  4, std::int32_t, (char* buffer)) \
  X(HostNowText,          30308, Callee,  8, std::int32_t, (char* buffer, std::int32_t reserved)) \
  X(HostDaysBetween,      30908, Callee,  8, std::int32_t, (const char* date1, const char* date2)) \
  X(HostFileOpen,         52534, Callee, 20, ::talvenor::HostFile, (const char* name, const char* mode, std::int32_t share, std::int32_t reserved1, std::int32_t reserved2)) \
  X(HostFileClose,        52305, Callee,  4, std::int32_t, (::talvenor::HostFile file)) \
  X(HostFileRead,         52307, Callee, 16, std::int32_t, (void* buffer, std::int32_t size, std::int32_t count, ::talvenor::HostFile file)) \
  X(HostFileWrite,        52308, Callee, 16, std::int32_t, (const void* buffer, std::int32_t size, std::int32_t count, ::talvenor::HostFile file)) \
  X(HostSetKeyHook,       52249, Callee,  4, ::talvenor::KeyHookFn, (::talvenor::KeyHookFn hook))
// clang-format on

namespace talvenor {

// Slot index of each service: HostMessageBoxSlot == 0 ...
enum ServiceSlotIndex : int {
#define TALVENOR_SLOT_INDEX(name, ordinal, pops, bytes, result, params) name##Slot,
  TALVENOR_HOST_SERVICES(TALVENOR_SLOT_INDEX)
#undef TALVENOR_SLOT_INDEX
      kServiceCount
};
static_assert(kServiceCount == 17);

// The declared pointer type of each service: HostMessageBoxFn ...
#define TALVENOR_FN_TYPE(name, ordinal, pops, bytes, result, params) \
  using name##Fn = result(TALVENOR_POPS(pops)*) params;
TALVENOR_HOST_SERVICES(TALVENOR_FN_TYPE)
#undef TALVENOR_FN_TYPE

enum class ArgumentPopper : std::uint8_t { Callee, Caller };

// One row of the table as plain data, for code that walks all services.
struct HostServiceInfo {
  const char* name;
  std::uint32_t ordinal;
  ArgumentPopper pops;
  std::uint32_t argumentBytes;  // bytes the callers push
};

inline constexpr HostServiceInfo kHostServices[kServiceCount] = {
#define TALVENOR_INFO(name, ordinal, pops, bytes, result, params) \
  {#name, ordinal, ArgumentPopper::pops, bytes},
    TALVENOR_HOST_SERVICES(TALVENOR_INFO)
#undef TALVENOR_INFO
};

// The rows without their names, for what the plug-in walks at run time:
// a table the DLL's code reads ships whole, and the names would be dead
// weight there.
struct ServiceStack {
  std::uint16_t ordinal;
  std::uint16_t poppedBytes;  // what the service removes on return: 0 where its callers do
};
static_assert(sizeof(ServiceStack) == 4);

// What a service removes on return, as a number the preprocessor can
// spell: its argument bytes when it removes them, 0 where its callers do.
#define TALVENOR_POPPED_BYTES(pops, bytes) TALVENOR_POPPED_BYTES_##pops(bytes)
#define TALVENOR_POPPED_BYTES_Callee(bytes) bytes
#define TALVENOR_POPPED_BYTES_Caller(bytes) 0

inline constexpr ServiceStack kServiceStacks[kServiceCount] = {
#define TALVENOR_STACK(name, ordinal, pops, bytes, result, params) {ordinal, TALVENOR_POPPED_BYTES(pops, bytes)},
    TALVENOR_HOST_SERVICES(TALVENOR_STACK)
#undef TALVENOR_STACK
};

// The table's byte counts must match its own signatures: every argument is
// one 32-bit stack word on i686 (the fixed ones, for the variadic service).
namespace detail {
// Declared only for decltype: the signature without its convention.
#define TALVENOR_SHAPE(name, ordinal, pops, bytes, result, params) result name##Shape params;
TALVENOR_HOST_SERVICES(TALVENOR_SHAPE)
#undef TALVENOR_SHAPE
}  // namespace detail

#define TALVENOR_CHECK_BYTES(name, ordinal, pops, bytes, result, params)               \
  static_assert(detail::FixedParamCount<decltype(&detail::name##Shape)>::value * 4 == bytes, \
                #name ": argument bytes disagree with its parameters");
TALVENOR_HOST_SERVICES(TALVENOR_CHECK_BYTES)
#undef TALVENOR_CHECK_BYTES

}  // namespace talvenor

#pragma once
// The plug-in's three exports, written down once. talvenor.def is generated
// from this list; the stand-in's loader and the test hosts find and call the
// exports through it.
#include <cstdint>

#include "contract/abi/calling_convention.h"

// X(Name, ordinal, pops, argumentBytes, Result, (parameters))
// By ordinal only, no names; 30002 to 30007 are not exported. Each export
// removes its own arguments; `argumentBytes` is what the host pushes on i686
// and what the i686 symbol in talvenor.def carries after its '@'.
// clang-format off
#define TALVENOR_PLUGIN_EXPORTS(X) \
  X(PluginAttach,   30001, Callee, 8, std::int32_t, (void* hostContext, char* descriptionBuffer)) \
  X(PluginStart,    30008, Callee, 4, std::int32_t, (std::int32_t versionMismatch)) \
  X(PluginOptional, 30009, Callee, 0, std::int32_t, ())
// clang-format on

namespace talvenor {

// One row of the table as plain data: kPluginAttachExport ...
struct PluginExportInfo {
  const char* name;
  std::uint16_t ordinal;
  std::uint32_t argumentBytes;  // what the export removes
};

#define TALVENOR_EXPORT_INFO(name, ordinal, pops, bytes, result, params)    \
  inline constexpr std::uint16_t k##name##Ordinal = ordinal;                 \
  inline constexpr PluginExportInfo k##name##Export = {#name, ordinal, bytes};
TALVENOR_PLUGIN_EXPORTS(TALVENOR_EXPORT_INFO)
#undef TALVENOR_EXPORT_INFO

// The pointer type the host calls each export through: PluginAttachFn ...
#define TALVENOR_EXPORT_FN_TYPE(name, ordinal, pops, bytes, result, params) \
  using name##Fn = result(TALVENOR_POPS(pops)*) params;
TALVENOR_PLUGIN_EXPORTS(TALVENOR_EXPORT_FN_TYPE)
#undef TALVENOR_EXPORT_FN_TYPE

// The byte counts must match the signatures: one 32-bit stack word each.
namespace detail {
#define TALVENOR_EXPORT_SHAPE(name, ordinal, pops, bytes, result, params) result name##ExportShape params;
TALVENOR_PLUGIN_EXPORTS(TALVENOR_EXPORT_SHAPE)
#undef TALVENOR_EXPORT_SHAPE
}  // namespace detail

#define TALVENOR_CHECK_EXPORT_BYTES(name, ordinal, pops, bytes, result, params)                       \
  static_assert(detail::FixedParamCount<decltype(&detail::name##ExportShape)>::value * 4 == bytes, \
                #name ": argument bytes disagree with its parameters");
TALVENOR_PLUGIN_EXPORTS(TALVENOR_CHECK_EXPORT_BYTES)
#undef TALVENOR_CHECK_EXPORT_BYTES

}  // namespace talvenor

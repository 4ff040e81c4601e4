#include "paused_services.h"

#include <cstdarg>
#include <cstdio>
#include <type_traits>

#include "allocation_counter.h"
#include "services/host_services_impl.h"

namespace noheap {

namespace {

template <auto Service, typename Fn> struct Paused;

template <auto Service, typename R, typename... A> struct Paused<Service, R (*)(A...)> {
  static R Call(A... arguments) {
    NotThePlugins host;
    return Service(arguments...);
  }
};

// The one service with a variable argument list, HostMessageBoxF: its
// arguments after the style fill its format. Formatted here and handed on
// as one text, since a list cannot be passed along as it came.
template <auto Service, typename R, typename... A> struct Paused<Service, R (*)(A..., ...)> {
  static_assert(std::is_same_v<R (*)(A..., ...), talvenor::HostMessageBoxFFn>);
  static R Call(const char* title, const char* format, std::int32_t style, ...) {
    NotThePlugins host;
    char text[4096] = "";
    va_list arguments;
    va_start(arguments, style);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return Service(title, "%s", style, text);
  }
};

struct PausedExport {
  std::uint32_t ordinal;
  void* entry;
};

const PausedExport kPausedExports[] = {
#define NOHEAP_PAUSED(name, ordinal, pops, bytes, result, params) \
  {ordinal, reinterpret_cast<void*>(&Paused<&standin::Standin##name, talvenor::name##Fn>::Call)},
    TALVENOR_HOST_SERVICES(NOHEAP_PAUSED)
#undef NOHEAP_PAUSED
};

}  // namespace

void* PausedService(std::uint32_t ordinal) {
  for (const PausedExport& service : kPausedExports)
    if (service.ordinal == ordinal) return service.entry;
  return nullptr;
}

}  // namespace noheap

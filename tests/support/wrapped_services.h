#pragma once
// The stand-in host's 17 services, each behind a wrapper that keeps an
// `Around<Slot>` alive for the length of the call: the soak counts the
// calls of each slot with it, the no-heap test stops counting allocations
// while the host works. Native builds only.
#include <cstdarg>
#include <cstdio>
#include <type_traits>

#include "services/host_services_impl.h"

namespace testing_support {

template <template <int> class Around, int Slot, auto Service, typename Fn> struct Wrapped;

template <template <int> class Around, int Slot, auto Service, typename R, typename... A>
struct Wrapped<Around, Slot, Service, R (*)(A...)> {
  static R Call(A... arguments) {
    Around<Slot> around;
    return Service(arguments...);
  }
};

// HostMessageBoxF: a list cannot be passed on as it came, so its arguments
// fill the format here and go on as one text.
template <template <int> class Around, int Slot, auto Service, typename R, typename... A>
struct Wrapped<Around, Slot, Service, R (*)(A..., ...)> {
  static_assert(std::is_same_v<R (*)(A..., ...), talvenor::HostMessageBoxFFn>);
  static R Call(const char* title, const char* format, std::int32_t style, ...) {
    Around<Slot> around;
    char text[4096] = "";
    va_list arguments;
    va_start(arguments, style);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return Service(title, "%s", style, text);
  }
};

// The wrapped services in slot order.
template <template <int> class Around>
inline void* const kWrappedServices[talvenor::kServiceCount] = {
#define TALVENOR_WRAPPED(name, ordinal, pops, bytes, result, params)                                            \
  reinterpret_cast<void*>(                                                                                      \
      &Wrapped<Around, talvenor::name##Slot, &standin::Standin##name, talvenor::name##Fn>::Call),
    TALVENOR_HOST_SERVICES(TALVENOR_WRAPPED)
#undef TALVENOR_WRAPPED
};

}  // namespace testing_support

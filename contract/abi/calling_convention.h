#pragma once
// The host's two stack contracts. On i686 they are real: a callee-pops
// service is __stdcall, a caller-pops one __cdecl. The native build has one
// convention, so both compile away there.
#if defined(_WIN32) && defined(__i386__)
#define TALVENOR_CALLEE_POPS __stdcall
#define TALVENOR_CALLER_POPS __cdecl
#else
#define TALVENOR_CALLEE_POPS
#define TALVENOR_CALLER_POPS
#endif

// Used by the table below: TALVENOR_POPS(Callee) -> TALVENOR_CALLEE_POPS.
#define TALVENOR_POPS_Callee TALVENOR_CALLEE_POPS
#define TALVENOR_POPS_Caller TALVENOR_CALLER_POPS
#define TALVENOR_POPS(who) TALVENOR_POPS_##who

namespace talvenor::detail {
// How many fixed parameters a signature has: every one is a 32-bit stack
// word on i686, so the host's tables can check their byte counts with it.
template <typename Fn> struct FixedParamCount;
template <typename R, typename... A> struct FixedParamCount<R (*)(A...)> {
  static constexpr unsigned value = sizeof...(A);
};
template <typename R, typename... A> struct FixedParamCount<R (*)(A..., ...)> {
  static constexpr unsigned value = sizeof...(A);
};
}  // namespace talvenor::detail

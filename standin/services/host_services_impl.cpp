#include "host_services_impl.h"

#include <cstdarg>
#include <cstdio>

#include "code_pages.h"
#include "contract/date_text.h"

#if defined(_WIN32)
#include <share.h>
#endif

namespace standin {

namespace {

HostState g_state;

}  // namespace

HostState& State() { return g_state; }

void ResetState() {
  FrontEnd* frontEnd = g_state.frontEnd;
  g_state = HostState{};
  g_state.frontEnd = frontEnd;
}

std::uint32_t PressKey(std::uint32_t keyCode) {
  return g_state.keyHook != nullptr ? g_state.keyHook(keyCode) : keyCode;
}

extern "C" {

std::int32_t TALVENOR_CALLEE_POPS StandinHostMessageBox(const char* title, const char* text, std::int32_t style) {
  RecordCall(g_state, talvenor::HostMessageBoxSlot, RawWords(title, text, style),
             QuoteText(title) + ", " + QuoteText(text) + ", " + Decimal(style));
  if (g_state.frontEnd == nullptr) return 1;
  return g_state.frontEnd->ShowMessage(title ? title : "", text ? text : "", style);
}

std::int32_t TALVENOR_CALLER_POPS StandinHostMessageBoxF(const char* title, const char* format, std::int32_t style,
                                                         ...) {
  char text[4096] = "";
  if (format != nullptr) {
    va_list args;
    va_start(args, style);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
  }
  RecordCall(g_state, talvenor::HostMessageBoxFSlot, RawWords(title, format, style),
             QuoteText(title) + ", " + QuoteText(format) + ", " + Decimal(style) + " -> " + QuoteText(text));
  if (g_state.frontEnd == nullptr) return 1;
  return g_state.frontEnd->ShowMessage(title ? title : "", text, style);
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostConvertText(const char* source, char* destination, std::int32_t fromCode,
                                                         std::int32_t toCode) {
  RecordCall(g_state, talvenor::HostConvertTextSlot, RawWords(source, destination, fromCode, toCode),
             QuoteText(source) + ", " + (source == destination ? std::string("same") : PointerOrNull(destination)) +
                 ", " + Decimal(fromCode) + ", " + Decimal(toCode));
  if (source == nullptr || destination == nullptr) return 0;
  ConvertText(source, destination, fromCode, toCode);
  return 1;
}

// The host's own; the plug-in only needs it to exist. Does nothing.
std::int32_t TALVENOR_CALLEE_POPS StandinHostService38417() {
  RecordCall(g_state, talvenor::HostService38417Slot, {}, "");
  return 0;
}

std::int32_t TALVENOR_CALLER_POPS StandinHostSound(std::int32_t frequency, std::int32_t duration, std::int32_t flags) {
  RecordCall(g_state, talvenor::HostSoundSlot, RawWords(frequency, duration, flags),
             Decimal(frequency) + ", " + Decimal(duration) + ", " + Decimal(flags));
  if (g_state.frontEnd != nullptr) g_state.frontEnd->Sound(frequency, duration, flags);
  return 0;
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostGetStateFlags() {
  RecordCall(g_state, talvenor::HostGetStateFlagsSlot, {}, "");
  return g_state.stateFlags;
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostSetStateFlag(std::int32_t mask, std::int32_t on) {
  RecordCall(g_state, talvenor::HostSetStateFlagSlot, RawWords(mask, on),
             Hexadecimal(static_cast<std::uint32_t>(mask)) + ", " + Decimal(on));
  if (on != 0)
    g_state.stateFlags = static_cast<std::uint16_t>(g_state.stateFlags | mask);
  else
    g_state.stateFlags = static_cast<std::uint16_t>(g_state.stateFlags & ~mask);
  return 0;
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostInterfaceVersion() {
  RecordCall(g_state, talvenor::HostInterfaceVersionSlot, {}, "");
  return g_state.interfaceVersion;
}

std::int32_t TALVENOR_CALLER_POPS StandinHostRunDialog(void* templateSet, std::int32_t dialogNumber, void* buffer,
                                                       std::int32_t reserved1, std::int32_t reserved2) {
  RecordCall(g_state, talvenor::HostRunDialogSlot, RawWords(templateSet, dialogNumber, buffer, reserved1, reserved2),
             PointerOrNull(templateSet) + ", " + Decimal(dialogNumber) + ", " + PointerOrNull(buffer) + ", " +
                 Decimal(reserved1) + ", " + Decimal(reserved2));
  if (g_state.frontEnd == nullptr || templateSet == nullptr || buffer == nullptr) return 0;
  return g_state.frontEnd->RunDialog(templateSet, dialogNumber, buffer);
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostTodayText(char* buffer) {
  RecordCall(g_state, talvenor::HostTodayTextSlot, RawWords(buffer), PointerOrNull(buffer));
  if (buffer == nullptr) return 0;
  const std::string today = g_state.frontEnd != nullptr ? g_state.frontEnd->TodayText() : talvenor::TodayHostDate();
  std::snprintf(buffer, 12, "%s", today.c_str());  // the plug-in's buffer holds 12 bytes
  return 0;
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostNowText(char* buffer, std::int32_t reserved) {
  RecordCall(g_state, talvenor::HostNowTextSlot, RawWords(buffer, reserved),
             PointerOrNull(buffer) + ", " + Decimal(reserved));
  if (buffer == nullptr) return 0;
  const std::string now = g_state.frontEnd != nullptr ? g_state.frontEnd->NowText() : talvenor::NowTimeText();
  std::snprintf(buffer, 9, "%s", now.c_str());
  return 0;
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostDaysBetween(const char* date1, const char* date2) {
  RecordCall(g_state, talvenor::HostDaysBetweenSlot, RawWords(date1, date2),
             QuoteText(date1) + ", " + QuoteText(date2));
  return talvenor::DaysBetween(date1, date2);
}

// The file services are the C runtime's stdio, buffered: a write as small
// as the settings record only fills the buffer, and a full disk or a lost
// share shows when the close flushes it.
talvenor::HostFile TALVENOR_CALLEE_POPS StandinHostFileOpen(const char* name, const char* mode, std::int32_t share,
                                                            std::int32_t reserved1, std::int32_t reserved2) {
  RecordCall(g_state, talvenor::HostFileOpenSlot, RawWords(name, mode, share, reserved1, reserved2),
             QuoteText(name) + ", " + QuoteText(mode) + ", " + Decimal(share) + ", " + Decimal(reserved1) + ", " +
                 Decimal(reserved2));
  if (name == nullptr || mode == nullptr || *name == '\0') return nullptr;
#if defined(_WIN32)
  // 0x40 is _SH_DENYNO: others may read and write the file meanwhile.
  return _fsopen(name, mode, share);
#else
  return std::fopen(name, mode);
#endif
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostFileClose(talvenor::HostFile file) {
  RecordCall(g_state, talvenor::HostFileCloseSlot, RawWords(file), PointerOrNull(file));
  if (file == nullptr) return -1;
  return CloseFindingLoss(g_state, static_cast<std::FILE*>(file));
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostFileRead(void* buffer, std::int32_t size, std::int32_t count,
                                                      talvenor::HostFile file) {
  RecordCall(g_state, talvenor::HostFileReadSlot, RawWords(buffer, size, count, file),
             PointerOrNull(buffer) + ", " + Decimal(size) + ", " + Decimal(count) + ", " + PointerOrNull(file));
  if (buffer == nullptr || file == nullptr || size <= 0 || count <= 0) return 0;
  return static_cast<std::int32_t>(std::fread(buffer, size, count, static_cast<std::FILE*>(file)));
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostFileWrite(const void* buffer, std::int32_t size, std::int32_t count,
                                                       talvenor::HostFile file) {
  RecordCall(g_state, talvenor::HostFileWriteSlot, RawWords(buffer, size, count, file),
             PointerOrNull(buffer) + ", " + Decimal(size) + ", " + Decimal(count) + ", " + PointerOrNull(file));
  if (buffer == nullptr || file == nullptr || size <= 0 || count <= 0) return 0;
  return WriteWithinRoom(g_state, buffer, size, count, static_cast<std::FILE*>(file));
}

talvenor::KeyHookFn TALVENOR_CALLEE_POPS StandinHostSetKeyHook(talvenor::KeyHookFn hook) {
  RecordCall(g_state, talvenor::HostSetKeyHookSlot, RawWords(hook), PointerOrNull(reinterpret_cast<const void*>(hook)));
  talvenor::KeyHookFn previous = g_state.keyHook;
  g_state.keyHook = hook;
  return previous;
}

}  // extern "C"

// Each stand-in service must have exactly its table signature.
#define STANDIN_CHECK_TYPE(name, ordinal, pops, bytes, result, params) \
  [[maybe_unused]] static const talvenor::name##Fn kCheck##name = &Standin##name;
TALVENOR_HOST_SERVICES(STANDIN_CHECK_TYPE)
#undef STANDIN_CHECK_TYPE

void* ServiceByOrdinal(std::uint32_t ordinal) {
  switch (ordinal) {
#define STANDIN_CASE(name, ord, pops, bytes, result, params) \
  case ord:                                                  \
    return reinterpret_cast<void*>(&Standin##name);
    TALVENOR_HOST_SERVICES(STANDIN_CASE)
#undef STANDIN_CASE
    default:
      return nullptr;
  }
}

}  // namespace standin

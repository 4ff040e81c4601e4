#include "host_services_impl.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "code_pages.h"
#include "contract/date_text.h"

#if defined(_WIN32)
#include <share.h>
#endif

namespace standin {

namespace {

HostState g_state;

std::string Hex(std::uintptr_t value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "0x%llX", static_cast<unsigned long long>(value));
  return buffer;
}

std::string Ptr(const void* p) { return p == nullptr ? "null" : "ptr"; }

// Logs a call to the service in `slot`, under the table's ordinal and name.
void Record(talvenor::ServiceSlotIndex slot, std::vector<std::uintptr_t> words, std::string args) {
  if (!g_state.record) return;
  const talvenor::HostServiceInfo& service = talvenor::kHostServices[slot];
  g_state.calls.push_back({service.ordinal, service.name, std::move(words), std::string(service.name) + "(" + args + ")"});
}

template <typename T> std::uintptr_t W(T value) {
  if constexpr (std::is_pointer_v<T>)
    return reinterpret_cast<std::uintptr_t>(value);
  else
    return static_cast<std::uintptr_t>(value);
}

std::string I(std::int32_t v) { return std::to_string(v); }

// Returns the items HostFileWrite reports: what the disk took, or, when the
// loss shows only at the close, all of them.
std::int32_t StoreWithinRoom(const void* buffer, std::int32_t size, std::int32_t count, std::FILE* file) {
  if (g_state.writeRoom < 0) return static_cast<std::int32_t>(std::fwrite(buffer, size, count, file));
  const auto wanted = static_cast<std::int64_t>(size) * count;
  const auto fits = static_cast<std::size_t>(wanted < g_state.writeRoom ? wanted : g_state.writeRoom);
  const std::size_t stored = std::fwrite(buffer, 1, fits, file);
  g_state.writeRoom -= static_cast<std::int64_t>(stored);
  if (!g_state.fullAtClose) return static_cast<std::int32_t>(stored / static_cast<std::size_t>(size));
  // Buffered: the write reports it all, the close will find the disk full.
  if (static_cast<std::int64_t>(stored) < wanted) g_state.closesThatFail.push_back(file);
  return count;
}

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

std::string QuoteText(const char* text) {
  if (text == nullptr) return "null";
  std::string out = "\"";
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
    if (*p == '"' || *p == '\\') {
      out += '\\';
      out += static_cast<char>(*p);
    } else if (*p == '\n') {
      out += "\\n";
    } else if (*p >= 0x20 && *p < 0x7F) {
      out += static_cast<char>(*p);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", *p);
      out += hex;
    }
  }
  return out + "\"";
}

extern "C" {

std::int32_t TALVENOR_CALLEE_POPS StandinHostMessageBox(const char* title, const char* text, std::int32_t style) {
  Record(talvenor::HostMessageBoxSlot, {W(title), W(text), W(style)},
         QuoteText(title) + ", " + QuoteText(text) + ", " + I(style));
  if (g_state.frontEnd == nullptr) return 1;
  return g_state.frontEnd->ShowMessage(title ? title : "", text ? text : "", style);
}

std::int32_t TALVENOR_CALLER_POPS StandinHostMessageBoxF(const char* title, const char* format, std::int32_t style, ...) {
  char text[4096] = "";
  if (format != nullptr) {
    va_list args;
    va_start(args, style);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
  }
  Record(talvenor::HostMessageBoxFSlot, {W(title), W(format), W(style)},
         QuoteText(title) + ", " + QuoteText(format) + ", " + I(style) + " -> " + QuoteText(text));
  if (g_state.frontEnd == nullptr) return 1;
  return g_state.frontEnd->ShowMessage(title ? title : "", text, style);
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostConvertText(const char* source, char* destination, std::int32_t fromCode,
                                                         std::int32_t toCode) {
  Record(talvenor::HostConvertTextSlot, {W(source), W(destination), W(fromCode), W(toCode)},
         QuoteText(source) + ", " + (source == destination ? std::string("same") : Ptr(destination)) + ", " +
             I(fromCode) + ", " + I(toCode));
  if (source == nullptr || destination == nullptr) return 0;
  ConvertText(source, destination, fromCode, toCode);
  return 1;
}

// The host's own; the plug-in only needs it to exist. Does nothing.
std::int32_t TALVENOR_CALLEE_POPS StandinHostService38417() {
  Record(talvenor::HostService38417Slot, {}, "");
  return 0;
}

std::int32_t TALVENOR_CALLER_POPS StandinHostSound(std::int32_t frequency, std::int32_t duration, std::int32_t flags) {
  Record(talvenor::HostSoundSlot, {W(frequency), W(duration), W(flags)}, I(frequency) + ", " + I(duration) + ", " + I(flags));
  if (g_state.frontEnd != nullptr) g_state.frontEnd->Sound(frequency, duration, flags);
  return 0;
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostGetStateFlags() {
  Record(talvenor::HostGetStateFlagsSlot, {}, "");
  return g_state.stateFlags;
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostSetStateFlag(std::int32_t mask, std::int32_t on) {
  Record(talvenor::HostSetStateFlagSlot, {W(mask), W(on)}, Hex(static_cast<std::uint32_t>(mask)) + ", " + I(on));
  if (on != 0)
    g_state.stateFlags = static_cast<std::uint16_t>(g_state.stateFlags | mask);
  else
    g_state.stateFlags = static_cast<std::uint16_t>(g_state.stateFlags & ~mask);
  return 0;
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostInterfaceVersion() {
  Record(talvenor::HostInterfaceVersionSlot, {}, "");
  return g_state.interfaceVersion;
}

std::int32_t TALVENOR_CALLER_POPS StandinHostRunDialog(void* templateSet, std::int32_t dialogNumber, void* buffer,
                                                       std::int32_t reserved1, std::int32_t reserved2) {
  Record(talvenor::HostRunDialogSlot, {W(templateSet), W(dialogNumber), W(buffer), W(reserved1), W(reserved2)},
         Ptr(templateSet) + ", " + I(dialogNumber) + ", " + Ptr(buffer) + ", " + I(reserved1) + ", " + I(reserved2));
  if (g_state.frontEnd == nullptr || templateSet == nullptr || buffer == nullptr) return 0;
  return g_state.frontEnd->RunDialog(templateSet, dialogNumber, buffer);
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostTodayText(char* buffer) {
  Record(talvenor::HostTodayTextSlot, {W(buffer)}, Ptr(buffer));
  if (buffer == nullptr) return 0;
  const std::string today = g_state.frontEnd != nullptr ? g_state.frontEnd->TodayText() : talvenor::TodayHostDate();
  std::snprintf(buffer, 12, "%s", today.c_str());  // the plug-in's buffer holds 12 bytes
  return 0;
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostNowText(char* buffer, std::int32_t reserved) {
  Record(talvenor::HostNowTextSlot, {W(buffer), W(reserved)}, Ptr(buffer) + ", " + I(reserved));
  if (buffer == nullptr) return 0;
  const std::string now = g_state.frontEnd != nullptr ? g_state.frontEnd->NowText() : talvenor::NowTimeText();
  std::snprintf(buffer, 9, "%s", now.c_str());
  return 0;
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostDaysBetween(const char* date1, const char* date2) {
  Record(talvenor::HostDaysBetweenSlot, {W(date1), W(date2)}, QuoteText(date1) + ", " + QuoteText(date2));
  return talvenor::DaysBetween(date1, date2);
}

// The file services are the C runtime's stdio, buffered: a write as small
// as the settings record only fills the buffer, and a full disk or a lost
// share shows when the close flushes it.
talvenor::HostFile TALVENOR_CALLEE_POPS StandinHostFileOpen(const char* name, const char* mode, std::int32_t share,
                                                            std::int32_t reserved1, std::int32_t reserved2) {
  Record(talvenor::HostFileOpenSlot, {W(name), W(mode), W(share), W(reserved1), W(reserved2)},
         QuoteText(name) + ", " + QuoteText(mode) + ", " + I(share) + ", " + I(reserved1) + ", " + I(reserved2));
  if (name == nullptr || mode == nullptr || *name == '\0') return nullptr;
#if defined(_WIN32)
  // 0x40 is _SH_DENYNO: others may read and write the file meanwhile.
  return _fsopen(name, mode, share);
#else
  return std::fopen(name, mode);
#endif
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostFileClose(talvenor::HostFile file) {
  Record(talvenor::HostFileCloseSlot, {W(file)}, Ptr(file));
  if (file == nullptr) return -1;
  const int closed = std::fclose(static_cast<std::FILE*>(file));
  auto& failing = g_state.closesThatFail;
  const auto lost = std::find(failing.begin(), failing.end(), file);
  if (lost == failing.end()) return closed;
  failing.erase(lost);
  return EOF;
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostFileRead(void* buffer, std::int32_t size, std::int32_t count,
                                                      talvenor::HostFile file) {
  Record(talvenor::HostFileReadSlot, {W(buffer), W(size), W(count), W(file)},
         Ptr(buffer) + ", " + I(size) + ", " + I(count) + ", " + Ptr(file));
  if (buffer == nullptr || file == nullptr || size <= 0 || count <= 0) return 0;
  return static_cast<std::int32_t>(std::fread(buffer, size, count, static_cast<std::FILE*>(file)));
}

std::int32_t TALVENOR_CALLEE_POPS StandinHostFileWrite(const void* buffer, std::int32_t size, std::int32_t count,
                                                       talvenor::HostFile file) {
  Record(talvenor::HostFileWriteSlot, {W(buffer), W(size), W(count), W(file)},
         Ptr(buffer) + ", " + I(size) + ", " + I(count) + ", " + Ptr(file));
  if (buffer == nullptr || file == nullptr || size <= 0 || count <= 0) return 0;
  const std::int32_t items = StoreWithinRoom(buffer, size, count, static_cast<std::FILE*>(file));
  return g_state.writeResult.value_or(items);
}

talvenor::KeyHookFn TALVENOR_CALLEE_POPS StandinHostSetKeyHook(talvenor::KeyHookFn hook) {
  Record(talvenor::HostSetKeyHookSlot, {W(hook)}, Ptr(reinterpret_cast<const void*>(hook)));
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

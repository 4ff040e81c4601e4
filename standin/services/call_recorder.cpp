#include "call_recorder.h"

#include <cstdio>

namespace standin {

void RecordCall(CallLog& log, talvenor::ServiceSlotIndex slot, std::vector<std::uintptr_t> words, std::string arguments) {
  if (!log.record) return;
  const talvenor::HostServiceInfo& service = talvenor::kHostServices[slot];
  log.calls.push_back({service.ordinal, service.name, std::move(words), std::string(service.name) + "(" + arguments + ")"});
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

std::string PointerOrNull(const void* pointer) { return pointer == nullptr ? "null" : "ptr"; }

std::string Decimal(std::int32_t value) { return std::to_string(value); }

std::string Hexadecimal(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(value));
  return buffer;
}

}  // namespace standin

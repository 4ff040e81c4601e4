#pragma once
// The stand-in's log of the plug-in's calls: each service call with its
// arguments as raw words and in a readable form, text arguments copied.
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "contract/host_services.h"

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

struct CallLog {
  std::vector<ServiceCall> calls;
  bool record = true;  // false: calls are not kept (soaks, benchmarks)
};

// Logs a call to the service in `slot` under the table's ordinal and name;
// `arguments` is the readable list between the parentheses.
void RecordCall(CallLog& log, talvenor::ServiceSlotIndex slot, std::vector<std::uintptr_t> words, std::string arguments);

// The arguments as the raw words the plug-in pushed.
template <typename... Args> std::vector<std::uintptr_t> RawWords(Args... args) {
  auto word = [](auto value) {
    if constexpr (std::is_pointer_v<decltype(value)>)
      return reinterpret_cast<std::uintptr_t>(value);
    else
      return static_cast<std::uintptr_t>(value);
  };
  return {word(args)...};
}

// Readable forms of arguments.
// A Mazovia text: printable ASCII as is, the rest as \xNN, quoted; "null".
std::string QuoteText(const char* text);
// A pointer whose target is not copied: "ptr", or "null".
std::string PointerOrNull(const void* pointer);
std::string Decimal(std::int32_t value);
std::string Hexadecimal(std::uint32_t value);  // 0x8000

}  // namespace standin

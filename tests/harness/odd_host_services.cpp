#include "odd_host_services.h"

#include <cstring>

#include "contract/text/date_text.h"

namespace testing_support {

namespace {

std::string g_today = "20261209";
std::vector<std::size_t> g_date1Lengths;

// Reads past the end of a buffer the plug-in left unterminated: that is
// what it measures, so AddressSanitizer must let it.
#if defined(__clang__) || defined(__GNUC__)
__attribute__((no_sanitize("address")))
#endif
std::size_t
LengthUpTo64(const char* text) {
  std::size_t n = 0;
  while (n < 64 && text[n] != '\0') ++n;
  return n;
}

std::string FirstEight(const char* text) {
  const std::size_t n = LengthUpTo64(text);
  return std::string(text, n < 8 ? n : 8);
}

}  // namespace

void SetFullBufferToday(const std::string& today) { g_today = today; }

std::int32_t TALVENOR_CALLEE_POPS TodayFillingItsBuffer(char* buffer) {
  std::memcpy(buffer, (g_today + "1234").data(), 12);
  return 0;
}

std::int32_t TALVENOR_CALLEE_POPS DaysBetweenNotingDate1(const char* date1, const char* date2) {
  g_date1Lengths.push_back(LengthUpTo64(date1));
  return talvenor::DaysBetween(FirstEight(date1).c_str(), FirstEight(date2).c_str());
}

std::vector<std::size_t>& Date1Lengths() { return g_date1Lengths; }

talvenor::HostFile TALVENOR_CALLEE_POPS OpenRefusingAll(const char*, const char*, std::int32_t, std::int32_t,
                                                        std::int32_t) {
  return nullptr;
}

}  // namespace testing_support

#include "time_text.h"

#include <cstdlib>

namespace talvenor {

namespace {

constexpr int kTimeTextLength = 8;  // HH:MM:SS

// The value of a time text in seconds; never reads past its 8th byte.
std::int64_t TimeTextSeconds(const char* text) {
  // atoi stops at the zeros after the copy, never in the fields that follow.
  char bounded[kTimeTextLength + 1] = {};
  for (int i = 0; i < kTimeTextLength && text[i] != '\0'; ++i) bounded[i] = text[i];
  return std::int64_t{std::atoi(bounded)} * 3600 + std::int64_t{std::atoi(bounded + 3)} * 60 +
         std::int64_t{std::atoi(bounded + 6)};
}

}  // namespace

std::int64_t TimeTextDiff(const char* a, const char* b) { return TimeTextSeconds(a) - TimeTextSeconds(b); }

}  // namespace talvenor

#pragma once
// What the stand-in host's services need from whoever shows things to the
// user: the interactive screen, or a script in tests. Texts are Mazovia.
#include <cstdint>
#include <string>
#include <string_view>

namespace standin {

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;
  // Returns what the user answered (1 = OK / Enter, 0 = Esc).
  virtual std::int32_t ShowMessage(std::string_view title, std::string_view text, std::int32_t style) = 0;
  // Runs dialog `number` of `templateSet` over `buffer`; returns 1 when the
  // user confirmed, 0 when the user left it.
  virtual std::int32_t RunDialog(void* templateSet, std::int32_t number, void* buffer) = 0;
  virtual void Sound(std::int32_t frequency, std::int32_t duration, std::int32_t flags) = 0;
  // Today as a host date text (YYYYMMDD) and the time of day (HH:MM:SS).
  virtual std::string TodayText() = 0;
  virtual std::string NowText() = 0;
};

}  // namespace standin

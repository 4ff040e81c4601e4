#include "dialog_binding.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>

#include "contract/date_text.h"
#include "contract/time_of_day.h"

namespace standin {

namespace {

// The whole text as a number, nothing when it is none.
std::optional<long long> NumberOf(const std::string& text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string DigitsOf(const std::string& text) {
  std::string digits;
  for (char c : text)
    if (c >= '0' && c <= '9') digits += c;
  return digits;
}

// A masked entry's slots are its digits and blanks; the separators are
// neither.
bool NoDigits(const std::string& shown) { return DigitsOf(shown).empty(); }
bool NoBlanks(const std::string& shown) { return shown.find(' ') == std::string::npos; }

}  // namespace

BoundBuffer::BoundBuffer(const DialogView& view, unsigned char* buffer)
    : buffer_(buffer), saved_(buffer, buffer + view.boundBytes) {}

std::string BoundBuffer::Text(const DialogItemView& item) const {
  const unsigned char* bytes = buffer_ + item.boundOffset;
  std::size_t n = 0;
  while (n < item.capacity && bytes[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(bytes), n);
}

std::uint16_t BoundBuffer::Word(const DialogItemView& item) const {
  const unsigned char* bytes = buffer_ + item.boundOffset;
  return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

void BoundBuffer::WriteText(const DialogItemView& item, std::string_view text) {
  unsigned char* bound = buffer_ + item.boundOffset;
  std::memset(bound, 0, item.boundSize);
  std::memcpy(bound, text.data(), std::min(text.size(), item.boundSize - 1));
}

void BoundBuffer::Terminate(const DialogItemView& item) {
  unsigned char* bound = buffer_ + item.boundOffset;
  if (std::memchr(bound, 0, item.boundSize) == nullptr) bound[item.boundSize - 1] = 0;
}

void BoundBuffer::WriteWord(const DialogItemView& item, std::uint16_t value) {
  unsigned char* bound = buffer_ + item.boundOffset;
  bound[0] = static_cast<unsigned char>(value & 0xFF);
  bound[1] = static_cast<unsigned char>(value >> 8);
}

void BoundBuffer::StoreText(const DialogItemView& item, bool changed, std::string_view text) {
  if (changed) WriteText(item, text);
  else Terminate(item);
}

void BoundBuffer::StoreDate(const DialogItemView& item, const std::string& shown, const std::string& loaded) {
  if (shown == loaded) Terminate(item);
  else if (NoDigits(shown)) WriteText(item, "");
  else WriteText(item, talvenor::FormatHostDate(*talvenor::ParseDateText(shown)));
}

void BoundBuffer::StoreTime(const DialogItemView& item, const std::string& shown, const std::string& loaded) {
  if (shown == loaded) Terminate(item);
  else WriteText(item, NoDigits(shown) ? std::string() : shown);
}

void BoundBuffer::StoreNumber(const DialogItemView& item, const std::string& text, const std::string& loaded) {
  if (text != loaded) WriteWord(item, static_cast<std::uint16_t>(NumberOf(text).value_or(0)));
}

void BoundBuffer::StoreCheck(const DialogItemView& item, bool checked, std::uint16_t loaded) {
  if (checked != (loaded != 0)) WriteWord(item, checked ? 1 : 0);
}

void BoundBuffer::PutBack() {
  if (!saved_.empty()) std::memcpy(buffer_, saved_.data(), saved_.size());
}

std::string ShownDateDigits(const std::string& hostText) {
  const auto date = talvenor::ParseHostDate(hostText.c_str());
  if (!date || hostText.size() != 8) return {};
  return DigitsOf(talvenor::DisplayDate(*date));
}

std::string ShownTimeDigits(const std::string& text) { return DigitsOf(text); }

bool DateAccepted(const std::string& shown, const std::string& loaded) {
  return NoDigits(shown) || shown == loaded || (NoBlanks(shown) && talvenor::ParseDateText(shown));
}

bool TimeAccepted(const std::string& shown, const std::string& loaded) {
  return NoDigits(shown) || shown == loaded || (NoBlanks(shown) && talvenor::ParseTimeOfDay(shown).has_value());
}

NumberEntry CheckNumber(const DialogItemView& item, const std::string& text, const std::string& loaded) {
  if (text == loaded) return NumberEntry::kAccepted;
  const auto value = text.empty() ? std::optional<long long>(0) : NumberOf(text);
  if (!value) return NumberEntry::kNotANumber;
  if (*value < item.minValue || *value > item.maxValue) return NumberEntry::kOutOfRange;
  return NumberEntry::kAccepted;
}

}  // namespace standin

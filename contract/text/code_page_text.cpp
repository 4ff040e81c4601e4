#include "code_page_text.h"

namespace talvenor::text {

void AppendUtf8(std::string& out, char32_t cp) {
  char bytes[4];
  out.append(bytes, EncodeUtf8(cp, bytes));
}

std::string MazoviaToUtf8(std::string_view mazovia) {
  std::string out;
  for (char c : mazovia) AppendUtf8(out, MazoviaCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::optional<std::string> Utf8ToMazovia(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = DecodeUtf8(utf8.data(), utf8.size(), i);
    const int byte = cp == kBadUtf8 ? -1 : MazoviaByte(cp);
    if (byte < 0) return std::nullopt;
    out += static_cast<char>(byte);
  }
  return out;
}

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = DecodeUtf8(utf8.data(), utf8.size(), i);
    out += cp == kBadUtf8 ? U'\uFFFD' : cp;
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  for (char32_t cp : text) AppendUtf8(out, cp);
  return out;
}

std::u32string DecodeMazovia(std::string_view mazovia) {
  std::u32string out;
  for (char c : mazovia) out += MazoviaCodePoint(static_cast<unsigned char>(c));
  return out;
}

}  // namespace talvenor::text

#include "code_pages.h"

#include <cstring>

#include "../../plugin/text/mazovia.h"

namespace standin {

namespace {

using talvenor::text::kMazoviaLetters;

// Windows-1250 bytes of the Polish letters, in the order of kMazoviaLetters.
constexpr unsigned char kWindows1250[18] = {0xB9, 0xE6, 0xA5, 0xCA, 0xEA, 0xB3, 0xC6, 0x8C, 0xA3,
                                            0x9C, 0x8F, 0xAF, 0xF3, 0xD3, 0xF1, 0xD1, 0x9F, 0xBF};

// Returns the byte unchanged when it is no Polish letter of `from`.
unsigned char MapLetter(unsigned char byte, const unsigned char* from, const unsigned char* to) {
  for (int i = 0; i < 18; ++i)
    if (from[i] == byte) return to[i];
  return byte;
}

struct MazoviaBytes {
  unsigned char bytes[18];
  constexpr MazoviaBytes() : bytes{} {
    for (int i = 0; i < 18; ++i) bytes[i] = kMazoviaLetters[i].byte;
  }
};
constexpr MazoviaBytes kMazovia;

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

void ConvertText(const char* source, char* destination, std::int32_t fromCode, std::int32_t toCode) {
  const std::size_t n = std::strlen(source);
  if (destination != source) std::memmove(destination, source, n + 1);
  const unsigned char* from = fromCode == kCodeMazovia ? kMazovia.bytes : fromCode == kCodeWindows1250 ? kWindows1250 : nullptr;
  const unsigned char* to = toCode == kCodeMazovia ? kMazovia.bytes : toCode == kCodeWindows1250 ? kWindows1250 : nullptr;
  if (from == nullptr || to == nullptr || from == to) return;
  for (std::size_t i = 0; i < n; ++i)
    destination[i] = static_cast<char>(MapLetter(static_cast<unsigned char>(destination[i]), from, to));
}

std::string MazoviaToUtf8(std::string_view mazovia) {
  std::string out;
  for (char c : mazovia) {
    const char32_t cp = talvenor::text::MazoviaCodePoint(static_cast<unsigned char>(c));
    AppendUtf8(out, cp == 0 && c != 0 ? U'\uFFFD' : cp);
  }
  return out;
}

std::optional<std::string> Utf8ToMazovia(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = talvenor::text::DecodeUtf8(utf8.data(), utf8.size(), i);
    const int byte = cp == 0xFFFFFFFF ? -1 : talvenor::text::MazoviaByte(cp);
    if (byte < 0) return std::nullopt;
    out += static_cast<char>(byte);
  }
  return out;
}

}  // namespace standin

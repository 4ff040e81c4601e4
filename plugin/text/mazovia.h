#pragma once
// The Mazovia code page (the Polish DOS code page of the host's texts).
// ASCII stays as it is; the 18 Polish letters have bytes of their own.
// Texts are written as readable UTF-8 in the sources and converted at
// compile time; a character with no Mazovia byte fails the build.
#include <array>
#include <cstddef>
#include <cstdint>

namespace talvenor::text {

struct MazoviaLetter {
  char32_t codePoint;    // Unicode
  unsigned char byte;    // Mazovia
};

inline constexpr MazoviaLetter kMazoviaLetters[18] = {
    {U'ą', 0x86}, {U'ć', 0x8D}, {U'Ą', 0x8F}, {U'Ę', 0x90}, {U'ę', 0x91}, {U'ł', 0x92},
    {U'Ć', 0x95}, {U'Ś', 0x98}, {U'Ł', 0x9C}, {U'ś', 0x9E}, {U'Ź', 0xA0}, {U'Ż', 0xA1},
    {U'ó', 0xA2}, {U'Ó', 0xA3}, {U'ń', 0xA4}, {U'Ń', 0xA5}, {U'ź', 0xA6}, {U'ż', 0xA7},
};

// Returns -1 for a code point with no Mazovia byte.
constexpr int MazoviaByte(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  for (const auto& letter : kMazoviaLetters)
    if (letter.codePoint == cp) return letter.byte;
  return -1;
}

// Returns 0 for a byte with no meaning in this system's texts (0x80..0xFF
// other than the 18 letters).
constexpr char32_t MazoviaCodePoint(unsigned char byte) {
  if (byte < 0x80) return byte;
  for (const auto& letter : kMazoviaLetters)
    if (letter.byte == byte) return letter.codePoint;
  return 0;
}

// Decodes one UTF-8 sequence at s[i]; advances i. Returns 0xFFFFFFFF on a
// malformed sequence, an overlong form or a surrogate, so no text can
// smuggle a NUL or a control byte past a check in disguise.
constexpr char32_t DecodeUtf8(const char* s, std::size_t n, std::size_t& i) {
  constexpr char32_t kBad = 0xFFFFFFFF;
  const auto b0 = static_cast<unsigned char>(s[i]);
  const int extra = b0 < 0x80 ? 0 : (b0 & 0xE0) == 0xC0 ? 1 : (b0 & 0xF0) == 0xE0 ? 2 : (b0 & 0xF8) == 0xF0 ? 3 : -1;
  if (extra < 0 || i + extra >= n) {
    ++i;
    return kBad;
  }
  char32_t cp = extra == 0 ? b0 : (b0 & (0x3F >> extra));
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return kBad;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  i += extra + 1;
  constexpr char32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kBad;
  return cp;
}

namespace detail {
// Not constexpr on purpose: reaching it during constant evaluation is the
// compile error for a character outside the code page.
void TextHasCharacterWithoutMazoviaByte();
}  // namespace detail

// Number of Mazovia bytes (without NUL) of a UTF-8 literal of N bytes.
template <std::size_t N>
consteval std::size_t MazoviaLength(const char (&utf8)[N]) {
  std::size_t count = 0;
  for (std::size_t i = 0; i + 1 < N;) {
    if (MazoviaByte(DecodeUtf8(utf8, N - 1, i)) < 0) detail::TextHasCharacterWithoutMazoviaByte();
    ++count;
  }
  return count;
}

// The Mazovia bytes of a UTF-8 literal, NUL included: Length + 1 chars.
template <std::size_t Length, std::size_t N>
consteval std::array<char, Length + 1> ToMazovia(const char (&utf8)[N]) {
  std::array<char, Length + 1> out{};
  std::size_t o = 0;
  for (std::size_t i = 0; i + 1 < N;) out[o++] = static_cast<char>(MazoviaByte(DecodeUtf8(utf8, N - 1, i)));
  out[o] = '\0';
  return out;
}

}  // namespace talvenor::text

// TALVENOR_MAZOVIA("Proszę podać hasło"): a std::array<char, len + 1> of
// Mazovia bytes with the terminating NUL, made at compile time.
#define TALVENOR_MAZOVIA(utf8) \
  ::talvenor::text::ToMazovia<::talvenor::text::MazoviaLength(utf8)>(utf8)

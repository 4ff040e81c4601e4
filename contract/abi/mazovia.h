#pragma once
// The Mazovia code page (the Polish DOS code page of the host's texts) and
// the one UTF-8 decoder and encoder of the project. ASCII stays as it is;
// the 18 Polish letters have bytes of their own; every other upper byte is
// its character of the PC's original code page. Heap-free and constexpr:
// the plug-in's texts are written as readable UTF-8 in the sources and
// converted at compile time; a character with no Mazovia byte fails the
// build.
#include <array>
#include <cstddef>
#include <cstdint>

namespace talvenor::text {

// The upper half, byte 0x80 + i -> code point: the PC's code page 437 with
// the 18 Polish letters in the places the host gives them.
inline constexpr char16_t kMazoviaUpperHalf[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x0105, 0x00E7,  // 80-87 Çüéâäàąç
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x0107, 0x00C4, 0x0104,  // 88-8F êëèïîćÄĄ
    0x0118, 0x0119, 0x0142, 0x00F4, 0x00F6, 0x0106, 0x00FB, 0x00F9,  // 90-97 ĘęłôöĆûù
    0x015A, 0x00D6, 0x00DC, 0x00A2, 0x0141, 0x00A5, 0x015B, 0x0192,  // 98-9F ŚÖÜ¢Ł¥śƒ
    0x0179, 0x017B, 0x00F3, 0x00D3, 0x0144, 0x0143, 0x017A, 0x017C,  // A0-A7 ŹŻóÓńŃźż
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8-AF ¿⌐¬½¼¡«»
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0-B7 ░▒▓│┤╡╢╖
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // B8-BF ╕╣║╗╝╜╛┐
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0-C7 └┴┬├─┼╞╟
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // C8-CF ╚╔╩╦╠═╬╧
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0-D7 ╨╤╥╙╘╒╓╫
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // D8-DF ╪┘┌█▄▌▐▀
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // E0-E7 αßΓπΣσµτ
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,  // E8-EF ΦΘΩδ∞φε∩
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // F0-F7 ≡±≥≤⌠⌡÷≈
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,  // F8-FF °∙·√ⁿ²■(nbsp)
};

// The 18 Polish letters' bytes, for code that converts only those.
inline constexpr unsigned char kPolishLetterBytes[18] = {0x86, 0x8D, 0x8F, 0x90, 0x91, 0x92, 0x95, 0x98, 0x9C,
                                                         0x9E, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7};

// Returns -1 for a code point with no Mazovia byte.
constexpr int MazoviaByte(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  for (int i = 0; i < 128; ++i)
    if (kMazoviaUpperHalf[i] == cp) return 0x80 + i;
  return -1;
}

// Every byte has a character: ASCII below 0x80 (control bytes as
// themselves), the table above.
constexpr char32_t MazoviaCodePoint(unsigned char byte) {
  return byte < 0x80 ? char32_t{byte} : char32_t{kMazoviaUpperHalf[byte - 0x80]};
}

inline constexpr char32_t kBadUtf8 = 0xFFFFFFFF;

// Decodes one UTF-8 sequence at s[i]; advances i. Returns kBadUtf8 on a
// malformed sequence, an overlong form or a surrogate, so no text can
// smuggle a NUL or a control byte past a check in disguise.
constexpr char32_t DecodeUtf8(const char* s, std::size_t n, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  const int extra = b0 < 0x80 ? 0 : (b0 & 0xE0) == 0xC0 ? 1 : (b0 & 0xF0) == 0xE0 ? 2 : (b0 & 0xF8) == 0xF0 ? 3 : -1;
  if (extra < 0 || i + extra >= n) {
    ++i;
    return kBadUtf8;
  }
  char32_t cp = extra == 0 ? b0 : (b0 & (0x3F >> extra));
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return kBadUtf8;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  i += extra + 1;
  constexpr char32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kBadUtf8;
  return cp;
}

// Writes the UTF-8 form of `cp` (at most 4 bytes) to out; returns how many.
// A code point beyond Unicode or a surrogate writes U+FFFD.
constexpr std::size_t EncodeUtf8(char32_t cp, char (&out)[4]) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out[0] = static_cast<char>(cp);
    return 1;
  }
  if (cp < 0x800) {
    out[0] = static_cast<char>(0xC0 | (cp >> 6));
    out[1] = static_cast<char>(0x80 | (cp & 0x3F));
    return 2;
  }
  if (cp < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (cp >> 12));
    out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (cp & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (cp >> 18));
  out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (cp & 0x3F));
  return 4;
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

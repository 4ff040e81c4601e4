#include "code_pages.h"

#include <cstring>

#include "contract/abi/host_constants.h"
#include "contract/abi/mazovia.h"

namespace standin {

namespace {

using talvenor::text::kPolishLetterBytes;

// Windows-1250 bytes of the Polish letters, in the order of kPolishLetterBytes.
constexpr unsigned char kWindows1250[18] = {0xB9, 0xE6, 0xA5, 0xCA, 0xEA, 0xB3, 0xC6, 0x8C, 0xA3,
                                            0x9C, 0x8F, 0xAF, 0xF3, 0xD3, 0xF1, 0xD1, 0x9F, 0xBF};

// Returns the byte unchanged when it is no Polish letter of `from`.
unsigned char MapLetter(unsigned char byte, const unsigned char* from, const unsigned char* to) {
  for (int i = 0; i < 18; ++i)
    if (from[i] == byte) return to[i];
  return byte;
}

const unsigned char* LetterBytes(std::int32_t code) {
  if (code == talvenor::kCodeMazovia) return kPolishLetterBytes;
  if (code == talvenor::kCodeWindows1250) return kWindows1250;
  return nullptr;
}

}  // namespace

void ConvertText(const char* source, char* destination, std::int32_t fromCode, std::int32_t toCode) {
  const std::size_t n = std::strlen(source);
  if (destination != source) std::memmove(destination, source, n + 1);
  const unsigned char* from = LetterBytes(fromCode);
  const unsigned char* to = LetterBytes(toCode);
  if (from == nullptr || to == nullptr || from == to) return;
  for (std::size_t i = 0; i < n; ++i)
    destination[i] = static_cast<char>(MapLetter(static_cast<unsigned char>(destination[i]), from, to));
}

}  // namespace standin

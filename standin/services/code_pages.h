#pragma once
// Conversions between the host's code pages: 1 = Mazovia (the host's own),
// 3 = Windows-1250 (what MessageBoxA shows on a Polish Windows), and UTF-8
// for the terminal and the settings tool.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace standin {

inline constexpr std::int32_t kCodeMazovia = 1;
inline constexpr std::int32_t kCodeWindows1250 = 3;

// In place allowed (source == destination). Bytes without a counterpart
// pass unchanged; unknown codes copy the text as it is.
void ConvertText(const char* source, char* destination, std::int32_t fromCode, std::int32_t toCode);

// Mazovia bytes -> UTF-8. A byte of 0x80 and up that is no Polish letter
// becomes U+FFFD.
std::string MazoviaToUtf8(std::string_view mazovia);
// UTF-8 -> Mazovia; nothing when a character has no Mazovia byte or the
// UTF-8 is malformed.
std::optional<std::string> Utf8ToMazovia(std::string_view utf8);

}  // namespace standin

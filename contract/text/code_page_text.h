#pragma once
// Whole texts between Mazovia, UTF-8 and code points, for the stand-in host
// and the settings tool (these allocate; the plug-in uses mazovia.h only).
#include <optional>
#include <string>
#include <string_view>

#include "contract/abi/mazovia.h"

namespace talvenor::text {

// Mazovia bytes -> UTF-8; every byte has a character.
std::string MazoviaToUtf8(std::string_view mazovia);
// UTF-8 -> Mazovia; nothing when a character has no Mazovia byte or the
// UTF-8 is malformed.
std::optional<std::string> Utf8ToMazovia(std::string_view utf8);

// UTF-8 -> code points; a malformed sequence becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);
void AppendUtf8(std::string& out, char32_t cp);
// Mazovia -> code points.
std::u32string DecodeMazovia(std::string_view mazovia);

}  // namespace talvenor::text

#include "json_input.h"

#include "messages.h"
#include "quoted.h"
#include "settings_fields.h"
#include "text_input.h"

namespace infprz {

namespace {

// What stands at byte `at` of `text`, in the tool's words rather than the
// parser's: the text ending, or the character found.
std::string WhatWentWrong(const std::string& text, std::size_t at) {
  if (at >= text.size()) return Say(Msg::kJsonEndsEarly);
  std::size_t end = at + 1;
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  return Say(Msg::kJsonUnexpected, {Quoted(text.substr(at, end - at))});
}

}  // namespace

nlohmann::json ParseJsonInput(std::string_view bytes, const std::string& source) {
  const std::string text = DecodeTextFile(bytes, source);
  try {
    return nlohmann::json::parse(text);
  } catch (const nlohmann::json::parse_error& e) {
    // The error's byte counts from 1; line and column are counted here in characters.
    const std::size_t at = e.byte == 0 ? 0 : std::min<std::size_t>(e.byte - 1, text.size());
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < at; ++i) {
      if (text[i] == '\n') {
        ++line;
        column = 1;
      } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
        ++column;
      }
    }
    throw InvalidInput(
        Say(Msg::kJsonSyntax, {source, std::to_string(line), std::to_string(column), WhatWentWrong(text, at)}));
  }
}

}  // namespace infprz

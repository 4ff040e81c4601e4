#include "quoted.h"

#include <cstdio>

#include <nlohmann/json.hpp>

#include "contract/mazovia.h"
#include "messages.h"

namespace infprz {

namespace {

// C0 and C1 controls: either could drive the terminal the message goes to.
bool IsControl(char32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp < 0xA0); }

}  // namespace

std::string Quoted(std::string_view utf8) {
  constexpr std::size_t kShown = 40;
  std::string quoted = "\"";
  std::size_t i = 0, shown = 0, backslashes = 0;
  for (; i < utf8.size() && shown < kShown; ++shown) {
    const std::size_t start = i;
    const char32_t cp = talvenor::text::DecodeUtf8(utf8.data(), utf8.size(), i);
    if (cp == '"') quoted.append(backslashes + 1, '\\');
    backslashes = cp == '\\' ? backslashes + 1 : 0;
    if (cp == talvenor::text::kBadUtf8) {
      quoted += "\xEF\xBF\xBD";
    } else if (IsControl(cp)) {
      char code[16];
      std::snprintf(code, sizeof code, "<U+%04X>", static_cast<unsigned>(cp));
      quoted += code;
    } else {
      quoted += utf8.substr(start, i - start);
    }
  }
  quoted.append(backslashes, '\\');
  quoted += '"';
  if (i < utf8.size()) {
    std::size_t total = shown;
    for (; i < utf8.size(); ++total) talvenor::text::DecodeUtf8(utf8.data(), utf8.size(), i);
    quoted += "... (" + Count(Msg::kCountCharacters, total) + ")";
  }
  return quoted;
}

std::string JsonQuoted(std::string_view utf8) {
  return nlohmann::json(std::string(utf8)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string InQuotes(std::string_view text) {
  std::string quoted = "\"";  // appended piecewise: GCC 12 warns falsely on a + chain here
  quoted += text;
  quoted += '"';
  return quoted;
}

std::string CommandLineWord(std::string_view name) {
  if (name.find_first_of(" \t&;'()") == std::string_view::npos) return std::string(name);
  return InQuotes(name);
}

}  // namespace infprz

#include "json_input.h"

#include "contract/code_page_text.h"
#include "settings_fields.h"

namespace infprz {

namespace {

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian, const std::string& source) {
  if (bytes.size() % 2 != 0) throw InvalidInput(source + ": UTF-16 with an odd number of bytes: the file is cut short");
  std::string out;
  const auto unit = [&](std::size_t i) {
    const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char32_t>(bigEndian ? first << 8 | second : second << 8 | first);
  };
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    char32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 2 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      throw InvalidInput(source + ": broken UTF-16 (a lone surrogate at byte " + std::to_string(i + 1) + ")");
    }
    talvenor::text::AppendUtf8(out, cp);
  }
  return out;
}

// nlohmann's "[json.exception.parse_error.101] parse error at line 1,
// column 2: syntax error while parsing value - invalid literal; last
// read: 'x'" -> "invalid literal; last read: 'x'".
std::string Reason(const std::string& what) {
  std::string reason = what;
  if (const std::size_t column = reason.find("column "); column != std::string::npos) {
    if (const std::size_t colon = reason.find(": ", column); colon != std::string::npos) reason.erase(0, colon + 2);
  }
  if (const std::size_t dash = reason.find(" - "); reason.rfind("syntax error", 0) == 0 && dash != std::string::npos)
    reason.erase(0, dash + 3);
  return reason;
}

}  // namespace

nlohmann::json ParseJsonInput(std::string_view bytes, const std::string& source) {
  std::string text;
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    text = bytes.substr(3);
  } else if (bytes.starts_with("\xFF\xFE")) {
    text = Utf16ToUtf8(bytes.substr(2), false, source);
  } else if (bytes.starts_with("\xFE\xFF")) {
    text = Utf16ToUtf8(bytes.substr(2), true, source);
  } else if (bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0')) {
    throw InvalidInput(source + ": looks like UTF-16 without a byte order mark; save it as UTF-8 "
                                "(PowerShell: | Out-File -Encoding utf8)");
  } else {
    text = bytes;
  }
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
    throw InvalidInput(source + ": not valid JSON: line " + std::to_string(line) + ", column " + std::to_string(column) +
                       ": " + Reason(e.what()));
  }
}

}  // namespace infprz

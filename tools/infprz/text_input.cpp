#include "text_input.h"

#include "contract/text/code_page_text.h"
#include "messages.h"
#include "settings_fields.h"

namespace infprz {

namespace {

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian, const std::string& source) {
  if (bytes.size() % 2 != 0) throw InvalidInput(Say(Msg::kUtf16OddLength, {source}));
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
      // The byte counts from the file's start, its mark included.
      throw InvalidInput(Say(Msg::kUtf16LoneSurrogate, {source, std::to_string(i + 3)}));
    }
    talvenor::text::AppendUtf8(out, cp);
  }
  return out;
}

}  // namespace

std::string DecodeTextFile(std::string_view bytes, const std::string& source) {
  if (bytes.starts_with("\xFF\xFE")) return Utf16ToUtf8(bytes.substr(2), false, source);
  if (bytes.starts_with("\xFE\xFF")) return Utf16ToUtf8(bytes.substr(2), true, source);
  if (bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0'))
    throw InvalidInput(Say(Msg::kUtf16WithoutBom, {source}));
  const std::size_t mark = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  for (std::size_t i = mark; i < bytes.size();) {
    const std::size_t start = i;
    if (talvenor::text::DecodeUtf8(bytes.data(), bytes.size(), i) == talvenor::text::kBadUtf8)
      throw InvalidInput(Say(Msg::kNotUtf8File, {source, std::to_string(start + 1)}));
  }
  return std::string(bytes.substr(mark));
}

}  // namespace infprz

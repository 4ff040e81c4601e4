#include "host_texts.h"

namespace standin::host::text {

namespace {
talvenor::UserLanguage current = talvenor::UserLanguage::kEnglish;
}  // namespace

void UseLanguage(talvenor::UserLanguage language) { current = language; }

talvenor::UserLanguage Language() { return current; }

std::string Fill(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string out;
  std::size_t from = 0;
  for (std::size_t brace = text.find('{'); brace != std::string_view::npos; brace = text.find('{', brace + 1)) {
    if (brace + 2 >= text.size() || text[brace + 2] != '}') continue;
    const std::size_t index = static_cast<std::size_t>(text[brace + 1] - '1');
    if (index >= values.size()) continue;  // a brace of the text itself
    out.append(text.substr(from, brace - from)).append(values.begin()[index]);
    from = brace + 3;
  }
  return out.append(text.substr(from));
}

std::string Say(const Spoken& text, std::initializer_list<std::string_view> values) {
  return Fill(current == talvenor::UserLanguage::kPolish ? text.polish : text.english, values);
}

}  // namespace standin::host::text

#include "messages.h"

#include "contract/user_language.h"

namespace infprz {

namespace {

constexpr CatalogEntry kCatalog[] = {
#define INFPRZ_MESSAGE(name, english, polish) {#name, english, polish},
#include "message_catalog.h"
#undef INFPRZ_MESSAGE
};

Language current = Language::kEnglish;

std::string_view Text(Msg message) {
  const CatalogEntry& entry = kCatalog[static_cast<std::size_t>(message)];
  return current == Language::kPolish ? entry.polish : entry.english;
}

// The form of a counted text: English one|other, Polish one|few|many.
std::size_t FormFor(std::uintmax_t count) {
  if (count == 1) return 0;
  if (current == Language::kEnglish) return 1;
  const std::uintmax_t ones = count % 10, tens = count % 100;
  return ones >= 2 && ones <= 4 && !(tens >= 12 && tens <= 14) ? 1 : 2;
}

// A command the text suggests, in the quotes of the user's shell: cmd takes
// no apostrophes as quotes. On Windows one that holds a quoted name stands
// bare, as it is typed, rather than in quotes within quotes.
std::string SuggestedCommand(const std::string& command) {
#if defined(_WIN32)
  if (command.find('"') != std::string::npos) return command;
  return '"' + command + '"';
#else
  return '\'' + command + '\'';
#endif
}

// The `index`th of the texts `forms` holds, separated by '|'.
std::string_view Form(std::string_view forms, std::size_t index) {
  for (; index > 0; --index) forms.remove_prefix(forms.find('|') + 1);
  return forms.substr(0, forms.find('|'));
}

std::string Fill(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t commandEnd = text[i] == '`' ? text.find('`', i + 1) : std::string_view::npos;
    if (commandEnd != std::string_view::npos) {
      out += SuggestedCommand(Fill(text.substr(i + 1, commandEnd - i - 1), values));
      i = commandEnd;
      continue;
    }
    const bool placeholder =
        text[i] == '{' && i + 2 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' && text[i + 2] == '}';
    const std::size_t index = placeholder ? static_cast<std::size_t>(text[i + 1] - '1') : 0;
    if (!placeholder || index >= values.size()) {
      out += text[i];
      continue;
    }
    out += values.begin()[index];
    i += 2;
  }
  return out;
}

}  // namespace

Language SystemLanguage() {
  return talvenor::SystemUserLanguage() == talvenor::UserLanguage::kPolish ? Language::kPolish : Language::kEnglish;
}

void UseLanguage(Language language) { current = language; }

std::string Say(Msg message, std::initializer_list<std::string_view> values) { return Fill(Text(message), values); }

std::string Count(Msg message, std::uintmax_t count) {
  const std::string number = std::to_string(count);
  return Fill(Form(Text(message), FormFor(count)), {number});
}

std::string Nth(Msg message, std::size_t index) { return std::string(Form(Text(message), index)); }

std::span<const CatalogEntry> Catalog() { return kCatalog; }

}  // namespace infprz

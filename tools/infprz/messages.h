#pragma once
// The tool's texts in its user's language: English or Polish, chosen once
// at start the way the system's own programs choose theirs.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace infprz {

enum class Language { kEnglish, kPolish };

enum class Msg {
#define INFPRZ_MESSAGE(name, english, polish) name,
#include "message_catalog.h"
#undef INFPRZ_MESSAGE
};

// Windows: the user's interface language. Elsewhere: the first of LC_ALL,
// LC_MESSAGES and LANG that is set. Polish for a Polish one, else English.
Language SystemLanguage();

// The language of every text from now on; English until set.
void UseLanguage(Language language);

// `message` in the current language, {1}, {2}, ... replaced by `values`,
// and a command it suggests (`infprz --help` in the catalog) quoted as the
// user's shell reads it: "infprz --help" on Windows, 'infprz --help'
// elsewhere; on Windows one that holds a quoted name stands unquoted.
std::string Say(Msg message, std::initializer_list<std::string_view> values = {});

// A counted message (kCount...: "3 bytes", "3 bajty") in the form its
// count takes.
std::string Count(Msg message, std::uintmax_t count);

// The `index`th (from 0) of a list message (kList...: the months).
std::string Nth(Msg message, std::size_t index);

struct CatalogEntry {
  std::string_view name;  // "kNoCommand"
  std::string_view english;
  std::string_view polish;
};
// Every message as written, in Msg order: for the catalog's own test.
std::span<const CatalogEntry> Catalog();

}  // namespace infprz

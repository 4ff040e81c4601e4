// The tool in its user's language: every text in both, the language chosen
// as the system's programs choose theirs, and what a Polish user reads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "infprz/messages.h"
#include "infprz_run.h"
#include "support/test_host.h"

namespace {

using infprz::Language;
using infprz_test::Infprz;
using infprz_test::ShellQuotes;

std::set<std::string> Placeholders(std::string_view text) {
  std::set<std::string> found;
  for (std::size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1))
    if (at + 2 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9' && text[at + 2] == '}')
      found.insert(std::string(text.substr(at, 3)));
  return found;
}

std::size_t Forms(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '|')) + 1;
}

TEST(InfprzCatalog, EveryTextHasBothLanguagesWithTheSameValues) {
  for (const infprz::CatalogEntry& entry : infprz::Catalog()) {
    EXPECT_FALSE(entry.english.empty()) << entry.name << " has no English";
    EXPECT_FALSE(entry.polish.empty()) << entry.name << " has no Polish";
    EXPECT_EQ(Placeholders(entry.english), Placeholders(entry.polish))
        << entry.name << ": a value only one language shows";
    for (std::string_view text : {entry.english, entry.polish})
      EXPECT_EQ(std::count(text.begin(), text.end(), '`') % 2, 0) << entry.name << ": a command without its end";
    if (entry.name.starts_with("kList")) {
      EXPECT_EQ(Forms(entry.english), Forms(entry.polish)) << entry.name << ": a list as long in both";
    }
    if (!entry.name.starts_with("kCount")) continue;
    EXPECT_EQ(Forms(entry.english), 2u) << entry.name << ": English counts one|other";
    EXPECT_EQ(Forms(entry.polish), 3u) << entry.name << ": Polish counts one|few|many";
    EXPECT_EQ(Placeholders(entry.english), std::set<std::string>{"{1}"}) << entry.name << ": the count is {1}";
  }
}

TEST(InfprzCatalog, PolishCountsTakeTheFormTheirNumberNeeds) {
  const std::vector<std::pair<std::uintmax_t, std::string>> polish = {
      {0, "0 bajtów"},   {1, "1 bajt"},     {2, "2 bajty"},   {4, "4 bajty"},      {5, "5 bajtów"},
      {12, "12 bajtów"}, {14, "14 bajtów"}, {22, "22 bajty"}, {112, "112 bajtów"}, {591, "591 bajtów"}};
  infprz::UseLanguage(Language::kPolish);
  for (const auto& [count, text] : polish) EXPECT_EQ(infprz::Count(infprz::Msg::kCountBytes, count), text);
  infprz::UseLanguage(Language::kEnglish);
  EXPECT_EQ(infprz::Count(infprz::Msg::kCountBytes, 1), "1 byte");
  EXPECT_EQ(infprz::Count(infprz::Msg::kCountBytes, 0), "0 bytes");
}

#if !defined(_WIN32)
TEST(InfprzLanguage, TheFirstOfLcAllLcMessagesAndLangThatIsSetDecides) {
  struct Case {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    Language expected;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, Language::kEnglish},
      {nullptr, nullptr, "pl_PL.UTF-8", Language::kPolish},
      {nullptr, "pl_PL.UTF-8", "en_US.UTF-8", Language::kPolish},
      {"C.UTF-8", "pl_PL.UTF-8", "pl_PL.UTF-8", Language::kEnglish},
      {"pl_PL", nullptr, nullptr, Language::kPolish},
      {"", "", "pl_PL.ISO-8859-2", Language::kPolish},  // set but empty counts as not set
      {nullptr, nullptr, "de_DE.UTF-8", Language::kEnglish},
  };
  const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
  std::optional<std::string> saved[3];
  for (int i = 0; i < 3; ++i)
    if (const char* value = std::getenv(names[i])) saved[i] = value;
  for (const Case& c : cases) {
    const char* values[] = {c.lcAll, c.lcMessages, c.lang};
    for (int i = 0; i < 3; ++i) values[i] ? setenv(names[i], values[i], 1) : unsetenv(names[i]);
    EXPECT_EQ(infprz::SystemLanguage(), c.expected)
        << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
  }
  for (int i = 0; i < 3; ++i) saved[i] ? setenv(names[i], saved[i]->c_str(), 1) : unsetenv(names[i]);
}
#endif

class InfprzInPolish : public testing_support::HostTest {};

TEST_F(InfprzInPolish, ShowRefusalsAndHelpSpeakPolish) {
  ASSERT_EQ(Infprz({"set", "--create", "--text", "Zapłać", "--row", "2", "--start-date", "1.1.2020", "--interval", "5",
                    "--from", "9:00", "--password", "x"})
                .status,
            0);
  const auto shown = Infprz({"show"}, "", Language::kPolish);
  EXPECT_EQ(shown.out.substr(0, shown.out.find("Dziś ")),
            "Przypomnienie:  wyłączone\n"
            "Hasło:          ustawione (pokazuje je --show-password)\n"
            "Tekst:\n"
            "  1 | Zapłać\n"
            "Harmonogram:\n"
            "  wiersz  od dnia     co ile      od        do\n"
            "  1       nieużywany\n"
            "  2       01.01.2020  5 min       09:00:00  -\n"
            "  3       nieużywany\n");
  EXPECT_NE(shown.out.find(": obowiązuje wiersz 2\n"), std::string::npos) << shown.out;

  const std::string startDate = "infprz: wiersz 1: data początkowa ";
  std::string nineLines;
  for (int i = 0; i < 9; ++i) nineLines += "a\n";
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
      {{"shwo"},
       ShellQuotes("infprz: nieznane polecenie \"shwo\"; polecenia to show, import, set, clear-password, init i check\n"
                   "infprz: `infprz --help` wypisuje polecenia i opcje\n")},
      {{"set", "--bogus"},
       ShellQuotes("infprz: polecenie set nie zna opcji --bogus\n"
                   "infprz: `infprz set --help` wypisuje opcje tego polecenia\n")},
      {{"show", "Programy", "Host\\infprz.dat"},
       ShellQuotes("infprz: nieoczekiwany argument \"Host\\infprz.dat\" (jeden plik ustawień na polecenie; wartość ze "
                   "spacjami ujmij w cudzysłów)\ninfprz: `infprz show --help` wypisuje opcje tego polecenia\n")},
      {{"show", "brak.dat"},
       "infprz: brak.dat: nie ma takiego pliku (wtyczka czyta to jako pustą konfigurację: "
       "przypomnienie wyłączone, bez hasła)\n"},
      {{"import", "brak.json"}, "infprz: brak.json: nie ma takiego pliku\n"},
      {{"init", "brak/infprz.dat"}, "infprz: brak: nie ma takiego folderu\n"},
      {{"set", "--row", "1", "--start-date", "31.02.2026"},
       startDate + "\"31.02.2026\" nie istnieje: luty 2026 ma 28 dni; nic nie zapisano\n"},
      {{"set", "--row", "1", "--start-date", "31.04.2026"},
       startDate + "\"31.04.2026\" nie istnieje: kwiecień 2026 ma 30 dni; nic nie zapisano\n"},
      {{"set", "--row", "1", "--start-date", "1.13.2026"},
       startDate + "\"1.13.2026\" nie istnieje: nie ma miesiąca 13: miesiące mają numery od 1 do 12; nic nie zapisano\n"},
      {{"set", "--row", "1", "--start-date", "0.1.2026"},
       startDate + "\"0.1.2026\" nie istnieje: nie ma dnia 0: dni liczy się od 1; nic nie zapisano\n"},
      {{"set", "--row", "1", "--start-date", "1.1.0000"},
       startDate + "\"1.1.0000\" nie istnieje: rok 0 wykracza poza zakres od 1 do 9999; nic nie zapisano\n"},
      {{"set", "--text", std::string(500, 'x')},
       "infprz: tekst się nie mieści: ma 500 znaków, najwyżej 480 (8 wierszy po 60 kolumn); nic nie zapisano\n"},
      {{"set", "--text", nineLines + "b"},
       "infprz: tekst się nie mieści: zajmuje 10 wierszy po 60 kolumn, najwyżej 8 (podział wiersza wypełnia resztę "
       "wiersza); nic nie zapisano\n"},
  };
  for (const auto& [args, err] : refused) EXPECT_EQ(Infprz(args, "", Language::kPolish).err, err);
  EXPECT_NE(Infprz({"set", "/?"}, "", Language::kPolish).out.find("  --text TEKST            tekst przypomnienia;"),
            std::string::npos);
  EXPECT_EQ(Infprz({"show"}).out, Infprz({"show"}, "", Language::kEnglish).out) << "the language is per run";
}

}  // namespace

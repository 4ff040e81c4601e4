// Key presses as BIOS key codes, the words of a story file, and
// talhost.exe's command line.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/command_line.h"
#include "core/script.h"
#include "host_test_keys.h"

namespace {

using namespace standin::host;
using host_test::Key;

TEST(BiosKeys, TheStandardTable) {
  struct Case {
    const char* name;
    std::uint16_t code;
  } cases[] = {
      {"Shift-F10", 0x5D00}, {"F1", 0x3B00},      {"F10", 0x4400},      {"F12", 0x8600},   {"Shift-F12", 0x8800},
      {"Ctrl-F1", 0x5E00},   {"Alt-F10", 0x7100}, {"Esc", 0x011B},      {"Enter", 0x1C0D}, {"Ctrl-Enter", 0x1C0A},
      {"Tab", 0x0F09},       {"Shift-Tab", 0x0F00}, {"Backspace", 0x0E08}, {"Space", 0x3920}, {"Up", 0x4800},
      {"Down", 0x5000},      {"PgDn", 0x5100},    {"Del", 0x5300},      {"Ctrl-Home", 0x7700}, {"Alt-H", 0x2300},
      {"Alt-X", 0x2D00},     {"Alt-1", 0x7800},   {"Alt-0", 0x8100},    {"Ctrl-S", 0x1F13}, {"a", 0x1E61},
      {"A", 0x1E41},         {"ą", 0x1E86},       {"Ż", 0x2CA1},        {"0x5D00", 0x5D00},
  };
  for (const Case& c : cases) EXPECT_EQ(Key(c.name), c.code) << c.name;
}

TEST(BiosKeys, RecognisedByVirtualKeyNotByCharacter) {
  const struct {
    KeyEvent event;
    std::uint16_t code;
    const char* what;
  } cases[] = {
      {{.vk = vk::kEscape}, 0x011B, "Esc as Wine delivers it, with character 0"},
      {{.vk = 'L', .ch = U'ł', .ctrl = true, .alt = true}, 0x2692, "a Polish letter typed with AltGr stays a letter"},
      {{.ch = U'ś'}, 0x1F9E, "a letter under Wine: no virtual key, no scan code"},
      {{.vk = vk::kShift, .shift = true}, 0, "Shift alone is no key"},
      {{.ch = U'€'}, 0, "a character Mazovia lacks"},
  };
  for (const auto& c : cases) EXPECT_EQ(BiosKeyCode(c.event), c.code) << c.what;
}

TEST(BiosKeys, NamesForTheStatusLine) {
  const std::pair<std::uint16_t, const char*> names[] = {
      {0x5D00, "Shift-F10"}, {0x2300, "Alt-H"}, {0x1F13, "Ctrl-S"}, {0x1E86, "'ą'"}, {0x011B, "Esc"}, {0xFFFF, ""},
  };
  for (const auto& [code, name] : names) EXPECT_EQ(KeyCodeName(code), name) << std::hex << code;
  EXPECT_EQ(AltKeyLetter(0x2300), 'H');
  EXPECT_EQ(AltKeyLetter(0x2368), 0) << "a typed h is no Alt key";
}

TEST(Script, ReadsEveryCommand) {
  std::string error;
  const auto script = ParseScript(
      "# comment\n"
      "today 2026-12-09\r\n"
      "time 7:05\n"
      "key Shift-F10 Tab  Alt-H\n"
      "type \"a \\\"b\\\"\"\n"
      "wait 5.5\n"
      "screen after\n"
      "expect-calls 20 HostSound(\n",
      &error);
  ASSERT_TRUE(script) << error;
  ASSERT_EQ(script->size(), 7u);
  EXPECT_EQ((*script)[0].date.day, 9);
  EXPECT_EQ((*script)[1].secondOfDay, 7 * 3600 + 5 * 60);
  EXPECT_EQ((*script)[2].keys.size(), 3u);
  EXPECT_EQ((*script)[3].keys.size(), 5u) << "a, blank, quote, b, quote";
  EXPECT_EQ((*script)[4].milliseconds, 5500);
  EXPECT_EQ((*script)[5].text, "after");
  EXPECT_EQ((*script)[6].count, 20);
  EXPECT_EQ((*script)[6].text, "HostSound(");
}

TEST(Script, ACommentEndsEveryKindOfLineAndIsNeverTyped) {
  // '#' after a blank starts a comment; quoted, or inside a word, it is a character.
  const struct {
    const char* line;
    ScriptCommand::Kind kind;
    const char* text;  // the text, label or expected text read
    std::size_t keys;
  } cases[] = {
      {"key Enter                  # the first-run notice", ScriptCommand::Keys, "", 1},
      {"key Alt-O Tab #", ScriptCommand::Keys, "", 2},
      {"type 09122026              # interval 0: due at every check", ScriptCommand::Type, "09122026", 8},
      {"type \"Nr # 5\"   # quoted", ScriptCommand::Type, "Nr # 5", 6},
      {"type C#5 and #", ScriptCommand::Type, "C#5 and", 7},
      {"type \"\\\"q\\\"\" # escaped quotes", ScriptCommand::Type, "\"q\"", 3},
      {"wait 6 # later", ScriptCommand::Wait, "", 0},
      {"\xEF\xBB\xBFwait 6 # as Notepad saves UTF-8", ScriptCommand::Wait, "", 0},
      {"today 09.12.2026\t# tab, then a comment", ScriptCommand::Today, "", 0},
      {"time 12:00 # noon", ScriptCommand::Time, "", 0},
      {"screen # no label", ScriptCommand::Show, "", 0},
      {"screen \"after # F12\"", ScriptCommand::Show, "after # F12", 0},
      {"calls # so far", ScriptCommand::Calls, "", 0},
      {"expect Przypomnienie # the box", ScriptCommand::Expect, "Przypomnienie", 0},
      {"expect-not \"#\" # a hash", ScriptCommand::ExpectNot, "#", 0},
      {"expect-call HostSound( # a tone", ScriptCommand::ExpectCall, "HostSound(", 0},
      {"expect-calls 20 HostSound( # the burst", ScriptCommand::ExpectCalls, "HostSound(", 0},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto script = ParseScript(c.line, &error);
    ASSERT_TRUE(script && script->size() == 1u) << c.line << ": " << error;
    EXPECT_EQ((*script)[0].kind, c.kind) << c.line;
    EXPECT_EQ((*script)[0].text, c.text) << c.line;
    EXPECT_EQ((*script)[0].keys.size(), c.keys) << c.line;
  }
}

TEST(Script, NamesTheLineAndTheWordThatStoppedItAndRunsNoneOfIt) {
  const struct {
    std::string text;
    std::string why;
    talvenor::UserLanguage language = host_test::kEnglish;
  } cases[] = {
      {"key Enter\nkey Hyper-Q\n", "line 2: unknown key \"Hyper-Q\""},
      {"today 09.12.2026\ntime 12:00:00\nkey Enter the first-run notice\n", "line 3: unknown key \"the\""},
      {"\n\ntype abc€\n", "line 3: the host's keyboard cannot type \"€\""},
      {"type \"abc # def\n", "line 1: the quote is not closed: \"abc # def"},
      {"type \"abc\" def\n", "line 1: \"def\" after the closing quote"},
      {"type \"abc\"def\n", "line 1: \"def\" after the closing quote"},
      {"type # nothing but a comment\n", "line 1: type needs a text"},
      {"wait soon\n", "line 1: wait takes a number of seconds, not \"soon\""},
      {"wait # how long?\n", "line 1: wait needs a number of seconds"},
      {"today 31.02.2026\n", "line 1: today takes a date (DD.MM.YYYY, YYYY-MM-DD or YYYYMMDD), not \"31.02.2026\""},
      {"time 24:00\n", "line 1: time takes HH:MM or HH:MM:SS, not \"24:00\""},
      {"calls now\n", "line 1: calls takes nothing, not \"now\""},
      {"expect-calls many HostSound(\n", "line 1: expect-calls takes a count and a text, not \"many\""},
      {"dance\n", "line 1: unknown command \"dance\""},
      {"key Enter\nkey Hyper-Q\n", "wiersz 2: nieznany klawisz „Hyper-Q”", host_test::kPolish},
      {"wait soon\n", "wiersz 1: wait: oczekiwano: liczba sekund, jest „soon”", host_test::kPolish},
  };
  for (const auto& c : cases) {
    const host_test::SpeakingIn language(c.language);
    std::string error;
    EXPECT_FALSE(ParseScript(c.text, &error)) << c.text;
    EXPECT_EQ(error, c.why);
  }
}

TEST(Script, TheDocumentListsEveryWordAsTheTableHasIt) {
  std::ifstream in(STANDIN_HOST_DOC);
  ASSERT_TRUE(in) << STANDIN_HOST_DOC;
  std::vector<std::string> documented;
  bool inTable = false;
  for (std::string line; std::getline(in, line);) {
    if (line == "| command | meaning |") inTable = true;
    else if (inTable && !line.starts_with("|")) break;
    else if (inTable && !line.starts_with("|---")) documented.push_back(line);
  }
  std::vector<std::string> table;
  for (const ScriptWord& word : ScriptWords()) {
    const std::string shown = std::string(word.word) + (word.arguments.empty() ? "" : " ") + std::string(word.arguments);
    table.push_back("| `" + shown + "` | " + std::string(word.help) + " |");
  }
  EXPECT_EQ(documented, table);
}

TEST(CommandLine, ReadsEveryOptionAndRefusesInTheUsersLanguage) {
  std::string error;
  const std::vector<std::string> all = {"--script=a b.txt", "--size", "100x26",       "--mute", "--interface-version",
                                        "111",             "--today", "09.12.2026", "--time", "7:05",
                                        "--every-screen",  "--dir",   "C:\\Host"};
  const auto line = ReadCommandLine(all, &error);
  ASSERT_TRUE(line) << error;
  EXPECT_EQ(line->script, "a b.txt");
  EXPECT_EQ(line->size->height, 26);
  EXPECT_EQ(line->interfaceVersion, 111);
  EXPECT_EQ(line->today->day, 9);
  EXPECT_EQ(line->secondOfDay, 7 * 3600 + 5 * 60);
  EXPECT_TRUE(line->mute && line->everyScreen && !line->realClock && !line->help);
  EXPECT_EQ(line->directory, "C:\\Host");

  const struct {
    std::vector<std::string> arguments;
    std::string why;
    talvenor::UserLanguage language = host_test::kEnglish;
  } refused[] = {
      {{"--size", "90x10"}, "--size takes WIDTHxHEIGHT, from 40x15 to 300x200, not \"90x10\""},
      {{"--today"}, "--today needs a value: --today DATE"},
      {{"--script", "--mute"}, "--script needs a value: --script FILE"},
      {{"--mute=yes"}, "--mute takes no value"},
      {{"--interface-version", "1x"}, "--interface-version takes a whole number, not \"1x\""},
      {{"story.txt"}, "unexpected argument \"story.txt\" (talhost --help lists the options)"},
      {{"--scirpt", "a.txt"}, "unknown option \"--scirpt\" (talhost --help lists the options)"},
      {{"--time", "25:00"}, "--time przyjmuje GG:MM albo GG:MM:SS, a nie „25:00”", host_test::kPolish},
      {{"--dir"}, "--dir wymaga wartości: --dir FOLDER", host_test::kPolish},
  };
  for (const auto& c : refused) {
    const host_test::SpeakingIn language(c.language);
    EXPECT_FALSE(ReadCommandLine(c.arguments, &error)) << c.arguments[0];
    EXPECT_EQ(error, c.why);
  }
}

TEST(CommandLine, HelpListsEveryOptionInColumnsInBothLanguages) {
  for (const auto& [language, first] : {std::pair{host_test::kEnglish, "Usage: talhost [OPTIONS]\n"},
                                        std::pair{host_test::kPolish, "Użycie: talhost [OPCJE]\n"}}) {
    const host_test::SpeakingIn speaking(language);
    const std::string help = CommandLineHelp();
    EXPECT_TRUE(help.starts_with(first)) << help;
    std::istringstream lines(help);
    int options = 0;
    for (std::string row; std::getline(lines, row);) {
      const std::u32string cells = DecodeUtf8(row);
      EXPECT_LE(cells.size(), 79u) << "wider than a console window starts:\n" << row;
      if (!row.starts_with("  --") && !row.starts_with(std::string(26, ' '))) continue;
      options += row.starts_with("  --");
      // The help of every option starts in one column, counted in characters.
      ASSERT_GT(cells.size(), 26u) << row;
      EXPECT_EQ(cells[25], U' ') << row;
      EXPECT_NE(cells[26], U' ') << row;
    }
    EXPECT_EQ(options, static_cast<int>(std::size(standin::host::text::kOptions)));
  }
  EXPECT_NE(CommandLineHelp().find("--interface-version N"), std::string::npos);
}

}  // namespace

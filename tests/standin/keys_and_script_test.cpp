// Key presses as BIOS key codes, and the scripted mode's language.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/script.h"
#include "harness/file_bytes.h"
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
  KeyEvent esc;
  esc.vk = vk::kEscape;  // Wine delivers Esc with character 0
  EXPECT_EQ(BiosKeyCode(esc), 0x011B);
  KeyEvent altGr;  // a Polish letter typed with AltGr (Ctrl+Alt) stays a letter
  altGr.vk = 'L';
  altGr.ch = U'ł';
  altGr.ctrl = altGr.alt = true;
  EXPECT_EQ(BiosKeyCode(altGr), 0x2692);
  KeyEvent wineLetter;  // under Wine: no virtual key, no scan code
  wineLetter.ch = U'ś';
  EXPECT_EQ(BiosKeyCode(wineLetter), 0x1F9E);
  KeyEvent shift;
  shift.vk = vk::kShift;
  shift.shift = true;
  EXPECT_EQ(BiosKeyCode(shift), 0) << "Shift alone is no key";
  KeyEvent euro;
  euro.ch = U'€';
  EXPECT_EQ(BiosKeyCode(euro), 0) << "a character Mazovia lacks";
}

TEST(BiosKeys, NamesForTheStatusLine) {
  EXPECT_EQ(KeyCodeName(0x5D00), "Shift-F10");
  EXPECT_EQ(KeyCodeName(0x2300), "Alt-H");
  EXPECT_EQ(KeyCodeName(0x1F13), "Ctrl-S");
  EXPECT_EQ(KeyCodeName(0x1E86), "'ą'");
  EXPECT_EQ(KeyCodeName(0x011B), "Esc");
  EXPECT_EQ(KeyCodeName(0xFFFF), "");
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

TEST(Script, NamesTheLineItCannotRead) {
  for (const auto& [text, why] : std::vector<std::pair<std::string, std::string>>{
           {"key Enter\nkey Hyper-Q\n", "line 2: unknown key \"Hyper-Q\""},
           {"\n\ntype €\n", "line 3: the host's keyboard cannot type \"€\""},
           {"wait soon\n", "line 1: wait needs a number of seconds"},
           {"today 31.02.2026\n", "line 1: today needs a date: DD.MM.YYYY, YYYY-MM-DD or YYYYMMDD"},
           {"time 24:00\n", "line 1: time needs HH:MM or HH:MM:SS"},
           {"dance\n", "line 1: unknown command \"dance\""},
       }) {
    std::string error;
    EXPECT_FALSE(ParseScript(text, &error)) << text;
    EXPECT_EQ(error, why);
  }
}

}  // namespace

namespace {

// The stories run only under Wine; here at least every line of them, and
// of the demo, must be one the scripted mode reads.
TEST(Script, EveryStoryAndTheDemoCanBeRead) {
  std::vector<std::filesystem::path> scripts{TALHOST_DEMO_SCRIPT};
  for (const auto& entry : std::filesystem::directory_iterator(TALHOST_STORIES_DIR))
    if (entry.path().extension() == ".txt") scripts.push_back(entry.path());
  EXPECT_GE(scripts.size(), 9u);
  for (const auto& script : scripts) {
    std::string error;
    const auto commands = ParseScript(testing_support::ReadFileBytes(script), &error);
    ASSERT_TRUE(commands.has_value()) << script << ": " << error;
    EXPECT_FALSE(commands->empty()) << script;
  }
}

}  // namespace

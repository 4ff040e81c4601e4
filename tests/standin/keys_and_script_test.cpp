// Key presses as BIOS key codes, and the scripted mode's language.
#include <gtest/gtest.h>

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

// The field editors: the 60 x 8 flowing text, the date and time masks and
// one-line fields.
#include <gtest/gtest.h>

#include "core/flow_text_editor.h"
#include "core/line_editor.h"
#include "core/masked_editor.h"
#include "host_test_keys.h"
#include "contract/text/reminder_text.h"

namespace {

using namespace standin::host;
using host_test::Key;
using host_test::Typed;

template <typename Editor> void TypeInto(Editor& editor, const std::string& text) {
  for (std::uint16_t code : Typed(text)) EXPECT_TRUE(editor.HandleKey(code));
}

// Presses the keys named, separated by blanks; what the editor made of the last.
template <typename Editor> EditResult Press(Editor& editor, const std::string& names) {
  EditResult result = kNotMine;
  for (std::uint16_t code : host_test::Keys(names)) result = editor.HandleKey(code);
  return result;
}

// Types a text with line breaks as a user would: Enter for each '\n'.
std::string Edit(const std::string& withBreaks) {
  FlowTextEditor editor(480, 60, 8);
  for (char c : withBreaks)
    EXPECT_TRUE(editor.HandleKey(c == '\n' ? Key("Enter") : Typed(std::string(1, c)).at(0)));
  return editor.StoredText();
}

// What the stored form says that text becomes, its padding trimmed.
std::string Flowed(const std::string& withBreaks) {
  std::string stored = talvenor::FlowReminderText(withBreaks).value_or("?");
  while (!stored.empty() && stored.back() == ' ') stored.pop_back();
  return stored;
}

TEST(FlowTextEditor, TypingAgreesWithTheStoredFormOfLineBreaks) {
  const std::string line(60, 'x');
  for (const std::string& text : {std::string("abc\ndef"), line + "\nnext", line + "\n\nafter a blank line",
                                  std::string("\n\nthird line"), std::string("end\n")})
    EXPECT_EQ(Edit(text), Flowed(text)) << text;
}

TEST(FlowTextEditor, EnterInsideTheTextPushesTheRestToTheNextLine) {
  FlowTextEditor editor(480, 60, 8);
  TypeInto(editor, "first second");
  Press(editor, "Left Left Left Left Left Left Left Enter");
  EXPECT_EQ(editor.Text(), "first" + std::string(55, ' ') + " second");
  EXPECT_EQ(editor.CursorLine(), 1);
  EXPECT_EQ(editor.CursorColumn(), 0);
}

TEST(FlowTextEditor, KeepsToItsCapacityAndLetsTheDialogHaveTheEdges) {
  FlowTextEditor editor(480, 60, 8);
  TypeInto(editor, std::string(500, 'z'));
  EXPECT_EQ(editor.Text().size(), 480u);
  EXPECT_FALSE(editor.HandleKey(Key("Enter")) && editor.Text().size() > 480);
  EXPECT_FALSE(editor.HandleKey(Key("Down"))) << "Down on the last line leaves the field";
  EXPECT_EQ(editor.CursorLine(), 7) << "a full text shows the cursor on its last cell";
  editor.HandleKey(Key("Ctrl-Home"));
  EXPECT_FALSE(editor.HandleKey(Key("Up"))) << "Up on the first line leaves the field";
  EXPECT_FALSE(editor.HandleKey(Key("Tab")));
  EXPECT_TRUE(editor.HandleKey(Key("Down")));
  EXPECT_EQ(editor.CursorLine(), 1);
}

TEST(FlowTextEditor, AFullTextRefusesMoreButTrailingBlanksGiveWayToEnter) {
  FlowTextEditor editor(120, 60, 2);
  TypeInto(editor, std::string(120, 'z'));
  EXPECT_EQ(editor.HandleKey(Key("z")), kFull);
  EXPECT_EQ(editor.HandleKey(Key("Enter")), kEdited) << "the line has just been filled: Enter only ends it";
  EXPECT_EQ(editor.HandleKey(Key("Enter")), kFull);
  editor.SetText("abcd" + std::string(116, ' '));  // full, but mostly blanks
  Press(editor, "Right Enter");  // the trailing blanks make room
  EXPECT_EQ(editor.StoredText(), std::string("a").append(59, ' ').append("bcd"));
  editor.SetText(std::string(70, 'q'));
  Press(editor, "Right Enter");  // 59 blanks would not fit
  EXPECT_EQ(editor.Text(), std::string(70, 'q'));
}

TEST(MaskedEditor, DigitsFillTheSlotsAroundTheSeparatorsAndEnteringMarksTheDate) {
  MaskedEditor date("99.99.9999");
  EXPECT_TRUE(date.Empty());
  TypeInto(date, "0912");
  EXPECT_EQ(date.Shown(), "09.12.    ");
  EXPECT_FALSE(date.Complete());
  TypeInto(date, "2026");
  EXPECT_TRUE(date.Complete());
  EXPECT_EQ(date.CursorCell(), 10) << "behind the last slot";
  TypeInto(date, "7");
  EXPECT_EQ(date.Shown(), "09.12.2026") << "a full mask takes no more";
  Press(date, "Backspace Backspace");
  EXPECT_EQ(date.Shown(), "09.12.20  ") << "Backspace takes back what was typed last";
  Press(date, "Home Del");
  EXPECT_EQ(date.Shown(), " 9.12.20  ");
  TypeInto(date, "a/");  // no place for letters
  EXPECT_EQ(date.Shown(), " 9.12.20  ");
  EXPECT_FALSE(date.HandleKey(Key("Enter")));
  // Entering marks the date; the editing keys then work in place.
  const std::pair<const char*, const char*> marked[] = {
      {"1", "1 .  .    "},  // the first digit starts the date afresh
      {"Backspace", "  .  .    "},
      {"End Backspace Backspace Backspace Backspace Backspace Backspace Backspace Backspace", "  .  .    "},
      {"Home 1", "19.12.2026"},  // Home drops the mark: the digit goes over the first slot
  };
  for (const auto& [keys, shown] : marked) {
    date.SetDigits("09122026");
    date.Mark();
    Press(date, keys);
    EXPECT_EQ(date.Shown(), shown) << keys;
    EXPECT_EQ(date.Empty(), std::string(shown) == "  .  .    ") << keys;
  }
  EXPECT_EQ(Press(date, "End 5"), kFull);
  // Ctrl-End as End, Ctrl-Home as Home; Left skips the separator.
  const std::pair<const char*, int> moves[] = {
      {"Ctrl-Home", 0}, {"Ctrl-End", 10}, {"Home", 0}, {"End", 10}, {"Left", 9}, {"Left Left Left Left", 4}};
  for (const auto& [keys, cell] : moves) {
    Press(date, keys);
    EXPECT_EQ(date.CursorCell(), cell) << keys;
  }
  Press(date, "Del");
  EXPECT_EQ(date.Shown(), "19.1 .2026");
  EXPECT_EQ(Press(date, "a"), kNotAllowed);
}

TEST(LineEditor, ScrollsKeepsToItsCapacityAndRefusesWhatHasNoPlace) {
  LineEditor line(20, 8);
  TypeInto(line, "abcdefghijkl");
  EXPECT_EQ(line.Scroll(), 5u);
  EXPECT_EQ(line.CursorCell(), 7);
  line.HandleKey(Key("Home"));
  EXPECT_EQ(line.Scroll(), 0u);
  line.HandleKey(Key("Ins"));
  TypeInto(line, "XY");
  EXPECT_EQ(line.Text(), "XYcdefghijkl") << "overwrite";
  line.HandleKey(Key("Ins"));
  TypeInto(line, std::string(30, '-'));
  EXPECT_EQ(line.Text().size(), 20u);
  LineEditor password(20, 20);
  TypeInto(password, std::string(20, 'p'));
  EXPECT_EQ(password.HandleKey(Key("q")), kFull);
  EXPECT_EQ(password.Text(), std::string(20, 'p'));
  EXPECT_EQ(password.Scroll(), 0u) << "20 characters in 20 cells: none scrolled away";
  EXPECT_EQ(password.CursorCell(), 19);
  LineEditor digits(6, 6, [](unsigned char ch, std::size_t, const std::string&) { return ch >= '0' && ch <= '9'; });
  digits.SetText("12");
  EXPECT_EQ(digits.HandleKey(Key("x")), kNotAllowed);
  digits.Mark();
  EXPECT_EQ(digits.HandleKey(Key("x")), kNotAllowed);
  EXPECT_TRUE(digits.Marked()) << "a refused character changes nothing";
  EXPECT_EQ(digits.Text(), "12");
}

// Entering a field marks what it holds: the first character typed replaces
// it (the dialog tests type over a marked password), Backspace and Del
// clear it, the moving keys drop the mark and move.
TEST(LineEditor, EnteringMarksTheContentAndTheFirstKeyDecidesWhatBecomesOfIt) {
  LineEditor line(20, 20);
  for (const char* clear : {"Backspace", "Del"}) {
    line.SetText("abc");
    line.Mark();
    EXPECT_EQ(Press(line, clear), kEdited);
    EXPECT_EQ(line.Text(), "") << clear;
  }
  const std::pair<const char*, std::size_t> moves[] = {{"Home", 0},      {"End", 3},      {"Left", 2},
                                                       {"Right", 3},     {"Ctrl-Home", 0}, {"Ctrl-End", 3}};
  for (const auto& [move, cursor] : moves) {
    line.SetText("abc");
    line.Mark();
    Press(line, move);
    EXPECT_FALSE(line.Marked()) << move;
    EXPECT_EQ(line.Cursor(), cursor) << move;
  }
  line.SetText("abc");
  line.Mark();
  EXPECT_EQ(line.HandleKey(Key("Tab")), kNotMine);
  EXPECT_TRUE(line.Marked()) << "a key the dialog takes leaves the mark";
  line.SetText("");
  line.Mark();
  EXPECT_FALSE(line.Marked()) << "nothing to mark";
}

TEST(LineEditor, EditingKeysWorkInPlace) {
  LineEditor line(20, 20);
  TypeInto(line, "abcd");
  const std::pair<const char*, const char*> steps[] = {
      {"Home Del", "bcd"},
      {"End Backspace", "bc"},
      {"Left X", "bXc"},
      {"Home Backspace", "bXc"},         // nothing before the cursor
      {"Right Right Right Del", "bXc"},  // nothing behind it
  };
  for (const auto& [keys, text] : steps) {
    Press(line, keys);
    EXPECT_EQ(line.Text(), text) << "after " << keys;
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "services/code_pages.h"
#include "text/texts.h"

namespace {

using namespace talvenor::text;

template <std::size_t N> std::string Bytes(const std::array<char, N>& text) { return std::string(text.data(), N - 1); }

TEST(MazoviaTexts, PolishLettersHaveTheHostsBytes) {
  constexpr auto letters = TALVENOR_MAZOVIA("ąćĄĘęłĆŚŁśŹŻóÓńŃźż");
  const unsigned char expected[18] = {0x86, 0x8D, 0x8F, 0x90, 0x91, 0x92, 0x95, 0x98, 0x9C,
                                      0x9E, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7};
  ASSERT_EQ(letters.size(), 19u);
  for (int i = 0; i < 18; ++i) EXPECT_EQ(static_cast<unsigned char>(letters[i]), expected[i]) << "letter " << i;
  EXPECT_EQ(letters[18], '\0');
}

TEST(MazoviaTexts, AsciiStaysAsItIs) {
  constexpr auto ascii = TALVENOR_MAZOVIA("SHIFT-F10 %s\n\"'~");
  EXPECT_EQ(Bytes(ascii), "SHIFT-F10 %s\n\"'~");
}

TEST(MazoviaTexts, MessagesHaveTheirDocumentedLengths) {
  EXPECT_EQ(kPluginDescription.size() - 1, 124u);
  EXPECT_EQ(kStopFormat.size() - 1, 242u);
  EXPECT_EQ(kBindingErrorFormat.size() - 1, 188u);
  EXPECT_EQ(kBindingErrorTitle.size() - 1, 20u);
  EXPECT_EQ(Bytes(kNoticeTitle), "uwaga");
}

TEST(MazoviaTexts, DescriptionIsThreeLines) {
  const std::string description = Bytes(kPluginDescription);
  EXPECT_EQ(description.find('\n'), 37u);
  EXPECT_EQ(std::count(description.begin(), description.end(), '\n'), 2);
  // "wtyczkę" ends in ę, 0x91.
  EXPECT_EQ(static_cast<unsigned char>(description[20]), 0x91);
}

TEST(MazoviaTexts, BindingErrorFormatMarksInsertedTexts) {
  const std::string format = Bytes(kBindingErrorFormat);
  EXPECT_EQ(format.substr(0, 14), "W module \x02%s\x01\n");
  EXPECT_EQ(std::count(format.begin(), format.end(), '\x02'), 3);
  EXPECT_EQ(std::count(format.begin(), format.end(), '\x01'), 3);
}

TEST(CodePages, MazoviaToWindows1250AndBack) {
  constexpr auto title = TALVENOR_MAZOVIA("POWAŻNY BŁĄD WTYCZKI");
  char buffer[32];
  std::memcpy(buffer, title.data(), title.size());
  standin::ConvertText(buffer, buffer, standin::kCodeMazovia, standin::kCodeWindows1250);
  EXPECT_EQ(std::string(buffer), "POWA\xAFNY B\xA3\xA5" "D WTYCZKI");
  standin::ConvertText(buffer, buffer, standin::kCodeWindows1250, standin::kCodeMazovia);
  EXPECT_EQ(std::string(buffer), Bytes(title));
}

TEST(CodePages, Utf8RoundTripAndRefusal) {
  const std::string polish = "Zażółć gęślą jaźń";
  const auto mazovia = standin::Utf8ToMazovia(polish);
  ASSERT_TRUE(mazovia.has_value());
  EXPECT_EQ(mazovia->size(), 17u);
  EXPECT_EQ(standin::MazoviaToUtf8(*mazovia), polish);
  EXPECT_FALSE(standin::Utf8ToMazovia("cena 5 €").has_value());
  EXPECT_FALSE(standin::Utf8ToMazovia("\xC5").has_value()) << "a cut UTF-8 sequence";
  EXPECT_FALSE(standin::Utf8ToMazovia("\xC0\x80").has_value()) << "an overlong NUL";
  EXPECT_FALSE(standin::Utf8ToMazovia("\xE0\x81\x81").has_value()) << "an overlong 'A'";
  EXPECT_FALSE(standin::Utf8ToMazovia("\xED\xA0\x80").has_value()) << "a surrogate";
}

}  // namespace

#include "services/reminder_text.h"

namespace {

TEST(ReminderText, LineBreaksPadToTheNextSixtyColumnLine) {
  const auto stored = standin::FlowReminderText("Zebranie\nSala 2");
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->size(), 66u);
  EXPECT_EQ(stored->substr(60), "Sala 2");
  const auto lines = standin::ReminderTextLines(*stored);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Zebranie" + std::string(52, ' '));
}

TEST(ReminderText, EightFullLinesFitAndNoMore) {
  EXPECT_TRUE(standin::FlowReminderText(std::string(480, 'a')).has_value());
  EXPECT_FALSE(standin::FlowReminderText(std::string(481, 'a')).has_value());
  EXPECT_TRUE(standin::FlowReminderText(std::string(480, 'a') + "\n").has_value()) << "a final line break adds nothing";
  EXPECT_FALSE(standin::FlowReminderText(std::string(7, '\n') + std::string(61, 'a')).has_value());
  EXPECT_EQ(standin::FlowReminderText("\nx").value(), std::string(60, ' ') + "x") << "an empty first line";
  EXPECT_FALSE(standin::FlowReminderText("tab\there").has_value());
  EXPECT_EQ(standin::ReminderTextLines(std::string(480, 'b')).size(), 8u);
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "contract/text/code_page_text.h"
#include "contract/abi/host_constants.h"
#include "services/code_pages.h"
#include "text/texts.h"

namespace {

using namespace talvenor::text;

template <std::size_t N> std::string Bytes(const std::array<char, N>& text) { return std::string(text.data(), N - 1); }

TEST(MazoviaTexts, PolishLettersHaveTheHostsBytesAndAsciiStaysAsItIs) {
  constexpr auto letters = TALVENOR_MAZOVIA("ąćĄĘęłĆŚŁśŹŻóÓńŃźż");
  EXPECT_EQ(Bytes(letters), "\x86\x8D\x8F\x90\x91\x92\x95\x98\x9C\x9E\xA0\xA1\xA2\xA3\xA4\xA5\xA6\xA7");
  EXPECT_EQ(letters[18], '\0');
  constexpr auto ascii = TALVENOR_MAZOVIA("SHIFT-F10 %s\n\"'~");
  EXPECT_EQ(Bytes(ascii), "SHIFT-F10 %s\n\"'~");
}

TEST(MazoviaTexts, MessagesHaveTheirDocumentedLengthsAndShapes) {
  EXPECT_EQ(kPluginDescription.size() - 1, 124u);
  EXPECT_EQ(kStopFormat.size() - 1, 242u);
  EXPECT_EQ(kBindingErrorFormat.size() - 1, 188u);
  EXPECT_EQ(kBindingErrorTitle.size() - 1, 20u);
  EXPECT_EQ(Bytes(kNoticeTitle), "uwaga");

  // The description is three lines.
  const std::string description = Bytes(kPluginDescription);
  EXPECT_EQ(description.find('\n'), 37u);
  EXPECT_EQ(std::count(description.begin(), description.end(), '\n'), 2);
  // "wtyczkę" ends in ę, 0x91.
  EXPECT_EQ(static_cast<unsigned char>(description[20]), 0x91);

  // The binding error's format marks the texts it inserts.
  const std::string format = Bytes(kBindingErrorFormat);
  EXPECT_EQ(format.substr(0, 14), "W module \x02%s\x01\n");
  EXPECT_EQ(std::count(format.begin(), format.end(), '\x02'), 3);
  EXPECT_EQ(std::count(format.begin(), format.end(), '\x01'), 3);
}

TEST(CodePages, MazoviaToWindows1250AndBack) {
  constexpr auto title = TALVENOR_MAZOVIA("POWAŻNY BŁĄD WTYCZKI");
  char buffer[32];
  std::memcpy(buffer, title.data(), title.size());
  standin::ConvertText(buffer, buffer, talvenor::kCodeMazovia, talvenor::kCodeWindows1250);
  EXPECT_EQ(std::string(buffer), "POWA\xAFNY B\xA3\xA5" "D WTYCZKI");
  standin::ConvertText(buffer, buffer, talvenor::kCodeWindows1250, talvenor::kCodeMazovia);
  EXPECT_EQ(std::string(buffer), Bytes(title));
}

TEST(CodePages, Utf8RoundTripAndRefusal) {
  const std::string polish = "Zażółć gęślą jaźń";
  const auto mazovia = talvenor::text::Utf8ToMazovia(polish);
  ASSERT_TRUE(mazovia.has_value());
  EXPECT_EQ(mazovia->size(), 17u);
  EXPECT_EQ(talvenor::text::MazoviaToUtf8(*mazovia), polish);
  EXPECT_FALSE(talvenor::text::Utf8ToMazovia("cena 5 €").has_value());
  EXPECT_EQ(talvenor::text::Utf8ToMazovia("é ü ß ░"), "\x82 \x81 \xE1 \xB0") << "the code page's other letters";
  EXPECT_FALSE(talvenor::text::Utf8ToMazovia("£").has_value()) << "0x9C is Ł here";
  EXPECT_FALSE(talvenor::text::Utf8ToMazovia("\xC5").has_value()) << "a cut UTF-8 sequence";
  EXPECT_EQ(talvenor::text::DecodeUtf8("a\xC5z"), U"a\uFFFDz") << "the stand-in's screen shows a cut sequence as U+FFFD";
  EXPECT_FALSE(talvenor::text::Utf8ToMazovia("\xC0\x80").has_value()) << "an overlong NUL";
  EXPECT_FALSE(talvenor::text::Utf8ToMazovia("\xE0\x81\x81").has_value()) << "an overlong 'A'";
  EXPECT_FALSE(talvenor::text::Utf8ToMazovia("\xED\xA0\x80").has_value()) << "a surrogate";
}

TEST(CodePages, EveryByteHasOneCharacterAndComesBack) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(talvenor::text::Utf8ToMazovia(talvenor::text::MazoviaToUtf8(all)), all);
  std::u32string seen = talvenor::text::DecodeMazovia(all);
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end()) << "two bytes share a character";
}

}  // namespace

// The stand-in host's services that the foundation relies on, called the
// way the plug-in calls them: through the bound slots.
#include <cstring>

#include "contract/text/date_text.h"
#include "shell/service_slots.h"
#include "support/test_host.h"

namespace {

using namespace talvenor;
using testing_support::Host;

std::uint32_t TALVENOR_CALLEE_POPS PassKey(std::uint32_t key) { return key & 0xFFFF; }

class StandinServices : public testing_support::HostTest {};

TEST_F(StandinServices, StateFlagBitIsSetAndClearedAlone) {
  Host().stateFlags = 0x0001;
  HostSetStateFlag(0x8000, 1);
  EXPECT_EQ(HostGetStateFlags() & 0xFFFF, 0x8001);
  HostSetStateFlag(0x8000, 0);
  EXPECT_EQ(HostGetStateFlags() & 0xFFFF, 0x0001);
  EXPECT_EQ(testing_support::CallTexts("HostSetStateFlag").at(0), "HostSetStateFlag(0x8000, 1)") << "the mask in hex";
  HostSetStateFlag(0x8000, 0);
  EXPECT_EQ(HostGetStateFlags() & 0xFFFF, 0x0001) << "clearing a clear bit leaves it clear";
}

TEST_F(StandinServices, DateTextIsYyyymmddTimeTextEightCharactersAndDaysAreSigned) {
  frontEnd.today = "20260301";
  frontEnd.now = "08:05:09";
  char today[12], now[256];
  std::memset(today, 'X', sizeof today);
  std::memset(now, 'X', sizeof now);
  HostTodayText(today);
  HostNowText(now, 0);
  EXPECT_STREQ(today, "20260301");
  EXPECT_STREQ(now, "08:05:09");
  EXPECT_EQ(HostDaysBetween(today, "20260228"), 1);
  EXPECT_EQ(HostDaysBetween(today, "20260301"), 0);
  EXPECT_EQ(HostDaysBetween("20240228", "20240301"), -2) << "2024 is a leap year";
  EXPECT_EQ(HostDaysBetween("21000101", "19991231"), 36526) << "across the century, four-digit years";
  EXPECT_EQ(HostDaysBetween(today, "2026031"), talvenor::kUnreadableDate);
  EXPECT_EQ(HostDaysBetween(today, "20260230"), talvenor::kUnreadableDate) << "no 30 February";
  EXPECT_LT(talvenor::kUnreadableDate, 0) << "an unreadable start date must never govern";
}

// The file services are buffered like a C runtime's: a full disk shows
// inside the write, or only when the close flushes.
TEST_F(StandinServices, AFullDiskShowsAtTheWriteOrOnlyAtTheClose) {
  const char bytes[591] = {};
  for (const bool atClose : {false, true}) {
    Host().writeRoom = 100;
    Host().fullAtClose = atClose;
    HostFile file = HostFileOpen("full.dat", "wb", 0x40, 0, -1);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(HostFileWrite(bytes, 591, 1, file), atClose ? 1 : 0) << "full at close: " << atClose;
    EXPECT_EQ(HostFileClose(file), atClose ? EOF : 0) << "full at close: " << atClose;
    EXPECT_EQ(testing_support::ReadFileBytes("full.dat").size(), 100u);
  }
}

TEST_F(StandinServices, KeyHookChainReturnsThePreviousHead) {
  EXPECT_EQ(HostSetKeyHook(nullptr), nullptr);
  KeyHookFn first = &PassKey;
  EXPECT_EQ(HostSetKeyHook(first), nullptr);
  EXPECT_EQ(HostSetKeyHook(nullptr), first);
}

TEST_F(StandinServices, ConvertTextWorksInPlaceAndOnEveryPolishLetterBothWays) {
  char text[] = "\x9C\x92";  // Łł in Mazovia
  HostConvertText(text, text, 1, 3);
  EXPECT_STREQ(text, "\xA3\xB3");
  EXPECT_EQ(testing_support::CallTexts("HostConvertText").at(0), "HostConvertText(\"\\x9C\\x92\", same, 1, 3)");

  // Every Polish letter, both ways: ąćĄĘęłĆŚŁśŹŻóÓńŃźż, and ASCII as it is.
  const std::string mazovia = "a\x86\x8D\x8F\x90\x91\x92\x95\x98\x9C\x9E\xA0\xA1\xA2\xA3\xA4\xA5\xA6\xA7z";
  const std::string windows1250 = "a\xB9\xE6\xA5\xCA\xEA\xB3\xC6\x8C\xA3\x9C\x8F\xAF\xF3\xD3\xF1\xD1\x9F\xBFz";
  char converted[32];
  std::memset(converted, 'X', sizeof converted);  // a NUL not copied shows
  HostConvertText(mazovia.c_str(), converted, 1, 3);
  EXPECT_EQ(std::string(converted), windows1250);
  HostConvertText(windows1250.c_str(), converted, 3, 1);
  EXPECT_EQ(std::string(converted), mazovia);
}

}  // namespace

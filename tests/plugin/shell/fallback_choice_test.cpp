// Which do-nothing entry a missing service gets. A stub that removes other
// than what the caller pushed leaves the host's stack off after the call.
#include <gtest/gtest.h>

#include <string>

#include "shell/fallback_stubs.h"
#include "shell/platform.h"

namespace {

using namespace talvenor;

// -1 stands for null.
int ChosenStub(const char* identifier) {
  ServiceSlot slot = reinterpret_cast<void*>(0x1234);
  ChooseFallback(identifier, &slot);
  if (slot == nullptr) return -1;
  for (int n = 0; n < talvenor::kFallbackStubCount; ++n)
    if (slot == FallbackStub[n]) return n;
  ADD_FAILURE() << "the slot holds neither a stub nor null";
  return -2;
}

int ChosenStub(std::uint32_t ordinal) { return ChosenStub(MAKEINTRESOURCEA(ordinal)); }

// The settings tool asks the same rule at compile time as well.
static_assert(FallbackForOrdinal(52028) == 3 && FallbackForOrdinal(52308) == kNoFallback);

TEST(FallbackChoice, OrdinalDigitsReadAsArgumentBytesUpTo56And99MeansNone) {
  // 41000..41099 are no services of ours: the digits alone decide.
  for (std::uint32_t digits = 0; digits < 100; ++digits) {
    int expected = -1;
    if (digits == 99) expected = 0;
    if (digits % 4 == 0 && digits <= 56) expected = static_cast<int>(digits / 4);
    EXPECT_EQ(ChosenStub(41000 + digits), expected) << "ordinal " << 41000 + digits;
  }
}

TEST(FallbackChoice, OurServicesGetTheStubOfWhatTheirCallersPass) {
  EXPECT_EQ(ChosenStub(32300), 0);
  EXPECT_EQ(ChosenStub(30204), 1);
  EXPECT_EQ(ChosenStub(32408), 2);
  EXPECT_EQ(ChosenStub(30308), 2);
  EXPECT_EQ(ChosenStub(30908), 2);
  EXPECT_EQ(ChosenStub(52028), 3) << "HostMessageBox: callers pass 12 bytes; the digits say 28";
  EXPECT_EQ(ChosenStub(52308), -1) << "HostFileWrite: a do-nothing write would empty the settings file at every save";
  for (std::uint32_t none : {52029u, 52158u, 38417u, 52171u, 51594u, 52026u, 52534u, 52305u, 52307u, 52249u})
    EXPECT_EQ(ChosenStub(none), -1) << "ordinal " << none;
}

TEST(FallbackChoice, NamesReadTheBytesAfterTheirLastAt) {
  EXPECT_EQ(ChosenStub("_Service@12"), 3);
  EXPECT_EQ(ChosenStub("_Service@60"), -1);
  EXPECT_EQ(ChosenStub("_Service@59"), 14);
  EXPECT_EQ(ChosenStub("_Service@x"), 0);
  EXPECT_EQ(ChosenStub("_Service@"), 0);
  EXPECT_EQ(ChosenStub("Service"), 0);
  EXPECT_EQ(ChosenStub("a@40@8"), 2) << "the last @ counts";
  EXPECT_EQ(ChosenStub("_Service@-4"), 0) << "a sign is no digit";
  // Numbers past the int range: never a negative or wrapped count.
  EXPECT_EQ(ChosenStub("_Service@4294967300"), -1);
  EXPECT_EQ(ChosenStub("_Service@99999999999999999999999"), -1);
  EXPECT_EQ(ChosenStub("_Service@2147483648"), -1);
}

}  // namespace

#include <gtest/gtest.h>

#include "contract/host_services.h"

namespace {

using talvenor::ArgumentPopper;

// Typed out again, from the host's documentation, not from the table: a
// wrong table entry must not pass by agreeing with itself.
struct Expected {
  std::uint32_t ordinal;
  const char* name;
  std::uint32_t argumentBytes;
  bool calleePops;
};
constexpr Expected kExpected[17] = {
    {52028, "HostMessageBox", 12, true},     {52029, "HostMessageBoxF", 12, false},
    {52158, "HostConvertText", 16, true},    {38417, "HostService38417", 0, true},
    {52171, "HostSound", 12, false},         {32300, "HostGetStateFlags", 0, true},
    {32408, "HostSetStateFlag", 8, true},    {51594, "HostInterfaceVersion", 0, true},
    {52026, "HostRunDialog", 20, false},     {30204, "HostTodayText", 4, true},
    {30308, "HostNowText", 8, true},         {30908, "HostDaysBetween", 8, true},
    {52534, "HostFileOpen", 20, true},       {52305, "HostFileClose", 4, true},
    {52307, "HostFileRead", 16, true},       {52308, "HostFileWrite", 16, true},
    {52249, "HostSetKeyHook", 4, true},
};

TEST(ServiceTable, SlotOrderOrdinalsAndStackContractMatchTheHost) {
  for (int i = 0; i < talvenor::kServiceCount; ++i) {
    const auto& row = talvenor::kHostServices[i];
    SCOPED_TRACE(kExpected[i].name);
    EXPECT_EQ(row.ordinal, kExpected[i].ordinal);
    EXPECT_STREQ(row.name, kExpected[i].name);
    EXPECT_EQ(row.argumentBytes, kExpected[i].argumentBytes);
    EXPECT_EQ(row.pops == ArgumentPopper::Callee, kExpected[i].calleePops);
  }
}

}  // namespace

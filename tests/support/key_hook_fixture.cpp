#include "support/key_hook_fixture.h"

#include <cstring>

#include "contract/text/date_text.h"

namespace keyhook_test {


std::string DaysFromToday(int days) {
  return talvenor::FormatHostDate(talvenor::CivilFromDays(MidnightOf(kToday) / 86400 + days));
}

void KeyHookTest::SetUp() {
  HostTest::SetUp();
  talvenor::ResetKeyHookStateForTests();
  frontEnd.today = kToday;
  SetTimeOfDay(12, 0, 0);
  SetTicks(1000);
  Press();  // the first key only starts the tick gate
  ForgetCalls();
}

void KeyHookTest::TearDown() {
  talvenor::ResetKeyHookStateForTests();
  HostTest::TearDown();
}

void KeyHookTest::SetTimeOfDay(int hours, int minutes, int seconds) {
  testing_support::SetClocks(frontEnd, MidnightOf(kToday) + hours * 3600 + minutes * 60 + seconds);
}

void KeyHookTest::SetTicks(std::uint32_t value) {
  ticks = value;
  testing_support::SetTickCount(value);
}

std::uint32_t KeyHookTest::Press(std::uint32_t key) { return talvenor::KeyHook(key); }

std::uint32_t KeyHookTest::PressAfterCheckInterval(std::uint32_t key) {
  SetTicks(ticks + testing_support::kPastCheckInterval);
  return Press(key);
}

std::uint32_t KeyHookTest::CheckAt(int hours, int minutes, int seconds, std::uint32_t key) {
  SetTimeOfDay(hours, minutes, seconds);
  return PressAfterCheckInterval(key);
}

std::vector<std::string> KeyHookTest::Notices() const {
  std::vector<std::string> texts;
  for (const auto& message : frontEnd.messages) {
    EXPECT_EQ(message.title, "uwaga");
    EXPECT_EQ(message.style, 1);
    texts.push_back(message.text);
  }
  return texts;
}

void KeyHookTest::EditTheText() {
  frontEnd.dialogActions.push_back([](void*, std::int32_t, void* buffer) {
    std::memcpy(static_cast<ReminderSettings*>(buffer)->text, "Nowy tekst", 11);
    return 1;
  });
}

int KeyHookTest::Calls(const std::string& service) {
  return static_cast<int>(testing_support::CallTexts(service).size());
}

void KeyHookTest::ForgetCalls() { Host().calls.clear(); }

}  // namespace keyhook_test

#include "key_hook_fixture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "contract/date_text.h"

namespace keyhook_test {

using testing_support::Host;

std::int64_t MidnightOf(const char* hostDate) {
  return talvenor::DaysFromCivil(talvenor::ParseHostDate(hostDate).value()) * 86400;
}

std::string DaysFromToday(int days) {
  return talvenor::FormatHostDate(talvenor::CivilFromDays(MidnightOf(kToday) / 86400 + days));
}

namespace {
template <std::size_t N> void Put(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), std::min(text.size(), N));
}
}  // namespace

ReminderSchedule Row(const std::string& startDate, std::int16_t intervalMinutes, const std::string& fromTime,
                     const std::string& toTime) {
  ReminderSchedule row{};
  Put(row.startDate, startDate);
  row.intervalMinutes = intervalMinutes;
  Put(row.fromTime, fromTime);
  Put(row.toTime, toTime);
  return row;
}

ReminderSettings Settings(const ReminderSchedule& row0, const std::string& password) {
  ReminderSettings record{};
  Put(record.text, "Zadzwon do biura");
  record.schedules[0] = row0;
  Put(record.password, password);
  record.enabled = 1;
  return record;
}

std::string RecordBytes(const ReminderSettings& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

DialogAction Type(const std::string& password) {
  return [password](void*, std::int32_t number, void* buffer) {
    char* entered = number == 3 ? static_cast<ReminderPrompt*>(buffer)->enteredPassword : static_cast<char*>(buffer);
    std::memset(entered, 0, 21);
    std::memcpy(entered, password.data(), std::min<std::size_t>(password.size(), 21));
    return 1;
  };
}

DialogAction Confirm() {
  return [](void*, std::int32_t, void*) { return 1; };
}

DialogAction Leave() {
  return [](void*, std::int32_t, void*) { return 0; };
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

void KeyHookTest::StoreSettings(const ReminderSettings& record) {
  std::string bytes(reinterpret_cast<const char*>(&record), sizeof record);
  for (char& b : bytes) b = static_cast<char>(~b);
  testing_support::WriteFileBytes("infprz.dat", bytes);
}

ReminderSettings KeyHookTest::StoredSettings() {
  ReminderSettings record{};
  std::string bytes = StoredBytes();
  for (char& b : bytes) b = static_cast<char>(~b);
  std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
  return record;
}

std::string KeyHookTest::StoredBytes() { return testing_support::ReadFileBytes("infprz.dat"); }

void KeyHookTest::SetTimeOfDay(int hours, int minutes, int seconds) {
  testing_support::SetWallClock(MidnightOf(kToday) + hours * 3600 + minutes * 60 + seconds);
  char now[16];
  std::snprintf(now, sizeof now, "%02d:%02d:%02d", hours, minutes, seconds);
  frontEnd.now = now;
}

void KeyHookTest::SetTicks(std::uint32_t value) {
  ticks = value;
  testing_support::SetTickCount(value);
}

std::uint32_t KeyHookTest::Press(std::uint32_t key) { return talvenor::KeyHook(key); }

std::uint32_t KeyHookTest::PressAfterCheckInterval(std::uint32_t key) {
  SetTicks(ticks + 5001);
  return Press(key);
}

std::uint32_t KeyHookTest::CheckAt(int hours, int minutes, int seconds, std::uint32_t key) {
  SetTimeOfDay(hours, minutes, seconds);
  return PressAfterCheckInterval(key);
}

int KeyHookTest::Calls(const std::string& service) {
  return static_cast<int>(testing_support::CallTexts(service).size());
}

void KeyHookTest::ForgetCalls() { Host().calls.clear(); }

}  // namespace keyhook_test

// A save that fails is told in one notice, and only then: a save is judged
// by reading the file back, never by what the host's write or close
// answers. Calls and files stay as without the notice. (The unreadable
// file at Shift-F10 is in damaged_settings_test.cpp, with the other
// unreadable settings.)
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "harness/refused_open.h"
#include "support/key_hook_fixture.h"
#include "text/texts.h"

namespace keyhook_test {
namespace {

const std::string kNotSaved = talvenor::text::kSettingsNotSaved.data();
const std::string kStaysOn = talvenor::text::kReminderStaysOn.data();
const std::string kMayBeIncomplete = talvenor::text::kSettingsMayBeIncomplete.data();
const std::string kSwitchedOff = talvenor::text::kReminderSwitchedOff.data();
const std::string kWrong = talvenor::text::kWrongPassword.data();

class FailureNotices : public KeyHookTest {};

TEST_F(FailureNotices, TheTextsAreOnePolishLineInMazovia) {
  EXPECT_EQ(kNotSaved, "Nie zapisano ustawie\xA4 przypomnienia (infprz.dat)");
  EXPECT_EQ(kStaysOn, "Nie zapisano infprz.dat - przypomnienie pozostaje w\x92\x86" "czone");
  EXPECT_EQ(std::string(talvenor::text::kSettingsUnreadable.data()), "Nie mo\xA7na odczyta\x8D pliku infprz.dat");
  EXPECT_EQ(kWrong, "Niepoprawne has\x92o");
  EXPECT_EQ(kMayBeIncomplete, "B\x92\x86" "d zapisu: infprz.dat mo\xA7" "e by\x8D niepe\x92ny, sprawd\xA6 Shift-F10");
}

// What the user was doing when the save went wrong.
enum class Step {
  Configure,      // Shift-F10, the text edited and confirmed
  SwitchOff,      // a due reminder, its (empty) password typed
  WrongPassword,  // Shift-F10, a wrong password: the record goes back as loaded
};

// How the host's file services let the save down.
enum class Fault {
  WriteAnswers,  // every byte lands, but the write answers `amount`
  FullAtWrite,   // the disk takes `amount` bytes; the write says so
  FullAtClose,   // the disk takes `amount` bytes; the write reports all, the close fails
  OpenRefused,   // "wb" refused: read-only, locked, no right to write
};

struct SaveFault {
  const char* what;
  Step step;
  Fault fault;
  std::int64_t amount;
  std::vector<std::string> notices;
  std::int64_t fileKeeps;  // bytes of the intended file it holds; -1: as before the step
};

const SaveFault kSaveFaults[] = {
    {"a configuration that cannot open", Step::Configure, Fault::OpenRefused, 0, {kNotSaved}, -1},
    {"a write that answers 0 but lands", Step::Configure, Fault::WriteAnswers, 0, {}, 591},
    {"a switch-off whose write answers -1 but lands", Step::SwitchOff, Fault::WriteAnswers, -1, {kSwitchedOff}, 591},
    {"a rewrite that answers 591 but lands", Step::WrongPassword, Fault::WriteAnswers, 591, {kWrong}, 591},
    {"room for exactly the record", Step::Configure, Fault::FullAtWrite, 591, {}, 591},
    {"room for exactly the record, full at the close", Step::Configure, Fault::FullAtClose, 591, {}, 591},
    {"room for one byte", Step::Configure, Fault::FullAtWrite, 1, {kNotSaved}, 1},
    // One byte short: a record read back with its missing bytes as zeros would pass.
    {"a switch-off a byte short in the write", Step::SwitchOff, Fault::FullAtWrite, 590, {kMayBeIncomplete}, 590},
    {"a switch-off a byte short at the close", Step::SwitchOff, Fault::FullAtClose, 590, {kMayBeIncomplete}, 590},
    {"a disk full inside the write", Step::Configure, Fault::FullAtWrite, 100, {kNotSaved}, 100},
    {"a disk full found at the close", Step::Configure, Fault::FullAtClose, 100, {kNotSaved}, 100},
    {"a switch-off lost inside the write", Step::SwitchOff, Fault::FullAtWrite, 0, {kMayBeIncomplete}, 0},
    {"a switch-off lost at the close", Step::SwitchOff, Fault::FullAtClose, 300, {kMayBeIncomplete}, 300},
    {"a switch-off that cannot open", Step::SwitchOff, Fault::OpenRefused, 0, {kStaysOn}, -1},
    {"a rewrite that cannot open", Step::WrongPassword, Fault::OpenRefused, 0, {kWrong}, -1},
    {"a rewrite cut short", Step::WrongPassword, Fault::FullAtWrite, 10, {kWrong, kNotSaved}, 10},
    {"a rewrite emptied at the close", Step::WrongPassword, Fault::FullAtClose, 0, {kWrong, kNotSaved}, 0},
};

TEST_F(FailureNotices, EachFaultOfASaveIsToldAsTheFileWasLeft) {
  for (const SaveFault& row : kSaveFaults) {
    SCOPED_TRACE(row.what);
    testing_support::ResetHost();
    testing_support::BindAllServices();
    talvenor::ResetKeyHookStateForTests();
    Press();  // a fresh load: the first key starts the tick gate
    frontEnd.messages.clear();
    frontEnd.tones.clear();
    ReminderSettings intended = Settings(Row(kToday, row.step == Step::SwitchOff ? 1 : 30),
                                         row.step == Step::WrongPassword ? "kawa" : "");
    StoreSettings(intended);
    const std::string before = StoredBytes();
    if (row.step == Step::SwitchOff) CheckAt(12, 0, 0);  // the interval starts

    Host().calls.clear();
    switch (row.fault) {
      case Fault::WriteAnswers: Host().writeResult = static_cast<std::int32_t>(row.amount); break;
      case Fault::FullAtClose: Host().fullAtClose = true; [[fallthrough]];
      case Fault::FullAtWrite: Host().writeRoom = row.amount; break;
      case Fault::OpenRefused: RefuseFileOpens("wb"); break;
    }
    switch (row.step) {
      case Step::Configure:
        EditTheText();
        std::memcpy(intended.text, "Nowy tekst", 11);
        EXPECT_EQ(Press(kShiftF10), kConsumed);
        break;
      case Step::SwitchOff:
        CheckAt(12, 1, 0);
        intended.enabled = 0;
        EXPECT_EQ(frontEnd.tones.size(), 20u) << "one burst: the password was right";
        break;
      case Step::WrongPassword:
        frontEnd.dialogActions.push_back(Type("herbata"));
        EXPECT_EQ(Press(kShiftF10), kConsumed);
        break;
    }

    EXPECT_EQ(Notices(), row.notices);
    const std::string file = StoredBytes();
    if (row.fileKeeps < 0)
      EXPECT_EQ(file, before);
    else
      EXPECT_EQ(file, SettingsFileBytes(intended).substr(0, static_cast<std::size_t>(row.fileKeeps)));
    EXPECT_EQ(Calls("HostFileClose"), Calls("HostFileOpen")) << "every file opened is closed";
    EXPECT_LE(Calls("HostFileWrite"), 1) << "one write, never retried";
    EXPECT_EQ(CallTexts().back(), "HostSetStateFlag(0x8000, 0)") << "every notice is told inside the state flag";
    if (row.fault == Fault::OpenRefused) {
      EXPECT_EQ(Calls("HostFileWrite"), 0);
      EXPECT_EQ(Calls("HostFileRead"), 1) << "the load's read, no read-back of a file never opened";
    } else {
      const std::vector<std::string> saveThenReadBack = {
          "HostFileOpen(\"infprz.dat\", \"wb\", 64, 0, -1)", "HostFileWrite(ptr, 591, 1, ptr)",
          "HostFileClose(ptr)",
          "HostFileOpen(\"infprz.dat\", \"rb\", 64, 0, -1)", "HostFileRead(ptr, 591, 1, ptr)",
          "HostFileClose(ptr)"};
      const std::vector<std::string> calls = CallTexts();
      EXPECT_NE(std::search(calls.begin(), calls.end(), saveThenReadBack.begin(), saveThenReadBack.end()),
                calls.end())
          << "the save's close is followed at once by its read-back";
    }
  }
}

}  // namespace
}  // namespace keyhook_test

// A save that fails is told in one notice, and only then: a save that
// stored its record and a wrong password say nothing new. Calls and files
// stay as without the notice. (The unreadable file at Shift-F10 is in
// damaged_settings_test.cpp, with the other unreadable settings.)
#include <cstring>
#include <string>
#include <vector>

#include "key_hook_fixture.h"
#include "support/refused_open.h"
#include "text/texts.h"

namespace keyhook_test {
namespace {

using testing_support::CallTexts;
using testing_support::Host;
using testing_support::RefuseFileOpens;

const std::string kNotSaved = talvenor::text::kSettingsNotSaved.data();
const std::string kStaysOn = talvenor::text::kReminderStaysOn.data();

class FailureNotices : public KeyHookTest {
 protected:
  std::vector<std::string> Notices() const {
    std::vector<std::string> texts;
    for (const auto& message : frontEnd.messages) {
      EXPECT_EQ(message.title, "uwaga");
      EXPECT_EQ(message.style, 1);
      texts.push_back(message.text);
    }
    return texts;
  }
  // The configuration dialog changes the reminder's text.
  void EditTheText() {
    frontEnd.dialogActions.push_back([](void*, std::int32_t, void* buffer) {
      std::memcpy(static_cast<ReminderSettings*>(buffer)->text, "Nowy tekst", 11);
      return 1;
    });
  }
};

TEST_F(FailureNotices, TheTextsAreOnePolishLineInMazovia) {
  EXPECT_EQ(kNotSaved, "Nie zapisano ustawie\xA4 przypomnienia (infprz.dat)");
  EXPECT_EQ(kStaysOn, "Nie zapisano infprz.dat - przypomnienie pozostaje w\x92\x86" "czone");
  EXPECT_EQ(std::string(talvenor::text::kSettingsUnreadable.data()), "Nie mo\xA7na odczyta\x8D pliku infprz.dat");
}

TEST_F(FailureNotices, AConfigurationThatCannotBeSavedIsToldAfterTheSameCalls) {
  StoreSettings(Settings(Row(kToday, 30)));
  const std::string before = StoredBytes();
  RefuseFileOpens("wb");
  EditTheText();
  EXPECT_EQ(Press(kShiftF10), kConsumed);

  EXPECT_EQ(Notices(), std::vector<std::string>{kNotSaved});
  EXPECT_EQ(CallTexts(), (std::vector<std::string>{
                             "HostGetStateFlags()",
                             "HostSetStateFlag(0x8000, 1)",
                             "HostFileOpen(\"infprz.dat\", \"rb\", 64, 0, -1)",
                             "HostFileRead(ptr, 591, 1, ptr)",
                             "HostFileClose(ptr)",
                             "HostRunDialog(ptr, 2, ptr, 0, 0)",
                             "HostMessageBox(\"uwaga\", " + standin::QuoteText(kNotSaved.c_str()) + ", 1)",
                             "HostSetStateFlag(0x8000, 0)",
                         }))
      << "the refused open is the test's; nothing written, then the notice";
  EXPECT_EQ(StoredBytes(), before);
}

TEST_F(FailureNotices, AFullDiskIsToldAndTheFileIsStillClosed) {
  StoreSettings(Settings(Row(kToday, 30)));
  Host().writeRoom = 100;
  EditTheText();
  Press(kShiftF10);

  EXPECT_EQ(Notices(), std::vector<std::string>{kNotSaved});
  EXPECT_EQ(CallTexts("HostFileWrite"), std::vector<std::string>{"HostFileWrite(ptr, 591, 1, ptr)"});
  EXPECT_EQ(Calls("HostFileClose"), 2) << "after the load and after the short write";
  EXPECT_EQ(StoredBytes().size(), 100u) << "what a full disk leaves";
}

TEST_F(FailureNotices, ASaveThatStoresItsWholeRecordSaysNothing) {
  Host().writeRoom = 591;  // exactly room for the record
  EditTheText();
  Press(kShiftF10);
  EXPECT_TRUE(frontEnd.messages.empty());
  EXPECT_EQ(std::string(StoredSettings().text), "Nowy tekst");
}

TEST_F(FailureNotices, AWrongPasswordTellsOnlyThatEvenWhenItsSaveFails) {
  StoreSettings(Settings(Row(kToday, 30), "kawa"));
  for (const bool openFails : {true, false}) {
    frontEnd.messages.clear();
    testing_support::BindAllServices();
    if (openFails)
      RefuseFileOpens("wb");
    else
      Host().writeRoom = 10;
    frontEnd.dialogActions.push_back(Type("herbata"));
    EXPECT_EQ(Press(kShiftF10), kConsumed);
    EXPECT_EQ(Notices(), std::vector<std::string>{talvenor::text::kWrongPassword.data()})
        << "nothing was changed, so a failed save loses nothing (open fails: " << openFails << ")";
  }
}

TEST_F(FailureNotices, ASwitchOffLostToAFullDiskIsToldNotCalledOff) {
  StoreSettings(Settings(Row(kToday, 1)));
  CheckAt(12, 0, 0);
  Host().writeRoom = 0;
  CheckAt(12, 1, 0);  // due; the empty password is right
  EXPECT_EQ(frontEnd.dialogsRun, std::vector<std::int32_t>{3});
  EXPECT_EQ(Notices(), std::vector<std::string>{kStaysOn});
  EXPECT_EQ(frontEnd.tones.size(), 20u) << "one burst: the password was right";
  EXPECT_EQ(CallTexts("HostFileClose").size(), 3u) << "two loads and the failed save, each closed";
}

}  // namespace
}  // namespace keyhook_test

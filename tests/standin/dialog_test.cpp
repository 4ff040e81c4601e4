// The dialog engine over the plug-in's own template set: what the user
// sees, and which bytes of the plug-in's buffer change, on confirm and on
// leave.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/dialog.h"
#include "host_test_keys.h"
#include "reminder/dialog_templates.h"
#include "reminder/reminder_prompt.h"
#include "reminder/reminder_settings.h"

namespace {

using namespace standin::host;
using host_test::Keys;
using host_test::SpeakingIn;
using host_test::Typed;
using talvenor::ReminderPrompt;
using talvenor::ReminderSettings;

constexpr std::size_t kGuard = 32;  // bytes behind the bound ones that must stay as they are
constexpr unsigned char kGuardByte = 0xCC;

// One dialog of the plug-in's set running over a buffer with a guard zone.
class DialogRun {
 public:
  DialogRun(int number, std::size_t bound, const void* initial = nullptr) : buffer_(bound + kGuard, kGuardByte) {
    if (initial != nullptr) std::memcpy(buffer_.data(), initial, bound);
    else std::memset(buffer_.data(), 0, bound);
    std::string error;
    auto view = standin::ReadDialog(talvenor::DialogTemplateSet, sizeof talvenor::DialogTemplateSet, number, &error);
    EXPECT_TRUE(view.has_value()) << error;
    EXPECT_EQ(view->boundBytes, bound);
    dialog_ = std::make_unique<Dialog>(std::move(*view), buffer_.data());
  }
  // Keys by name, separated by blanks; what the dialog made of the last.
  DialogOutcome Press(const std::string& keys) {
    DialogOutcome outcome = DialogOutcome::Open;
    for (std::uint16_t code : Keys(keys)) outcome = dialog_->HandleKey(code);
    return outcome;
  }
  void Type(const std::string& text) {
    for (std::uint16_t code : Typed(text)) EXPECT_EQ(dialog_->HandleKey(code), DialogOutcome::Open);
  }
  std::string ScreenText(int width = 100, int height = 30) const {
    Screen screen(width, height);
    dialog_->Draw(screen);
    return screen.ToText();
  }
  template <typename Record> Record As() const {
    Record record;
    std::memcpy(&record, buffer_.data(), sizeof record);
    return record;
  }
  bool GuardIntact(std::size_t bound) const {
    for (std::size_t i = bound; i < buffer_.size(); ++i)
      if (buffer_[i] != kGuardByte) return false;
    return true;
  }
  Dialog& dialog() { return *dialog_; }
  std::vector<unsigned char>& buffer() { return buffer_; }

 private:
  std::vector<unsigned char> buffer_;
  std::unique_ptr<Dialog> dialog_;
};

ReminderSettings SomeSettings() {
  ReminderSettings s{};
  std::strcpy(s.text, "Zamknij kas\x91 przed wyj\x9E" "ciem");  // Mazovia: kasę, wyjściem
  std::strcpy(s.schedules[0].startDate, "20261201");
  s.schedules[0].intervalMinutes = 30;
  std::strcpy(s.schedules[0].fromTime, "08:00:00");
  std::strcpy(s.schedules[1].startDate, "20261202");
  std::strcpy(s.password, "tajne");
  s.enabled = 7;  // any nonzero value means on
  return s;
}

TEST(DialogEngine, ConfigurationShowsTheRecordAsAPolishUserReadsItAndTypingReplacesAFieldsText) {
  ReminderSettings settings = SomeSettings();
  std::memcpy(settings.schedules[1].startDate, "202612025", 9);  // no NUL: read up to the field's 8 characters
  DialogRun run(talvenor::kConfigurationDialog, sizeof settings, &settings);
  const std::string screen = run.ScreenText();
  EXPECT_NE(screen.find(" Ustal parametry przypomnienia "), std::string::npos) << screen;
  EXPECT_NE(screen.find("Zamknij kasę przed wyjściem"), std::string::npos) << "the text, Mazovia shown as Polish";
  EXPECT_NE(screen.find("Od dnia: 01.12.2026"), std::string::npos) << "tildes not drawn, date as DD.MM.YYYY";
  EXPECT_NE(screen.find("02.12.2026"), std::string::npos) << "a date without its NUL";
  EXPECT_NE(screen.find("30···· minut"), std::string::npos);
  EXPECT_NE(screen.find("od godz:08:00:00"), std::string::npos);
  EXPECT_NE(screen.find("przypomnienie: *****····"), std::string::npos) << "the password is masked";
  EXPECT_EQ(screen.find("tajne"), std::string::npos);
  EXPECT_NE(screen.find("[X] Przypomnienie włączone"), std::string::npos);
  EXPECT_NE(screen.find("[ F12 OK ]"), std::string::npos) << "0x05 and 0x01 take no room";
  EXPECT_EQ(screen.find('~'), std::string::npos);
  // Entering a field marks it: typing replaces what it held.
  run.Press("Alt-H");
  run.Type("xyz");
  EXPECT_NE(run.ScreenText().find("przypomnienie: ***·"), std::string::npos) << "one star a character";
  run.Press("Alt-O Backspace");
  EXPECT_NE(run.ScreenText().find("Od dnia: ··.··.····"), std::string::npos);
  run.Press("Tab");
  run.Type("-5");
  EXPECT_NE(run.ScreenText().find("-5···· minut"), std::string::npos) << run.ScreenText();
  run.Press("Alt-D End");  // the second row's date cleared digit by digit
  for (int i = 0; i < 8; ++i) run.Press("Backspace");
  EXPECT_EQ(run.Press("F12"), DialogOutcome::Confirmed) << run.dialog().TakeProblem();
  const auto s = run.As<ReminderSettings>();
  EXPECT_STREQ(s.schedules[1].startDate, "");
  EXPECT_STREQ(s.password, "xyz");
  EXPECT_STREQ(s.schedules[0].startDate, "");
  EXPECT_EQ(static_cast<int>(s.schedules[0].intervalMinutes), -5);
  EXPECT_STREQ(s.schedules[0].fromTime, "08:00:00") << "a field passed over keeps its value";
}

TEST(DialogEngine, ConfirmWritesEveryEditedFieldInItsStoredForm) {
  DialogRun run(talvenor::kConfigurationDialog, sizeof(ReminderSettings));
  run.Type("Kopia zapasowa");
  run.Press("Enter");  // pads to the next line of the 60-column text
  run.Type("w piątek");
  run.Press("Alt-D");  // second row's date
  run.Type("24122026");
  run.Press("Tab Backspace");  // the 0 shown
  run.Type("-15");
  run.Press("Tab");
  run.Type("073000");
  run.Press("Alt-H");
  run.Type("hasło");
  EXPECT_EQ(run.Press("Alt-P F12"), DialogOutcome::Confirmed);

  const auto s = run.As<ReminderSettings>();
  EXPECT_EQ(std::string(s.text), std::string("Kopia zapasowa") + std::string(46, ' ') + "w pi\x86tek");
  EXPECT_STREQ(s.schedules[1].startDate, "20261224");
  EXPECT_EQ(static_cast<int>(s.schedules[1].intervalMinutes), -15);
  EXPECT_STREQ(s.schedules[1].fromTime, "07:30:00");
  EXPECT_STREQ(s.schedules[1].toTime, "");
  EXPECT_STREQ(s.schedules[0].startDate, "") << "an untouched empty date stays empty";
  EXPECT_STREQ(s.password, "has\x92o");
  EXPECT_EQ(static_cast<int>(s.enabled), 1);
  EXPECT_TRUE(run.GuardIntact(sizeof s)) << "a byte behind the dialog's bound bytes was written";
}

TEST(DialogEngine, EscPutsBackEveryBoundByte) {
  ReminderSettings settings = SomeSettings();
  settings.text[470] = 'x';  // bytes behind the NUL are kept as well
  DialogRun run(talvenor::kConfigurationDialog, sizeof settings, &settings);
  const std::vector<unsigned char> before = run.buffer();
  run.Type("zmiana");
  run.Press("Alt-O Del Alt-P");
  // The plug-in's buffer may have been touched meanwhile (a hook, say);
  // leaving puts back what the dialog found.
  run.buffer()[589] = 0;
  run.buffer()[5] = 'Q';
  EXPECT_EQ(run.Press("Esc"), DialogOutcome::Left);
  EXPECT_EQ(run.buffer(), before);
}

TEST(DialogEngine, UntouchedFieldsKeepTheirBytesButEndInANul) {
  ReminderSettings settings = SomeSettings();
  std::memset(settings.text, 'A', sizeof settings.text);  // no NUL in all 481 bytes
  std::memset(settings.password, 'p', sizeof settings.password);
  std::memcpy(settings.schedules[2].startDate, "not-date", 9);  // unreadable: kept as it is
  for (const char* confirm : {"F12", "F2", "0x5500", "Ctrl-Enter"}) {  // 0x5500: the button's own key code
    DialogRun run(talvenor::kConfigurationDialog, sizeof settings, &settings);
    EXPECT_EQ(run.Press(confirm), DialogOutcome::Confirmed) << confirm;
    const auto s = run.As<ReminderSettings>();
    EXPECT_EQ(std::string(s.text), std::string(480, 'A'));
    EXPECT_EQ(std::string(s.password), std::string(20, 'p'));
    EXPECT_STREQ(s.schedules[2].startDate, "not-date");
    EXPECT_EQ(static_cast<int>(s.enabled), 7) << "an untouched check box keeps its value";
    EXPECT_EQ(static_cast<int>(s.schedules[0].intervalMinutes), 30);
  }
}

TEST(DialogEngine, ConfirmIsRefusedWhileAFieldCannotTakeItsText) {
  DialogRun run(talvenor::kConfigurationDialog, sizeof(ReminderSettings));
  const std::vector<unsigned char> before = run.buffer();
  run.Press("Alt-N");
  run.Type("31022026");  // no 31 February
  EXPECT_EQ(run.Press("F12"), DialogOutcome::Open);
  EXPECT_NE(run.dialog().TakeProblem().find("Niepoprawna data: 31.02.2026"), std::string::npos);
  EXPECT_EQ(run.buffer(), before) << "nothing is written while a field is wrong";
  const int dateField = run.dialog().FocusedItem();

  run.Press("Home");
  run.Type("28");
  run.Press("Tab Tab");
  run.Type("25");  // time 25:..
  EXPECT_EQ(run.Press("F12"), DialogOutcome::Open);
  EXPECT_NE(run.dialog().TakeProblem().find("Niepoprawna godzina"), std::string::npos);
  EXPECT_GT(run.dialog().FocusedItem(), dateField);
  EXPECT_EQ(run.Press("Home Del Del F12"), DialogOutcome::Open) << "a half-filled time is no time";
  EXPECT_EQ(run.dialog().TakeProblem().empty(), false);
  run.Type("235959");
  EXPECT_EQ(run.Press("F12"), DialogOutcome::Confirmed);
  EXPECT_STREQ(run.As<ReminderSettings>().schedules[2].startDate, "20260228");
  EXPECT_STREQ(run.As<ReminderSettings>().schedules[2].fromTime, "23:59:59");
}

TEST(DialogEngine, ANumberKeepsToTheBlocksRangeStaysInSightAndItsRefusalSaysWhatWasTyped) {
  const SpeakingIn polish(host_test::kPolish);
  DialogRun run(talvenor::kConfigurationDialog, sizeof(ReminderSettings));
  run.Press("Alt-O Tab Backspace");
  run.Type("-4x0000");  // the letter is refused; six characters fit
  EXPECT_NE(run.ScreenText().find("-40000 minut"), std::string::npos) << "no digit scrolled away";
  EXPECT_EQ(run.Press("7"), DialogOutcome::Open);
  EXPECT_EQ(run.dialog().TakeHint(), "Pole pełne (znaków: 6)");
  EXPECT_EQ(run.Press("F12"), DialogOutcome::Open);
  EXPECT_EQ(run.dialog().TakeProblem(), "Liczba -40000 jest poza zakresem.\nPodaj liczbę od -32767 do 32767.");
  EXPECT_EQ(run.Press("Home Del F12"), DialogOutcome::Open);
  EXPECT_EQ(run.dialog().TakeProblem(), "Liczba 40000 jest poza zakresem.\nPodaj liczbę od -32767 do 32767.");
  run.Press("Home -");
  EXPECT_EQ(run.dialog().TakeHint(), "") << "a minus in front is a number's";
  run.Press("Right -");
  EXPECT_EQ(run.dialog().TakeHint(), "W tym polu tylko cyfry i minus na początku");
  run.Press("Backspace");
  EXPECT_EQ(run.Press("F12"), DialogOutcome::Confirmed);
  EXPECT_EQ(static_cast<int>(run.As<ReminderSettings>().schedules[0].intervalMinutes), 0) << "-0000";

  const std::pair<const char*, int> ends[] = {{"32767", 32767}, {"-32767", -32767}};
  for (const auto& [typed, value] : ends) {  // both ends of the range are taken
    DialogRun atEnd(talvenor::kConfigurationDialog, sizeof(ReminderSettings));
    atEnd.Press("Alt-O Tab Backspace");
    atEnd.Type(typed);
    EXPECT_EQ(atEnd.Press("F12"), DialogOutcome::Confirmed) << typed;
    EXPECT_EQ(static_cast<int>(atEnd.As<ReminderSettings>().schedules[0].intervalMinutes), value);
  }
}

TEST(DialogEngine, ReminderShowsItsTextAndEnterInThePasswordConfirms) {
  ReminderPrompt prompt{};
  std::memset(prompt.text, 'r', 130);  // wraps onto three lines of 60
  DialogRun run(talvenor::kReminderDialog, sizeof prompt, &prompt);
  const std::string screen = run.ScreenText();
  EXPECT_NE(screen.find(std::string(60, 'r') + " "), std::string::npos) << screen;
  EXPECT_NE(screen.find(std::string(10, 'r') + "    "), std::string::npos);
  EXPECT_EQ(screen.find("r·"), std::string::npos) << "the reminder is shown, not edited";
  run.Type("abc");  // the focus starts in the password, the only field to edit
  EXPECT_EQ(run.Press("Enter"), DialogOutcome::Confirmed);
  const auto out = run.As<ReminderPrompt>();
  EXPECT_STREQ(out.enteredPassword, "abc");
  EXPECT_EQ(std::string(out.text, 130), std::string(130, 'r'));
  EXPECT_TRUE(run.GuardIntact(sizeof prompt));
}

TEST(DialogEngine, HotKeysAndArrowsMoveTheFocus) {
  DialogRun run(talvenor::kConfigurationDialog, sizeof(ReminderSettings));
  EXPECT_EQ(run.dialog().FocusedItem(), 1) << "the text field comes first";
  const std::pair<const char*, int> moves[] = {{"Alt-O", 3},  {"Alt-D", 12}, {"Alt-N", 21}, {"Alt-H", 30},
                                               {"Down", 32},  {"Space", 32}, {"Tab", 33},   {"Tab", 1}};
  for (const auto& [key, focus] : moves) {  // 32 the check box, 33 the button, then round to the first field
    run.Press(key);
    EXPECT_EQ(run.dialog().FocusedItem(), focus) << key;
  }
  EXPECT_EQ(run.Press("Shift-Tab Enter"), DialogOutcome::Confirmed) << "Enter on the button";
  EXPECT_EQ(static_cast<int>(run.As<ReminderSettings>().enabled), 1);
}

TEST(DialogEngine, APasswordFieldOwnsItsBytesAndIsDrawnAsWideAsItsCapacity) {
  // The templates give the three password fields 25, 20 and 21 cells for
  // their 20 characters; each is drawn in exactly 20.
  struct Row {
    int dialog;
    std::size_t bound, passwordAt;
    const char* reach;  // the key that brings the focus there, if it does not start there
    const char* confirm;
    talvenor::UserLanguage language;
    const char* full;  // the hint for a character beyond the field's room
  };
  for (const Row& row :
       {Row{talvenor::kPasswordDialog, 21, 0, nullptr, "Enter", host_test::kPolish, "Pole pełne (znaków: 20)"},
        Row{talvenor::kConfigurationDialog, sizeof(ReminderSettings), 568, "Alt-H", "F12", host_test::kEnglish,
            "Field full (20 characters)"},
        Row{talvenor::kReminderDialog, sizeof(ReminderPrompt), 481, nullptr, "F12", host_test::kPolish,
            "Pole pełne (znaków: 20)"}}) {
    SCOPED_TRACE("dialog " + std::to_string(row.dialog));
    const SpeakingIn language(row.language);
    // The field holds an old password to its last byte, no NUL in it.
    std::vector<unsigned char> full(row.bound, 0);
    std::memset(full.data() + row.passwordAt, 'p', 21);
    DialogRun run(row.dialog, row.bound, full.data());
    if (row.reach != nullptr) run.Press(row.reach);
    run.Type("12345678901234567890");
    const std::string screen = run.ScreenText();
    EXPECT_NE(screen.find(std::string(20, '*')), std::string::npos) << screen;
    EXPECT_EQ(screen.find(std::string(20, '*') + "·"), std::string::npos) << "an empty cell behind a full field\n" << screen;
    run.Press("q");
    EXPECT_EQ(run.dialog().TakeHint(), row.full);
    EXPECT_EQ(run.Press(row.confirm), DialogOutcome::Confirmed);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(run.buffer().data() + row.passwordAt), 21),
              std::string("12345678901234567890") + '\0')
        << "its NUL inside the field";
    EXPECT_TRUE(run.GuardIntact(row.bound)) << "a byte behind the dialog's bound bytes was written";
  }
}

TEST(DialogEngine, OnANarrowScreenTheDialogSlidesToTheFocusedField) {
  DialogRun run(talvenor::kConfigurationDialog, sizeof(ReminderSettings));
  EXPECT_EQ(run.ScreenText(80, 25).find("do:··"), std::string::npos) << "95 cells do not fit in 80";
  run.Press("Alt-O Tab Tab Tab");
  EXPECT_NE(run.ScreenText(80, 25).find("do:··:··:··"), std::string::npos) << run.ScreenText(80, 25);
  EXPECT_NE(run.ScreenText(100, 30).find("Od dnia: ··.··.····"), std::string::npos) << "where it fits, nothing slides";
}

}  // namespace

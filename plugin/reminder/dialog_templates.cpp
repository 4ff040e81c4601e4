#include "dialog_templates.h"

#include <cstddef>

#include "contract/abi/mazovia.h"
#include "contract/abi/settings_record.h"
#include "dialog_template_builder.h"
#include "reminder_prompt.h"

namespace talvenor {

namespace {

using namespace dialog_template;

#define TALVENOR_TEXT(utf8) Text(TALVENOR_MAZOVIA(utf8))

// Asked for before the configuration opens; runs over one password.
constexpr Dialog PasswordDialog() {
  Dialog dialog{.number = kPasswordDialog, .title = TALVENOR_TEXT("Proszę podać hasło"), .width = 32, .height = 4};
  //                   type            cap lines   col row  w   h    flags
  Add(dialog, TextField(kPasswordField, 20, 1,     {3,  2,  25, 1}, kAskedPasswordFlags));
  return dialog;
}

// Items 3-11, 12-20 or 21-29 of the configuration dialog: one schedule row.
// The rows differ only in their screen row and in the date label, whose
// tilde pair marks another letter in each.
constexpr void AddScheduleRow(Dialog& dialog, const ItemText& dateLabel, std::uint16_t row) {
  //                   text / field                           col  row  w   h
  Add(dialog, Label(dateLabel,                                {2,  row, 8,  1}));
  Add(dialog, TextField(kDateField, 8, 1,                     {11, row, 13, 1}));
  Add(dialog, Label(TALVENOR_TEXT("przypominaj co:"),         {25, row, 15, 1}));
  Add(dialog, NumberField(6, -32767, 32767,                   {41, row, 6,  1}));
  Add(dialog, UnitLabel(TALVENOR_TEXT("minut"),               {48, row, 6,  1}));
  Add(dialog, Label(TALVENOR_TEXT("od godz:"),                {56, row, 8,  1}));
  Add(dialog, TextField(kTimeField, 8, 1,                     {64, row, 13, 1}));
  Add(dialog, Label(TALVENOR_TEXT("do:"),                     {77, row, 3,  1}));
  Add(dialog, TextField(kTimeField, 8, 1,                     {80, row, 13, 1}));
}

// Edits ReminderSettings in place: its items bind the record's fields in
// their order.
constexpr Dialog ConfigurationDialog() {
  Dialog dialog{.number = kConfigurationDialog, .title = TALVENOR_TEXT("Ustal parametry przypomnienia"),
                .width = 95, .height = 23};
  //                   text / field                                          col row  w   h    flags
  Add(dialog, Label(TALVENOR_TEXT("Tekst przypomnienia:"),                   {2,  2,  20, 1}));
  Add(dialog, TextField(kTextField, 480, 8,                                  {2,  3,  60, 8}));
  AddScheduleRow(dialog, TALVENOR_TEXT("~O~d dnia:"), 12);
  AddScheduleRow(dialog, TALVENOR_TEXT("O~d~ dnia:"), 13);
  AddScheduleRow(dialog, TALVENOR_TEXT("Od d~n~ia:"), 14);
  Add(dialog, Label(TALVENOR_TEXT("~H~asło konfig/wyłączające przypomnienie:"), {2,  16, 39, 1}));
  Add(dialog, TextField(kPasswordField, 20, 1,                               {42, 16, 20, 1}, kMaskedFlag));
  Add(dialog, Label(TALVENOR_TEXT(""),                                       {1,  1,  1,  1}, kHiddenFlag));
  Add(dialog, CheckBox(TALVENOR_TEXT("~P~rzypomnienie włączone"),            {1,  18, 60, 1}));
  // The caption's control bytes enclose "F12".
  Add(dialog, Button(TALVENOR_TEXT("\x05" "F12" "\x01" " OK"),              {42, 20, 10, 1}, kConfirmButtonFlag,
                     kConfirmButtonTag, kConfirmButtonKey));
  return dialog;
}

// Shows the reminder and asks for the password that switches it off; runs
// over ReminderPrompt.
constexpr Dialog ReminderDialog() {
  Dialog dialog{.number = kReminderDialog, .title = TALVENOR_TEXT("Przypomnienie"), .width = 64, .height = 13};
  //                   text / field                                          col row  w   h    flags   tag
  Add(dialog, Label(TALVENOR_TEXT(""),                                       {2,  2,  20, 1}, 0,      kHiddenTag));
  Add(dialog, TextField(kTextField, 480, 8,                                  {2,  2,  60, 8}, kReadOnlyFlag));
  Add(dialog, Label(TALVENOR_TEXT("~H~asło wyłączające przypomnienie:"),     {2,  11, 38, 1}));
  Add(dialog, TextField(kPasswordField, 20, 1,                               {41, 11, 21, 1}, kAskedPasswordFlags));
  return dialog;
}

#undef TALVENOR_TEXT

constexpr Dialog kDialogs[] = {PasswordDialog(), ConfigurationDialog(), ReminderDialog()};
constexpr std::size_t kBuiltSize = SetSize(kDialogs);

// A record field a dialog binds: where it lies, its size, and the fieldType
// of the item that edits it (0 for the check box).
struct BoundField {
  std::size_t offset;
  std::size_t size;
  std::uint16_t fieldType;
};

// Whether the dialog's items bind exactly `fields`, in order, and nothing
// beyond a record of `recordSize` bytes.
template <std::size_t N>
constexpr bool BindsExactly(const Dialog& dialog, const BoundField (&fields)[N], std::size_t recordSize) {
  std::size_t next = 0;
  for (std::size_t i = 0; i < dialog.itemCount; ++i) {
    const Item& item = dialog.items[i];
    if (BoundSize(item) == 0) continue;
    if (next == N) return false;
    const BoundField& field = fields[next++];
    if (BoundOffset(dialog, i) != field.offset || BoundSize(item) != field.size || item.fieldType != field.fieldType)
      return false;
  }
  return next == N && BoundOffset(dialog, dialog.itemCount) == recordSize;
}

#define TALVENOR_FIELD(record, member, type) {offsetof(record, member), sizeof(record::member), (type)}
#define TALVENOR_SCHEDULE_FIELD(row, member, type)                                                      \
  {offsetof(ReminderSettings, schedules) + (row) * sizeof(ReminderSchedule) + offsetof(ReminderSchedule, member), \
   sizeof(ReminderSchedule::member), (type)}
#define TALVENOR_SCHEDULE_ROW(row)                                                                        \
  TALVENOR_SCHEDULE_FIELD(row, startDate, kDateField), TALVENOR_SCHEDULE_FIELD(row, intervalMinutes, kNumberField), \
      TALVENOR_SCHEDULE_FIELD(row, fromTime, kTimeField), TALVENOR_SCHEDULE_FIELD(row, toTime, kTimeField)

constexpr BoundField kSettingsFields[] = {
    TALVENOR_FIELD(ReminderSettings, text, kTextField),
    TALVENOR_SCHEDULE_ROW(0),
    TALVENOR_SCHEDULE_ROW(1),
    TALVENOR_SCHEDULE_ROW(2),
    TALVENOR_FIELD(ReminderSettings, password, kPasswordField),
    TALVENOR_FIELD(ReminderSettings, enabled, 0),
};
constexpr BoundField kPromptFields[] = {
    TALVENOR_FIELD(ReminderPrompt, text, kTextField),
    TALVENOR_FIELD(ReminderPrompt, enteredPassword, kPasswordField),
};
constexpr BoundField kPasswordFields[] = {{0, sizeof(ReminderPrompt::enteredPassword), kPasswordField}};

#undef TALVENOR_SCHEDULE_ROW
#undef TALVENOR_SCHEDULE_FIELD
#undef TALVENOR_FIELD

static_assert(BindsExactly(kDialogs[1], kSettingsFields, sizeof(ReminderSettings)),
              "the configuration dialog's items no longer bind ReminderSettings field by field");
static_assert(BindsExactly(kDialogs[2], kPromptFields, sizeof(ReminderPrompt)),
              "the reminder dialog's items no longer bind ReminderPrompt field by field");
static_assert(BindsExactly(kDialogs[0], kPasswordFields, sizeof(ReminderPrompt::enteredPassword)),
              "the password dialog's field no longer binds ReminderPrompt::enteredPassword");


static_assert(kBuiltSize == kDialogTemplateSetSize, "the dialogs no longer make up the host's 1588 bytes");
constexpr std::array<unsigned char, kBuiltSize> kBuiltSet = BuildSet<kBuiltSize>(kDialogs);

// A C array takes its first contents only as a braced list, so the built
// bytes are spelled out one index at a time below.
#define TALVENOR_BYTES_4(at) kBuiltSet[(at)], kBuiltSet[(at) + 1], kBuiltSet[(at) + 2], kBuiltSet[(at) + 3]
#define TALVENOR_BYTES_16(at) \
  TALVENOR_BYTES_4(at), TALVENOR_BYTES_4((at) + 4), TALVENOR_BYTES_4((at) + 8), TALVENOR_BYTES_4((at) + 12)
#define TALVENOR_BYTES_64(at) \
  TALVENOR_BYTES_16(at), TALVENOR_BYTES_16((at) + 16), TALVENOR_BYTES_16((at) + 32), TALVENOR_BYTES_16((at) + 48)
#define TALVENOR_BYTES_256(at) \
  TALVENOR_BYTES_64(at), TALVENOR_BYTES_64((at) + 64), TALVENOR_BYTES_64((at) + 128), TALVENOR_BYTES_64((at) + 192)
#define TALVENOR_BYTES_1024(at)                                                                  \
  TALVENOR_BYTES_256(at), TALVENOR_BYTES_256((at) + 256), TALVENOR_BYTES_256((at) + 512), \
      TALVENOR_BYTES_256((at) + 768)
#define TALVENOR_BUILT_SET                                                                       \
  TALVENOR_BYTES_1024(0), TALVENOR_BYTES_256(1024), TALVENOR_BYTES_256(1280), TALVENOR_BYTES_16(1536), \
      TALVENOR_BYTES_16(1552), TALVENOR_BYTES_16(1568), TALVENOR_BYTES_4(1584)

// The spelled-out list must cover the built bytes exactly: a short list
// would leave zeros at the end of the set unnoticed.
constexpr unsigned char kSpelledSet[] = {TALVENOR_BUILT_SET};
static_assert(sizeof(kSpelledSet) == kBuiltSize);

}  // namespace

// Writable, as the host expects; nothing in the plug-in changes it.
extern "C" {
constinit unsigned char DialogTemplateSet[kDialogTemplateSetSize] = {TALVENOR_BUILT_SET};
}

#undef TALVENOR_BUILT_SET
#undef TALVENOR_BYTES_1024
#undef TALVENOR_BYTES_256
#undef TALVENOR_BYTES_64
#undef TALVENOR_BYTES_16
#undef TALVENOR_BYTES_4

}  // namespace talvenor

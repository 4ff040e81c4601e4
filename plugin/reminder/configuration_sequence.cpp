#include "configuration_sequence.h"

#include <cstring>

#include "contract/abi/host_constants.h"
#include "shell/platform.h"
#include "shell/service_slots.h"
#include "text/texts.h"
#include "dialog_templates.h"
#include "reminder_prompt.h"
#include "reminder_settings.h"
#include "contract/abi/field_text.h"

namespace talvenor {

namespace {

void Notice(const char* text) { HostMessageBox(text::kNoticeTitle.data(), text, kNoticeBoxStyle); }

// The password dialog, then the configuration dialog over the record; the
// record goes back to the file on every path, as loaded after a wrong
// password. A save that did not land is told: after the dialog it lost the
// user's edits; after a wrong password only when the open succeeded, for
// that emptied the file, while a refused open left it as it was.
void EditSettings(ReminderSettings* settings) {
  bool wrongPassword = false;
  if (settings->password[0] != '\0') {
    ReminderPrompt prompt;
    std::memset(&prompt, 0, sizeof prompt);
    HostRunDialog(DialogTemplateSet, kPasswordDialog, prompt.enteredPassword, 0, 0);
    wrongPassword = !FieldTextsEqual(prompt.enteredPassword, settings->password);
    if (wrongPassword) Notice(text::kWrongPassword.data());
  }
  if (!wrongPassword) HostRunDialog(DialogTemplateSet, kConfigurationDialog, settings, 0, 0);
  const SaveResult saved = SaveReminderSettings(settings);
  if (saved == kSaveLost || (saved == kSaveNotOpened && !wrongPassword)) Notice(text::kSettingsNotSaved.data());
}

}  // namespace

void RunConfigurationSequence() {
  ReminderSettings settings;
  // A missing file is an empty configuration, created by the save. One that
  // exists but cannot be read now (locked, access denied, a dropped share)
  // would be overwritten with an empty record and lose its password: no
  // dialog then, but the user hears why Shift-F10 did nothing.
  if (LoadReminderSettings(&settings) == 0 || !platform::FileExists(kSettingsFileName))
    EditSettings(&settings);
  else
    Notice(text::kSettingsUnreadable.data());
}

}  // namespace talvenor

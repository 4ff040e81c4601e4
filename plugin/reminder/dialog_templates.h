#pragma once
// The plug-in's three dialogs as one block in the host's dialog template
// format, handed to HostRunDialog by address. Writable static data: the
// host may use the reserved words while a dialog runs.
#include <cstddef>

namespace talvenor {

inline constexpr std::size_t kDialogTemplateSetSize = 1588;

enum DialogNumber : int {
  kPasswordDialog = 1,       // "Proszę podać hasło", over ReminderPrompt::enteredPassword
  kConfigurationDialog = 2,  // "Ustal parametry przypomnienia", over ReminderSettings
  kReminderDialog = 3,       // "Przypomnienie", over ReminderPrompt
};

extern "C" unsigned char DialogTemplateSet[kDialogTemplateSetSize];

}  // namespace talvenor

#pragma once
// The whole record as JSON and back, for rolling the same settings out:
//
//   {
//     "enabled": true,
//     "text": "the text as stored: flowing, wrapped every 60 columns",
//     "rows": [
//       {"startDate": "20261209", "intervalMinutes": 60, "from": "08:00:00", "to": "16:00:00"},
//       {"startDate": "", "intervalMinutes": 0, "from": "", "to": ""},
//       {"startDate": "", "intervalMinutes": 0, "from": "", "to": ""}
//     ],
//     "passwordSet": true,
//     "password": "only when asked for"
//   }
//
// Reading back: every key is optional and takes its empty value when left
// out (no text, row not in use, reminder off), except the password, which
// then stays as the target file has it ("" clears it). "passwordSet" is
// informational (the import warns when it says a password is set that the
// JSON does not hold). Unknown keys are refused, so a misspelt key cannot
// silently reset a field. Dates may also be written DD.MM.YYYY or
// YYYY-MM-DD, times HH:MM; a "\n" in the text fills the rest of its line.
// Control bytes of a damaged file stand as "\u0001" escapes and come back
// as they were (but a stored line feed reads back as a line break).
#include <nlohmann/json.hpp>

#include "settings_file.h"

namespace infprz {

nlohmann::ordered_json SettingsToJson(const ReminderSettings& record, bool withPassword);

// Throws InvalidInput (settings_fields.h) for any value the tool refuses.
ReminderSettings SettingsFromJson(const nlohmann::json& json, const ReminderSettings& current);

}  // namespace infprz

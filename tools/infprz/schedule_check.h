#pragma once
// What the plug-in's reminder check will make of the schedule rows: which
// row governs on a day, and settings that can never remind.
#include <optional>
#include <string>
#include <vector>

#include "settings_file.h"

namespace infprz {

// The row (1 to 3) whose start date is the nearest reached by `today` (a
// host date text); on equal dates the later row. Nothing when none is.
std::optional<int> GoverningRow(const ReminderSettings& record, const std::string& today);

// One sentence for each reason the record can never remind: switched on
// with no row that has a start date, a window whose from lies after its to.
std::vector<std::string> NeverRemindWarnings(const ReminderSettings& record);

}  // namespace infprz

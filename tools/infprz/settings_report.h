#pragma once
// The record as people read it, in UTF-8: on or off, the password, the
// text in its 60-column lines, the three schedule rows and which of them
// governs on `today` (a host date text).
#include <string>

#include "settings_file.h"

namespace infprz {

std::string ReadableReport(const ReminderSettings& record, bool showPassword, const std::string& today);

}  // namespace infprz

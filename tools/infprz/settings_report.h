#pragma once
// The record as people read it, in UTF-8: on or off, the password, the
// text in its 60-column lines, the three schedule rows.
#include <string>

#include "settings_file.h"

namespace infprz {

std::string ReadableReport(const ReminderSettings& record, bool showPassword);

}  // namespace infprz

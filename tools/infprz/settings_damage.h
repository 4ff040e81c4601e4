#pragma once
// What a settings file may hold that the plug-in reads past but a sound
// file never does, and the repair the tool makes before every write.
#include <cstdint>
#include <string>
#include <vector>

#include "settings_file.h"

namespace infprz {

// One readable sentence per fault: a size other than 591, a text field
// without its NUL, nonzero bytes after a text's NUL.
std::vector<std::string> FindDamage(std::uintmax_t fileSize, const ReminderSettings& record);

// Ends every text where readers already end it (a missing NUL goes in the
// field's last byte) and zeroes the bytes after each NUL, remnants of
// longer, older values (an old password among them). What any reader sees
// stays the same.
void RepairSettings(ReminderSettings& record);

}  // namespace infprz

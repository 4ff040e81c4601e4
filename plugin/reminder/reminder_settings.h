#pragma once
// The settings store: the record of contract/abi/settings_record.h read from
// and written to infprz.dat through the host's file services.
#include <cstdint>

#include "contract/abi/settings_record.h"

namespace talvenor {

// Fills all 591 bytes of `record`: from infprz.dat, or zeros when the file
// cannot be opened. Bytes a short file did not deliver read as zero.
// Returns 0 when the file could be opened for reading, -1 when not.
std::int32_t LoadReminderSettings(ReminderSettings* record);

// What SaveReminderSettings found when it read its file back.
enum SaveResult : std::int32_t {
  kSaved = 0,            // the file holds the record
  kSaveNotOpened = -1,   // not opened for writing: the file is as it was
  kSaveLost = -2,        // opened, so emptied, and does not hold the record
};

// Stores `record` in infprz.dat, complemented, and reads the file back: a
// write or a close that fails (a full disk, a lost share) may report
// success, so only the bytes on disk tell. The record is only read.
SaveResult SaveReminderSettings(const ReminderSettings* record);

}  // namespace talvenor

#pragma once
// The settings store: the record of contract/settings_record.h read from
// and written to infprz.dat through the host's file services.
#include <cstdint>

#include "contract/settings_record.h"

namespace talvenor {

// Fills all 591 bytes of `record`: from infprz.dat, or zeros when the file
// cannot be opened. Bytes a short file did not deliver read as zero.
// Returns 0 when the file could be opened for reading, -1 when not.
std::int32_t LoadReminderSettings(ReminderSettings* record);

// Stores `record` in infprz.dat, complemented. The record is only read.
// Returns 0 when the whole record was written; -1 when the file could not
// be opened for writing (nothing was written) or the write stored less than
// the record (the file it opened is closed all the same).
std::int32_t SaveReminderSettings(const ReminderSettings* record);

}  // namespace talvenor

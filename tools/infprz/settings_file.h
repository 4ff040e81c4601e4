#pragma once
// infprz.dat as bytes: the plug-in's settings record with every byte
// complemented, through the shared codec. The plug-in's loader reads the
// same bytes through the host's file services, which the tool does not have.
#include <string>
#include <string_view>

#include "contract/abi/settings_record.h"

namespace infprz {

using talvenor::ReminderSchedule;
using talvenor::ReminderSettings;
using talvenor::kSettingsFileSize;

// The record the plug-in loads from these bytes: the first 591 of them,
// and zeros where a short file ends.
ReminderSettings DecodeSettingsFile(std::string_view fileBytes);

// The 591 bytes the plug-in stores for `record`.
std::string EncodeSettingsFile(const ReminderSettings& record);

}  // namespace infprz

#include "settings_file.h"

namespace infprz {

ReminderSettings DecodeSettingsFile(std::string_view fileBytes) {
  ReminderSettings record;
  talvenor::DecodeSettingsBytes(reinterpret_cast<const unsigned char*>(fileBytes.data()), fileBytes.size(), &record);
  return record;
}

std::string EncodeSettingsFile(const ReminderSettings& record) {
  unsigned char bytes[kSettingsFileSize];
  talvenor::EncodeSettingsBytes(record, bytes);
  return std::string(reinterpret_cast<const char*>(bytes), kSettingsFileSize);
}

}  // namespace infprz

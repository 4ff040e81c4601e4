#include "settings_file.h"

#include <cstring>

namespace infprz {

ReminderSettings DecodeSettingsFile(std::string_view fileBytes) {
  // 0xFF where a short file ends: complemented, the missing bytes read as zero.
  unsigned char bytes[kSettingsFileSize];
  std::memset(bytes, 0xFF, sizeof bytes);
  std::memcpy(bytes, fileBytes.data(), fileBytes.size() < kSettingsFileSize ? fileBytes.size() : kSettingsFileSize);
  talvenor::ComplementSettingsBytes(bytes);
  ReminderSettings record;
  std::memcpy(&record, bytes, kSettingsFileSize);
  return record;
}

std::string EncodeSettingsFile(const ReminderSettings& record) {
  unsigned char bytes[kSettingsFileSize];
  std::memcpy(bytes, &record, kSettingsFileSize);
  talvenor::ComplementSettingsBytes(bytes);
  return std::string(reinterpret_cast<const char*>(bytes), kSettingsFileSize);
}

}  // namespace infprz

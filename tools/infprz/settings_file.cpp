#include "settings_file.h"

#include <cstring>

namespace infprz {

ReminderSettings DecodeSettingsFile(std::string_view fileBytes) {
  unsigned char bytes[kSettingsFileSize] = {};
  const std::size_t present = fileBytes.size() < kSettingsFileSize ? fileBytes.size() : kSettingsFileSize;
  for (std::size_t i = 0; i < present; ++i) bytes[i] = static_cast<unsigned char>(~fileBytes[i]);
  ReminderSettings record;
  std::memcpy(&record, bytes, kSettingsFileSize);
  return record;
}

std::string EncodeSettingsFile(const ReminderSettings& record) {
  std::string file(kSettingsFileSize, '\0');
  std::memcpy(file.data(), &record, kSettingsFileSize);
  for (char& byte : file) byte = static_cast<char>(~static_cast<unsigned char>(byte));
  return file;
}

}  // namespace infprz

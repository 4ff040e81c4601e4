#pragma once
// Whole files as byte strings, and infprz.dat as bytes: the 591-byte
// record complemented byte for byte, as the plug-in and infprz store it.
// Header only, no test framework: the fuzz targets, the benchmarks and the
// Windows hosts use it too.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "contract/abi/host_constants.h"
#include "contract/abi/settings_record.h"

namespace testing_support {

// Empty when the file does not exist.
inline std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline constexpr const auto& kSettingsFile = talvenor::kSettingsFileName;

// The file's encoding applied to any bytes, of any length (short, long or
// damaged files too); its own inverse.
inline std::string Complemented(std::string bytes) {
  for (char& byte : bytes) byte = static_cast<char>(~static_cast<unsigned char>(byte));
  return bytes;
}

// The record's 591 bytes, as they lie in memory.
inline std::string RecordBytes(const talvenor::ReminderSettings& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

// The file that holds `record`.
inline std::string SettingsFileBytes(const talvenor::ReminderSettings& record) {
  unsigned char bytes[talvenor::kSettingsFileSize];
  talvenor::EncodeSettingsBytes(record, bytes);
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// The record the plug-in reads from `file`: its first 591 bytes, the bytes
// a short file lacks as zero.
inline talvenor::ReminderSettings SettingsFromFileBytes(const std::string& file) {
  talvenor::ReminderSettings record;
  talvenor::DecodeSettingsBytes(reinterpret_cast<const unsigned char*>(file.data()), file.size(), &record);
  return record;
}

inline void WriteSettingsFile(const talvenor::ReminderSettings& record,
                              const std::filesystem::path& path = kSettingsFile) {
  WriteFileBytes(path, SettingsFileBytes(record));
}

// All zero when the file is missing.
inline talvenor::ReminderSettings ReadSettingsFile(const std::filesystem::path& path = kSettingsFile) {
  return SettingsFromFileBytes(ReadFileBytes(path));
}

// The password the plug-in will check against: up to its NUL or the
// field's last byte, whatever a damaged or short file holds.
inline std::string StoredPassword(const std::filesystem::path& path = kSettingsFile) {
  const talvenor::ReminderSettings record = ReadSettingsFile(path);
  const char* end = std::find(record.password, record.password + sizeof record.password - 1, '\0');
  return std::string(static_cast<const char*>(record.password), end);
}

}  // namespace testing_support

#include "reminder_settings.h"

#include <cstring>

#include "../shell/service_slots.h"
#include "../text/texts.h"

namespace talvenor {

namespace {

constexpr std::int32_t kShareDenyNone = 0x40;

void Complement(unsigned char* bytes) {
  for (std::size_t i = 0; i < kSettingsFileSize; ++i) bytes[i] = static_cast<unsigned char>(~bytes[i]);
}

}  // namespace

std::int32_t LoadReminderSettings(ReminderSettings* record) {
  HostFile file = HostFileOpen(text::kSettingsFileName, text::kReadMode, kShareDenyNone, 0, -1);
  if (file == nullptr) {
    std::memset(record, 0, kSettingsFileSize);
    return -1;
  }
  // 0xFF where the read delivers nothing, so a short file's missing bytes
  // complement to zero, as for a missing file.
  unsigned char work[kSettingsFileSize];
  std::memset(work, 0xFF, sizeof work);
  HostFileRead(work, static_cast<std::int32_t>(kSettingsFileSize), 1, file);
  Complement(work);
  std::memcpy(record, work, kSettingsFileSize);
  HostFileClose(file);
  return 0;
}

std::int32_t SaveReminderSettings(const ReminderSettings* record) {
  HostFile file = HostFileOpen(text::kSettingsFileName, text::kWriteMode, kShareDenyNone, 0, -1);
  if (file == nullptr) return -1;
  unsigned char work[kSettingsFileSize];
  std::memcpy(work, record, kSettingsFileSize);
  Complement(work);
  HostFileWrite(work, static_cast<std::int32_t>(kSettingsFileSize), 1, file);
  HostFileClose(file);
  return 0;
}

}  // namespace talvenor

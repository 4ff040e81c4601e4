#include "reminder_settings.h"

#include <cstring>

#include "contract/host_constants.h"
#include "shell/service_slots.h"

namespace talvenor {

std::int32_t LoadReminderSettings(ReminderSettings* record) {
  HostFile file = HostFileOpen(kSettingsFileName, kReadMode, kShareDenyNone, 0, -1);
  if (file == nullptr) {
    std::memset(record, 0, kSettingsFileSize);
    return -1;
  }
  // 0xFF where the read delivers nothing, so a short file's missing bytes
  // complement to zero, as for a missing file.
  unsigned char work[kSettingsFileSize];
  std::memset(work, 0xFF, sizeof work);
  HostFileRead(work, static_cast<std::int32_t>(kSettingsFileSize), 1, file);
  ComplementSettingsBytes(work);
  std::memcpy(record, work, kSettingsFileSize);
  HostFileClose(file);
  return 0;
}

std::int32_t SaveReminderSettings(const ReminderSettings* record) {
  HostFile file = HostFileOpen(kSettingsFileName, kWriteMode, kShareDenyNone, 0, -1);
  if (file == nullptr) return -1;
  unsigned char work[kSettingsFileSize];
  std::memcpy(work, record, kSettingsFileSize);
  ComplementSettingsBytes(work);
  // Fewer than the one item is a full disk or a lost share: the file is
  // already emptied, so the caller must hear of it.
  const std::int32_t written = HostFileWrite(work, static_cast<std::int32_t>(kSettingsFileSize), 1, file);
  HostFileClose(file);
  return written == 1 ? 0 : -1;
}

}  // namespace talvenor

#include "reminder_settings.h"

#include <cstring>

#include "contract/host_constants.h"
#include "shell/service_slots.h"

namespace talvenor {

namespace {

using SettingsBytes = unsigned char[kSettingsFileSize];

// Moves the record's bytes to or from infprz.dat as its one item,
// complemented on the way: opened in `mode` ("rb" or "wb"), read or
// written, closed. `bytes` come back as they went in, except what a read
// delivered. Returns false when the open failed: nothing was read or
// written. What read, write and close return is not used: the host does
// not promise it, and a buffered write that fails only fails at the close.
bool TransferSettingsFile(const char* mode, SettingsBytes& bytes) {
  ComplementSettingsBytes(bytes);
  const HostFile file = HostFileOpen(kSettingsFileName, mode, kShareDenyNone, 0, -1);
  if (file != nullptr) {
    if (mode[0] == 'w')
      HostFileWrite(bytes, static_cast<std::int32_t>(kSettingsFileSize), 1, file);
    else
      HostFileRead(bytes, static_cast<std::int32_t>(kSettingsFileSize), 1, file);
    HostFileClose(file);
  }
  ComplementSettingsBytes(bytes);
  return file != nullptr;
}

}  // namespace

std::int32_t LoadReminderSettings(ReminderSettings* record) {
  // Zero where nothing is read: all of a file that cannot be opened, and
  // what a short one lacks.
  SettingsBytes work;
  std::memset(work, 0, sizeof work);
  const bool opened = TransferSettingsFile(kReadMode, work);
  std::memcpy(record, work, kSettingsFileSize);
  return opened ? 0 : -1;
}

SaveResult SaveReminderSettings(const ReminderSettings* record) {
  const auto* plain = reinterpret_cast<const unsigned char*>(record);
  SettingsBytes work;
  std::memcpy(work, plain, sizeof work);
  if (!TransferSettingsFile(kWriteMode, work)) return kSaveNotOpened;
  // Read back at once, over the record's complement: a byte the read does
  // not deliver then never matches.
  ComplementSettingsBytes(work);
  TransferSettingsFile(kReadMode, work);
  for (std::size_t i = 0; i < sizeof work; ++i)
    if (work[i] != plain[i]) return kSaveLost;
  return kSaved;
}

}  // namespace talvenor

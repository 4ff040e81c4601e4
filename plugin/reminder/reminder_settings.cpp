#include "reminder_settings.h"

#include <cstring>

#include "contract/abi/host_constants.h"
#include "shell/service_slots.h"

namespace talvenor {

namespace {

using SettingsBytes = unsigned char[kSettingsFileSize];

// Moves the file's bytes to or from infprz.dat as its one item: opened in
// `mode` ("rb" or "wb"), read or written, closed. `bytes` keep what a read
// did not deliver. Returns false when the open failed: nothing was read or
// written. What read, write and close return is not used: the host does
// not promise it, and a buffered write that fails only fails at the close.
bool TransferSettingsFile(const char* mode, SettingsBytes& bytes) {
  const HostFile file = HostFileOpen(kSettingsFileName, mode, kShareDenyNone, 0, -1);
  if (file != nullptr) {
    if (mode[0] == 'w')
      HostFileWrite(bytes, static_cast<std::int32_t>(kSettingsFileSize), 1, file);
    else
      HostFileRead(bytes, static_cast<std::int32_t>(kSettingsFileSize), 1, file);
    HostFileClose(file);
  }
  return file != nullptr;
}

}  // namespace

std::int32_t LoadReminderSettings(ReminderSettings* record) {
  // Zero where nothing is read (0xFF decodes as zero): all of a file that
  // cannot be opened, and what a short one lacks.
  SettingsBytes file;
  std::memset(file, 0xFF, sizeof file);
  const bool opened = TransferSettingsFile(kReadMode, file);
  DecodeSettingsBytes(file, sizeof file, record);
  return opened ? 0 : -1;
}

SaveResult SaveReminderSettings(const ReminderSettings* record) {
  SettingsBytes written;
  EncodeSettingsBytes(*record, written);
  if (!TransferSettingsFile(kWriteMode, written)) return kSaveNotOpened;
  // Read back at once, over the record's plain bytes: each differs from
  // its encoding, so a byte the read does not deliver never matches.
  SettingsBytes readBack;
  std::memcpy(readBack, record, sizeof readBack);
  TransferSettingsFile(kReadMode, readBack);
  for (std::size_t i = 0; i < sizeof readBack; ++i)
    if (readBack[i] != written[i]) return kSaveLost;
  return kSaved;
}

}  // namespace talvenor

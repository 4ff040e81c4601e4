#include "settings_damage.h"

#include <cstring>

#include "messages.h"
#include "text_fields.h"

namespace infprz {

std::vector<std::string> FindDamage(std::uintmax_t fileSize, const ReminderSettings& record) {
  std::vector<std::string> damage;
  if (fileSize > kSettingsFileSize)
    damage.push_back(Say(Msg::kFileTooLong, {Count(Msg::kCountBytes, fileSize)}));
  else if (fileSize < kSettingsFileSize)
    damage.push_back(Say(Msg::kFileTooShort,
                         {Count(Msg::kCountBytes, fileSize), Count(Msg::kCountBytes, kSettingsFileSize - fileSize)}));
  ReminderSettings copy = record;
  for (const TextField& field : TextFields(copy)) {
    const void* nul = std::memchr(field.bytes, '\0', field.width);
    if (nul == nullptr) {
      damage.push_back(Say(Msg::kNoTerminatingNul, {field.name, Count(Msg::kCountBytes, field.width - 1)}));
      continue;
    }
    const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(nul) - field.bytes);
    std::size_t leftovers = 0;
    for (std::size_t i = end + 1; i < field.width; ++i) leftovers += field.bytes[i] != '\0';
    if (leftovers != 0)
      damage.push_back(Say(Msg::kBytesAfterEnd, {field.name, Count(Msg::kCountNonzeroBytes, leftovers)}));
  }
  return damage;
}

void RepairSettings(ReminderSettings& record) {
  for (const TextField& field : TextFields(record)) {
    const std::string kept(StoredText(field.bytes, field.width));
    StoreText(field.bytes, field.width, kept);
  }
}

}  // namespace infprz

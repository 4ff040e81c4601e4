#include "settings_damage.h"

#include <cstring>

#include "text_fields.h"

namespace infprz {

std::vector<std::string> FindDamage(std::uintmax_t fileSize, const ReminderSettings& record) {
  std::vector<std::string> damage;
  if (fileSize > kSettingsFileSize)
    damage.push_back("the file is " + std::to_string(fileSize) + " bytes, not 591: only the first 591 count");
  else if (fileSize < kSettingsFileSize)
    damage.push_back("the file is " + std::to_string(fileSize) + " bytes, not 591: the missing " +
                     std::to_string(kSettingsFileSize - fileSize) + " read as zeros");
  ReminderSettings copy = record;
  for (const TextField& field : TextFields(copy)) {
    const void* nul = std::memchr(field.bytes, '\0', field.width);
    if (nul == nullptr) {
      damage.push_back(field.name + " has no terminating NUL: only its first " + std::to_string(field.width - 1) +
                       " bytes count");
      continue;
    }
    const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(nul) - field.bytes);
    std::size_t leftovers = 0;
    for (std::size_t i = end + 1; i < field.width; ++i) leftovers += field.bytes[i] != '\0';
    if (leftovers != 0)
      damage.push_back(field.name + " has " + std::to_string(leftovers) + " nonzero byte" + (leftovers == 1 ? "" : "s") +
                       " after its end");
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

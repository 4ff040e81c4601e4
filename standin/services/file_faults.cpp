#include "file_faults.h"

#include <algorithm>

namespace standin {

namespace {

// Returns the items the write stored, or all of them when the loss shows
// only at the close.
std::int32_t StoredItems(FileFaults& faults, const void* buffer, std::int32_t size, std::int32_t count, std::FILE* file) {
  if (faults.writeRoom < 0) return static_cast<std::int32_t>(std::fwrite(buffer, size, count, file));
  const auto wanted = static_cast<std::int64_t>(size) * count;
  const auto fits = static_cast<std::size_t>(wanted < faults.writeRoom ? wanted : faults.writeRoom);
  const std::size_t stored = std::fwrite(buffer, 1, fits, file);
  faults.writeRoom -= static_cast<std::int64_t>(stored);
  if (!faults.fullAtClose) return static_cast<std::int32_t>(stored / static_cast<std::size_t>(size));
  // Buffered: the write reports it all, the close will find the disk full.
  if (static_cast<std::int64_t>(stored) < wanted) faults.closesThatFail.push_back(file);
  return count;
}

}  // namespace

std::int32_t WriteWithinRoom(FileFaults& faults, const void* buffer, std::int32_t size, std::int32_t count, std::FILE* file) {
  const std::int32_t items = StoredItems(faults, buffer, size, count, file);
  return faults.writeResult.value_or(items);
}

std::int32_t CloseFindingLoss(FileFaults& faults, std::FILE* file) {
  const int closed = std::fclose(file);
  auto& failing = faults.closesThatFail;
  const auto lost = std::find(failing.begin(), failing.end(), file);
  if (lost == failing.end()) return closed;
  failing.erase(lost);
  return EOF;
}

}  // namespace standin

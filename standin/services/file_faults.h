#pragma once
// Faults the stand-in's file services can be told to show, as a real disk
// and C runtime would: a disk that fills up, at the write or only at the
// close, and a write that answers something else than the items it stored.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

namespace standin {

struct FileFaults {
  // Bytes the disk may still take before it is full; negative: no limit.
  // What does not fit is lost. By default HostFileWrite stores what fits
  // and counts only whole items. With `fullAtClose` it takes everything
  // into the file's buffer and counts every item, as a C runtime does with
  // a small write; the loss shows when HostFileClose flushes, which then
  // fails (EOF).
  std::int64_t writeRoom = -1;
  bool fullAtClose = false;
  std::vector<const void*> closesThatFail;  // files whose buffered bytes did not all fit
  // What HostFileWrite answers instead of the items it stored: the host's
  // contract names no result, so a host may answer anything.
  std::optional<std::int32_t> writeResult;
};

// Writes what the disk has room for; returns what HostFileWrite answers:
// the whole items stored, all of them when the loss shows only at the
// close, or the answer `writeResult` sets.
std::int32_t WriteWithinRoom(FileFaults& faults, const void* buffer, std::int32_t size, std::int32_t count, std::FILE* file);
// Closes the file; returns what HostFileClose answers: fclose's result, or
// EOF when the file's buffered bytes did not all fit.
std::int32_t CloseFindingLoss(FileFaults& faults, std::FILE* file);

}  // namespace standin

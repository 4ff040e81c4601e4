#pragma once
// Replacing the settings file so that no reader ever finds it half
// written, and without changing who may read or write it.
#include <filesystem>
#include <string_view>

#include "file_read.h"

namespace infprz {

// Writes `bytes` to a new file beside `path`, with the old file's owner
// and permissions given before it holds a byte, flushes it to the disk and
// only then puts it in the place of `path`. Where the new file cannot be
// given exactly those (this process may not give that owner, the system
// cannot carry them, as under Wine) or cannot be made in the folder, the
// file is written over in place, which keeps them by nature; where that
// is not possible either the change is refused. A file this user may not
// write is refused before anything is written. On a failure before the
// replacement the old file stays as it was. Throws FileError.
void ReplaceWholeFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace infprz

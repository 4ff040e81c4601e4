#pragma once
// A working directory where nothing can be created or written, as on a
// read-only share, made with the Linux tools under Wine. Neither Wine's
// read-only attribute nor, for root, the Unix permission bits keep a
// program from writing: the immutable flag (chattr +i, root) does, the
// permission bits do for anyone else. Both are set on the directory and
// everything in it; the destructor takes them off again.
#include <filesystem>

namespace matrix {

class ReadOnlyDirectory {
 public:
  // `directory` must lie under Z:\tmp (the Unix /tmp).
  explicit ReadOnlyDirectory(const std::filesystem::path& directory);
  ~ReadOnlyDirectory();
  ReadOnlyDirectory(const ReadOnlyDirectory&) = delete;
  ReadOnlyDirectory& operator=(const ReadOnlyDirectory&) = delete;

  // Whether a file can really no longer be created or written there.
  bool Holds() const { return holds_; }

 private:
  std::filesystem::path directory_;
  bool holds_ = false;
};

// Z:\tmp, where a read-only directory may be made.
std::filesystem::path UnixTemporaryFolder();

}  // namespace matrix

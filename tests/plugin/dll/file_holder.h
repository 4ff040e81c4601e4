#pragma once
// Another process of this program that holds files open, as another
// program would: the matrix program started again with --matrix-hold.
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace matrix {

inline constexpr char kHoldFlag[] = "--matrix-hold";

// How another program keeps a file open.
enum class Sharing {
  None,      // read and write access, no sharing: nobody else opens it
  ReadOnly,  // read access, others may only read: nobody else writes it
};

// Another process of this program that holds `files` of `directory` open
// until it goes out of scope.
class FileHolder {
 public:
  FileHolder(const std::filesystem::path& directory, const std::vector<std::string>& files, Sharing sharing);
  ~FileHolder();
  FileHolder(const FileHolder&) = delete;
  FileHolder& operator=(const FileHolder&) = delete;

  // Whether every file was opened as asked.
  bool Holding() const { return holding_; }

 private:
  PROCESS_INFORMATION process_{};
  HANDLE ready_ = nullptr;
  HANDLE release_ = nullptr;
  bool holding_ = false;
};

// The holder's role: --matrix-hold <none|read> <ready event> <release event> <file>...
int HoldFiles(int argc, char** argv);

}  // namespace matrix

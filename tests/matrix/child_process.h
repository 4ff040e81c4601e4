#pragma once
// The parent side: child processes of this program, each in a working
// directory of its own (see matrix_roles.h).
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace matrix {

struct ChildRun {
  bool passed = false;  // ended in time, exit code 0, its one test passed
  std::string output;   // what it printed, for the failure message
};

// Runs the child test `test` (Suite.Name) with `arguments` in `directory`.
ChildRun RunChildTest(const std::string& test, const std::vector<std::string>& arguments,
                      const std::filesystem::path& directory);

// A fresh, empty directory under `base` (default: the temporary folder).
std::filesystem::path NewScratchDirectory(const std::string& name, const std::filesystem::path& base = {});

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

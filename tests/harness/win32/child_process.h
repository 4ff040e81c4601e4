#pragma once
// Child processes of the Windows tests: started, waited for, and what they
// printed read back. The real plug-in's module-wide state and the stand-in's
// hook chain outlive a FreeLibrary, so only a fresh process is a fresh host.
// Running a program's own tests in a child is support/win32/child_tests.h.
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

struct ChildRun {
  bool ended = false;          // within the time allowed; else it was ended
  unsigned long exitCode = 0;
  std::string output;          // what it printed, with why it failed
  bool passed = false;         // ended, exit code 0, and exactly one test passed
};

// An argument in quotes.
std::string Quoted(const std::string& argument);

// Runs `commandLine` in `directory` (empty: this one), waiting at most
// `timeoutMs`; its output and error output are collected in a log file.
ChildRun RunChild(std::string commandLine, const std::filesystem::path& directory, unsigned long timeoutMs);

// A fresh, empty directory under `base` (default: the temporary folder).
std::filesystem::path NewScratchDirectory(const std::string& name, const std::filesystem::path& base = {});

}  // namespace testing_support

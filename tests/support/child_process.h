#pragma once
// Child processes of the Windows tests. The real plug-in's module-wide state
// and the stand-in's hook chain outlive a FreeLibrary, so only a fresh
// process is a fresh host: a test program starts itself again to run one
// child test (its suites end in a name of their own, e.g. Child), or starts
// another program and reads what it printed.
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

enum class ErrorOutput { Collected, Parents };

// This program's file, and an argument in quotes.
std::string ProgramPath();
std::string Quoted(const std::string& argument);

// Runs `commandLine` in `directory` (empty: this one), waiting at most
// `timeoutMs`; its output, and its error output unless that stays the
// parent's, is collected in a log file.
ChildRun RunChild(std::string commandLine, const std::filesystem::path& directory, unsigned long timeoutMs,
                  ErrorOutput errors = ErrorOutput::Collected);
// Starts `commandLine` in `directory`, its output the parent's; the caller
// waits for it and closes its handles.
bool StartChild(std::string commandLine, const std::filesystem::path& directory, PROCESS_INFORMATION* process);

// Runs the child tests matching `filter` of this program in `directory`,
// with `childFlag` and `arguments` (each in quotes).
ChildRun RunChildTest(const std::string& filter, const char* childFlag, const std::vector<std::string>& arguments,
                      const std::filesystem::path& directory);

// The gtest main of a program with child tests: the suites ending in
// `childSuites` run only when `childFlag` is on the command line.
int RunTestsWithChildren(int argc, char** argv, const char* childFlag, const char* childSuites);
// The value of --<name>=<value> on a child's command line; empty if none.
std::string ChildArgument(const std::string& name);

// A fresh, empty directory under `base` (default: the temporary folder).
std::filesystem::path NewScratchDirectory(const std::string& name, const std::filesystem::path& base = {});

}  // namespace testing_support

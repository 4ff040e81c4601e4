#pragma once
// The running test program's file, and its folder, where the Windows build
// puts the DLLs and the programs a test starts.
#include <windows.h>

#include <string>

namespace testing_support {

inline std::string ProgramPath() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

// With its trailing backslash.
inline std::string ProgramDirectory() {
  const std::string program = ProgramPath();
  return program.substr(0, program.find_last_of('\\') + 1);
}

}  // namespace testing_support

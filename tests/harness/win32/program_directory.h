#pragma once
// The folder of the running test program, where the Windows build puts the
// DLLs and the programs a test starts.
#include <windows.h>

#include <string>

namespace testing_support {

// With its trailing backslash.
inline std::string ProgramDirectory() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string program = path;
  return program.substr(0, program.find_last_of('\\') + 1);
}

}  // namespace testing_support

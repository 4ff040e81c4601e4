#include "harness/win32/child_process.h"

#include <cstdio>
#include <cstring>

#include "harness/settings_file_bytes.h"

namespace testing_support {

namespace {

int g_made = 0;  // scratch directories and logs made by this process

std::filesystem::path NewName(const std::filesystem::path& parent, const std::string& name) {
  return parent / ("talvenor-" + name + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++g_made));
}

bool Start(std::string& commandLine, const std::filesystem::path& directory, STARTUPINFOA& startup,
           PROCESS_INFORMATION* process) {
  const std::string folder = directory.string();
  // Wine on a loaded machine has now and then refused a start with
  // ERROR_INTERNAL_ERROR (1359) that a second try a moment later passes;
  // a child that truly cannot start fails every try.
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, process) != 0)
      return true;
    if (GetLastError() != ERROR_INTERNAL_ERROR) return false;
    Sleep(200);
  }
  return false;
}

}  // namespace

std::string Quoted(const std::string& argument) {
  return '"' + argument + '"';
}

ChildRun RunChild(std::string commandLine, const std::filesystem::path& directory, unsigned long timeoutMs) {
  ChildRun run;
  const std::filesystem::path log = NewName(std::filesystem::temp_directory_path(), "child").string() + ".log";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE output = CreateFileA(log.string().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) {
    run.output = "cannot create " + log.string();
    return run;
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  const bool started = Start(commandLine, directory, startup, &process);
  CloseHandle(output);
  if (!started) {
    run.output = "cannot start " + commandLine + ", error " + std::to_string(GetLastError());
    return run;
  }
  run.ended = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
  if (!run.ended) {
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, INFINITE);
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  run.exitCode = exitCode;
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);

  run.output = ReadFileBytes(log);
  std::error_code ignored;
  std::filesystem::remove(log, ignored);
  const bool passedOne = run.output.find("[  PASSED  ] 1 test.") != std::string::npos;
  if (!run.ended) {
    run.output += "\n(did not end within " + std::to_string(timeoutMs / 1000) + " s)";
  } else if (exitCode != 0) {
    char code[32];
    std::snprintf(code, sizeof code, "\n(exit code 0x%lX)", exitCode);
    run.output += code;
  }
  run.passed = run.ended && exitCode == 0 && passedOne;
  return run;
}

std::filesystem::path NewScratchDirectory(const std::string& name, const std::filesystem::path& base) {
  const std::filesystem::path scratch = NewName(base.empty() ? std::filesystem::temp_directory_path() : base, name);
  std::filesystem::remove_all(scratch);
  std::filesystem::create_directories(scratch);
  return scratch;
}

}  // namespace testing_support

#include "child_process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "matrix_roles.h"

namespace matrix {

namespace {

constexpr DWORD kChildTimeoutMs = 120000;

std::string ProgramPath() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::string Quoted(const std::string& argument) {
  std::string quoted = "\"";
  return quoted.append(argument).append("\"");
}

// Starts this program with `arguments` in `directory`, its output into
// `log` (or inherited when null).
bool StartSelf(const std::string& arguments, const std::filesystem::path& directory, HANDLE log,
               PROCESS_INFORMATION* process) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (log != nullptr) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = log;
    startup.hStdError = log;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  }
  std::string command = Quoted(ProgramPath()) + " " + arguments;
  return CreateProcessA(nullptr, command.data(), nullptr, nullptr, log != nullptr, 0, nullptr,
                        directory.string().c_str(), &startup, process) != 0;
}

}  // namespace

ChildRun RunChildTest(const std::string& test, const std::vector<std::string>& arguments,
                      const std::filesystem::path& directory) {
  ChildRun run;
  const std::filesystem::path log = directory.string() + ".log";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE output = CreateFileA(log.string().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) {
    run.output = "cannot create " + log.string();
    return run;
  }
  std::string command = "--gtest_filter=" + test + " " + kChildFlag;
  for (const std::string& argument : arguments) command.append(" ").append(Quoted(argument));
  PROCESS_INFORMATION process{};
  const bool started = StartSelf(command, directory, output, &process);
  CloseHandle(output);
  if (!started) {
    run.output = "cannot start the child, error " + std::to_string(GetLastError());
    return run;
  }
  bool ended = WaitForSingleObject(process.hProcess, kChildTimeoutMs) == WAIT_OBJECT_0;
  if (!ended) {
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, INFINITE);
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);

  std::ifstream in(log, std::ios::binary);
  run.output.assign(std::istreambuf_iterator<char>(in), {});
  in.close();
  std::error_code ignored;
  std::filesystem::remove(log, ignored);
  if (!ended) {
    run.output += "\n(did not end within " + std::to_string(kChildTimeoutMs / 1000) + " s)";
  } else if (exitCode != 0) {
    char code[32];
    std::snprintf(code, sizeof code, "\n(exit code 0x%lX)", exitCode);
    run.output += code;
  }
  run.passed = ended && exitCode == 0 && run.output.find("[  PASSED  ] 1 test.") != std::string::npos;
  return run;
}

std::filesystem::path NewScratchDirectory(const std::string& name, const std::filesystem::path& base) {
  static int made = 0;
  const std::filesystem::path parent = base.empty() ? std::filesystem::temp_directory_path() : base;
  const std::filesystem::path scratch =
      parent / ("talvenor-" + name + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made));
  std::filesystem::remove_all(scratch);
  std::filesystem::create_directories(scratch);
  return scratch;
}

FileHolder::FileHolder(const std::filesystem::path& directory, const std::vector<std::string>& files, Sharing sharing) {
  const std::string id = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
  const std::string readyName = "talvenor-matrix-ready-" + id;
  const std::string releaseName = "talvenor-matrix-release-" + id;
  ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
  release_ = CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str());
  std::string arguments =
      std::string(kHoldFlag) + (sharing == Sharing::None ? " none " : " read ") + readyName + " " + releaseName;
  for (const std::string& file : files) arguments.append(" ").append(Quoted(file));
  if (!StartSelf(arguments, directory, nullptr, &process_)) return;
  // Ready, or gone because a file could not be opened.
  const HANDLE either[] = {ready_, process_.hProcess};
  holding_ = WaitForMultipleObjects(2, either, FALSE, 30000) == WAIT_OBJECT_0;
}

FileHolder::~FileHolder() {
  SetEvent(release_);
  if (process_.hProcess != nullptr) {
    WaitForSingleObject(process_.hProcess, 30000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
  CloseHandle(ready_);
  CloseHandle(release_);
}

int HoldFiles(int argc, char** argv) {
  if (argc < 4) return 2;
  const bool readOnly = std::string(argv[0]) == "read";
  std::vector<HANDLE> held;
  for (int i = 3; i < argc; ++i) {
    HANDLE file = CreateFileA(argv[i], readOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE,
                              readOnly ? FILE_SHARE_READ : 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    held.push_back(file);
  }
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
  HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
  if (ready == nullptr || release == nullptr) return 4;
  SetEvent(ready);
  WaitForSingleObject(release, 120000);
  for (HANDLE file : held) CloseHandle(file);
  return 0;
}

}  // namespace matrix

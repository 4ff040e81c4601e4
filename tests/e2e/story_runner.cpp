#include "story_runner.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace e2e {

namespace {

constexpr DWORD kStoryTimeoutMs = 120000;

std::string ProgramPath() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::filesystem::path NewScratchDirectory() {
  static int made = 0;
  const std::filesystem::path scratch = std::filesystem::temp_directory_path() /
                                        ("talvenor-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                                         std::to_string(++made));
  std::filesystem::remove_all(scratch);
  std::filesystem::create_directories(scratch);
  return scratch;
}

// Returns false (with the failure added) when the story did not pass.
bool RunStory(const std::string& story, const std::filesystem::path& directory, const std::filesystem::path& log) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE output = CreateFileA(log.string().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot create " << log;
    return false;
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::string command = "\"";
  command.append(ProgramPath()).append("\" --gtest_filter=*Story.").append(story).append(" ").append(kStoryFlag);
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      directory.string().c_str(), &startup, &process);
  CloseHandle(output);
  if (!started) {
    ADD_FAILURE() << "cannot start " << command << ", error " << GetLastError();
    return false;
  }
  bool passed = true;
  if (WaitForSingleObject(process.hProcess, kStoryTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, INFINITE);
    ADD_FAILURE() << "story " << story << " did not end within " << kStoryTimeoutMs / 1000 << " s";
    passed = false;
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);

  std::ifstream in(log, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  if (passed && exitCode != 0) {
    ADD_FAILURE() << "story " << story << " failed (exit code " << exitCode << "):\n" << text;
    passed = false;
  } else if (passed && text.find("[  PASSED  ] 1 test.") == std::string::npos) {
    ADD_FAILURE() << "story " << story << " ran no test:\n" << text;
    passed = false;
  }
  return passed;
}

}  // namespace

void RunStories(std::initializer_list<std::string> stories) {
  const std::filesystem::path scratch = NewScratchDirectory();
  const std::filesystem::path log = scratch.string() + ".log";
  bool passed = true;
  for (const std::string& story : stories) {
    passed = RunStory(story, scratch, log);
    if (!passed) break;  // later stories build on this one
  }
  if (passed) {
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    std::filesystem::remove(log, ignored);
  } else {
    std::cerr << "scratch directory kept: " << scratch << "\n";
  }
}

}  // namespace e2e

#include "file_holder.h"

#include "harness/win32/child_process.h"

namespace matrix {

using testing_support::Quoted;

FileHolder::FileHolder(const std::filesystem::path& directory, const std::vector<std::string>& files, Sharing sharing) {
  const std::string id = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
  const std::string readyName = "talvenor-matrix-ready-" + id;
  const std::string releaseName = "talvenor-matrix-release-" + id;
  ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
  release_ = CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str());
  std::string arguments =
      std::string(kHoldFlag) + (sharing == Sharing::None ? " none " : " read ") + readyName + " " + releaseName;
  for (const std::string& file : files) arguments.append(" ").append(Quoted(file));
  if (!testing_support::StartChild(Quoted(testing_support::ProgramPath()) + " " + arguments, directory, &process_))
    return;
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

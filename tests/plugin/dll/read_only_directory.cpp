#include "read_only_directory.h"

#include <windows.h>

#include <string>

namespace matrix {

namespace {

std::string UnixPath(const std::filesystem::path& windowsPath) {
  std::string path = windowsPath.string();
  if (path.size() >= 2 && (path[0] == 'Z' || path[0] == 'z') && path[1] == ':') path.erase(0, 2);
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

// Runs a shell script on the Linux side and waits for it. Wine starts an
// ELF file named in a command line as it is, but detached: no process
// handle comes back, so the script says it has finished by creating a file.
bool RunUnixScript(const std::string& script, const std::filesystem::path& doneFile) {
  std::error_code error;
  std::filesystem::remove(doneFile, error);
  std::string command = "Z:\\bin\\sh -c \"" + script + "; touch " + UnixPath(doneFile) + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  for (int waited = 0; waited < 200 && !std::filesystem::exists(doneFile); ++waited) Sleep(50);
  return std::filesystem::remove(doneFile, error);
}

bool CanWriteIn(const std::filesystem::path& directory) {
  const std::string probe = (directory / "probe.tmp").string();
  HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  DeleteFileA(probe.c_str());
  return true;
}

bool CanOverwriteAny(const std::filesystem::path& directory) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
    if (!entry.is_regular_file()) continue;
    HANDLE file = CreateFileA(entry.path().string().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      return true;
    }
  }
  return false;
}

}  // namespace

ReadOnlyDirectory::ReadOnlyDirectory(const std::filesystem::path& directory) : directory_(directory) {
  const std::string path = UnixPath(directory);
  const std::filesystem::path done = directory.string() + ".done";
  // Either may fail: chattr without root, chmod stopping nobody as root.
  RunUnixScript("chmod -R a-w " + path + "; chattr -R +i " + path + " 2>/dev/null", done);
  holds_ = !CanWriteIn(directory) && !CanOverwriteAny(directory);
}

ReadOnlyDirectory::~ReadOnlyDirectory() {
  const std::string path = UnixPath(directory_);
  RunUnixScript("chattr -R -i " + path + " 2>/dev/null; chmod -R u+w " + path, directory_.string() + ".done");
}

std::filesystem::path UnixTemporaryFolder() { return "Z:\\tmp"; }

}  // namespace matrix

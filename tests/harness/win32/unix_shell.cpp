#include "harness/win32/unix_shell.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace testing_support {

namespace fs = std::filesystem;

std::string UnixFileName(const fs::path& path) {
  // Wine's own export; the name it returns is on the process heap.
  using ToUnix = char*(__cdecl*)(const wchar_t*);
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name");
  if (found == nullptr) return {};
  const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(found));
  char* name = toUnix(fs::absolute(path).c_str());
  if (name == nullptr) return {};
  std::string unixName = name;
  HeapFree(GetProcessHeap(), 0, name);
  return unixName;
}

std::optional<std::string> RunUnixShell(const std::string& command) {
  static unsigned count = 0;
  const fs::path answer = fs::temp_directory_path() / ("unix-shell-" + std::to_string(GetCurrentProcessId()) + "-" +
                                                       std::to_string(++count) + ".txt");
  const std::string answerName = UnixFileName(answer);
  if (answerName.empty()) return std::nullopt;
  const std::string line = "/bin/sh -c \"(" + command + ") > '" + answerName + ".part' 2>&1; mv '" + answerName +
                           ".part' '" + answerName + "'\"";
  std::wstring wide(line.begin(), line.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return std::nullopt;
  if (process.hProcess != nullptr) CloseHandle(process.hProcess);
  if (process.hThread != nullptr) CloseHandle(process.hThread);
  for (DWORD start = GetTickCount(); !fs::exists(answer); Sleep(5))
    if (GetTickCount() - start > 10000) return std::nullopt;
  std::ifstream in(answer, std::ios::binary);
  std::string output{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  in.close();
  std::error_code ignored;
  fs::remove(answer, ignored);
  return output;
}

}  // namespace testing_support

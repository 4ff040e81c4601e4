#if defined(_WIN32)
#include "windows_error_text.h"

#include <windows.h>

#include <cctype>

#include "messages.h"

namespace infprz {

namespace {

// The system's text for `code` in the user's language where Windows has
// it, without its closing full stop and line end; empty when it has none.
std::string SystemText(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring wide(text != nullptr ? text : L"", length);
  LocalFree(text);
  while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' ' || wide.back() == L'.'))
    wide.pop_back();
  if (wide.empty()) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size, nullptr, nullptr);
  // Messages go on after it: "...: Nieprawidłowa funkcja; plik pozostał bez zmian".
  if (!utf8.empty() && static_cast<unsigned char>(utf8[0]) < 0x80) utf8[0] = static_cast<char>(std::tolower(utf8[0]));
  return utf8;
}

}  // namespace

std::string WindowsErrorText(unsigned long code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND: return Say(Msg::kNoSuchFile);
    case ERROR_PATH_NOT_FOUND: return Say(Msg::kNoSuchFolder);
    case ERROR_ACCESS_DENIED: return Say(Msg::kNoPermission);
    case ERROR_WRITE_PROTECT: return Say(Msg::kReadOnlyDisk);
    case ERROR_NOT_READY: return Say(Msg::kDriveNotReady);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return Say(Msg::kLocked);
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL: return Say(Msg::kDiskFull);
    case ERROR_BAD_NETPATH:
    case ERROR_NETNAME_DELETED:
    case ERROR_BAD_NET_NAME: return Say(Msg::kNetworkGone);
    case ERROR_INVALID_NAME: return Say(Msg::kInvalidName);
    case ERROR_FILENAME_EXCED_RANGE: return Say(Msg::kNameTooLong);
    default: break;
  }
  const std::string text = SystemText(code);
  return text.empty() ? Say(Msg::kUndescribedError, {std::to_string(code)}) : text;
}

}  // namespace infprz
#endif

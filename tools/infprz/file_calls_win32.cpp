// The file calls on Windows, and under Wine, which a Windows build must
// tell apart where the two keep different things of a replaced file.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
// after windows.h
#include <aclapi.h>

#include <memory>

#include "file_calls.h"
#include "windows_error_text.h"

namespace infprz {

namespace fs = std::filesystem;

namespace {

// Wine's ntdll exports wine_get_version; Windows' never has.
bool UnderWine() {
  static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

struct LocalFreer {
  void operator()(void* memory) const { LocalFree(memory); }
};

// The owner of a file and the descriptor that holds it; no owner when
// the file's security cannot be read.
struct Owner {
  PSID sid = nullptr;
  std::unique_ptr<void, LocalFreer> descriptor;
};
Owner OwnerOf(const fs::path& path) {
  Owner owner;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner.sid, nullptr, nullptr,
                            nullptr, &descriptor) != ERROR_SUCCESS)
    return {};
  owner.descriptor.reset(descriptor);
  return owner;
}

}  // namespace

fs::path SystemPath(const fs::path& path) {
  // Under Wine, ReplaceFileW answers ERROR_DIRECTORY for a name without a
  // folder or with '/' in it; every call gets the same full name instead.
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return fs::path(full);
}

int OpenFile(const fs::path& path, Access access) {
  // The C library's descriptors, so that errno and _doserrno say why.
  int flags = _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY;  // both new kinds: a Windows file has no mode
  if (access == Access::kRead) flags = _O_RDONLY | _O_BINARY;
  if (access == Access::kWrite) flags = _O_WRONLY | _O_BINARY;
  return _wopen(path.c_str(), flags, _S_IREAD | _S_IWRITE);
}

long ReadSome(int fd, char* buffer, std::size_t size) { return _read(fd, buffer, static_cast<unsigned>(size)); }
long WriteSome(int fd, const char* buffer, std::size_t size) { return _write(fd, buffer, static_cast<unsigned>(size)); }
int CutFile(int fd, std::size_t size) { return _chsize(fd, static_cast<long>(size)); }
int FlushFile(int fd) { return _commit(fd); }
int CloseFile(int fd) { return _close(fd); }

void ClearErrors() {
  errno = 0;
  _doserrno = 0;
}

std::string Why(int error) { return _doserrno != 0 ? WindowsErrorText(_doserrno) : ErrnoText(error); }

bool GiveOwnerAndPermissions(const fs::path& from, const fs::path& to) {
  // ReplaceFileW gives the new file the replaced one's DACL and attributes
  // but keeps the new file's owner, this user: another owner is given
  // here, where Windows lets this user give it (else false: in place).
  const Owner old = OwnerOf(from);
  const Owner made = OwnerOf(to);
  if (old.sid == nullptr || made.sid == nullptr) return false;
  if (!EqualSid(old.sid, made.sid)) {
    if (SetNamedSecurityInfoW(const_cast<wchar_t*>(to.c_str()), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, old.sid,
                              nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      return false;
    const Owner given = OwnerOf(to);
    if (given.sid == nullptr || !EqualSid(old.sid, given.sid)) return false;
  }
  // Wine keeps a file's Unix mode and owner, not a descriptor: its
  // ReplaceFileW keeps the new file's mode, a descriptor set on a file
  // becomes a wider mode (owner rw- reads back as rwxrwx---, the group
  // bits never show), and a new owner is accepted but not given to the
  // Unix file. Only writing in place keeps all of them.
  return !UnderWine();
}

Placing PutInPlace(const fs::path& from, const fs::path& to, bool replacing) {
  if (!replacing) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return Placed();
    return {.done = false, .untouched = false, .error = WindowsErrorText(GetLastError())};
  }
  // Without REPLACEFILE_IGNORE_MERGE_ERRORS, with which it succeeds and
  // leaves the new file its own DACL where this user may not set one
  // (WRITE_DAC, which a network share's Change right lacks). Its access
  // denied leaves both files as they were; other failures may not.
  if (ReplaceFileW(to.c_str(), from.c_str(), nullptr, 0, nullptr, nullptr)) return Placed();
  const DWORD error = GetLastError();
  return {.done = false, .untouched = error == ERROR_ACCESS_DENIED, .error = WindowsErrorText(error)};
}

}  // namespace infprz

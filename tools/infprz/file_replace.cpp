#include "file_replace.h"

#include <cerrno>
#include <cstring>
#include <random>

#include "messages.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include "windows_error_text.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace infprz {

namespace fs = std::filesystem;

namespace {

#if defined(_WIN32)
constexpr int kRead = _O_RDONLY | _O_BINARY;
constexpr int kWrite = _O_WRONLY | _O_BINARY;
constexpr int kCreateNew = _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY;
constexpr int kTruncate = _O_WRONLY | _O_TRUNC | _O_BINARY;
int OpenFile(const fs::path& path, int flags) { return _wopen(path.c_str(), flags, _S_IREAD | _S_IWRITE); }
long ReadSome(int fd, char* buffer, std::size_t size) { return _read(fd, buffer, static_cast<unsigned>(size)); }
long WriteSome(int fd, const char* buffer, std::size_t size) { return _write(fd, buffer, static_cast<unsigned>(size)); }
int FlushFile(int fd) { return _commit(fd); }
int CloseFile(int fd) { return _close(fd); }
#else
constexpr int kRead = O_RDONLY | O_CLOEXEC;
constexpr int kWrite = O_WRONLY | O_CLOEXEC;
constexpr int kCreateNew = O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC;
constexpr int kTruncate = O_WRONLY | O_TRUNC | O_CLOEXEC;
int OpenFile(const fs::path& path, int flags) { return open(path.c_str(), flags, 0666); }
long ReadSome(int fd, char* buffer, std::size_t size) { return static_cast<long>(read(fd, buffer, size)); }
long WriteSome(int fd, const char* buffer, std::size_t size) { return static_cast<long>(write(fd, buffer, size)); }
int FlushFile(int fd) { return fsync(fd); }
int CloseFile(int fd) { return close(fd); }
#endif

// Forgets the last failure's codes, so that Why() reads this call's.
void ClearErrors() {
  errno = 0;
#if defined(_WIN32)
  _doserrno = 0;
#endif
}

// Why an open, read or write failed, in the tool's words. On Windows the
// system's own code says more than errno (a locked file, a missing folder).
std::string Why(int error) {
#if defined(_WIN32)
  if (_doserrno != 0) return WindowsErrorText(_doserrno);
#endif
  switch (error) {
    case ENOENT: return Say(Msg::kNoSuchFile);
    case EISDIR: return Say(Msg::kIsAFolder);
    case EACCES:
    case EPERM: return Say(Msg::kNoPermission);
    case EROFS: return Say(Msg::kReadOnlyDisk);
    case EBUSY: return Say(Msg::kLocked);
    case ENOSPC: return Say(Msg::kDiskFull);
    case ENAMETOOLONG: return Say(Msg::kNameTooLong);
    default: return std::strerror(error);
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const long written = WriteSome(fd, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Writes, flushes to the disk and closes; errno says why when false.
bool WriteAndClose(int fd, std::string_view bytes) {
  bool ok = WriteAll(fd, bytes) && FlushFile(fd) == 0;
  const int error = errno;
  ok = CloseFile(fd) == 0 && ok;
  if (!ok && error != 0) errno = error;
  return ok;
}

// Throws unless this user may write the existing file: the rename below
// would otherwise replace a file its owner made read-only.
void RefuseUnwritable(const fs::path& path, const std::string& name) {
  ClearErrors();
  const int fd = OpenFile(path, kWrite);
  if (fd < 0) throw FileError(Say(Msg::kCannotWrite, {name, Why(errno)}));
  CloseFile(fd);
}

// Gives the new file the old one's owner and then its permission bits
// (a change of owner may clear some). False when this process may not
// give it that owner: the file must then be written in place, since a
// file that changed hands could lock its owner out.
bool CopyOwnerAndPermissions(const fs::path& from, const fs::path& to) {
#if !defined(_WIN32)
  struct stat old {};
  if (stat(from.c_str(), &old) != 0) return false;
  if (chown(to.c_str(), old.st_uid, old.st_gid) != 0) return false;
  return chmod(to.c_str(), old.st_mode & 07777) == 0;
#else
  (void)from;  // ReplaceFileW keeps the old file's attributes and access rights
  (void)to;
  return true;
#endif
}

// Returns an error text, empty on success. Both paths are full ones.
std::string PutInPlace(const fs::path& from, const fs::path& to, bool replacing) {
#if defined(_WIN32)
  if (replacing && ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
    return {};
  if (!replacing && MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return {};
  return WindowsErrorText(GetLastError());
#else
  (void)replacing;
  std::error_code error;
  fs::rename(from, to, error);
  return error ? Why(error.value()) : std::string();
#endif
}

// For a file this user may write but not replace (he may not create a file
// in its folder, or not give a new one its owner): written over in place,
// as the plug-in itself writes it.
void WriteInPlace(const fs::path& path, const std::string& name, std::string_view bytes) {
  ClearErrors();
  const int fd = OpenFile(path, kTruncate);
  if (fd < 0 || !WriteAndClose(fd, bytes)) throw FileError(Say(Msg::kWriteFailed, {name, Why(errno)}));
}

}  // namespace

fs::path PathFromUtf8(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string NameOf(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

fs::path SystemPath(const fs::path& path) {
#if defined(_WIN32)
  // Under Wine, ReplaceFileW answers ERROR_DIRECTORY for a name without a
  // folder or with '/' in it; every call gets the same full name instead.
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return fs::path(full);
#else
  return path;
#endif
}

FileKind KindOf(const fs::path& path) {
  std::error_code error;
  switch (fs::status(SystemPath(path), error).type()) {
    case fs::file_type::not_found: return FileKind::kMissing;
    case fs::file_type::directory: return FileKind::kFolder;
    default: return FileKind::kFile;
  }
}

FileStart ReadFileStart(const fs::path& typed, std::size_t limit) {
  const fs::path path = SystemPath(typed);
  const std::string name = NameOf(typed);
  FileStart start;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return start;
  if (status.type() == fs::file_type::directory) throw FileError(Say(Msg::kCannotRead, {name, Say(Msg::kIsAFolder)}));
  ClearErrors();
  const int fd = OpenFile(path, kRead);
  if (fd < 0) throw FileError(Say(Msg::kCannotRead, {name, Why(errno)}));
  start.exists = true;
  start.size = fs::file_size(path, error);
  start.bytes.resize(limit);
  std::size_t got = 0;
  while (got < limit) {
    ClearErrors();
    const long n = ReadSome(fd, start.bytes.data() + got, limit - got);
    if (n < 0) {
      const std::string why = Why(errno);
      CloseFile(fd);
      throw FileError(Say(Msg::kReadFailed, {name, why}));
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  CloseFile(fd);
  start.bytes.resize(got);
  return start;
}

void ReplaceWholeFile(const fs::path& typed, std::string_view bytes) {
  const std::string name = NameOf(typed);
  // Through a link the file it points at is replaced, not the link.
  std::error_code error;
  fs::path path = SystemPath(typed);
  if (fs::symlink_status(path, error).type() == fs::file_type::symlink) {
    path = fs::weakly_canonical(path, error);
    if (error) throw FileError(Say(Msg::kCannotWrite, {name, error.message()}));
  }
  const fs::file_type type = fs::status(path, error).type();
  if (type == fs::file_type::directory) throw FileError(Say(Msg::kCannotWrite, {name, Say(Msg::kIsAFolder)}));
  const bool replacing = type != fs::file_type::not_found;
  if (replacing) RefuseUnwritable(path, name);

  fs::path temporary = path;
  int fd = -1;
  std::random_device random;
  for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
    temporary = path;
    temporary += ".infprz-" + std::to_string(random() % 1000000) + ".tmp";
    ClearErrors();
    fd = OpenFile(temporary, kCreateNew);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    const int createError = errno;
    if (replacing && (createError == EACCES || createError == EPERM)) return WriteInPlace(path, name, bytes);
    const std::string why = Why(createError);
    const fs::path folder = typed.parent_path().empty() ? fs::path(".") : typed.parent_path();
    throw FileError(Say(Msg::kCannotCreateBeside, {NameOf(folder), NameOf(typed.filename()), why}));
  }

  std::string failure;
  ClearErrors();
  if (!WriteAndClose(fd, bytes)) failure = Say(Msg::kWriteFailed, {NameOf(temporary), Why(errno)});
  if (failure.empty()) {
    if (replacing && !CopyOwnerAndPermissions(path, temporary)) {
      fs::remove(temporary, error);
      return WriteInPlace(path, name, bytes);
    }
    const std::string placeError = PutInPlace(temporary, path, replacing);
    if (placeError.empty()) return;
    failure = Say(Msg::kCannotReplace, {name, placeError});
  }
  fs::remove(temporary, error);
  throw FileError(failure);
}

}  // namespace infprz

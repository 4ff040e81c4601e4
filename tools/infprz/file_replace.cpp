#include "file_replace.h"

#include <cerrno>
#include <cstring>
#include <random>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
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

// Why an open, read or write failed, in the tool's words. On Windows the
// system's own code tells a locked file from a forbidden one.
std::string Why(int error) {
#if defined(_WIN32)
  if (_doserrno == ERROR_SHARING_VIOLATION || _doserrno == ERROR_LOCK_VIOLATION)
    return "it is locked: another program has it open";
#endif
  switch (error) {
    case ENOENT: return "no such file or folder";
    case EISDIR: return "it is a directory";
    case EACCES:
    case EPERM: return "no permission";
    case EROFS: return "the disk is read-only";
    case EBUSY: return "it is locked: another program has it open";
    case ENOSPC: return "the disk is full";
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
void RefuseUnwritable(const fs::path& path) {
  errno = 0;
  const int fd = OpenFile(path, kWrite);
  if (fd < 0) throw FileError(NameOf(path) + ": cannot be written: " + Why(errno) + "; left as it was");
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

// Returns an error text, empty on success.
std::string PutInPlace(const fs::path& from, const fs::path& to, bool replacing) {
#if defined(_WIN32)
  if (replacing && ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
    return {};
  if (!replacing && MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return {};
  const DWORD error = GetLastError();
  if (error == ERROR_ACCESS_DENIED) return "no permission";
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return "it is locked: another program has it open";
  return "Windows error " + std::to_string(error);
#else
  (void)replacing;
  std::error_code error;
  fs::rename(from, to, error);
  return error ? error.message() : std::string();
#endif
}

// For a file this user may write but not replace (he may not create a file
// in its folder, or not give a new one its owner): written over in place,
// as the plug-in itself writes it.
void WriteInPlace(const fs::path& path, std::string_view bytes) {
  errno = 0;
  const int fd = OpenFile(path, kTruncate);
  if (fd < 0 || !WriteAndClose(fd, bytes)) throw FileError(NameOf(path) + ": writing failed: " + Why(errno));
}

}  // namespace

fs::path PathFromUtf8(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string NameOf(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

FileStart ReadFileStart(const fs::path& path, std::size_t limit) {
  FileStart start;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return start;
  if (status.type() == fs::file_type::directory) throw FileError(NameOf(path) + ": cannot be read: it is a directory");
  errno = 0;
  const int fd = OpenFile(path, kRead);
  if (fd < 0) throw FileError(NameOf(path) + ": cannot be read: " + Why(errno));
  start.exists = true;
  start.size = fs::file_size(path, error);
  start.bytes.resize(limit);
  std::size_t got = 0;
  while (got < limit) {
    const long n = ReadSome(fd, start.bytes.data() + got, limit - got);
    if (n < 0) {
      const int readError = errno;
      CloseFile(fd);
      throw FileError(NameOf(path) + ": reading failed: " + Why(readError));
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  CloseFile(fd);
  start.bytes.resize(got);
  return start;
}

void ReplaceWholeFile(const fs::path& requested, std::string_view bytes) {
  // Through a link the file it points at is replaced, not the link.
  std::error_code error;
  fs::path path = requested;
  if (fs::symlink_status(requested, error).type() == fs::file_type::symlink) {
    path = fs::weakly_canonical(requested, error);
    if (error) throw FileError(NameOf(requested) + ": " + error.message());
  }
  const fs::file_type type = fs::status(path, error).type();
  if (type == fs::file_type::directory) throw FileError(NameOf(path) + ": cannot be written: it is a directory");
  const bool replacing = type != fs::file_type::not_found;
  if (replacing) RefuseUnwritable(path);

  fs::path temporary = path;
  int fd = -1;
  std::random_device random;
  for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
    temporary = path;
    temporary += ".infprz-" + std::to_string(random() % 1000000) + ".tmp";
    errno = 0;
    fd = OpenFile(temporary, kCreateNew);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    const int createError = errno;
    if (replacing && (createError == EACCES || createError == EPERM)) return WriteInPlace(path, bytes);
    const fs::path folder = temporary.parent_path().empty() ? fs::path(".") : temporary.parent_path();
    throw FileError(NameOf(folder) + ": cannot create a file beside " + NameOf(path.filename()) + ": " + Why(createError));
  }

  std::string failure;
  if (!WriteAndClose(fd, bytes)) failure = "writing " + NameOf(temporary) + " failed: " + Why(errno);
  if (failure.empty()) {
    if (replacing && !CopyOwnerAndPermissions(path, temporary)) {
      fs::remove(temporary, error);
      return WriteInPlace(path, bytes);
    }
    const std::string placeError = PutInPlace(temporary, path, replacing);
    if (placeError.empty()) return;
    failure = NameOf(path) + ": cannot be replaced: " + placeError + "; left as it was";
  }
  fs::remove(temporary, error);
  throw FileError(failure);
}

}  // namespace infprz

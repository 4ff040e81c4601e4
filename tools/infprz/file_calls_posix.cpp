// The file calls on Linux and other POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file_calls.h"

#if defined(__linux__)
#include <sys/xattr.h>
#endif

namespace infprz {

namespace fs = std::filesystem;

namespace {

// An access list beyond the mode bits (setfacl) cannot be given to a new
// file by chmod, and copying the bits would hand its mask to the owning
// group: such a file is written in place.
bool HasAccessList(const fs::path& path) {
#if defined(__linux__)
  return getxattr(path.c_str(), "system.posix_acl_access", nullptr, 0) >= 0;
#else
  (void)path;
  return false;
#endif
}

}  // namespace

fs::path SystemPath(const fs::path& path) { return path; }

int OpenFile(const fs::path& path, Access access) {
  switch (access) {
    case Access::kRead: return open(path.c_str(), O_RDONLY | O_CLOEXEC);
    case Access::kWrite: return open(path.c_str(), O_WRONLY | O_CLOEXEC);
    case Access::kCreateNew: return open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    case Access::kCreatePrivate: return open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
  }
  return -1;
}

long ReadSome(int fd, char* buffer, std::size_t size) { return static_cast<long>(read(fd, buffer, size)); }
long WriteSome(int fd, const char* buffer, std::size_t size) { return static_cast<long>(write(fd, buffer, size)); }
int CutFile(int fd, std::size_t size) { return ftruncate(fd, static_cast<off_t>(size)); }
int FlushFile(int fd) { return fsync(fd); }
int CloseFile(int fd) { return close(fd); }

void ClearErrors() { errno = 0; }
std::string Why(int error) { return ErrnoText(error); }

bool GiveOwnerAndPermissions(const fs::path& from, const fs::path& to) {
  struct stat old {};
  if (stat(from.c_str(), &old) != 0 || HasAccessList(from)) return false;
  // The owner first: a change of owner may clear the set-id bits.
  if (chown(to.c_str(), old.st_uid, old.st_gid) != 0) return false;
  if (chmod(to.c_str(), old.st_mode & 07777) != 0) return false;
  // A file system may accept both and keep neither (a FAT or CIFS mount).
  struct stat now {};
  return stat(to.c_str(), &now) == 0 && now.st_uid == old.st_uid && now.st_gid == old.st_gid &&
         (now.st_mode & 07777) == (old.st_mode & 07777);
}

Placing PutInPlace(const fs::path& from, const fs::path& to, bool /*replacing*/) {
  std::error_code error;
  fs::rename(from, to, error);
  if (!error) return Placed();
  // A rename changes both names or neither; refused, the file may be written over.
  const bool refused = error.value() == EACCES || error.value() == EPERM;
  return {.done = false, .untouched = refused, .error = Why(error.value())};
}

}  // namespace infprz

#pragma once
// The system's file calls the tool needs, one file for each system
// (file_calls_posix.cpp, file_calls_win32.cpp): descriptors, the full
// name, and what a new file can be given of an old one's owner and
// permissions. The policy over them is file_read.cpp and file_replace.cpp.
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string>

#include "messages.h"

namespace infprz {

// The name every system call is given: on Windows the full path (from the
// current folder, with backslashes), since some calls refuse a bare name;
// elsewhere the path itself. The file functions take typed names and call
// this themselves.
std::filesystem::path SystemPath(const std::filesystem::path& path);

enum class Access {
  kRead,
  kWrite,          // an existing file, neither created nor cut
  kCreateNew,      // a file that was not there, with a new file's usual permissions
  kCreatePrivate,  // the same, but only its owner may open it (where the system has modes)
};
// A descriptor, or -1 with errno (and on Windows _doserrno) set.
int OpenFile(const std::filesystem::path& path, Access access);
long ReadSome(int fd, char* buffer, std::size_t size);  // -1 on a failure
long WriteSome(int fd, const char* buffer, std::size_t size);
int CutFile(int fd, std::size_t size);  // the file's length; 0 or -1
int FlushFile(int fd);                  // to the disk; 0 or -1
int CloseFile(int fd);                  // 0 or -1

// Forgets the last failure's codes, so that Why() reads this call's.
void ClearErrors();
// Why an open, read or write failed, in the tool's words: on Windows the
// system's own code when it has one (it says more than errno: a locked
// file, a missing folder), else `error` (an errno value).
std::string Why(int error);

// Gives `to`, a new file this process made, the owner and permissions of
// `from`, and checks that it holds them. False when it cannot be done
// exactly (this process may not give that owner, or the system cannot
// carry these permissions to a new file): the caller then writes `from`
// in place instead. Both names are full ones.
bool GiveOwnerAndPermissions(const std::filesystem::path& from, const std::filesystem::path& to);

// Puts the new file `from` in the place of `to` (which exists when
// `replacing`), keeping what the system keeps of the replaced file. Both
// names are full ones.
struct Placing {
  bool done = false;
  bool untouched = false;  // refused before anything changed: `to` may still be written over
  std::string error;       // why not done
};
inline Placing Placed() { return {true, false, {}}; }
Placing PutInPlace(const std::filesystem::path& from, const std::filesystem::path& to, bool replacing);

// The errno values met with a settings file, in the tool's words.
inline std::string ErrnoText(int error) {
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

}  // namespace infprz

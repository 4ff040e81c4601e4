#pragma once
// Reading the settings file, and replacing it so that no reader ever finds
// it half written, without passing over its own permissions.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace infprz {

// The file could not be read or written; what() says which and why.
struct FileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct FileStart {
  bool exists = false;
  std::uintmax_t size = 0;  // the whole file's
  std::string bytes;        // at most the first `limit`
};

// A name the user typed (UTF-8) as a path on this system (wide on Windows).
std::filesystem::path PathFromUtf8(std::string_view utf8);
// The path as UTF-8, for messages: as the user typed it.
std::string NameOf(const std::filesystem::path& path);

// The name every system call is given: on Windows the full path (from the
// current folder, with backslashes), since some calls refuse a bare name;
// elsewhere the path itself. The functions below take typed names and
// call this themselves.
std::filesystem::path SystemPath(const std::filesystem::path& path);

enum class FileKind { kMissing, kFolder, kFile };  // kFile: anything but a folder
FileKind KindOf(const std::filesystem::path& path);

// The first `limit` bytes of a file and its size. A missing file is not an
// error (`exists` false); a folder or an unreadable file throws, saying why.
FileStart ReadFileStart(const std::filesystem::path& path, std::size_t limit);

// Writes `bytes` to a new file beside `path`, flushes it to the disk and
// only then puts it in the place of `path`, with the old file's owner and
// permission bits. Where this process may not set that owner (or create a
// file in the folder), a file it may write is written over in place. A
// file this user may not write is refused before anything is written. On
// a failure before the replacement the old file stays as it was.
void ReplaceWholeFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace infprz

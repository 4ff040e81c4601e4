#pragma once
// Files as the user names them, and reading one: what kind it is, and its
// first bytes.
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

// A name the user typed (UTF-8) as a path on this system (wide on Windows).
std::filesystem::path PathFromUtf8(std::string_view utf8);
// The path as UTF-8, for messages: as the user typed it.
std::string NameOf(const std::filesystem::path& path);

enum class FileKind { kMissing, kFolder, kFile };  // kFile: anything but a folder
FileKind KindOf(const std::filesystem::path& path);

struct FileStart {
  bool exists = false;
  std::uintmax_t size = 0;  // the whole file's
  std::string bytes;        // at most the first `limit`
};

// The first `limit` bytes of a file and its size. A missing file is not an
// error (`exists` false); a folder or an unreadable file throws, saying why.
FileStart ReadFileStart(const std::filesystem::path& path, std::size_t limit);

}  // namespace infprz

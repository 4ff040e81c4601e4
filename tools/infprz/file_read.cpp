#include "file_read.h"

#include "file_calls.h"
#include "messages.h"

namespace infprz {

namespace fs = std::filesystem;

fs::path PathFromUtf8(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string NameOf(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
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
  const int fd = OpenFile(path, Access::kRead);
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

}  // namespace infprz

#include "file_replace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace infprz {

namespace fs = std::filesystem;

namespace {

std::string Describe(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

std::string SystemMessage(int error) { return std::strerror(error); }

// Flushes and closes; false when either fails.
bool FlushToDisk(std::FILE* file) {
  bool ok = std::fflush(file) == 0;
#if defined(_WIN32)
  ok = ok && _commit(_fileno(file)) == 0;
#else
  ok = ok && fsync(fileno(file)) == 0;
#endif
  return std::fclose(file) == 0 && ok;
}

// A file that did not exist before; nullptr with errno set when it did.
std::FILE* OpenNew(const fs::path& path) {
#if defined(_WIN32)
  const int fd = _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
  return fd < 0 ? nullptr : _fdopen(fd, "wb");
#else
  const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0666);
  return fd < 0 ? nullptr : fdopen(fd, "wb");
#endif
}

// Returns an error text, empty on success.
std::string RenameOver(const fs::path& from, const fs::path& to) {
#if defined(_WIN32)
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
  return "Windows error " + std::to_string(GetLastError());
#else
  std::error_code error;
  fs::rename(from, to, error);
  return error ? error.message() : std::string();
#endif
}

}  // namespace

fs::path PathFromUtf8(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

FileStart ReadFileStart(const fs::path& path, std::size_t limit) {
  FileStart start;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return start;
  if (error) throw FileError(Describe(path) + ": " + error.message());
  if (status.type() == fs::file_type::directory) throw FileError(Describe(path) + ": is a directory");
  start.exists = true;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FileError(Describe(path) + ": cannot be opened for reading");
  start.size = fs::file_size(path, error);
  if (error) throw FileError(Describe(path) + ": " + error.message());
  start.bytes.resize(limit);
  in.read(start.bytes.data(), static_cast<std::streamsize>(limit));
  if (in.bad()) throw FileError(Describe(path) + ": read failed");
  start.bytes.resize(static_cast<std::size_t>(in.gcount()));
  return start;
}

void ReplaceWholeFile(const fs::path& requested, std::string_view bytes) {
  // Through a link the file it points at is replaced, not the link.
  std::error_code error;
  fs::path path = requested;
  if (fs::symlink_status(requested, error).type() == fs::file_type::symlink) {
    path = fs::weakly_canonical(requested, error);
    if (error) throw FileError(Describe(requested) + ": " + error.message());
  }
  if (fs::status(path, error).type() == fs::file_type::directory) throw FileError(Describe(path) + ": is a directory");

  fs::path temporary = path;
  std::FILE* file = nullptr;
  std::random_device random;
  for (int attempt = 0; attempt < 8 && file == nullptr; ++attempt) {
    temporary = path;
    temporary += ".infprz-" + std::to_string(random() % 1000000) + ".tmp";
    errno = 0;
    file = OpenNew(temporary);
    if (file == nullptr && errno != EEXIST) break;
  }
  if (file == nullptr)
    throw FileError(Describe(temporary.parent_path().empty() ? fs::path(".") : temporary.parent_path()) +
                    ": cannot create a file beside " + Describe(path.filename()) + ": " + SystemMessage(errno));

  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const int writeError = errno;
  const bool flushed = FlushToDisk(file);
  std::string failure;
  if (!written || !flushed) failure = "writing " + Describe(temporary) + " failed: " + SystemMessage(written ? errno : writeError);
  if (failure.empty()) {
    // Keep who may read the settings as it was.
    const fs::file_status old = fs::status(path, error);
    if (old.type() == fs::file_type::regular) fs::permissions(temporary, old.permissions(), error);
    const std::string renameError = RenameOver(temporary, path);
    if (renameError.empty()) return;
    failure = Describe(path) + ": cannot be replaced: " + renameError;
  }
  fs::remove(temporary, error);
  throw FileError(failure);
}

}  // namespace infprz

#include "file_replace.h"

#include <cerrno>
#include <random>
#include <string>

#include "file_calls.h"
#include "messages.h"

namespace infprz {

namespace fs = std::filesystem;

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const long written = WriteSome(fd, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Writes from the file's start, cuts it to the bytes' length, flushes it
// to the disk and closes it; errno says why when false.
bool WriteAndClose(int fd, std::string_view bytes) {
  bool ok = WriteAll(fd, bytes) && CutFile(fd, bytes.size()) == 0 && FlushFile(fd) == 0;
  const int error = errno;
  ok = CloseFile(fd) == 0 && ok;
  if (!ok && error != 0) errno = error;
  return ok;
}

// Throws unless this user may write the existing file: the replacement
// below would otherwise replace a file its owner made read-only.
void RefuseUnwritable(const fs::path& path, const std::string& name) {
  ClearErrors();
  const int fd = OpenFile(path, Access::kWrite);
  if (fd < 0) throw FileError(Say(Msg::kCannotWrite, {name, Why(errno)}));
  CloseFile(fd);
}

// For a file whose owner and permissions a new file cannot take, or
// beside which no file can be made: written over in place, as the plug-in
// itself writes it. Cut only after the new bytes are in, so that a reader
// never finds it empty (the settings file never changes its length).
void WriteInPlace(const fs::path& path, const std::string& name, std::string_view bytes) {
  ClearErrors();
  const int fd = OpenFile(path, Access::kWrite);
  if (fd < 0) throw FileError(Say(Msg::kCannotKeepPermissions, {name, Why(errno)}));
  ClearErrors();
  if (!WriteAndClose(fd, bytes)) throw FileError(Say(Msg::kWriteFailed, {name, Why(errno)}));
}

}  // namespace

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

  // A replacement is private until it has the old file's permissions.
  const Access create = replacing ? Access::kCreatePrivate : Access::kCreateNew;
  fs::path temporary = path;
  int fd = -1;
  std::random_device random;
  for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
    temporary = path;
    temporary += ".infprz-" + std::to_string(random() % 1000000) + ".tmp";
    ClearErrors();
    fd = OpenFile(temporary, create);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    const int createError = errno;
    if (replacing && (createError == EACCES || createError == EPERM)) return WriteInPlace(path, name, bytes);
    // A folder removed since the command looked is named as such, not as
    // the temporary file it kept from being made.
    const fs::path folder = typed.parent_path().empty() ? fs::path(".") : typed.parent_path();
    // (Windows says "no such path" for both.)
    if (createError == ENOENT || createError == ENOTDIR) {
      const bool missing = KindOf(folder) == FileKind::kMissing;
      throw FileError(Say(missing ? Msg::kMissingFolder : Msg::kNotAFolder, {NameOf(folder)}));
    }
    throw FileError(Say(Msg::kCannotCreateBeside, {NameOf(folder), NameOf(typed.filename()), Why(createError)}));
  }
  if (replacing && !GiveOwnerAndPermissions(path, temporary)) {
    CloseFile(fd);
    fs::remove(temporary, error);
    return WriteInPlace(path, name, bytes);
  }

  std::string failure;
  ClearErrors();
  if (!WriteAndClose(fd, bytes)) failure = Say(Msg::kWriteFailed, {NameOf(temporary), Why(errno)});
  if (failure.empty()) {
    const Placing placing = PutInPlace(temporary, path, replacing);
    if (placing.done) return;
    if (replacing && placing.untouched) {
      fs::remove(temporary, error);
      return WriteInPlace(path, name, bytes);
    }
    failure = Say(Msg::kCannotReplace, {name, placing.error});
  }
  fs::remove(temporary, error);
  throw FileError(failure);
}

}  // namespace infprz

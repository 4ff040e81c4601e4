#include "check_folder.h"

#include <algorithm>
#include <random>

#include "file_calls.h"
#include "file_replace.h"
#include "messages.h"

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace infprz {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  return lower;
}

std::string Why(const std::error_code& error) {
  switch (static_cast<std::errc>(error.value())) {
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted: return Say(Msg::kNoPermission);
    case std::errc::no_such_file_or_directory: return Say(Msg::kNoSuchFolder);
    default: return error.message();
  }
}

}  // namespace

FolderListing ListFolder(const fs::path& folder) {
  FolderListing listing;
  std::error_code error;
  fs::directory_iterator entries(SystemPath(folder), error);
  for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
    std::error_code typeError;
    if (entries->is_directory(typeError)) continue;
    listing.files.push_back(NameOf(entries->path().filename()));
  }
  if (error) {
    listing.why = Why(error);
    listing.files.clear();
    return listing;
  }
  listing.listed = true;
  std::sort(listing.files.begin(), listing.files.end());
  return listing;
}

std::optional<std::string> FindName(const FolderListing& listing, std::string_view name) {
  if (!listing.listed) return std::string(name);
  const std::string wanted = Lower(name);
  for (const std::string& file : listing.files)
    if (Lower(file) == wanted) return file;
  return std::nullopt;
}

FolderRights TryCreateAndReplace(const fs::path& folder) {
  FolderRights rights;
  std::random_device random;
  const fs::path probe = folder / PathFromUtf8("infprz-check-" + std::to_string(random() % 1000000) + ".tmp");
  try {
    ReplaceWholeFile(probe, "created by infprz check\n");
    rights.canCreate = true;
    ReplaceWholeFile(probe, "replaced by infprz check\n");
    rights.canReplace = true;
  } catch (const FileError& e) {
    rights.why = e.what();
  }
  std::error_code ignored;
  fs::remove(SystemPath(probe), ignored);
  return rights;
}

bool Absent(const fs::path& file) {
  std::error_code error;
  return fs::status(SystemPath(file), error).type() == fs::file_type::not_found;
}

bool MayWrite(const fs::path& file) {
#if defined(_WIN32)
  return _waccess(SystemPath(file).c_str(), 2) == 0;
#else
  return access(file.c_str(), W_OK) == 0;
#endif
}

std::string CurrentUserName() {
#if defined(_WIN32)
  wchar_t name[257] = {};
  DWORD size = 257;
  if (!GetUserNameW(name, &size)) return "?";
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, name, -1, nullptr, 0, nullptr, nullptr);
  std::string text(bytes > 0 ? static_cast<std::size_t>(bytes - 1) : 0, '\0');
  if (bytes > 1) WideCharToMultiByte(CP_UTF8, 0, name, -1, text.data(), bytes, nullptr, nullptr);
  return text;
#else
  const passwd* user = getpwuid(geteuid());
  return user != nullptr ? user->pw_name : std::to_string(geteuid());
#endif
}

}  // namespace infprz

#pragma once
// The host program's folder as infprz check sees it: the names it holds,
// and whether this user may create and replace files in it.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace infprz {

struct FolderListing {
  bool listed = false;
  std::string why;                 // when not listed, in the user's words
  std::vector<std::string> files;  // UTF-8 names of what is not a folder, sorted
};

FolderListing ListFolder(const std::filesystem::path& folder);

// The folder's name for `name`, whatever its case (Windows compares names
// without it); `name` itself when the folder could not be listed, so that
// a file may still be opened by name; nothing when it is not there.
std::optional<std::string> FindName(const FolderListing& listing, std::string_view name);

// Empty when this user may create a file of the check's own in `folder`
// and replace it, as infprz and the plug-in do with infprz.dat; otherwise
// what failed. The file is removed again; no other file is touched.
struct FolderRights {
  bool canCreate = false;
  bool canReplace = false;
  std::string why;  // what failed, in the user's words
};
FolderRights TryCreateAndReplace(const std::filesystem::path& folder);

// Whether the folder surely has no such file; one that may not be looked
// at (a folder that cannot be read) may be there, and its reading says why.
bool Absent(const std::filesystem::path& file);

// Whether this user may write the existing file, without opening it.
bool MayWrite(const std::filesystem::path& file);

// The user running the tool, as the system names him.
std::string CurrentUserName();

}  // namespace infprz

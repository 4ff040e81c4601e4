#pragma once
// What each command of the tool does, once its command line is understood.
// They throw InvalidInput for a value the tool refuses and FileError when a
// file cannot be read or written; a refused command writes nothing.
// Warnings go to `err` and leave the command's success as it is.
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

namespace infprz {

namespace fs = std::filesystem;

struct ShowRequest {
  bool json = false;
  bool showPassword = false;
};

// Each field is changed only when given. `row` (1..3) says which row the
// four row fields belong to.
struct SetRequest {
  std::optional<std::string> text;
  std::optional<std::string> textFile;  // UTF-8 name of a file holding the text (text_input.h)
  std::optional<std::string> password;
  std::optional<int> row;
  std::optional<std::string> startDate;
  std::optional<std::string> interval;
  std::optional<std::string> fromTime;
  std::optional<std::string> toTime;
  std::optional<bool> enabled;
  bool create = false;  // make the file when it is missing
};

void ShowSettings(const fs::path& file, const ShowRequest& request, std::ostream& out, std::ostream& err);
// `jsonFile` "-" reads standard input.
void ImportSettings(const std::string& jsonFile, const fs::path& file, std::istream& in, std::ostream& err);
// A `textFile` "-" reads `in`.
void SetSettings(const fs::path& file, const SetRequest& request, std::istream& in, std::ostream& err);
void ClearPassword(const fs::path& file, bool create, std::ostream& err);
void InitSettings(const fs::path& file, bool force);

}  // namespace infprz

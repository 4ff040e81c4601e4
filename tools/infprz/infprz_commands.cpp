#include "infprz_commands.h"

#include <iostream>
#include <iterator>
#include <sstream>

#include "contract/host_constants.h"

#include "contract/date_text.h"
#include "file_replace.h"
#include "json_input.h"
#include "messages.h"
#include "quoted.h"
#include "schedule_check.h"
#include "settings_damage.h"
#include "settings_fields.h"
#include "settings_file.h"
#include "settings_json.h"
#include "settings_report.h"
#include "text_fields.h"
#include "text_input.h"

namespace infprz {

namespace {

// Larger input is no settings file, JSON or reminder text of this tool's.
constexpr std::size_t kInputLimit = 1 << 20;

// Throws when the folder `file` is named in is missing or no folder: the
// file can then be neither read nor made, and that folder is what to mend.
void RefuseMissingFolder(const fs::path& file) {
  const fs::path folder = file.parent_path();
  if (folder.empty()) return;
  switch (KindOf(folder)) {
    case FileKind::kMissing: throw FileError(Say(Msg::kMissingFolder, {NameOf(folder)}));
    case FileKind::kFile: throw FileError(Say(Msg::kNotAFolder, {NameOf(folder)}));
    case FileKind::kFolder: return;
  }
}

struct LoadedSettings {
  bool exists = false;
  ReminderSettings record{};
  std::vector<std::string> damage;
};

// The record as the plug-in would load it; a missing file is the empty one.
LoadedSettings Load(const fs::path& file) {
  RefuseMissingFolder(file);
  const FileStart start = ReadFileStart(file, kSettingsFileSize);
  LoadedSettings loaded;
  loaded.exists = start.exists;
  loaded.record = DecodeSettingsFile(start.bytes);
  if (start.exists) loaded.damage = FindDamage(start.size, loaded.record);
  return loaded;
}

// As Load, for a command that changes an existing file: a typed name that
// is missing is far likelier a typo than a wish for a new file.
LoadedSettings LoadForChange(const fs::path& file, bool create) {
  LoadedSettings loaded = Load(file);
  if (!loaded.exists && !create)
    throw FileError(Say(Msg::kChangeMissingFile, {NameOf(file), CommandLineWord(NameOf(file))}));
  return loaded;
}

void Warn(std::ostream& err, const std::vector<std::string>& warnings) {
  for (const std::string& warning : warnings) err << "infprz: " << Say(Msg::kWarning, {warning}) << "\n";
}

// Repairs, then replaces the file whole; says what was mended and what
// can never remind.
void Store(const fs::path& file, const LoadedSettings& before, ReminderSettings record, std::ostream& err) {
  RepairSettings(record);
  ReplaceWholeFile(file, EncodeSettingsFile(record));
  for (const std::string& fault : before.damage)
    err << "infprz: " << Say(Msg::kRepaired, {NameOf(file), fault}) << "\n";
  Warn(err, NeverRemindWarnings(record));
}

// A whole input file, or standard input for "-".
std::string ReadInput(const std::string& name, std::istream& in) {
  if (name == "-") return std::string(std::istreambuf_iterator<char>(in), {});
  const fs::path path = PathFromUtf8(name);
  RefuseMissingFolder(path);
  const FileStart start = ReadFileStart(path, kInputLimit);
  if (!start.exists) throw FileError(Say(Msg::kMissingFile, {name}));
  if (start.size > kInputLimit) throw FileError(Say(Msg::kCannotRead, {name, Say(Msg::kTooLarge)}));
  return start.bytes;
}

// Control bytes a damaged file holds in its text, which the readable
// report shows as '?' and the JSON as escapes.
std::vector<std::string> ControlByteNotes(const ReminderSettings& record, bool json) {
  const std::string_view text = StoredText(record.text, sizeof record.text);
  std::size_t count = 0, lineFeed = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte != 0x7F) continue;
    ++count;
    if (byte == '\n' && lineFeed == std::string_view::npos) lineFeed = i;
  }
  std::vector<std::string> notes;
  if (count == 0) return notes;
  if (!json)
    notes.push_back(Say(Msg::kControlBytesShown, {Count(Msg::kCountControlBytes, count)}));
  else if (lineFeed != std::string_view::npos)
    notes.push_back(Say(Msg::kLineFeedInJson, {std::to_string(lineFeed + 1)}));
  return notes;
}

// A name for messages: "standard input" for "-".
std::string SourceName(const std::string& name) { return name == "-" ? Say(Msg::kStandardInput) : name; }

}  // namespace

void ShowSettings(const fs::path& file, const ShowRequest& request, std::ostream& out, std::ostream& err) {
  const LoadedSettings loaded = Load(file);
  if (!loaded.exists) throw FileError(Say(Msg::kShowMissingFile, {NameOf(file)}));
  if (request.json)
    out << SettingsToJson(loaded.record, request.showPassword).dump(2) << "\n";
  else
    out << ReadableReport(loaded.record, request.showPassword, talvenor::TodayHostDate());
  Warn(err, loaded.damage);
  if (!loaded.damage.empty()) err << "infprz: " << Say(Msg::kRewriteRepaired, {CommandLineWord(NameOf(file))}) << "\n";
  Warn(err, ControlByteNotes(loaded.record, request.json));
  Warn(err, NeverRemindWarnings(loaded.record));
}

void ImportSettings(const std::string& jsonFile, const fs::path& file, std::istream& in, std::ostream& err) {
  const nlohmann::json json = ParseJsonInput(ReadInput(jsonFile, in), SourceName(jsonFile));
  const LoadedSettings before = Load(file);
  const ReminderSettings record = SettingsFromJson(json, before.record);
  Store(file, before, record, err);
  const bool saysSet = json.is_object() && json.contains("passwordSet") && json.at("passwordSet") == true;
  if (saysSet && !json.contains("password")) {
    const Msg outcome = record.password[0] != '\0' ? Msg::kKeepsPassword : Msg::kStillNoPassword;
    Warn(err, {Say(Msg::kPasswordNotInJson, {Say(outcome, {NameOf(file)})})});
  }
}

void SetSettings(const fs::path& file, const SetRequest& request, std::istream& in, std::ostream& err) {
  if (request.row) CheckRow(*request.row);
  std::optional<std::string> text = request.text;
  if (request.textFile) text = DecodeTextFile(ReadInput(*request.textFile, in), SourceName(*request.textFile));
  const LoadedSettings before = LoadForChange(file, request.create);
  ReminderSettings record = before.record;
  if (text) SetReminderText(record, *text);
  if (request.password) SetPassword(record, *request.password);
  if (request.row) {
    const int row = *request.row;
    if (request.startDate) SetStartDate(record, row, *request.startDate);
    if (request.interval) SetInterval(record, row, ParseInterval(row, *request.interval));
    if (request.fromTime) SetFromTime(record, row, *request.fromTime);
    if (request.toTime) SetToTime(record, row, *request.toTime);
  }
  if (request.enabled) record.enabled = *request.enabled ? 1 : 0;
  Store(file, before, record, err);
}

void ClearPassword(const fs::path& file, bool create, std::ostream& err) {
  SetRequest request;
  request.password = "";
  request.create = create;
  std::istringstream noInput;
  SetSettings(file, request, noInput, err);
}

void InitSettings(const fs::path& file, bool force) {
  RefuseMissingFolder(file);
  const FileKind kind = KindOf(file);
  if (kind == FileKind::kFolder) {
    const std::string inside = NameOf(file / talvenor::kSettingsFileName);
    throw FileError(Say(Msg::kInitFolder, {NameOf(file), CommandLineWord(inside)}));
  }
  if (!force && kind != FileKind::kMissing) throw FileError(Say(Msg::kInitExists, {NameOf(file)}));
  ReplaceWholeFile(file, EncodeSettingsFile(ReminderSettings{}));
}

}  // namespace infprz

#include "infprz_commands.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "file_replace.h"
#include "settings_damage.h"
#include "settings_fields.h"
#include "settings_file.h"
#include "settings_json.h"
#include "settings_report.h"

namespace infprz {

namespace {

std::string Name(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

struct LoadedSettings {
  bool exists = false;
  ReminderSettings record{};
  std::vector<std::string> damage;
};

// The record as the plug-in would load it; a missing file is the empty one.
LoadedSettings Load(const fs::path& file) {
  const FileStart start = ReadFileStart(file, kSettingsFileSize);
  LoadedSettings loaded;
  loaded.exists = start.exists;
  loaded.record = DecodeSettingsFile(start.bytes);
  if (start.exists) loaded.damage = FindDamage(start.size, loaded.record);
  return loaded;
}

// Repairs, then replaces the file whole; says what was mended.
void Store(const fs::path& file, const LoadedSettings& before, ReminderSettings record, std::ostream& err) {
  RepairSettings(record);
  ReplaceWholeFile(file, EncodeSettingsFile(record));
  for (const std::string& fault : before.damage) err << "infprz: repaired " << Name(file) << ": " << fault << "\n";
}

std::string ReadJsonText(const std::string& jsonFile, std::istream& in) {
  if (jsonFile == "-") return std::string(std::istreambuf_iterator<char>(in), {});
  const fs::path path = PathFromUtf8(jsonFile);
  std::ifstream json(path, std::ios::binary);
  if (!json || fs::is_directory(path)) throw FileError(jsonFile + ": cannot be opened for reading");
  std::ostringstream text;
  text << json.rdbuf();
  if (json.bad()) throw FileError(jsonFile + ": read failed");
  return text.str();
}

}  // namespace

void ShowSettings(const fs::path& file, const ShowRequest& request, std::ostream& out, std::ostream& err) {
  const LoadedSettings loaded = Load(file);
  if (!loaded.exists)
    throw FileError(Name(file) + ": no such file (the plug-in reads that as the empty configuration: reminder off, "
                                 "no password)");
  if (request.json)
    out << SettingsToJson(loaded.record, request.showPassword).dump(2) << "\n";
  else
    out << ReadableReport(loaded.record, request.showPassword);
  for (const std::string& fault : loaded.damage) err << "infprz: warning: " << fault << "\n";
  if (!loaded.damage.empty()) err << "infprz: 'infprz set " << Name(file) << "' rewrites the file repaired\n";
}

void ImportSettings(const std::string& jsonFile, const fs::path& file, std::istream& in, std::ostream& err) {
  const std::string text = ReadJsonText(jsonFile, in);
  nlohmann::json json;
  try {
    json = nlohmann::json::parse(text);
  } catch (const nlohmann::json::exception& e) {
    throw InvalidInput(jsonFile + ": not JSON: " + e.what());
  }
  const LoadedSettings before = Load(file);
  Store(file, before, SettingsFromJson(json, before.record), err);
}

void SetSettings(const fs::path& file, const SetRequest& request, std::ostream& err) {
  if (request.row) CheckRow(*request.row);
  const LoadedSettings before = Load(file);
  ReminderSettings record = before.record;
  if (request.text) SetReminderText(record, *request.text);
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

void ClearPassword(const fs::path& file, std::ostream& err) {
  SetRequest request;
  request.password = "";
  SetSettings(file, request, err);
}

void InitSettings(const fs::path& file, bool force) {
  if (!force && ReadFileStart(file, 0).exists)
    throw FileError(Name(file) + ": exists already; 'init --force' replaces it with the empty configuration");
  ReplaceWholeFile(file, EncodeSettingsFile(ReminderSettings{}));
}

}  // namespace infprz

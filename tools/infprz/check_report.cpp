#include "check_report.h"

#include <algorithm>
#include <ostream>

#include "check_folder.h"
#include "check_host.h"
#include "check_sha256.h"
#include "contract/fallback_rule.h"
#include "contract/host_constants.h"
#include "contract/host_services.h"
#include "contract/plugin_exports.h"
#include "file_calls.h"
#include "file_replace.h"
#include "messages.h"
#include "settings_damage.h"
#include "settings_file.h"
#include "text_columns.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace infprz {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPluginFile = "talvenor.dll";
constexpr std::string_view kIndent = "  ";
constexpr std::size_t kNameWidth = 22;

// What the service table does not say: what a user loses when a service
// answers 0 and does nothing. One text per service of the table.
constexpr Msg kLoss[] = {
#define INFPRZ_LOSS(name, ...) Msg::kLoss##name,
    TALVENOR_HOST_SERVICES(INFPRZ_LOSS)
#undef INFPRZ_LOSS
};

std::string ServiceName(const ServiceFinding& service) {
  return std::to_string(service.ordinal) + " " + std::string(service.name);
}

struct Report {
  std::ostream& out;
  std::vector<std::string> failures;
  void Line(const std::string& text, int depth = 0) {
    for (int i = 0; i < depth; ++i) out << kIndent;
    out << text << "\n";
  }
  void Fails(Msg what) {
    const std::string text = Say(what);
    if (std::find(failures.begin(), failures.end(), text) == failures.end()) failures.push_back(text);
  }
};

void ReportHost(Report& report, const HostFinding& host) {
  using Source = HostFinding::Source;
  for (const std::string& problem : host.fileProblems) report.Line(problem);
  switch (host.source) {
    case Source::kModule: report.Line(Say(Msg::kCheckServicesFrom, {host.file})); break;
    case Source::kProgram: report.Line(Say(Msg::kCheckServicesFromProgram, {host.file})); break;
    case Source::kNowhere: report.Line(Say(Msg::kCheckServicesNowhere)); break;
    case Source::kUnusable:
      report.Line(Say(Msg::kCheckVerdictNoHost, {Say(Msg::kCheckHostModuleUnusable, {host.file})}));
      report.Fails(Msg::kCheckFailsLoad);
      return;
  }
  const std::string wrap(kIndent.size() + 7 + kNameWidth, ' ');
  for (std::size_t slot = 0; slot < host.services.size(); ++slot) {
    const ServiceFinding& service = host.services[slot];
    std::string line = PadRight(std::to_string(service.ordinal), 7) + PadRight(service.name, kNameWidth);
    if (service.found) {
      report.Line(line + Say(Msg::kCheckServiceFound), 1);
      continue;
    }
    const bool boxed = std::find(host.boxes.begin(), host.boxes.end(), slot) != host.boxes.end();
    if (host.failing && slot > *host.failing) {
      report.Line(line + Say(Msg::kCheckServiceNotReached), 1);
      continue;
    }
    report.Line(line + Say(boxed ? Msg::kCheckServiceBox : Msg::kCheckServiceAfterIgnore), 1);
    report.Line(wrap + (service.fallback == talvenor::kNoFallback
                            ? Say(Msg::kCheckServiceNoFallback)
                            : Say(Msg::kCheckServiceFallback, {Say(kLoss[slot])})));
  }
  if (host.failing) {
    report.Line(Say(Msg::kCheckVerdictNoLoad, {ServiceName(host.services[*host.failing])}));
    report.Fails(Msg::kCheckFailsLoad);
  } else if (!host.boxes.empty()) {
    std::string named;
    for (const std::size_t slot : host.boxes) named += (named.empty() ? "" : ", ") + ServiceName(host.services[slot]);
    report.Line(Say(Msg::kCheckVerdictBoxes, {Count(Msg::kCountBoxes, host.boxes.size()), named}));
    report.Fails(Msg::kCheckFailsBoxes);
  } else {
    report.Line(Say(Msg::kCheckVerdictClean));
  }
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return text;
}

// The digest SHA256SUMS.txt gives talvenor.dll: "<hex>  name" or
// "<hex> *name" as sha256sum writes; empty when it names no such file.
std::string SumFor(const std::string& sums, std::string_view name) {
  std::size_t at = 0;
  while (at < sums.size()) {
    std::size_t end = sums.find('\n', at);
    if (end == std::string::npos) end = sums.size();
    std::string line = sums.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t space = line.find(' ');
    if (space != 64) continue;
    std::string file = line.substr(space + 1);
    if (!file.empty() && (file[0] == ' ' || file[0] == '*')) file.erase(0, 1);
    if (Lower(file) == Lower(std::string(name))) return Lower(line.substr(0, 64));
  }
  return "";
}

void ReportSums(Report& report, const fs::path& sumsPath, const std::string& digest) {
  const std::string sumsName = NameOf(sumsPath);
  try {
    const FileStart sums = ReadFileStart(sumsPath, 1 << 20);
    if (!sums.exists) return report.Line(Say(Msg::kCheckSumsNone), 1);
    const std::string expected = SumFor(sums.bytes, kPluginFile);
    if (expected.empty()) return report.Line(Say(Msg::kCheckSumsNoLine, {sumsName}), 1);
    if (expected == digest) return report.Line(Say(Msg::kCheckSumsMatch, {sumsName}), 1);
    report.Line(Say(Msg::kCheckSumsDiffer, {sumsName, expected}), 1);
    report.Fails(Msg::kCheckFailsSums);
  } catch (const FileError& e) {
    report.Line(e.what(), 1);
  }
}

void ReportPlugin(Report& report, const fs::path& folder, const FolderListing& listing, const fs::path& sums) {
  const auto name = FindName(listing, kPluginFile);
  if (!name || Absent(folder / PathFromUtf8(*name))) {
    report.Line(Say(Msg::kCheckPluginMissing));
    return;
  }
  report.Line(Say(Msg::kCheckPluginFile, {*name}));
  const ProgramFile file = ReadProgramFile(folder, *name);
  std::string problem = file.problem;
  if (file.image && !file.image->IsI386Dll()) problem = Say(Msg::kCheckNotAnI386Dll, {*name});
  if (problem.empty()) {
    std::string lacking;
    for (const std::uint32_t ordinal : {talvenor::kPluginAttachOrdinal, talvenor::kPluginStartOrdinal,
                                        talvenor::kPluginOptionalOrdinal})
      if (file.image->exportedOrdinals.count(ordinal) == 0) lacking += (lacking.empty() ? "" : ", ") + std::to_string(ordinal);
    if (!lacking.empty()) problem = Say(Msg::kCheckPluginLacksExports, {*name, lacking});
  }
  if (!problem.empty()) {
    report.Line(problem, 1);
    report.Fails(Msg::kCheckFailsPlugin);
  } else {
    report.Line(Say(Msg::kCheckPluginGood), 1);
    const std::string version = pe::VersionString(*file.image, "FileVersion");
    report.Line(version.empty() ? Say(Msg::kCheckPluginNoVersion) : Say(Msg::kCheckPluginVersion, {version}), 1);
  }
  if (file.bytes.empty() && !file.problem.empty()) return;
  const std::string digest = Sha256Hex(file.bytes);
  report.Line(Say(Msg::kCheckPluginSha256, {digest}), 1);
  ReportSums(report, sums, digest);
}

void ReportRightsAndSettings(Report& report, const fs::path& folder, const FolderListing& listing) {
  const std::string user = Say(Msg::kCheckThisUser, {CurrentUserName()});
  const FolderRights rights = TryCreateAndReplace(folder);
  if (rights.canReplace)
    report.Line(Say(Msg::kCheckRightsGood, {user}));
  else if (rights.canCreate)
    report.Line(Say(Msg::kCheckRightsNoReplace, {user, rights.why}));
  else
    report.Line(Say(Msg::kCheckRightsNoCreate, {user, rights.why}));
  report.Line(Say(Msg::kCheckRightsWho), 1);
  if (!rights.canCreate) report.Fails(Msg::kCheckFailsSave);
  report.Line("");

  const auto settings = FindName(listing, talvenor::kSettingsFileName);
  const fs::path settingsPath = folder / PathFromUtf8(settings.value_or(talvenor::kSettingsFileName));
  try {
    const FileStart start = ReadFileStart(settingsPath, kSettingsFileSize);
    if (!start.exists) {
      report.Line(Say(Msg::kCheckSettingsMissing));
    } else {
      const std::vector<std::string> damage = FindDamage(start.size, DecodeSettingsFile(start.bytes));
      report.Line(Say(damage.empty() ? Msg::kCheckSettingsSound : Msg::kCheckSettingsDamaged));
      for (const std::string& fault : damage) report.Line(fault, 1);
      if (!MayWrite(settingsPath)) {
        report.Line(Say(Msg::kCheckSettingsReadOnly, {user}), 1);
        report.Fails(Msg::kCheckFailsSave);
      }
    }
  } catch (const FileError& e) {
    report.Line(Say(Msg::kCheckSettingsUnreadable, {e.what()}));
    report.Fails(Msg::kCheckFailsSettings);
  }
  const auto marker = FindName(listing, talvenor::kMarkerFileName);
  std::error_code error;
  const bool markerThere = marker && fs::exists(SystemPath(folder / PathFromUtf8(*marker)), error);
  report.Line(Say(markerThere         ? Msg::kCheckMarkerExists
                  : rights.canCreate ? Msg::kCheckMarkerMissing
                                     : Msg::kCheckMarkerCannotMake),
              1);
}

}  // namespace

int CheckFolder(const CheckRequest& request, std::ostream& out) {
  Report report{out, {}};
  const fs::path& folder = request.folder;
  std::error_code error;
  const fs::path shown = fs::weakly_canonical(fs::absolute(SystemPath(folder), error), error);
  report.Line(Say(Msg::kCheckFolder, {NameOf(error ? folder : shown)}));
  if (KindOf(folder) != FileKind::kFolder) {
    const Msg why = KindOf(folder) == FileKind::kMissing ? Msg::kMissingFolder : Msg::kNotAFolder;
    report.Line(Say(why, {NameOf(folder)}));
    return 1;
  }
  const FolderListing listing = ListFolder(folder);
  if (!listing.listed) report.Line(Say(Msg::kCheckFolderUnlisted, {NameOf(folder), listing.why}));
  report.Line("");
  ReportHost(report, FindHostServices(folder, listing));
  report.Line("");
  ReportPlugin(report, folder, listing, request.sums);
  report.Line("");
  ReportRightsAndSettings(report, folder, listing);
  report.Line("");
  if (report.failures.empty()) {
    report.Line(Say(Msg::kCheckResultGood));
    return 0;
  }
  std::string all;
  for (const std::string& failure : report.failures) all += (all.empty() ? "" : "; ") + failure;
  report.Line(Say(Msg::kCheckResultBad, {all}));
  return 1;
}

fs::path SumsBesideProgram() {
#if defined(_WIN32)
  std::wstring path(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return fs::path(path).parent_path() / "SHA256SUMS.txt";
#else
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return (error ? fs::path(".") : self.parent_path()) / "SHA256SUMS.txt";
#endif
}

}  // namespace infprz

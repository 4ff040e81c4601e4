#include "check_host.h"

#include <algorithm>

#include "contract/fallback_rule.h"
#include "contract/host_services.h"
#include "file_calls.h"
#include "file_replace.h"
#include "messages.h"

namespace infprz {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kModuleFile = "MOLRAV.dll";

Msg ProblemMessage(pe::Problem problem) {
  switch (problem) {
    case pe::Problem::kTooLarge: return Msg::kCheckTooLarge;
    case pe::Problem::kDosProgram: return Msg::kCheckDosProgram;
    case pe::Problem::kSixteenBit: return Msg::kCheckSixteenBit;
    case pe::Problem::kCutShort: return Msg::kCheckCutShort;
    case pe::Problem::kSixtyFourBit: return Msg::kCheckSixtyFourBit;
    case pe::Problem::kUnknownFormat: return Msg::kCheckUnknownFormat;
    case pe::Problem::kExportsOutside: return Msg::kCheckExportsOutside;
    case pe::Problem::kTooManyExports: return Msg::kCheckTooManyExports;
    default: return Msg::kCheckNoProgram;
  }
}

bool EndsWithExe(std::string_view name) {
  if (name.size() < 4) return false;
  std::string end(name.substr(name.size() - 4));
  for (char& c : end) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return end == ".exe";
}

std::size_t ServicesExported(const pe::Image& image) {
  return static_cast<std::size_t>(std::count_if(std::begin(talvenor::kHostServices), std::end(talvenor::kHostServices),
                                                [&](const auto& s) { return image.exportedOrdinals.count(s.ordinal); }));
}

// The plug-in's probes in binding order, each box answered Ignore: the
// first Ignore sets the ignore-all flag, so later missing services get
// their fallback without a box; one without a fallback ends the load.
void FollowTheLoad(HostFinding& finding) {
  bool ignoreAll = false;
  for (std::size_t slot = 0; slot < finding.services.size(); ++slot) {
    const ServiceFinding& service = finding.services[slot];
    if (service.found) continue;
    if (!ignoreAll) finding.boxes.push_back(slot);
    ignoreAll = true;
    if (service.fallback == talvenor::kNoFallback) {
      finding.failing = slot;
      return;
    }
  }
}

}  // namespace

ProgramFile ReadProgramFile(const fs::path& folder, const std::string& name) {
  const fs::path path = folder / PathFromUtf8(name);
  ProgramFile file;
  try {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(SystemPath(path), error);
    if (!error && size > pe::kLargestFile) {
      file.problem = Say(Msg::kCheckTooLarge, {name});
      return file;
    }
    FileStart start = ReadFileStart(path, error ? pe::kLargestFile + 1 : size + 1);
    if (!start.exists) throw FileError(Say(Msg::kCannotRead, {name, Say(Msg::kNoSuchFile)}));
    file.bytes = std::move(start.bytes);
    const std::string& bytes = file.bytes;
    pe::Read read = pe::ReadImage({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
    if (read.image)
      file.image = std::move(read.image);
    else
      file.problem = Say(ProblemMessage(read.problem), {name});
  } catch (const FileError& e) {
    file.problem = e.what();
  }
  return file;
}

HostFinding FindHostServices(const fs::path& folder, const FolderListing& listing) {
  HostFinding finding;
  std::optional<pe::Image> host;
  if (const auto module = FindName(listing, kModuleFile); module && !Absent(folder / PathFromUtf8(*module))) {
    finding.file = *module;
    ProgramFile read = ReadProgramFile(folder, *module);
    if (read.image && !read.image->IsI386Dll()) read.problem = Say(Msg::kCheckNotAnI386Dll, {*module});
    if (read.problem.empty()) {
      finding.source = HostFinding::Source::kModule;
      host = std::move(read.image);
    } else {
      finding.source = HostFinding::Source::kUnusable;
      finding.fileProblems.push_back(read.problem);
    }
  } else {
    // No module of that name: the plug-in's lookups go to the host's
    // program file. Of the folder's, the one that exports the most.
    std::size_t best = 0;
    for (const std::string& name : listing.files) {
      if (!EndsWithExe(name)) continue;
      ProgramFile read = ReadProgramFile(folder, name);
      if (!read.image) {
        finding.fileProblems.push_back(read.problem);
        continue;
      }
      if (const std::size_t exported = ServicesExported(*read.image); exported > best) {
        best = exported;
        finding.source = HostFinding::Source::kProgram;
        finding.file = name;
        host = std::move(read.image);
      }
    }
  }
  for (const talvenor::HostServiceInfo& service : talvenor::kHostServices)
    finding.services.push_back({service.name, service.ordinal, host && host->exportedOrdinals.count(service.ordinal) != 0,
                                talvenor::FallbackForOrdinal(service.ordinal)});
  if (finding.source != HostFinding::Source::kUnusable) FollowTheLoad(finding);
  return finding;
}

}  // namespace infprz

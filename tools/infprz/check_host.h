#pragma once
// The host's services in a folder, found as the plug-in finds them at
// load: the module MOLRAV.dll, else a program file of the folder that
// exports them itself; and what the plug-in's load then does, by its own
// fallback rule, when the user answers Ignore.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check_folder.h"
#include "pe/pe_image.h"

namespace infprz {

// A program file read for the check: its image, or the line that says
// what is wrong with it.
struct ProgramFile {
  std::string bytes;  // the whole file, when it could be read
  std::optional<pe::Image> image;
  std::string problem;  // names the file
};
ProgramFile ReadProgramFile(const std::filesystem::path& folder, const std::string& name);

struct ServiceFinding {
  std::string_view name;
  std::uint32_t ordinal = 0;
  bool found = false;
  int fallback = 0;  // the stub the plug-in puts in its place; kNoFallback for none
};

struct HostFinding {
  enum class Source { kModule, kProgram, kNowhere, kUnusable };
  Source source = Source::kNowhere;
  std::string file;                       // the module or program file the services came from
  std::vector<std::string> fileProblems;  // one line per file that could not be read as a program
  std::vector<ServiceFinding> services;   // all of them, in the plug-in's binding order

  // The load when every box is answered Ignore: the services whose box
  // shows (after the first Ignore no other does), and the first service
  // left without an entry, which fails the load.
  std::vector<std::size_t> boxes;
  std::optional<std::size_t> failing;
  bool Loads() const { return source != Source::kUnusable && !failing; }
};

HostFinding FindHostServices(const std::filesystem::path& folder, const FolderListing& listing);

}  // namespace infprz

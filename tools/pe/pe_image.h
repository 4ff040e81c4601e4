#pragma once
// Reads what a Windows loader and Explorer read from a program file: the
// headers, the export directory, the import tables and the version
// strings. Safe on any bytes a folder may hold: every read is checked
// against the file, every count against what the file can hold, and a
// file that is no 32-bit Windows program says which kind of file it is.
#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace pe {

// Why bytes are no usable 32-bit Windows program file.
enum class Problem {
  kNone,
  kCannotOpen,        // ReadFile only: the file could not be opened
  kTooLarge,          // larger than any program the check reads (kLargestFile)
  kNotAProgram,       // no "MZ" at its start: text, an image, anything
  kDosProgram,        // "MZ" but no Windows header after it
  kSixteenBit,        // a 16-bit Windows or OS/2 program ("NE", "LE", "LX")
  kCutShort,          // its headers or section table run past the end of the file
  kSixtyFourBit,      // PE32+, a 64-bit program
  kUnknownFormat,     // a PE header of no kind a 32-bit loader takes
  kExportsOutside,    // the export directory or one of its tables lies outside the file
  kTooManyExports,    // more export entries than ordinals exist
};

inline constexpr std::uint64_t kLargestFile = 512ull << 20;

struct Section {
  std::string name;
  std::uint32_t virtualAddress = 0, virtualSize = 0, rawOffset = 0, rawSize = 0;
  std::uint32_t characteristics = 0;  // 0x20: code
};

struct Image {
  std::uint16_t machine = 0;           // 0x14C for i386
  std::uint16_t characteristics = 0;   // IMAGE_FILE_DLL is 0x2000
  std::uint16_t optionalMagic = 0;     // 0x10B for PE32
  std::uint32_t symbolCount = 0;       // 0 when stripped
  std::uint32_t imageBase = 0;
  std::uint32_t entryPoint = 0;        // RVA of the function the loader calls
  std::uint32_t tlsDirectory = 0;      // RVA, 0 when the image has none
  std::vector<Section> sections;
  std::string exportModuleName;
  std::set<std::uint32_t> exportedOrdinals;  // ordinals with an entry
  std::vector<std::string> exportedNames;
  std::vector<std::string> imports;  // "module!function", the module lower-cased as the loader compares it;
                                     // "module!#<ordinal>" for an import by ordinal
  std::string resources;             // the bytes of the section holding the resource directory

  bool IsI386Dll() const { return machine == 0x14C && (characteristics & 0x2000) != 0; }
};

struct Read {
  std::optional<Image> image;  // set exactly when problem is kNone
  Problem problem = Problem::kNone;
};

// The image of a program file's bytes.
Read ReadImage(std::span<const unsigned char> bytes);

// The same from a file (for tests and tools that need no reason why a file
// would not open).
Read ReadFile(const std::string& path);

// The problem as an English phrase, for test failures and fuzz reports.
const char* Describe(Problem problem);

// The value of a String of the version resource (ASCII; '?' for any other
// character); empty when the key is not there.
std::string VersionString(const Image& image, const std::string& key);

}  // namespace pe

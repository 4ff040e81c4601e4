#pragma once
// Reads what a Windows loader and Explorer read from a 32-bit PE file: the
// headers, the export directory, the import tables and the version strings.
// A read past the end of the file gives 0 or an empty text.
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pe {

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
};

// Returns nothing, and says why in `error`, when the file is no PE32 image.
std::optional<Image> ReadFile(const std::string& path, std::string* error);

// The value of a String of the version resource (ASCII; '?' for any other
// character); empty when the key is not there.
std::string VersionString(const Image& image, const std::string& key);

}  // namespace pe

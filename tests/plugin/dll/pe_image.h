#pragma once
// Reads what a Windows loader and Explorer read from a 32-bit PE file: the
// machine, the export directory, the import tables and the version strings.
// Every offset is checked against the file's size before it is read.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pe {

struct Import {
  std::string module;    // as written in the file, e.g. "KERNEL32.dll"
  std::string function;  // name, or "#<ordinal>" for an import by ordinal
};

struct SectionHeader {
  std::string name;
  std::uint32_t virtualAddress = 0, virtualSize = 0, characteristics = 0;  // 0x20: code
};

struct Image {
  std::uint16_t machine = 0;           // 0x14C for i386
  std::uint16_t characteristics = 0;   // IMAGE_FILE_DLL is 0x2000
  std::uint16_t optionalMagic = 0;     // 0x10B for PE32
  std::uint32_t symbolCount = 0;       // 0 when stripped
  std::uint32_t imageBase = 0;
  std::uint32_t entryPoint = 0;        // RVA of the function the loader calls
  std::uint32_t tlsDirectory = 0;      // RVA, 0 when the image has none
  std::vector<SectionHeader> sections;
  std::string exportModuleName;
  std::set<std::uint32_t> exportedOrdinals;  // ordinals with an entry
  std::vector<std::string> exportedNames;
  std::vector<Import> imports;
  std::map<std::string, std::string> versionStrings;  // FileDescription -> ...
};

// Returns nothing, and says why in `error`, when the bytes are no PE32 image.
std::optional<Image> Read(const std::vector<unsigned char>& file, std::string* error);
std::optional<Image> ReadFile(const std::string& path, std::string* error);

}  // namespace pe

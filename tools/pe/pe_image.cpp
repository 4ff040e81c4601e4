#include "pe_image.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace pe {

namespace {

// No export, import or section name of a real program comes near this; a
// damaged file's runaway text stops here.
constexpr std::size_t kLongestName = 512;
// Ordinals are 16-bit: no export table has more entries than this.
constexpr std::uint32_t kMostExports = 0x10000;
// Far beyond any real program's imports, and a bound on the work a damaged
// import table can cause.
constexpr std::size_t kMostImports = 0x10000;

class Reader {
 public:
  explicit Reader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

  std::uint64_t Size() const { return bytes_.size(); }
  bool Holds(std::uint64_t at, std::uint64_t length) const { return at <= Size() && length <= Size() - at; }
  // Past the end of the file a read gives 0.
  std::uint32_t Le(std::uint64_t at, int size) const {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | (at + i < Size() ? bytes_[at + i] : 0u);
    return value;
  }
  std::uint16_t U16(std::uint64_t at) const { return static_cast<std::uint16_t>(Le(at, 2)); }
  std::uint32_t U32(std::uint64_t at) const { return Le(at, 4); }
  std::string Text(std::uint64_t at, std::size_t limit = kLongestName) const {
    std::string text;
    while (at < Size() && bytes_[at] != 0 && text.size() < limit) text += static_cast<char>(bytes_[at++]);
    return text;
  }
  // The section holding an RVA; nullptr when none does.
  const Section* Home(std::uint32_t rva) const {
    for (const auto& s : sections)
      if (rva >= s.virtualAddress && rva < std::uint64_t{s.virtualAddress} + std::max(s.virtualSize, s.rawSize))
        return &s;
    return nullptr;
  }
  // Past the end of the file when the RVA lies in no section.
  std::uint64_t FileOffset(std::uint32_t rva) const {
    const Section* home = Home(rva);
    return home != nullptr ? std::uint64_t{home->rawOffset} + (rva - home->virtualAddress) : Size();
  }
  // Whether `length` bytes at the RVA lie in the file.
  bool InFile(std::uint32_t rva, std::uint64_t length) const {
    return Home(rva) != nullptr && Holds(FileOffset(rva), length);
  }

  std::vector<Section> sections;

 private:
  std::span<const unsigned char> bytes_;
};

Problem ReadExports(const Reader& r, std::uint32_t rva, Image& image) {
  if (rva == 0) return Problem::kNone;
  if (!r.InFile(rva, 40)) return Problem::kExportsOutside;
  const std::uint64_t directory = r.FileOffset(rva);
  const std::uint32_t base = r.U32(directory + 16);
  const std::uint32_t functionCount = r.U32(directory + 20), nameCount = r.U32(directory + 24);
  if (functionCount > kMostExports || nameCount > kMostExports) return Problem::kTooManyExports;
  const std::uint32_t functionsRva = r.U32(directory + 28), namesRva = r.U32(directory + 32);
  if (functionCount != 0 && !r.InFile(functionsRva, 4ull * functionCount)) return Problem::kExportsOutside;
  if (nameCount != 0 && !r.InFile(namesRva, 4ull * nameCount)) return Problem::kExportsOutside;
  image.exportModuleName = r.Text(r.FileOffset(r.U32(directory + 12)));
  const std::uint64_t functions = r.FileOffset(functionsRva), names = r.FileOffset(namesRva);
  for (std::uint32_t i = 0; i < functionCount; ++i)
    if (r.U32(functions + 4ull * i) != 0) image.exportedOrdinals.insert(base + i);
  for (std::uint32_t i = 0; i < nameCount; ++i) image.exportedNames.push_back(r.Text(r.FileOffset(r.U32(names + 4ull * i))));
  return Problem::kNone;
}

// A damaged import table costs no more than kMostImports entries.
void ReadImports(const Reader& r, std::uint32_t rva, Image& image) {
  if (rva == 0) return;
  std::size_t descriptors = 0;
  for (std::uint64_t descriptor = r.FileOffset(rva); r.U32(descriptor + 12) != 0 && descriptors < kMostImports;
       descriptor += 20, ++descriptors) {
    std::string module = r.Text(r.FileOffset(r.U32(descriptor + 12)));
    std::transform(module.begin(), module.end(), module.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::uint32_t thunkRva = r.U32(descriptor);  // the lookup table, else the address table
    if (thunkRva == 0) thunkRva = r.U32(descriptor + 16);
    for (std::uint64_t thunk = r.FileOffset(thunkRva); r.U32(thunk) != 0; thunk += 4) {
      if (image.imports.size() >= kMostImports) return;
      const std::uint32_t entry = r.U32(thunk);
      std::string import = module;  // appended piecewise: GCC 12 warns falsely on a + chain here
      import += '!';
      if (entry & 0x80000000u) {
        import += '#';
        import += std::to_string(entry & 0xFFFF);
      } else {
        import += r.Text(r.FileOffset(entry) + 2);
      }
      image.imports.push_back(std::move(import));
    }
  }
}

Read Fail(Problem problem) { return {std::nullopt, problem}; }

}  // namespace

Read ReadImage(std::span<const unsigned char> bytes) {
  Reader r(bytes);
  if (r.Size() > kLargestFile) return Fail(Problem::kTooLarge);
  if (r.Size() < 2 || r.U16(0) != 0x5A4D) return Fail(Problem::kNotAProgram);
  if (r.Size() < 0x40) return Fail(Problem::kCutShort);
  const std::uint32_t newHeader = r.U32(0x3C);
  // A relocation table from 0x40 on marks a program with a newer header.
  const bool marksNewHeader = r.U16(0x18) >= 0x40;
  if (!r.Holds(newHeader, 4)) return Fail(marksNewHeader && newHeader != 0 ? Problem::kCutShort : Problem::kDosProgram);
  const std::uint16_t kind = r.U16(newHeader);
  if (kind == 0x454E || kind == 0x454C || kind == 0x584C) return Fail(Problem::kSixteenBit);  // NE, LE, LX
  if (r.U32(newHeader) != 0x00004550) return Fail(Problem::kDosProgram);

  Image image;
  const std::uint64_t fileHeader = newHeader + 4ull;
  const std::uint64_t optional = fileHeader + 20;
  if (!r.Holds(fileHeader, 20 + 2)) return Fail(Problem::kCutShort);
  image.machine = r.U16(fileHeader);
  image.symbolCount = r.U32(fileHeader + 12);
  const std::uint16_t optionalSize = r.U16(fileHeader + 16);
  image.characteristics = r.U16(fileHeader + 18);
  image.optionalMagic = r.U16(optional);
  if (image.optionalMagic == 0x20B) return Fail(Problem::kSixtyFourBit);
  if (image.optionalMagic != 0x10B || optionalSize < 96) return Fail(Problem::kUnknownFormat);
  if (!r.Holds(optional, optionalSize)) return Fail(Problem::kCutShort);
  image.entryPoint = r.U32(optional + 16);
  image.imageBase = r.U32(optional + 28);
  const std::uint16_t sectionCount = r.U16(fileHeader + 2);
  if (!r.Holds(optional + optionalSize, 40ull * sectionCount)) return Fail(Problem::kCutShort);
  for (std::uint16_t i = 0; i < sectionCount; ++i) {
    const std::uint64_t s = optional + optionalSize + 40ull * i;
    image.sections.push_back(
        {r.Text(s, 8), r.U32(s + 12), r.U32(s + 8), r.U32(s + 20), r.U32(s + 16), r.U32(s + 36)});
  }
  r.sections = image.sections;

  // The directories the header both counts and has room for.
  const std::uint64_t directories = optional + 96;
  const std::uint32_t directoryCount = std::min<std::uint32_t>(r.U32(optional + 92), (optionalSize - 96u) / 8u);
  const auto directory = [&](std::uint32_t n) { return n < directoryCount ? r.U32(directories + 8ull * n) : 0u; };
  image.tlsDirectory = directory(9);
  if (const Problem exports = ReadExports(r, directory(0), image); exports != Problem::kNone) return Fail(exports);
  ReadImports(r, directory(1), image);
  if (const Section* home = r.Home(directory(2)); home != nullptr && directory(2) != 0) {
    const std::uint64_t begin = std::min<std::uint64_t>(home->rawOffset, r.Size());
    const std::uint64_t end = std::min<std::uint64_t>(std::uint64_t{home->rawOffset} + home->rawSize, r.Size());
    image.resources.assign(bytes.begin() + static_cast<std::ptrdiff_t>(begin),
                           bytes.begin() + static_cast<std::ptrdiff_t>(end));
  }
  return {std::move(image), Problem::kNone};
}

Read ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fail(Problem::kCannotOpen);
  std::vector<unsigned char> file;
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    file.insert(file.end(), buffer, buffer + in.gcount());
    if (file.size() > kLargestFile) return Fail(Problem::kTooLarge);
  }
  return ReadImage(file);
}

const char* Describe(Problem problem) {
  switch (problem) {
    case Problem::kNone: return "a 32-bit Windows program file";
    case Problem::kCannotOpen: return "cannot be opened";
    case Problem::kTooLarge: return "too large for a program file";
    case Problem::kNotAProgram: return "not a program file (no MZ header)";
    case Problem::kDosProgram: return "a DOS program, no Windows header";
    case Problem::kSixteenBit: return "a 16-bit program";
    case Problem::kCutShort: return "cut short: its headers run past the end";
    case Problem::kSixtyFourBit: return "a 64-bit program";
    case Problem::kUnknownFormat: return "a PE header of an unknown kind";
    case Problem::kExportsOutside: return "its export table lies outside the file";
    case Problem::kTooManyExports: return "its export table counts more entries than ordinals exist";
  }
  return "?";
}

// A String of the version resource: after its length, value length and
// type (16 bits each) its key in UTF-16 with a NUL, then the value at the
// next 4-byte boundary (the section, and so each block, starts aligned).
std::string VersionString(const Image& image, const std::string& key) {
  const std::string& bytes = image.resources;
  const auto u16 = [&](std::size_t at) {
    return at + 1 < bytes.size() ? static_cast<unsigned>(static_cast<unsigned char>(bytes[at]) |
                                                         static_cast<unsigned char>(bytes[at + 1]) << 8)
                                 : 0u;
  };
  std::string wideKey;
  for (char c : key + '\0') wideKey.append({c, '\0'});
  const std::size_t at = bytes.find(wideKey);
  if (at == std::string::npos || at < 6 || u16(at - 4) == 0) return "";
  std::string value;
  for (std::size_t c = (at + wideKey.size() + 3) & ~std::size_t{3}; u16(c) != 0 && value.size() < kLongestName;
       c += 2)
    value += u16(c) < 0x80 ? static_cast<char>(u16(c)) : '?';
  return value;
}

}  // namespace pe

#include "pe_image.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace pe {

namespace {

template <typename Bytes> std::uint32_t Le(const Bytes& bytes, std::uint64_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = value << 8 | (at + i < bytes.size() ? static_cast<unsigned char>(bytes[at + i]) : 0u);
  return value;
}

class Reader {
 public:
  explicit Reader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

  std::uint16_t U16(std::uint64_t at) const { return static_cast<std::uint16_t>(Le(bytes_, at, 2)); }
  std::uint32_t U32(std::uint64_t at) const { return Le(bytes_, at, 4); }
  std::string Text(std::uint64_t at, std::size_t limit = SIZE_MAX) const {
    std::string text;
    while (at < bytes_.size() && bytes_[at] != 0 && text.size() < limit) text += static_cast<char>(bytes_[at++]);
    return text;
  }
  // The section holding an RVA; nullptr when none does.
  const Section* Home(std::uint32_t rva) const {
    for (const auto& s : sections)
      if (rva >= s.virtualAddress && rva < s.virtualAddress + std::max(s.virtualSize, s.rawSize)) return &s;
    return nullptr;
  }
  // Past the end of the file when the RVA lies in no section.
  std::uint64_t FileOffset(std::uint32_t rva) const {
    const Section* home = Home(rva);
    return home != nullptr ? std::uint64_t{home->rawOffset} + (rva - home->virtualAddress) : bytes_.size();
  }

  std::vector<Section> sections;

 private:
  const std::vector<unsigned char>& bytes_;
};

void ReadExports(const Reader& r, std::uint32_t rva, Image& image) {
  if (rva == 0) return;
  const std::uint64_t directory = r.FileOffset(rva);
  image.exportModuleName = r.Text(r.FileOffset(r.U32(directory + 12)));
  const std::uint32_t base = r.U32(directory + 16);
  const std::uint64_t functions = r.FileOffset(r.U32(directory + 28));
  const std::uint64_t names = r.FileOffset(r.U32(directory + 32));
  for (std::uint32_t i = 0; i < r.U32(directory + 20); ++i)
    if (r.U32(functions + 4 * i) != 0) image.exportedOrdinals.insert(base + i);
  for (std::uint32_t i = 0; i < r.U32(directory + 24); ++i)
    image.exportedNames.push_back(r.Text(r.FileOffset(r.U32(names + 4 * i))));
}

void ReadImports(const Reader& r, std::uint32_t rva, Image& image) {
  if (rva == 0) return;
  for (std::uint64_t descriptor = r.FileOffset(rva); r.U32(descriptor + 12) != 0; descriptor += 20) {
    std::string module = r.Text(r.FileOffset(r.U32(descriptor + 12)));
    std::transform(module.begin(), module.end(), module.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::uint32_t thunkRva = r.U32(descriptor);  // the lookup table, else the address table
    if (thunkRva == 0) thunkRva = r.U32(descriptor + 16);
    for (std::uint64_t thunk = r.FileOffset(thunkRva); r.U32(thunk) != 0; thunk += 4) {
      const std::uint32_t entry = r.U32(thunk);
      image.imports.push_back(module + "!" +
                              (entry & 0x80000000u ? "#" + std::to_string(entry & 0xFFFF)
                                                   : r.Text(r.FileOffset(entry) + 2)));
    }
  }
}

}  // namespace

std::optional<Image> ReadFile(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> file(std::istreambuf_iterator<char>(in), {});
  Reader r(file);
  auto fail = [&](const std::string& why) -> std::optional<Image> {
    *error = why;
    return std::nullopt;
  };
  if (!in) return fail("cannot open " + path);
  if (r.Text(0, 2) != "MZ") return fail("no MZ header");
  const std::uint32_t peOffset = r.U32(0x3C);
  if (r.U32(peOffset) != 0x00004550) return fail("no PE signature");
  Image image;
  const std::uint64_t fileHeader = peOffset + 4;
  image.machine = r.U16(fileHeader);
  image.symbolCount = r.U32(fileHeader + 12);
  const std::uint16_t optionalSize = r.U16(fileHeader + 16);
  image.characteristics = r.U16(fileHeader + 18);
  const std::uint64_t optional = fileHeader + 20;
  image.optionalMagic = r.U16(optional);
  if (image.optionalMagic != 0x10B || optionalSize < 96 + 8 * 10) return fail("not a PE32 image");
  image.entryPoint = r.U32(optional + 16);
  image.imageBase = r.U32(optional + 28);
  for (std::uint16_t i = 0; i < r.U16(fileHeader + 2); ++i) {
    const std::uint64_t s = optional + optionalSize + 40u * i;
    if (s + 40 > file.size()) return fail("section table runs past the end");
    image.sections.push_back(
        {r.Text(s, 8), r.U32(s + 12), r.U32(s + 8), r.U32(s + 20), r.U32(s + 16), r.U32(s + 36)});
  }
  r.sections = image.sections;
  const std::uint64_t directories = optional + 96;
  if (r.U32(optional + 92) > 9) image.tlsDirectory = r.U32(directories + 8 * 9);
  ReadExports(r, r.U32(directories), image);
  ReadImports(r, r.U32(directories + 8), image);
  if (const Section* home = r.Home(r.U32(directories + 16)); home != nullptr && r.U32(directories + 16) != 0)
    image.resources.assign(file.begin() + std::min<std::size_t>(home->rawOffset, file.size()),
                           file.begin() + std::min<std::size_t>(home->rawOffset + home->rawSize, file.size()));
  return image;
}

// A String of the version resource: after its length, value length and
// type (16 bits each) its key in UTF-16 with a NUL, then the value at the
// next 4-byte boundary (the section, and so each block, starts aligned).
std::string VersionString(const Image& image, const std::string& key) {
  std::string wideKey;
  for (char c : key + '\0') wideKey.append({c, '\0'});
  const std::size_t at = image.resources.find(wideKey);
  if (at == std::string::npos || at < 6 || Le(image.resources, at - 4, 2) == 0) return "";
  std::string value;
  for (std::size_t c = (at + wideKey.size() + 3) & ~std::size_t{3}; Le(image.resources, c, 2) != 0; c += 2)
    value += image.resources[c + 1] == 0 ? image.resources[c] : '?';
  return value;
}

}  // namespace pe

#include "pe_image.h"

#include <fstream>
#include <iterator>

namespace pe {

namespace {

struct Section {
  std::string name;
  std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
};

class Reader {
 public:
  explicit Reader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

  bool Has(std::uint64_t offset, std::uint64_t size) const { return offset + size <= bytes_.size(); }
  std::uint16_t U16(std::uint64_t o) const { return Has(o, 2) ? static_cast<std::uint16_t>(bytes_[o] | bytes_[o + 1] << 8) : 0; }
  std::uint32_t U32(std::uint64_t o) const { return Has(o, 4) ? static_cast<std::uint32_t>(U16(o) | U16(o + 2) << 16) : 0; }
  std::string Text(std::uint64_t o) const {
    std::string s;
    while (o < bytes_.size() && bytes_[o] != 0) s += static_cast<char>(bytes_[o++]);
    return s;
  }
  // UTF-16LE, ASCII only (enough for the version keys and values).
  std::string Wide(std::uint64_t o, std::uint64_t* end) const {
    std::string s;
    while (Has(o, 2) && U16(o) != 0) {
      const std::uint16_t c = U16(o);
      s += c < 0x80 ? static_cast<char>(c) : '?';
      o += 2;
    }
    *end = o + 2;
    return s;
  }

  std::vector<Section> sections;
  // Returns 0 when the RVA lies in no section (0 is never a valid place here).
  std::uint64_t FileOffset(std::uint32_t rva) const {
    for (const auto& s : sections)
      if (rva >= s.virtualAddress && rva < s.virtualAddress + std::max(s.virtualSize, s.rawSize))
        return static_cast<std::uint64_t>(s.rawOffset) + (rva - s.virtualAddress);
    return 0;
  }

 private:
  const std::vector<unsigned char>& bytes_;
};

void ReadExports(const Reader& r, std::uint32_t rva, Image& image) {
  const std::uint64_t dir = r.FileOffset(rva);
  if (dir == 0 || !r.Has(dir, 40)) return;
  image.exportModuleName = r.Text(r.FileOffset(r.U32(dir + 12)));
  const std::uint32_t base = r.U32(dir + 16);
  const std::uint32_t functionCount = r.U32(dir + 20);
  const std::uint32_t nameCount = r.U32(dir + 24);
  const std::uint64_t functions = r.FileOffset(r.U32(dir + 28));
  const std::uint64_t names = r.FileOffset(r.U32(dir + 32));
  for (std::uint32_t i = 0; i < functionCount && functions != 0 && r.Has(functions + 4 * i, 4); ++i)
    if (r.U32(functions + 4 * i) != 0) image.exportedOrdinals.insert(base + i);
  for (std::uint32_t i = 0; i < nameCount && names != 0 && r.Has(names + 4 * i, 4); ++i)
    image.exportedNames.push_back(r.Text(r.FileOffset(r.U32(names + 4 * i))));
}

void ReadImports(const Reader& r, std::uint32_t rva, Image& image) {
  std::uint64_t descriptor = r.FileOffset(rva);
  if (descriptor == 0) return;
  for (; r.Has(descriptor, 20) && r.U32(descriptor + 12) != 0; descriptor += 20) {
    const std::string module = r.Text(r.FileOffset(r.U32(descriptor + 12)));
    std::uint32_t thunkRva = r.U32(descriptor);  // the lookup table, else the address table
    if (thunkRva == 0) thunkRva = r.U32(descriptor + 16);
    for (std::uint64_t thunk = r.FileOffset(thunkRva); thunk != 0 && r.Has(thunk, 4) && r.U32(thunk) != 0; thunk += 4) {
      const std::uint32_t entry = r.U32(thunk);
      if (entry & 0x80000000u)
        image.imports.push_back({module, std::string(1, '#').append(std::to_string(entry & 0xFFFF))});
      else
        image.imports.push_back({module, r.Text(r.FileOffset(entry) + 2)});
    }
  }
}

// VS_VERSIONINFO and its children: length, value length, type, key, value,
// children, each aligned to 4 bytes from the start of the block.
void ReadVersionNode(const Reader& r, std::uint64_t start, std::uint64_t limit, int depth, Image& image) {
  if (depth > 4 || !r.Has(start, 6)) return;
  const std::uint16_t length = r.U16(start);
  const std::uint16_t valueLength = r.U16(start + 2);
  const std::uint16_t type = r.U16(start + 4);
  if (length < 6 || start + length > limit) return;
  std::uint64_t afterKey = 0;
  const std::string key = r.Wide(start + 6, &afterKey);
  std::uint64_t value = (afterKey + 3) & ~std::uint64_t{3};
  const std::uint64_t end = start + length;
  if (depth == 3 && type == 1) {  // a String inside a StringTable
    std::uint64_t ignored = 0;
    image.versionStrings[key] = valueLength ? r.Wide(value, &ignored) : "";
    return;
  }
  std::uint64_t child = value + (type == 1 ? 2u * valueLength : valueLength);
  child = (child + 3) & ~std::uint64_t{3};
  const int childDepth = depth == 0 ? 1 : depth + 1;
  while (child + 6 <= end) {
    const std::uint16_t childLength = r.U16(child);
    if (childLength == 0) break;
    if (depth == 0 && key == "VS_VERSION_INFO") {
      std::uint64_t childKeyEnd = 0;
      if (r.Wide(child + 6, &childKeyEnd) != "StringFileInfo") {
        child = (child + childLength + 3) & ~std::uint64_t{3};
        continue;
      }
    }
    ReadVersionNode(r, child, end, childDepth, image);
    child = (child + childLength + 3) & ~std::uint64_t{3};
  }
}

// The resource tree: type 16 (RT_VERSION) -> first name -> first language.
void ReadVersion(const Reader& r, std::uint32_t rva, Image& image) {
  const std::uint64_t root = r.FileOffset(rva);
  if (root == 0) return;
  auto findEntry = [&](std::uint64_t dir, std::optional<std::uint32_t> id) -> std::uint32_t {
    if (!r.Has(dir, 16)) return 0;
    const unsigned count = r.U16(dir + 12) + r.U16(dir + 14);
    for (unsigned i = 0; i < count && r.Has(dir + 16 + 8 * i, 8); ++i) {
      if (!id || r.U32(dir + 16 + 8 * i) == *id) return r.U32(dir + 16 + 8 * i + 4);
    }
    return 0;
  };
  std::uint32_t entry = findEntry(root, 16);
  for (int level = 0; level < 2 && (entry & 0x80000000u); ++level) entry = findEntry(root + (entry & 0x7FFFFFFF), std::nullopt);
  if (entry == 0 || (entry & 0x80000000u)) return;
  const std::uint64_t dataEntry = root + entry;
  const std::uint64_t data = r.FileOffset(r.U32(dataEntry));
  const std::uint32_t size = r.U32(dataEntry + 4);
  if (data == 0 || !r.Has(data, size)) return;
  ReadVersionNode(r, data, data + size, 0, image);
}

}  // namespace

std::optional<Image> Read(const std::vector<unsigned char>& file, std::string* error) {
  Reader r(file);
  auto fail = [&](const char* why) -> std::optional<Image> {
    if (error) *error = why;
    return std::nullopt;
  };
  if (!r.Has(0, 64) || file[0] != 'M' || file[1] != 'Z') return fail("no MZ header");
  const std::uint32_t peOffset = r.U32(0x3C);
  if (!r.Has(peOffset, 24) || r.U32(peOffset) != 0x00004550) return fail("no PE signature");
  Image image;
  const std::uint64_t fileHeader = peOffset + 4;
  image.machine = r.U16(fileHeader);
  const std::uint16_t sectionCount = r.U16(fileHeader + 2);
  image.symbolCount = r.U32(fileHeader + 12);
  const std::uint16_t optionalSize = r.U16(fileHeader + 16);
  image.characteristics = r.U16(fileHeader + 18);
  const std::uint64_t optional = fileHeader + 20;
  image.optionalMagic = r.U16(optional);
  if (image.optionalMagic != 0x10B || optionalSize < 96 + 8 * 3) return fail("not a PE32 image");
  image.entryPoint = r.U32(optional + 16);
  image.imageBase = r.U32(optional + 28);
  const std::uint64_t directories = optional + 96;
  for (std::uint16_t i = 0; i < sectionCount; ++i) {
    const std::uint64_t s = optional + optionalSize + 40u * i;
    if (!r.Has(s, 40)) return fail("section table runs past the end");
    std::size_t nameLength = 0;
    while (nameLength < 8 && file[s + nameLength] != 0) ++nameLength;
    const std::string name(file.begin() + static_cast<std::ptrdiff_t>(s),
                           file.begin() + static_cast<std::ptrdiff_t>(s + nameLength));
    r.sections.push_back({name, r.U32(s + 12), r.U32(s + 8), r.U32(s + 20), r.U32(s + 16)});
    image.sections.push_back({name, r.U32(s + 12), r.U32(s + 8), r.U32(s + 36)});
  }
  const std::uint32_t directoryCount = r.U32(optional + 92);
  if (directoryCount > 9 && optionalSize >= 96 + 8 * 10) image.tlsDirectory = r.U32(directories + 8 * 9);
  ReadExports(r, r.U32(directories), image);
  ReadImports(r, r.U32(directories + 8), image);
  ReadVersion(r, r.U32(directories + 16), image);
  return image;
}

std::optional<Image> ReadFile(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot open " + path;
    return std::nullopt;
  }
  const std::vector<unsigned char> bytes(std::istreambuf_iterator<char>(in), {});
  return Read(bytes, error);
}

}  // namespace pe

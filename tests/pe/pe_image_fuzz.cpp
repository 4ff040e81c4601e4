// The program-file reader over any bytes a folder may hold: it must
// neither crash nor read outside them, must give an image exactly when it
// finds no problem, and an image it gives must hold only what a 32-bit
// program's headers can count.
//
// Input: the file's bytes, whole.
#include <cstdint>
#include <span>

#include "harness/fuzz_host.h"
#include "pe/pe_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pe::Read read = pe::ReadImage(std::span<const unsigned char>(data, size));
  FUZZ_CHECK(read.image.has_value() == (read.problem == pe::Problem::kNone));
  if (!read.image) return 0;
  const pe::Image& image = *read.image;
  FUZZ_CHECK(image.optionalMagic == 0x10B);
  FUZZ_CHECK(image.exportedOrdinals.size() <= 0x10000 && image.exportedNames.size() <= 0x10000);
  FUZZ_CHECK(image.sections.size() <= 0xFFFF && image.resources.size() <= size);
  for (const char* key : {"FileVersion", "OriginalFilename"}) FUZZ_CHECK(pe::VersionString(image, key).size() <= 512);
  return 0;
}

#include "text_columns.h"

namespace infprz {

std::size_t Columns(std::string_view utf8) {
  std::size_t columns = 0;
  for (char c : utf8) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return columns;
}

std::string PadRight(std::string_view utf8, std::size_t width) {
  const std::size_t columns = Columns(utf8);
  return std::string(utf8) + std::string(columns >= width ? 1 : width - columns, ' ');
}

}  // namespace infprz

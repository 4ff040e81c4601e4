#include "screen.h"

#include <algorithm>

#include "contract/mazovia.h"

namespace standin::host {

Screen::Screen(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)), cells_(static_cast<std::size_t>(width_ * height_)) {}

Cell Screen::At(int column, int row) const {
  if (column < 0 || row < 0 || column >= width_ || row >= height_) return {};
  return cells_[static_cast<std::size_t>(row * width_ + column)];
}

void Screen::Put(int column, int row, char32_t ch, std::uint8_t attr) {
  if (column < 0 || row < 0 || column >= width_ || row >= height_) return;
  if (ch < 0x20 || ch == 0x7F) ch = U'·';  // a control byte takes a cell of its own
  cells_[static_cast<std::size_t>(row * width_ + column)] = {ch, attr};
}

void Screen::SetAttr(int column, int row, std::uint8_t attr) {
  if (column < 0 || row < 0 || column >= width_ || row >= height_) return;
  cells_[static_cast<std::size_t>(row * width_ + column)].attr = attr;
}

void Screen::Fill(const Rect& rect, char32_t ch, std::uint8_t attr) {
  for (int r = rect.row; r < rect.row + rect.height; ++r)
    for (int c = rect.column; c < rect.column + rect.width; ++c) Put(c, r, ch, attr);
}

int Screen::Text(int column, int row, std::string_view utf8, std::uint8_t attr) {
  return Text(column, row, utf8, attr, width_);
}

int Screen::Text(int column, int row, std::string_view utf8, std::uint8_t attr, int width) {
  return PutText(column, row, DecodeUtf8(utf8), attr, width);
}

int Screen::Mazovia(int column, int row, std::string_view mazovia, std::uint8_t attr, int width) {
  return PutText(column, row, DecodeMazovia(mazovia), attr, width);
}

int Screen::PutText(int column, int row, std::u32string_view text, std::uint8_t attr, int width) {
  int written = 0;
  for (char32_t ch : text) {
    if (written == width) break;
    Put(column + written++, row, ch, attr);
  }
  return column + written;
}

void Screen::Frame(const Rect& rect, FrameStyle style, std::uint8_t attr) {
  if (rect.width < 2 || rect.height < 2) return;
  const bool d = style == FrameStyle::Double;
  const char32_t horizontal = d ? U'═' : U'─', vertical = d ? U'║' : U'│';
  const int right = rect.column + rect.width - 1, bottom = rect.row + rect.height - 1;
  for (int c = rect.column + 1; c < right; ++c) {
    Put(c, rect.row, horizontal, attr);
    Put(c, bottom, horizontal, attr);
  }
  for (int r = rect.row + 1; r < bottom; ++r) {
    Put(rect.column, r, vertical, attr);
    Put(right, r, vertical, attr);
  }
  Put(rect.column, rect.row, d ? U'╔' : U'┌', attr);
  Put(right, rect.row, d ? U'╗' : U'┐', attr);
  Put(rect.column, bottom, d ? U'╚' : U'└', attr);
  Put(right, bottom, d ? U'╝' : U'┘', attr);
}

void Screen::Shadow(const Rect& rect) {
  constexpr std::uint8_t kShadow = 0x08;  // dark grey on black
  for (int r = rect.row + 1; r <= rect.row + rect.height; ++r) {
    SetAttr(rect.column + rect.width, r, kShadow);
    SetAttr(rect.column + rect.width + 1, r, kShadow);
  }
  for (int c = rect.column + 2; c < rect.column + rect.width + 2; ++c) SetAttr(c, rect.row + rect.height, kShadow);
}

std::string Screen::RowText(int row) const {
  std::u32string line;
  for (int c = 0; c < width_; ++c) line += At(c, row).ch;
  while (!line.empty() && line.back() == U' ') line.pop_back();
  return EncodeUtf8(line);
}

std::string Screen::ToText() const {
  std::string text;
  for (int r = 0; r < height_; ++r) text += RowText(r) + "\n";
  return text;
}

std::vector<std::u32string> WrapText(std::u32string_view text, int width) {
  const std::size_t limit = static_cast<std::size_t>(std::max(width, 1));
  std::vector<std::u32string> lines;
  std::u32string line;
  auto flush = [&] {
    // Long lines break at the last blank that fits, else where they must.
    while (line.size() > limit) {
      std::size_t cut = line.rfind(U' ', limit);
      if (cut == std::u32string::npos || cut == 0) cut = limit;
      lines.push_back(line.substr(0, cut));
      line.erase(0, cut);
      if (!line.empty() && line[0] == U' ') line.erase(0, 1);
    }
    lines.push_back(line);
    line.clear();
  };
  for (char32_t ch : text) {
    if (ch == U'\n') flush();
    else if (ch == U'\t') line.append(8 - line.size() % 8, U' ');
    else if (ch != U'\r') line += ch;
  }
  flush();
  return lines;
}

unsigned char MazoviaByte(char32_t ch) {
  const int byte = talvenor::text::MazoviaByte(ch);
  return byte < 0 ? 0 : static_cast<unsigned char>(byte);
}

}  // namespace standin::host

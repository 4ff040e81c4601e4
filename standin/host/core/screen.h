#pragma once
// The host's text screen: a grid of character cells, each a Unicode
// character and a colour attribute in the console's own form (background in
// the high nibble, foreground in the low one), so the Windows console shows
// it as it is and scripted runs print it as UTF-8.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "contract/code_page_text.h"

namespace standin::host {

struct Cell {
  char32_t ch = U' ';
  std::uint8_t attr = 0x07;
  bool operator==(const Cell&) const = default;
};

struct Rect {
  int column, row, width, height;
};

enum class FrameStyle { Single, Double };

class Screen {
 public:
  Screen(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Cells outside the screen read as a blank and are never written.
  Cell At(int column, int row) const;
  void Put(int column, int row, char32_t ch, std::uint8_t attr);
  void SetAttr(int column, int row, std::uint8_t attr);

  void Fill(const Rect& rect, char32_t ch, std::uint8_t attr);
  // UTF-8 text; returns the column after it. Cut at the screen's edge.
  int Text(int column, int row, std::string_view utf8, std::uint8_t attr);
  // The same, cut after `width` cells.
  int Text(int column, int row, std::string_view utf8, std::uint8_t attr, int width);
  // Mazovia bytes (the plug-in's texts).
  int Mazovia(int column, int row, std::string_view mazovia, std::uint8_t attr, int width);
  void Frame(const Rect& rect, FrameStyle style, std::uint8_t attr);
  // Darkens the cells right of and below `rect`, as windows cast on a
  // text screen.
  void Shadow(const Rect& rect);

  // Where the text cursor blinks; hidden when column < 0.
  void SetCursor(int column, int row) { cursorColumn_ = column, cursorRow_ = row; }
  int CursorColumn() const { return cursorColumn_; }
  int CursorRow() const { return cursorRow_; }

  // One UTF-8 line per row, trailing blanks removed.
  std::string ToText() const;
  std::string RowText(int row) const;

  bool operator==(const Screen&) const = default;

 private:
  // Decoded text, cut after `width` cells; returns the column after it.
  int PutText(int column, int row, std::u32string_view text, std::uint8_t attr, int width);

  int width_, height_;
  std::vector<Cell> cells_;
  int cursorColumn_ = -1, cursorRow_ = -1;
};

// The text conversions of the shared code page.
using talvenor::text::DecodeMazovia;
using talvenor::text::DecodeUtf8;
using talvenor::text::EncodeUtf8;

// Lines of at most `width` cells: broken at each '\n' and, when too long,
// at the last blank that fits; tabs go to the next multiple of 8.
std::vector<std::u32string> WrapText(std::u32string_view text, int width);
// One typed character -> its Mazovia byte; 0 when Mazovia has none.
unsigned char MazoviaByte(char32_t ch);

}  // namespace standin::host

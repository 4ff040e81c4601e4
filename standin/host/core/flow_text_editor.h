#pragma once
// Editing the multi-line reminder text the way it is stored: one flowing
// text of at most `capacity` characters, shown wrapped every `columns`
// cells (60 x 8 for the reminder). Enter pads with blanks to the start of
// the next line, unless the last character typed has just filled its line,
// so that the text looks as it was laid out wherever it is shown.
#include <cstdint>
#include <string>

#include "edit_result.h"

namespace standin::host {

class FlowTextEditor {
 public:
  FlowTextEditor(std::size_t capacity, int columns, int lines);

  void SetText(std::string text);  // cut to the capacity; cursor at the start
  const std::string& Text() const { return text_; }
  // The text without the blanks that trail it (they are only padding).
  std::string StoredText() const;
  // kNotMine for keys it leaves to the dialog: Up on the first line, Down
  // on the last, Tab, Esc, the function keys ...; kFull for a character or
  // a line break that finds no room.
  EditResult HandleKey(std::uint16_t code);

  int CursorColumn() const;
  int CursorLine() const;
  int Columns() const { return columns_; }
  int Lines() const { return lines_; }

 private:
  EditResult Type(char ch);
  EditResult BreakLine();

  std::size_t capacity_;
  int columns_, lines_;
  std::string text_;
  std::size_t cursor_ = 0;
  bool justWrapped_ = false;  // the last character typed filled its line
  bool overwrite_ = false;
};

}  // namespace standin::host

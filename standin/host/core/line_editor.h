#pragma once
// Editing one line of Mazovia text of at most `capacity` characters in a
// field `width` cells wide, scrolled sideways when the text is longer.
// Used for plain text, password and number fields.
//
// As in text-mode forms, entering a field marks its whole content (Mark):
// the first character typed then replaces it, Backspace or Del clears it,
// and the arrows, Home and End (or Ctrl-Home and Ctrl-End) drop the mark
// and move in the text.
#include <cstdint>
#include <functional>
#include <string>

#include "edit_result.h"

namespace standin::host {

class LineEditor {
 public:
  // `accepts` decides whether a character may stand at a position of the
  // text as it is (number fields take digits and one leading minus); null
  // takes every character.
  using Filter = std::function<bool(unsigned char ch, std::size_t position, const std::string& text)>;

  LineEditor(std::size_t capacity, int width, Filter accepts = nullptr);

  void SetText(std::string text);  // cut to the capacity; cursor at the end, no mark
  const std::string& Text() const { return text_; }
  // The field has been entered: its content is marked, the cursor behind it.
  void Mark();
  bool Marked() const { return marked_; }
  // kNotMine for keys it leaves to the dialog (Tab, Up, Enter ...).
  EditResult HandleKey(std::uint16_t code);

  std::size_t Cursor() const { return cursor_; }
  // The first character shown and where the cursor stands in the field.
  std::size_t Scroll() const { return scroll_; }
  int CursorCell() const;
  bool Overwrite() const { return overwrite_; }

 private:
  EditResult Type(unsigned char ch, bool marked);
  void Follow();

  std::size_t capacity_;
  int width_;
  Filter accepts_;
  std::string text_;
  std::size_t cursor_ = 0, scroll_ = 0;
  bool overwrite_ = false, marked_ = false;
};

}  // namespace standin::host

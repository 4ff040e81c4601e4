#pragma once
// Editing one line of Mazovia text of at most `capacity` characters in a
// field `width` cells wide, scrolled sideways when the text is longer.
// Used for plain text, password and number fields.
#include <cstdint>
#include <functional>
#include <string>

namespace standin::host {

class LineEditor {
 public:
  // `accepts` decides whether a character may stand at a position (number
  // fields take digits and a leading minus); null takes every character.
  using Filter = std::function<bool(unsigned char ch, std::size_t position)>;

  LineEditor(std::size_t capacity, int width, Filter accepts = nullptr);

  void SetText(std::string text);  // cut to the capacity; cursor at the end
  const std::string& Text() const { return text_; }
  // Returns false for keys it leaves to the dialog (Tab, Up, Enter ...).
  bool HandleKey(std::uint16_t code);

  std::size_t Cursor() const { return cursor_; }
  // The first character shown and where the cursor stands in the field.
  std::size_t Scroll() const { return scroll_; }
  int CursorCell() const { return static_cast<int>(cursor_ - scroll_); }
  bool Overwrite() const { return overwrite_; }

 private:
  void Follow();

  std::size_t capacity_;
  int width_;
  Filter accepts_;
  std::string text_;
  std::size_t cursor_ = 0, scroll_ = 0;
  bool overwrite_ = false;
};

}  // namespace standin::host

#include "line_editor.h"

#include <algorithm>
#include <utility>

#include "bios_keys.h"

namespace standin::host {

LineEditor::LineEditor(std::size_t capacity, int width, Filter accepts)
    : capacity_(capacity), width_(std::max(width, 1)), accepts_(std::move(accepts)) {}

void LineEditor::SetText(std::string text) {
  if (text.size() > capacity_) text.resize(capacity_);
  text_ = std::move(text);
  cursor_ = text_.size();
  scroll_ = 0;
  marked_ = false;
  Follow();
}

void LineEditor::Mark() {
  marked_ = !text_.empty();
  cursor_ = text_.size();
  Follow();
}

int LineEditor::CursorCell() const {
  // A text that fills the field exactly shows the cursor on its last cell
  // rather than scrolling its first character away.
  return std::min(static_cast<int>(cursor_ - scroll_), width_ - 1);
}

void LineEditor::Follow() {
  const std::size_t width = static_cast<std::size_t>(width_);
  if (text_.size() <= width) {
    scroll_ = 0;
    return;
  }
  if (cursor_ < scroll_) scroll_ = cursor_;
  if (cursor_ >= scroll_ + width) scroll_ = cursor_ - width + 1;
  // No empty cells behind the text while some of it is scrolled away.
  const std::size_t fullest = text_.size() + 1 - width;
  if (scroll_ > fullest) scroll_ = std::min(fullest, cursor_);
}

EditResult LineEditor::Type(unsigned char ch, bool marked) {
  const std::string& before = marked ? std::string() : text_;
  const std::size_t at = marked ? 0 : cursor_;
  if (accepts_ && !accepts_(ch, at, before)) {
    marked_ = marked;  // a refused character leaves the field as it was
    return kNotAllowed;
  }
  if (marked) {
    text_.assign(1, static_cast<char>(ch));
    cursor_ = 1;
  } else if (overwrite_ && cursor_ < text_.size()) {
    text_[cursor_++] = static_cast<char>(ch);
  } else if (text_.size() < capacity_) {
    text_.insert(cursor_++, 1, static_cast<char>(ch));
  } else {
    return kFull;
  }
  return kEdited;
}

EditResult LineEditor::HandleKey(std::uint16_t code) {
  const bool marked = std::exchange(marked_, false);
  EditResult result = kEdited;
  switch (code) {
    case key::kLeft: if (cursor_ > 0) --cursor_; break;
    case key::kRight: if (cursor_ < text_.size()) ++cursor_; break;
    // Ctrl-Home and Ctrl-End as well: terminals that send Home and End in a
    // form Wine's console does not know (tmux, screen) still send those.
    case key::kHome: case key::kCtrlHome: cursor_ = 0; break;
    case key::kEnd: case key::kCtrlEnd: cursor_ = text_.size(); break;
    case key::kIns:
      overwrite_ = !overwrite_;
      marked_ = marked;
      break;
    case key::kBackspace:
      if (marked) text_.clear(), cursor_ = 0;
      else if (cursor_ > 0) text_.erase(--cursor_, 1);
      break;
    case key::kDel:
      if (marked) text_.clear(), cursor_ = 0;
      else if (cursor_ < text_.size()) text_.erase(cursor_, 1);
      break;
    default: {
      const unsigned char ch = TypedByte(code);
      if (ch == 0) {
        marked_ = marked;
        return kNotMine;
      }
      result = Type(ch, marked);
    }
  }
  Follow();
  return result;
}

}  // namespace standin::host

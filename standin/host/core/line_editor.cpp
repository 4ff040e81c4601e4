#include "line_editor.h"

#include <algorithm>

#include "bios_keys.h"

namespace standin::host {

LineEditor::LineEditor(std::size_t capacity, int width, Filter accepts)
    : capacity_(capacity), width_(std::max(width, 1)), accepts_(std::move(accepts)) {}

void LineEditor::SetText(std::string text) {
  if (text.size() > capacity_) text.resize(capacity_);
  text_ = std::move(text);
  cursor_ = text_.size();
  scroll_ = 0;
  Follow();
}

void LineEditor::Follow() {
  const std::size_t width = static_cast<std::size_t>(width_);
  if (cursor_ < scroll_) scroll_ = cursor_;
  if (cursor_ >= scroll_ + width) scroll_ = cursor_ - width + 1;
}

bool LineEditor::HandleKey(std::uint16_t code) {
  switch (code) {
    case key::kLeft: if (cursor_ > 0) --cursor_; break;
    case key::kRight: if (cursor_ < text_.size()) ++cursor_; break;
    case key::kHome: cursor_ = 0; break;
    case key::kEnd: cursor_ = text_.size(); break;
    case key::kIns: overwrite_ = !overwrite_; break;
    case key::kBackspace:
      if (cursor_ > 0) text_.erase(--cursor_, 1);
      break;
    case key::kDel:
      if (cursor_ < text_.size()) text_.erase(cursor_, 1);
      break;
    default: {
      const unsigned char ch = TypedByte(code);
      if (ch == 0) return false;
      if (accepts_ && !accepts_(ch, cursor_)) return true;  // swallowed: the field takes no such character
      if (overwrite_ && cursor_ < text_.size()) {
        text_[cursor_++] = static_cast<char>(ch);
      } else if (text_.size() < capacity_) {
        text_.insert(cursor_++, 1, static_cast<char>(ch));
      }
    }
  }
  Follow();
  return true;
}

}  // namespace standin::host

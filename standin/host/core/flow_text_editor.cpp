#include "flow_text_editor.h"

#include <algorithm>

#include "bios_keys.h"

namespace standin::host {

FlowTextEditor::FlowTextEditor(std::size_t capacity, int columns, int lines)
    : capacity_(capacity), columns_(std::max(columns, 1)), lines_(std::max(lines, 1)) {}

void FlowTextEditor::SetText(std::string text) {
  if (text.size() > capacity_) text.resize(capacity_);
  text_ = std::move(text);
  cursor_ = 0;
  justWrapped_ = false;
}

std::string FlowTextEditor::StoredText() const {
  std::string stored = text_;
  while (!stored.empty() && stored.back() == ' ') stored.pop_back();
  return stored;
}

int FlowTextEditor::CursorLine() const {
  // A full text leaves the cursor behind its last cell: show it there.
  const std::size_t shown = std::min(cursor_, capacity_ == 0 ? 0 : capacity_ - 1);
  return static_cast<int>(shown / static_cast<std::size_t>(columns_));
}

int FlowTextEditor::CursorColumn() const {
  const std::size_t shown = std::min(cursor_, capacity_ == 0 ? 0 : capacity_ - 1);
  return static_cast<int>(shown % static_cast<std::size_t>(columns_));
}

EditResult FlowTextEditor::Type(char ch) {
  if (overwrite_ && cursor_ < text_.size()) {
    text_[cursor_++] = ch;
  } else if (text_.size() < capacity_) {
    text_.insert(cursor_++, 1, ch);
  } else {
    return kFull;
  }
  justWrapped_ = cursor_ % static_cast<std::size_t>(columns_) == 0;
  return kEdited;
}

EditResult FlowTextEditor::BreakLine() {
  const std::size_t columns = static_cast<std::size_t>(columns_);
  const std::size_t column = cursor_ % columns;
  if (column == 0 && justWrapped_) {
    justWrapped_ = false;
    return kEdited;
  }
  const std::size_t pad = columns - column;
  if (cursor_ + pad > capacity_) return kFull;  // no line left to go to
  if (cursor_ == text_.size()) {
    // At the end the blanks only mark where typing goes on.
    text_.append(pad, ' ');
  } else {
    if (overwrite_) {
      cursor_ += pad;
      if (cursor_ > text_.size()) text_.append(cursor_ - text_.size(), ' ');
      justWrapped_ = false;
      return kEdited;
    }
    // Blanks that trail the text make room before anything is refused.
    std::size_t room = capacity_ - text_.size();
    while (room < pad && !text_.empty() && text_.back() == ' ' && text_.size() > cursor_) text_.pop_back(), ++room;
    if (room < pad) return kFull;
    text_.insert(cursor_, pad, ' ');
  }
  cursor_ += pad;
  justWrapped_ = false;
  return kEdited;
}

EditResult FlowTextEditor::HandleKey(std::uint16_t code) {
  const std::size_t columns = static_cast<std::size_t>(columns_);
  const std::size_t line = cursor_ / columns;
  switch (code) {
    case key::kEnter: return BreakLine();
    case key::kLeft: if (cursor_ > 0) --cursor_; break;
    case key::kRight: if (cursor_ < text_.size()) ++cursor_; break;
    case key::kUp:
      if (line == 0) return kNotMine;
      cursor_ -= columns;
      break;
    case key::kDown:
      if (static_cast<int>(line) + 1 >= lines_ || (line + 1) * columns > text_.size()) return kNotMine;
      cursor_ = std::min(cursor_ + columns, text_.size());
      break;
    case key::kHome: cursor_ = line * columns; break;
    case key::kEnd: cursor_ = std::min(line * columns + columns - 1, text_.size()); break;
    case key::kCtrlHome: case key::kPgUp: cursor_ = 0; break;
    case key::kCtrlEnd: case key::kPgDn: cursor_ = text_.size(); break;
    case key::kIns: overwrite_ = !overwrite_; break;
    case key::kBackspace:
      if (cursor_ > 0) text_.erase(--cursor_, 1);
      break;
    case key::kDel:
      if (cursor_ < text_.size()) text_.erase(cursor_, 1);
      break;
    default: {
      const unsigned char ch = TypedByte(code);
      if (ch == 0) return kNotMine;
      return Type(static_cast<char>(ch));
    }
  }
  justWrapped_ = false;
  return kEdited;
}

}  // namespace standin::host

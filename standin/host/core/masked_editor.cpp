#include "masked_editor.h"

#include <utility>

#include "bios_keys.h"

namespace standin::host {

MaskedEditor::MaskedEditor(std::string mask) : mask_(std::move(mask)) { Clear(); }

void MaskedEditor::Clear() {
  shown_ = mask_;
  for (std::size_t i = 0; i < shown_.size(); ++i)
    if (IsSlot(i)) shown_[i] = ' ';
  cursor_ = 0;
  pastEnd_ = false;
  MoveToSlot(0, +1);
}

void MaskedEditor::SetDigits(const std::string& digits) {
  Clear();
  std::size_t next = 0;
  for (std::size_t i = 0; i < shown_.size() && next < digits.size(); ++i)
    if (IsSlot(i)) shown_[i] = digits[next++];
}

bool MaskedEditor::Empty() const {
  for (std::size_t i = 0; i < shown_.size(); ++i)
    if (IsSlot(i) && shown_[i] != ' ') return false;
  return true;
}

bool MaskedEditor::Complete() const {
  for (std::size_t i = 0; i < shown_.size(); ++i)
    if (IsSlot(i) && shown_[i] == ' ') return false;
  return true;
}

// Stays put when there is no slot that way.
void MaskedEditor::MoveToSlot(std::size_t from, int direction) {
  for (std::size_t i = from; i < mask_.size(); i += static_cast<std::size_t>(direction)) {
    if (IsSlot(i)) {
      cursor_ = i;
      return;
    }
    if (direction < 0 && i == 0) return;
  }
}

bool MaskedEditor::HandleKey(std::uint16_t code) {
  const bool pastEnd = std::exchange(pastEnd_, false);
  switch (code) {
    case key::kLeft:
      if (cursor_ > 0) MoveToSlot(cursor_ - 1, -1);
      return true;
    case key::kRight:
      MoveToSlot(cursor_ + 1, +1);
      return true;
    case key::kHome:
      MoveToSlot(0, +1);
      return true;
    case key::kEnd:
      MoveToSlot(mask_.size() - 1, -1);
      return true;
    case key::kBackspace:
      if (!pastEnd && cursor_ > 0) MoveToSlot(cursor_ - 1, -1);
      shown_[cursor_] = ' ';
      return true;
    case key::kDel:
      shown_[cursor_] = ' ';
      return true;
    default:
      break;
  }
  const unsigned char ch = TypedByte(code);
  if (ch == 0) return false;
  if (pastEnd) {
    pastEnd_ = true;  // the mask is full: nothing more goes in
    return true;
  }
  if ((ch >= '0' && ch <= '9') || ch == ' ') {
    shown_[cursor_] = static_cast<char>(ch);
    const std::size_t before = cursor_;
    MoveToSlot(cursor_ + 1, +1);
    pastEnd_ = cursor_ == before;
  }
  return true;  // other characters have no place in a mask
}

}  // namespace standin::host

#include "masked_editor.h"

#include <utility>

#include "bios_keys.h"

namespace standin::host {

MaskedEditor::MaskedEditor(std::string mask) : mask_(std::move(mask)) { Clear(); }

void MaskedEditor::Clear() {
  shown_ = mask_;
  for (std::size_t i = 0; i < shown_.size(); ++i)
    if (IsSlot(i)) shown_[i] = ' ';
  cursor_ = NextSlot(0).value_or(mask_.size());
  marked_ = false;
}

void MaskedEditor::SetDigits(const std::string& digits) {
  Clear();
  std::size_t next = 0;
  for (std::size_t i = 0; i < shown_.size() && next < digits.size(); ++i)
    if (IsSlot(i)) shown_[i] = digits[next++];
}

void MaskedEditor::Mark() {
  marked_ = !Empty();
  cursor_ = marked_ ? mask_.size() : NextSlot(0).value_or(mask_.size());
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

std::optional<std::size_t> MaskedEditor::NextSlot(std::size_t from) const {
  for (std::size_t i = from; i < mask_.size(); ++i)
    if (IsSlot(i)) return i;
  return std::nullopt;
}

std::optional<std::size_t> MaskedEditor::PreviousSlot(std::size_t before) const {
  for (std::size_t i = before; i-- > 0;)
    if (IsSlot(i)) return i;
  return std::nullopt;
}

EditResult MaskedEditor::HandleKey(std::uint16_t code) {
  const bool marked = std::exchange(marked_, false);
  const std::size_t end = mask_.size();
  switch (code) {
    case key::kLeft: cursor_ = PreviousSlot(cursor_).value_or(cursor_); return kEdited;
    case key::kRight: cursor_ = NextSlot(cursor_ + 1).value_or(end); return kEdited;
    // Ctrl-Home and Ctrl-End as well: terminals that send Home and End in a
    // form Wine's console does not know (tmux, screen) still send those.
    case key::kHome: case key::kCtrlHome: cursor_ = NextSlot(0).value_or(end); return kEdited;
    case key::kEnd: case key::kCtrlEnd: cursor_ = end; return kEdited;
    case key::kBackspace:
      if (marked) {
        Clear();
      } else if (const auto slot = PreviousSlot(cursor_)) {
        cursor_ = *slot;
        shown_[cursor_] = ' ';
      }
      return kEdited;
    case key::kDel:
      if (marked) Clear();
      else if (IsSlot(cursor_)) shown_[cursor_] = ' ';
      return kEdited;
    default:
      break;
  }
  const unsigned char ch = TypedByte(code);
  if (ch == 0 || code == key::kIns) {
    marked_ = marked;
    return kNotMine;
  }
  if ((ch < '0' || ch > '9') && ch != ' ') {
    marked_ = marked;
    return kNotAllowed;
  }
  if (marked) Clear();
  if (!IsSlot(cursor_)) return kFull;
  shown_[cursor_] = static_cast<char>(ch);
  cursor_ = NextSlot(cursor_ + 1).value_or(end);
  return kEdited;
}

}  // namespace standin::host

#pragma once
// Editing a date (DD.MM.YYYY) or a time (HH:MM:SS) in a fixed mask: digits
// go into the slots, the separators stay where they are, an empty slot
// shows as a blank. The cursor stands on a slot or behind the last one,
// where Backspace takes back the last digit.
//
// Entering the field marks its content (Mark): the first digit typed then
// starts it afresh, Backspace or Del clears it; the arrows, Home and End
// drop the mark and move.
#include <cstdint>
#include <optional>
#include <string>

#include "edit_result.h"

namespace standin::host {

class MaskedEditor {
 public:
  // `mask`: '9' marks a digit slot, anything else stands as it is.
  explicit MaskedEditor(std::string mask);

  // Digits in order (the separators skipped); the rest of the slots blank.
  void SetDigits(const std::string& digits);
  void Clear();
  void Mark();
  bool Marked() const { return marked_; }
  // The shown text, a blank in every empty slot.
  const std::string& Shown() const { return shown_; }
  bool Empty() const;
  bool Complete() const;
  // kNotMine for keys it leaves to the dialog.
  EditResult HandleKey(std::uint16_t code);
  // The mask's length when the cursor stands behind the last slot.
  int CursorCell() const { return static_cast<int>(cursor_); }

 private:
  bool IsSlot(std::size_t i) const { return i < mask_.size() && mask_[i] == '9'; }
  // The first slot at or after `from` going forwards, or before `from`
  // going backwards.
  std::optional<std::size_t> NextSlot(std::size_t from) const;
  std::optional<std::size_t> PreviousSlot(std::size_t before) const;

  std::string mask_, shown_;
  std::size_t cursor_ = 0;
  bool marked_ = false;
};

}  // namespace standin::host

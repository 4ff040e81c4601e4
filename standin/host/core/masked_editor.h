#pragma once
// Editing a date (DD.MM.YYYY) or a time (HH:MM:SS) in a fixed mask: digits
// go into the slots, the separators stay where they are, an empty slot
// shows as a blank.
#include <cstdint>
#include <string>

namespace standin::host {

class MaskedEditor {
 public:
  // `mask`: '9' marks a digit slot, anything else stands as it is.
  explicit MaskedEditor(std::string mask);

  // Digits in order (the separators skipped); the rest of the slots blank.
  void SetDigits(const std::string& digits);
  void Clear();
  // The shown text, a blank in every empty slot.
  const std::string& Shown() const { return shown_; }
  bool Empty() const;
  bool Complete() const;
  // Returns false for keys it leaves to the dialog.
  bool HandleKey(std::uint16_t code);
  int CursorCell() const { return static_cast<int>(cursor_); }

 private:
  bool IsSlot(std::size_t i) const { return mask_[i] == '9'; }
  void MoveToSlot(std::size_t from, int direction);

  std::string mask_, shown_;
  std::size_t cursor_ = 0;
  bool pastEnd_ = false;  // the last slot has just been typed: the cursor stands behind it
};

}  // namespace standin::host

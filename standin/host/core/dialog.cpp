#include "dialog.h"

#include <utility>

#include "bios_keys.h"
#include "host_texts.h"

namespace standin::host {

namespace {

// A mask as its field shows it, the empty slots dotted.
std::string Dotted(const std::string& shown) {
  std::string out;
  for (char c : shown) out += c == ' ' ? std::string("·") : std::string(1, c);
  return out;
}

// Why the field's entry cannot be written (for the host's box), empty when it can.
std::string Problem(const DialogField& field) {
  const DialogItemView& item = field.item;
  return std::visit(
      Overloaded{
          [](const field::Date& date) {
            const std::string& shown = date.editor.Shown();
            return DateAccepted(shown, date.loaded) ? "" : text::Fill(text::kBadDate, {Dotted(shown)});
          },
          [](const field::Time& time) {
            const std::string& shown = time.editor.Shown();
            return TimeAccepted(shown, time.loaded) ? "" : text::Fill(text::kBadTime, {Dotted(shown)});
          },
          [&item](const field::Number& number) {
            const std::string& entry = number.editor.Text();
            const std::string low = std::to_string(item.minValue), high = std::to_string(item.maxValue);
            switch (CheckNumber(item, entry, number.loaded)) {
              case NumberEntry::kNotANumber: return text::Fill(text::kNotANumber, {entry, low, high});
              case NumberEntry::kOutOfRange: return text::Fill(text::kOutOfRange, {entry, low, high});
              case NumberEntry::kAccepted: break;
            }
            return std::string();
          },
          [](const auto&) { return std::string(); },
      },
      field.value);
}

// Writes the field's entry into the bound bytes.
void Store(const DialogField& field, BoundBuffer& bound) {
  const DialogItemView& item = field.item;
  std::visit(Overloaded{
                 [&](const field::Text& text) {
                   bound.StoreText(item, text.editor.Text() != text.loaded, text.editor.Text());
                 },
                 [&](const field::MultiLine& text) {
                   bound.StoreText(item, text.editor.Text() != text.loaded, text.editor.StoredText());
                 },
                 [&](const field::Date& date) { bound.StoreDate(item, date.editor.Shown(), date.loaded); },
                 [&](const field::Time& time) { bound.StoreTime(item, time.editor.Shown(), time.loaded); },
                 [&](const field::Number& number) { bound.StoreNumber(item, number.editor.Text(), number.loaded); },
                 [&](const field::CheckBox& box) { bound.StoreCheck(item, box.checked, box.loaded); },
                 [](const auto&) {},
             },
             field.value);
}

// What the field's editor made of the key; kNotMine when it has none.
EditResult Edit(DialogField& field, std::uint16_t code) {
  return std::visit(
      [code](auto& kind) {
        if constexpr (requires { kind.editor.HandleKey(code); }) return kind.editor.HandleKey(code);
        else return kNotMine;
      },
      field.value);
}

// Why the editor refused the key, for the status line.
std::string RefusalHint(const DialogField& field, EditResult result) {
  const bool mask = field.Is<field::Date>() || field.Is<field::Time>();
  if (result == kFull)
    return mask ? text::Say(text::kFieldFull) : text::Say(text::kFieldFullOf, {std::to_string(field.item.capacity)});
  if (result == kNotAllowed) return text::Say(field.Is<field::Number>() ? text::kDigitsAndMinus : text::kDigitsOnly);
  return {};
}

}  // namespace

Dialog::Dialog(DialogView view, unsigned char* buffer) : view_(std::move(view)), bound_(view_, buffer) {
  for (const DialogItemView& item : view_.items) fields_.push_back(LoadField(item, bound_));
  MoveFocus(+1);
}

int Dialog::FocusedItem() const { return focus_; }

std::string Dialog::TakeProblem() { return std::exchange(problem_, {}); }

std::string Dialog::TakeHint() { return std::exchange(hint_, {}); }

void Dialog::SetFocus(int index) {
  if (index == focus_) return;
  focus_ = index;
  if (index >= 0) fields_[static_cast<std::size_t>(index)].Mark();
}

void Dialog::MoveFocus(int direction) {
  const int n = static_cast<int>(fields_.size());
  if (n == 0) return;
  int at = focus_;
  for (int step = 0; step < n; ++step) {
    at = at < 0 ? (direction > 0 ? 0 : n - 1) : (at + direction + n) % n;
    if (fields_[static_cast<std::size_t>(at)].Focusable()) {
      SetFocus(at);
      return;
    }
  }
}

void Dialog::FocusItem(std::size_t itemIndex) {
  for (std::size_t i = itemIndex; i < fields_.size(); ++i)
    if (fields_[i].Focusable()) {
      SetFocus(static_cast<int>(i));
      return;
    }
}

bool Dialog::HandleHotKey(char letter) {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    DialogField& field = fields_[i];
    if (field.item.hotKey != static_cast<unsigned char>(letter)) continue;
    if (auto* box = std::get_if<field::CheckBox>(&field.value)) {
      SetFocus(static_cast<int>(i));
      box->checked = !box->checked;
    } else {
      FocusItem(field.Is<field::Label>() ? i + 1 : i);
    }
    return true;
  }
  return false;
}

DialogOutcome Dialog::HandleKey(std::uint16_t code) {
  if (code == key::kConsumed) return DialogOutcome::Open;
  if (code == key::kEsc) {
    Leave();
    return DialogOutcome::Left;
  }
  if (code == key::kF12 || code == key::kF2 || code == key::kCtrlEnter) return TryConfirm();
  for (const DialogField& field : fields_)
    if (field.Is<field::Button>() && field.item.hotKey >= 0x100 && field.item.hotKey == code) return TryConfirm();
  if (const char letter = AltKeyLetter(code); letter != 0 && HandleHotKey(letter)) return DialogOutcome::Open;

  DialogField* focused = focus_ >= 0 ? &fields_[static_cast<std::size_t>(focus_)] : nullptr;
  if (focused != nullptr) {
    const EditResult result = Edit(*focused, code);
    if (result == kFull || result == kNotAllowed) hint_ = RefusalHint(*focused, result);
    if (result != kNotMine) return DialogOutcome::Open;
    if (auto* box = std::get_if<field::CheckBox>(&focused->value); box != nullptr && code == key::kSpace) {
      box->checked = !box->checked;
      return DialogOutcome::Open;
    }
    if (code == key::kEnter && (focused->enterConfirms || focused->Is<field::Button>())) return TryConfirm();
  } else if (code == key::kEnter) {
    return TryConfirm();  // a dialog with nothing to edit is only read
  }
  switch (code) {
    case key::kTab: case key::kDown: case key::kEnter: case key::kRight: MoveFocus(+1); break;
    case key::kShiftTab: case key::kUp: case key::kLeft: MoveFocus(-1); break;
    default: break;
  }
  return DialogOutcome::Open;
}

void Dialog::Leave() { bound_.PutBack(); }

DialogOutcome Dialog::TryConfirm() {
  // First every field must be able to take its entry; nothing is written
  // while one cannot.
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    std::string problem = Problem(fields_[i]);
    if (!problem.empty()) {
      SetFocus(static_cast<int>(i));
      problem_ = std::move(problem);
      return DialogOutcome::Open;
    }
  }
  for (const DialogField& field : fields_) Store(field, bound_);
  return DialogOutcome::Confirmed;
}

}  // namespace standin::host

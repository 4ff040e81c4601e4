#include "dialog.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "bios_keys.h"
#include "colours.h"
#include "contract/dialog_template_format.h"
#include "flow_text_editor.h"
#include "host_texts.h"
#include "line_editor.h"
#include "masked_editor.h"

namespace standin::host {

namespace {

using talvenor::dialog_template::kEnterConfirmsFlag;
using talvenor::dialog_template::kHiddenFlag;
using talvenor::dialog_template::kHiddenTag;
using talvenor::dialog_template::kMaskedFlag;
using talvenor::dialog_template::kReadOnlyFlag;
constexpr char32_t kEmptyCell = U'·';
constexpr unsigned char kCaptionKeyStart = 0x05, kCaptionKeyEnd = 0x01;

enum class FieldKind { Label, Text, MultiLine, Date, Time, Number, CheckBox, Button };

// A mask as its field shows it, the empty slots dotted.
std::string Dotted(const std::string& shown) {
  std::string out;
  for (char c : shown) out += c == ' ' ? std::string("·") : std::string(1, c);
  return out;
}

FieldKind KindOf(const DialogItemView& item) {
  switch (item.kind) {
    case kItemButton: return FieldKind::Button;
    case kItemCheckBox: return FieldKind::CheckBox;
    case kItemEditField:
      if (item.IsNumberField()) return FieldKind::Number;
      if ((item.fieldType & kFieldDateText) != 0) return FieldKind::Date;
      if ((item.fieldType & kFieldTimeText) != 0) return FieldKind::Time;
      return item.lines > 1 ? FieldKind::MultiLine : FieldKind::Text;
    default: return FieldKind::Label;
  }
}

// Digits, and one minus in front.
bool NumberAccepts(unsigned char ch, std::size_t at, const std::string& text) {
  const bool minusInFront = !text.empty() && text[0] == '-';
  if (ch == '-') return at == 0 && !minusInFront;
  return ch >= '0' && ch <= '9' && !(at == 0 && minusInFront);
}

// Draws a label's text with its hot-key letter picked out; returns the
// column after it.
int DrawMarkedText(Screen& screen, int column, int row, std::string_view text, std::uint8_t attr, int width) {
  const ShownText shown = ShowItemText(text);
  const int end = screen.Mazovia(column, row, shown.text, attr, width);
  if (shown.hotKeyIndex != std::string::npos && static_cast<int>(shown.hotKeyIndex) < width)
    screen.SetAttr(column + static_cast<int>(shown.hotKeyIndex), row, colour::kHotKey);
  return end;
}

// The cells a field is drawn in. A one-line text or number field is no
// wider than the characters it takes: the template may give it more room
// (the password prompts' fields are 25 and 21 cells for 20 characters), and
// empty cells beyond the capacity would promise room the field does not have.
int FieldCells(const DialogItemView& item, FieldKind kind) {
  const int width = std::max<int>(item.width, 1);
  if (kind != FieldKind::Text && kind != FieldKind::Number) return width;
  return std::min(width, std::max<int>(item.capacity, 1));
}

}  // namespace

struct Dialog::Field {
  DialogItemView item;
  FieldKind kind = FieldKind::Label;
  bool readOnly = false, masked = false, enterConfirms = false;
  std::string loadedText;            // what the text field showed at first
  std::optional<LineEditor> line;
  std::optional<MaskedEditor> mask;
  std::optional<FlowTextEditor> flow;
  int drawnWidth = 1;                // cells on the screen (FieldCells)
  std::string loadedShown;           // the mask as first shown
  std::uint16_t loadedValue = 0;     // check box
  bool checked = false;

  // Entering the field: a one-line field's content is marked.
  void Mark() {
    if (line) line->Mark();
    if (mask) mask->Mark();
  }
  bool Marked() const { return (line && line->Marked()) || (mask && mask->Marked()); }

  // Why its entry cannot be written (for the host's box), empty when it can.
  std::string Problem() const {
    const std::string range[] = {std::to_string(item.minValue), std::to_string(item.maxValue)};
    switch (kind) {
      case FieldKind::Date:
        return DateAccepted(mask->Shown(), loadedShown) ? "" : text::Fill(text::kBadDate, {Dotted(mask->Shown())});
      case FieldKind::Time:
        return TimeAccepted(mask->Shown(), loadedShown) ? "" : text::Fill(text::kBadTime, {Dotted(mask->Shown())});
      case FieldKind::Number:
        switch (CheckNumber(item, line->Text(), loadedText)) {
          case NumberEntry::kNotANumber: return text::Fill(text::kNotANumber, {line->Text(), range[0], range[1]});
          case NumberEntry::kOutOfRange: return text::Fill(text::kOutOfRange, {line->Text(), range[0], range[1]});
          case NumberEntry::kAccepted: return "";
        }
        return "";
      default: return "";
    }
  }

  bool Focusable() const {
    switch (kind) {
      case FieldKind::Label: return false;
      case FieldKind::Text: case FieldKind::MultiLine: return !readOnly;
      default: return true;
    }
  }
};

Dialog::Dialog(DialogView view, unsigned char* buffer) : view_(std::move(view)), bound_(view_, buffer) {
  for (const DialogItemView& item : view_.items) {
    auto field = std::make_unique<Field>();
    field->item = item;
    field->kind = KindOf(item);
    field->readOnly = (item.flags & kReadOnlyFlag) != 0;
    field->masked = (item.flags & kMaskedFlag) != 0 || (item.fieldType & kFieldPasswordText) != 0;
    field->enterConfirms = (item.flags & kEnterConfirmsFlag) != 0;
    field->drawnWidth = FieldCells(item, field->kind);
    const int width = field->drawnWidth;
    switch (field->kind) {
      case FieldKind::Text:
        field->loadedText = bound_.Text(item);
        field->line.emplace(item.capacity, width);
        field->line->SetText(field->loadedText);
        break;
      case FieldKind::MultiLine:
        field->loadedText = bound_.Text(item);
        field->flow.emplace(item.capacity, width, std::max<int>(item.lines, 1));
        field->flow->SetText(field->loadedText);
        break;
      case FieldKind::Date: {
        field->loadedText = bound_.Text(item);
        field->mask.emplace("99.99.9999");
        field->mask->SetDigits(ShownDateDigits(field->loadedText));
        field->loadedShown = field->mask->Shown();
        break;
      }
      case FieldKind::Time:
        field->loadedText = bound_.Text(item);
        field->mask.emplace("99:99:99");
        field->mask->SetDigits(ShownTimeDigits(field->loadedText));
        field->loadedShown = field->mask->Shown();
        break;
      case FieldKind::Number: {
        const std::int16_t value = static_cast<std::int16_t>(bound_.Word(item));
        field->line.emplace(std::max<std::size_t>(item.capacity, 1), width, NumberAccepts);
        field->loadedText = std::to_string(value);
        field->line->SetText(field->loadedText);
        break;
      }
      case FieldKind::CheckBox:
        field->loadedValue = bound_.Word(item);
        field->checked = field->loadedValue != 0;
        break;
      default:
        break;
    }
    fields_.push_back(std::move(field));
  }
  MoveFocus(+1);
}

Dialog::~Dialog() = default;

int Dialog::FocusedItem() const { return focus_; }

std::string Dialog::TakeProblem() { return std::exchange(problem_, {}); }

std::string Dialog::TakeHint() { return std::exchange(hint_, {}); }

Rect Dialog::Box(int screenWidth, int screenHeight) const {
  const int width = std::max<int>(view_.width, 4), height = std::max<int>(view_.height, 3);
  int column = view_.column, row = view_.row;
  if (column == 0) column = std::max(0, (screenWidth - width) / 2);
  if (row == 0) row = std::max(0, (screenHeight - height) / 2);
  return {column, row, width, height};
}

Rect Dialog::Placed(int screenWidth, int screenHeight) const {
  Rect box = Box(screenWidth, screenHeight);
  if (focus_ < 0) return box;
  const Field& field = *fields_[static_cast<std::size_t>(focus_)];
  const DialogItemView& item = field.item;
  const int right = item.column + field.drawnWidth + 1;
  const int bottom = item.row + std::max<int>(item.height, 1) + 1;
  const int rows = screenHeight - 1;  // the status line stays in sight
  if (box.column + box.width > screenWidth) box.column = std::min(box.column, std::max(0, screenWidth - box.width));
  if (box.column + right > screenWidth) box.column = screenWidth - right;
  if (box.row + box.height > rows) box.row = std::min(box.row, std::max(0, rows - box.height));
  if (box.row + bottom > rows) box.row = rows - bottom;
  return box;
}

void Dialog::SetFocus(int index) {
  if (index == focus_) return;
  focus_ = index;
  if (index >= 0) fields_[static_cast<std::size_t>(index)]->Mark();
}

void Dialog::MoveFocus(int direction) {
  const int n = static_cast<int>(fields_.size());
  if (n == 0) return;
  int at = focus_;
  for (int step = 0; step < n; ++step) {
    at = at < 0 ? (direction > 0 ? 0 : n - 1) : (at + direction + n) % n;
    if (fields_[static_cast<std::size_t>(at)]->Focusable()) {
      SetFocus(at);
      return;
    }
  }
}

void Dialog::FocusItem(std::size_t itemIndex) {
  for (std::size_t i = itemIndex; i < fields_.size(); ++i)
    if (fields_[i]->Focusable()) {
      SetFocus(static_cast<int>(i));
      return;
    }
}

bool Dialog::HandleHotKey(char letter) {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    Field& field = *fields_[i];
    if (field.item.hotKey != static_cast<unsigned char>(letter)) continue;
    if (field.kind == FieldKind::CheckBox) {
      SetFocus(static_cast<int>(i));
      field.checked = !field.checked;
    } else {
      FocusItem(field.kind == FieldKind::Label ? i + 1 : i);
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
  for (const auto& field : fields_)
    if (field->kind == FieldKind::Button && field->item.hotKey >= 0x100 && field->item.hotKey == code) return TryConfirm();
  if (const char letter = AltKeyLetter(code); letter != 0 && HandleHotKey(letter)) return DialogOutcome::Open;

  Field* focused = focus_ >= 0 ? fields_[static_cast<std::size_t>(focus_)].get() : nullptr;
  if (focused != nullptr) {
    EditResult result = kNotMine;
    if (focused->flow) result = focused->flow->HandleKey(code);
    else if (focused->mask) result = focused->mask->HandleKey(code);
    else if (focused->line) result = focused->line->HandleKey(code);
    if (result == kFull)
      hint_ = focused->mask ? text::Say(text::kFieldFull)
                            : text::Say(text::kFieldFullOf, {std::to_string(focused->item.capacity)});
    if (result == kNotAllowed)
      hint_ = text::Say(focused->kind == FieldKind::Number ? text::kDigitsAndMinus : text::kDigitsOnly);
    if (result != kNotMine) return DialogOutcome::Open;
    if (focused->kind == FieldKind::CheckBox && code == key::kSpace) {
      focused->checked = !focused->checked;
      return DialogOutcome::Open;
    }
    if (code == key::kEnter && (focused->enterConfirms || focused->kind == FieldKind::Button)) return TryConfirm();
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
    const Field& field = *fields_[i];
    const std::string problem = field.Problem();
    if (!problem.empty()) {
      SetFocus(static_cast<int>(i));
      problem_ = problem;
      return DialogOutcome::Open;
    }
  }
  for (const auto& fieldPointer : fields_) {
    const Field& field = *fieldPointer;
    switch (field.kind) {
      case FieldKind::Text:
        bound_.StoreText(field.item, field.line->Text() != field.loadedText, field.line->Text());
        break;
      case FieldKind::MultiLine:
        bound_.StoreText(field.item, field.flow->Text() != field.loadedText, field.flow->StoredText());
        break;
      case FieldKind::Date: bound_.StoreDate(field.item, field.mask->Shown(), field.loadedShown); break;
      case FieldKind::Time: bound_.StoreTime(field.item, field.mask->Shown(), field.loadedShown); break;
      case FieldKind::Number: bound_.StoreNumber(field.item, field.line->Text(), field.loadedText); break;
      case FieldKind::CheckBox: bound_.StoreCheck(field.item, field.checked, field.loadedValue); break;
      default: break;
    }
  }
  return DialogOutcome::Confirmed;
}

void Dialog::Draw(Screen& screen) const {
  const Rect box = Placed(screen.Width(), screen.Height());
  screen.Fill(box, U' ', colour::kDialog);
  screen.Frame(box, FrameStyle::Double, colour::kDialogFrame);
  screen.Shadow(box);
  const std::u32string title = DecodeMazovia(view_.title);
  const int titleWidth = static_cast<int>(title.size()) + 2;
  const int titleColumn = box.column + std::max(1, (box.width - titleWidth) / 2);
  screen.Mazovia(titleColumn, box.row, " " + view_.title + " ", colour::kDialogTitle, box.width - 2);
  screen.SetCursor(-1, -1);
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const Field& field = *fields_[i];
    DrawField(screen, field, box.column + field.item.column, box.row + field.item.row, static_cast<int>(i) == focus_);
  }
}

void Dialog::DrawField(Screen& screen, const Field& field, int column, int row, bool focused) const {
  const DialogItemView& item = field.item;
  const int width = field.drawnWidth;
  const std::uint8_t attr = focused && field.Marked() ? colour::kFieldMarked : focused ? colour::kFieldFocused : colour::kField;
  const std::uint8_t emptyAttr = focused ? colour::kFieldEmptyFocused : colour::kFieldEmpty;
  auto cells = [&](int r, std::string_view text, int count, bool dots) {
    for (int c = 0; c < count; ++c) {
      if (c < static_cast<int>(text.size())) {
        const unsigned char byte = static_cast<unsigned char>(text[static_cast<std::size_t>(c)]);
        const char32_t ch = field.masked ? U'*' : DecodeMazovia(std::string_view(reinterpret_cast<const char*>(&byte), 1))[0];
        screen.Put(column + c, r, ch, attr);
      } else {
        screen.Put(column + c, r, dots ? kEmptyCell : U' ', dots ? emptyAttr : attr);
      }
    }
  };
  switch (field.kind) {
    case FieldKind::Label:
      if ((item.flags & kHiddenFlag) == 0 && item.tag != kHiddenTag)
        DrawMarkedText(screen, column, row, item.text, colour::kDialog, screen.Width());
      break;
    case FieldKind::Text: {
      const LineEditor& e = *field.line;
      cells(row, std::string_view(e.Text()).substr(std::min(e.Scroll(), e.Text().size())), width, true);
      if (focused) screen.SetCursor(column + e.CursorCell(), row);
      break;
    }
    case FieldKind::Number: {
      const LineEditor& e = *field.line;
      cells(row, std::string_view(e.Text()).substr(std::min(e.Scroll(), e.Text().size())), width, true);
      if (focused) screen.SetCursor(column + e.CursorCell(), row);
      break;
    }
    case FieldKind::MultiLine: {
      const FlowTextEditor& e = *field.flow;
      const std::string& text = e.Text();
      const std::size_t columns = static_cast<std::size_t>(e.Columns());
      for (int l = 0; l < e.Lines(); ++l) {
        const std::size_t start = static_cast<std::size_t>(l) * columns;
        const std::string_view part = start < text.size() ? std::string_view(text).substr(start, columns) : std::string_view();
        if (field.readOnly) {
          screen.Fill({column, row + l, width, 1}, U' ', colour::kReadOnly);
          screen.Mazovia(column, row + l, part, colour::kReadOnly, width);
        } else {
          cells(row + l, part, width, true);
        }
      }
      if (focused) screen.SetCursor(column + e.CursorColumn(), row + e.CursorLine());
      break;
    }
    case FieldKind::Date: case FieldKind::Time: {
      const std::string& shown = field.mask->Shown();
      for (int c = 0; c < width; ++c) {
        const bool inMask = c < static_cast<int>(shown.size());
        const char ch = inMask ? shown[static_cast<std::size_t>(c)] : ' ';
        const bool emptySlot = inMask && ch == ' ';
        screen.Put(column + c, row, emptySlot ? kEmptyCell : static_cast<char32_t>(ch), emptySlot ? emptyAttr : attr);
      }
      if (focused) screen.SetCursor(column + field.mask->CursorCell(), row);
      break;
    }
    case FieldKind::CheckBox: {
      const std::uint8_t box = focused ? colour::kFieldFocused : colour::kDialog;
      screen.Text(column, row, field.checked ? "[X]" : "[ ]", box);
      DrawMarkedText(screen, column + 4, row, item.text, colour::kDialog, std::max(width - 4, 0));
      if (focused) screen.SetCursor(column + 1, row);
      break;
    }
    case FieldKind::Button: {
      // 0x05 .. 0x01 enclose the key that presses the button; it is shown
      // picked out, the control bytes take no room.
      std::u32string caption;
      std::vector<bool> isKey;
      bool inKey = false;
      for (char c : item.text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte == kCaptionKeyStart) inKey = true;
        else if (byte == kCaptionKeyEnd) inKey = false;
        else if (byte >= 0x20) caption += DecodeMazovia(std::string(1, c)), isKey.push_back(inKey);
      }
      const std::uint8_t face = focused ? colour::kButtonFocused : colour::kButton;
      screen.Fill({column, row, width, 1}, U' ', face);
      screen.Put(column, row, U'[', face);
      screen.Put(column + width - 1, row, U']', face);
      const int start = column + std::max(1, (width - static_cast<int>(caption.size())) / 2);
      for (std::size_t k = 0; k < caption.size() && static_cast<int>(k) < width - 2; ++k)
        screen.Put(start + static_cast<int>(k), row, caption[k], isKey[k] ? colour::kButtonKey : face);
      if (focused) screen.SetCursor(start, row);
      break;
    }
  }
}

}  // namespace standin::host

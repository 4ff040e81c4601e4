// Where a dialog stands on the screen and how each kind of field looks.
#include <algorithm>

#include "colours.h"
#include "contract/dialog_template_format.h"
#include "dialog.h"

namespace standin::host {

namespace {

using talvenor::dialog_template::kHiddenFlag;
using talvenor::dialog_template::kHiddenTag;
constexpr char32_t kEmptyCell = U'·';
constexpr unsigned char kCaptionKeyStart = 0x05, kCaptionKeyEnd = 0x01;

// Draws a label's text with its hot-key letter picked out.
void DrawMarkedText(Screen& screen, int column, int row, std::string_view text, std::uint8_t attr, int width) {
  const ShownText shown = ShowItemText(text);
  screen.Mazovia(column, row, shown.text, attr, width);
  if (shown.hotKeyIndex != std::string::npos && static_cast<int>(shown.hotKeyIndex) < width)
    screen.SetAttr(column + static_cast<int>(shown.hotKeyIndex), row, colour::kHotKey);
}

// Draws one field at its place; the kinds that edit with the same editor
// look the same.
class FieldPainter {
 public:
  FieldPainter(Screen& screen, const DialogField& field, int column, int row, bool focused)
      : screen_(screen), field_(field), column_(column), row_(row), width_(field.drawnWidth), focused_(focused),
        attr_(focused && field.Marked() ? colour::kFieldMarked : focused ? colour::kFieldFocused : colour::kField),
        emptyAttr_(focused ? colour::kFieldEmptyFocused : colour::kFieldEmpty) {}

  template <typename Edited> void operator()(const Edited& kind) const { Paint(kind.editor); }

  void operator()(const field::Label&) const {
    const DialogItemView& item = field_.item;
    if ((item.flags & kHiddenFlag) == 0 && item.tag != kHiddenTag)
      DrawMarkedText(screen_, column_, row_, item.text, colour::kDialog, screen_.Width());
  }

  void operator()(const field::CheckBox& box) const {
    screen_.Text(column_, row_, box.checked ? "[X]" : "[ ]", focused_ ? colour::kFieldFocused : colour::kDialog);
    DrawMarkedText(screen_, column_ + 4, row_, field_.item.text, colour::kDialog, std::max(width_ - 4, 0));
    Cursor(1, 0);
  }

  // 0x05 .. 0x01 enclose the key that presses the button; it is shown
  // picked out, the control bytes take no room.
  void operator()(const field::Button&) const {
    std::u32string caption;
    std::vector<bool> isKey;
    bool inKey = false;
    for (char c : field_.item.text) {
      const unsigned char byte = static_cast<unsigned char>(c);
      if (byte == kCaptionKeyStart) inKey = true;
      else if (byte == kCaptionKeyEnd) inKey = false;
      else if (byte >= 0x20) caption += DecodeMazovia(std::string(1, c)), isKey.push_back(inKey);
    }
    const std::uint8_t face = focused_ ? colour::kButtonFocused : colour::kButton;
    screen_.Fill({column_, row_, width_, 1}, U' ', face);
    screen_.Put(column_, row_, U'[', face);
    screen_.Put(column_ + width_ - 1, row_, U']', face);
    const int start = std::max(1, (width_ - static_cast<int>(caption.size())) / 2);
    for (std::size_t k = 0; k < caption.size() && static_cast<int>(k) < width_ - 2; ++k)
      screen_.Put(column_ + start + static_cast<int>(k), row_, caption[k], isKey[k] ? colour::kButtonKey : face);
    Cursor(start, 0);
  }

 private:
  void Paint(const LineEditor& editor) const {
    const std::string_view text = editor.Text();
    Cells(0, text.substr(std::min(editor.Scroll(), text.size())));
    Cursor(editor.CursorCell(), 0);
  }

  void Paint(const FlowTextEditor& editor) const {
    const std::string_view text = editor.Text();
    const std::size_t columns = static_cast<std::size_t>(editor.Columns());
    for (int l = 0; l < editor.Lines(); ++l) {
      const std::size_t start = static_cast<std::size_t>(l) * columns;
      const std::string_view part = start < text.size() ? text.substr(start, columns) : std::string_view();
      if (field_.readOnly) {
        screen_.Fill({column_, row_ + l, width_, 1}, U' ', colour::kReadOnly);
        screen_.Mazovia(column_, row_ + l, part, colour::kReadOnly, width_);
      } else {
        Cells(l, part);
      }
    }
    Cursor(editor.CursorColumn(), editor.CursorLine());
  }

  // The separators stand, an empty slot is dotted.
  void Paint(const MaskedEditor& editor) const {
    const std::string& shown = editor.Shown();
    for (int c = 0; c < width_; ++c) {
      const bool inMask = c < static_cast<int>(shown.size());
      const char ch = inMask ? shown[static_cast<std::size_t>(c)] : ' ';
      const bool emptySlot = inMask && ch == ' ';
      screen_.Put(column_ + c, row_, emptySlot ? kEmptyCell : static_cast<char32_t>(ch), emptySlot ? emptyAttr_ : attr_);
    }
    Cursor(editor.CursorCell(), 0);
  }

  // One row of a text field: its characters (or '*'), the room left dotted.
  void Cells(int line, std::string_view text) const {
    for (int c = 0; c < width_; ++c) {
      if (c < static_cast<int>(text.size())) {
        const char32_t ch = field_.masked ? U'*' : DecodeMazovia(text.substr(static_cast<std::size_t>(c), 1))[0];
        screen_.Put(column_ + c, row_ + line, ch, attr_);
      } else {
        screen_.Put(column_ + c, row_ + line, kEmptyCell, emptyAttr_);
      }
    }
  }

  void Cursor(int column, int line) const {
    if (focused_) screen_.SetCursor(column_ + column, row_ + line);
  }

  Screen& screen_;
  const DialogField& field_;
  int column_, row_, width_;
  bool focused_;
  std::uint8_t attr_, emptyAttr_;
};

}  // namespace

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
  const DialogField& field = fields_[static_cast<std::size_t>(focus_)];
  const int right = field.item.column + field.drawnWidth + 1;
  const int bottom = field.item.row + std::max<int>(field.item.height, 1) + 1;
  const int rows = screenHeight - 1;  // the status line stays in sight
  if (box.column + box.width > screenWidth) box.column = std::min(box.column, std::max(0, screenWidth - box.width));
  if (box.column + right > screenWidth) box.column = screenWidth - right;
  if (box.row + box.height > rows) box.row = std::min(box.row, std::max(0, rows - box.height));
  if (box.row + bottom > rows) box.row = rows - bottom;
  return box;
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
    const DialogField& field = fields_[i];
    std::visit(FieldPainter(screen, field, box.column + field.item.column, box.row + field.item.row,
                            static_cast<int>(i) == focus_),
               field.value);
  }
}

}  // namespace standin::host

#include "dialog_field.h"

#include <algorithm>

#include "contract/dialog_template_format.h"

namespace standin::host {

namespace {

using talvenor::dialog_template::kEnterConfirmsFlag;
using talvenor::dialog_template::kMaskedFlag;
using talvenor::dialog_template::kReadOnlyFlag;

// Digits, and one minus in front.
bool NumberAccepts(unsigned char ch, std::size_t at, const std::string& text) {
  const bool minusInFront = !text.empty() && text[0] == '-';
  if (ch == '-') return at == 0 && !minusInFront;
  return ch >= '0' && ch <= '9' && !(at == 0 && minusInFront);
}

template <typename Kind> field::Value Mask(const std::string& mask, const std::string& digits) {
  Kind kind{MaskedEditor(mask), {}};
  kind.editor.SetDigits(digits);
  kind.loaded = kind.editor.Shown();
  return kind;
}

// The cells a field is drawn in. A one-line text or number field is no
// wider than the characters it takes: the template may give it more room
// (the password prompts' fields are 25 and 21 cells for 20 characters), and
// empty cells beyond the capacity would promise room the field does not have.
int Cells(const DialogItemView& item) { return std::max<int>(item.width, 1); }
int OneLineCells(const DialogItemView& item) { return std::min(Cells(item), std::max<int>(item.capacity, 1)); }

field::Value LoadValue(const DialogItemView& item, const BoundBuffer& bound) {
  switch (item.kind) {
    case kItemButton: return field::Button{};
    case kItemCheckBox: {
      const std::uint16_t loaded = bound.Word(item);
      return field::CheckBox{loaded, loaded != 0};
    }
    case kItemEditField: break;
    default: return field::Label{};
  }
  if (item.IsNumberField()) {
    field::Number number{LineEditor(std::max<std::size_t>(item.capacity, 1), OneLineCells(item), NumberAccepts),
                         std::to_string(static_cast<std::int16_t>(bound.Word(item)))};
    number.editor.SetText(number.loaded);
    return number;
  }
  if ((item.fieldType & kFieldDateText) != 0) return Mask<field::Date>("99.99.9999", ShownDateDigits(bound.Text(item)));
  if ((item.fieldType & kFieldTimeText) != 0) return Mask<field::Time>("99:99:99", ShownTimeDigits(bound.Text(item)));
  if (item.lines > 1) {
    field::MultiLine text{FlowTextEditor(item.capacity, Cells(item), std::max<int>(item.lines, 1)), bound.Text(item)};
    text.editor.SetText(text.loaded);
    return text;
  }
  field::Text text{LineEditor(item.capacity, OneLineCells(item)), bound.Text(item)};
  text.editor.SetText(text.loaded);
  return text;
}

}  // namespace

DialogField LoadField(const DialogItemView& item, const BoundBuffer& bound) {
  DialogField field;
  field.item = item;
  field.readOnly = (item.flags & kReadOnlyFlag) != 0;
  field.masked = (item.flags & kMaskedFlag) != 0 || (item.fieldType & kFieldPasswordText) != 0;
  field.enterConfirms = (item.flags & kEnterConfirmsFlag) != 0;
  field.value = LoadValue(item, bound);
  field.drawnWidth = field.Is<field::Text>() || field.Is<field::Number>() ? OneLineCells(item) : Cells(item);
  return field;
}

bool DialogField::Focusable() const {
  if (Is<field::Label>()) return false;
  if (Is<field::Text>() || Is<field::MultiLine>()) return !readOnly;
  return true;
}

void DialogField::Mark() {
  std::visit([](auto& kind) { if constexpr (requires { kind.editor.Mark(); }) kind.editor.Mark(); }, value);
}

bool DialogField::Marked() const {
  return std::visit(
      [](const auto& kind) {
        if constexpr (requires { kind.editor.Marked(); }) return kind.editor.Marked();
        else return false;
      },
      value);
}

}  // namespace standin::host

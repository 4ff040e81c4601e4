#pragma once
// One field of a running dialog: the template's item, how this host shows
// it, and what it holds while the user edits it, one alternative a kind.
#include <cstdint>
#include <string>
#include <variant>

#include "flow_text_editor.h"
#include "line_editor.h"
#include "masked_editor.h"
#include "services/dialog_binding.h"
#include "services/dialog_template_reader.h"

namespace standin::host {

namespace field {
// `loaded` is what the field showed when the dialog opened: an entry the
// user left as it came goes back as the plug-in gave it.
struct Label {};
struct Text { LineEditor editor; std::string loaded; };
struct Number { LineEditor editor; std::string loaded; };
struct MultiLine { FlowTextEditor editor; std::string loaded; };
struct Date { MaskedEditor editor; std::string loaded; };  // the mask as first shown
struct Time { MaskedEditor editor; std::string loaded; };
struct CheckBox { std::uint16_t loaded = 0; bool checked = false; };
struct Button {};
using Value = std::variant<Label, Text, Number, MultiLine, Date, Time, CheckBox, Button>;
}  // namespace field

struct DialogField {
  DialogItemView item;
  bool readOnly = false;       // shown, not edited (the reminder)
  bool masked = false;         // the text shown as '*'
  bool enterConfirms = false;  // Enter in it confirms the dialog
  int drawnWidth = 1;          // cells on the screen
  field::Value value;

  template <typename Kind> bool Is() const { return std::holds_alternative<Kind>(value); }
  bool Focusable() const;
  // Entering the field: a one-line field's content is marked.
  void Mark();
  bool Marked() const;
};

// The field `item` makes, showing what `bound` holds for it.
DialogField LoadField(const DialogItemView& item, const BoundBuffer& bound);

// Calls the overload of a visitor made of lambdas that takes the field's kind.
template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };

}  // namespace standin::host

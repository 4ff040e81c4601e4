#pragma once
// The host's reader of its dialog template format: finds a dialog in the
// set a plug-in hands over, walks its items and binds them to the bytes of
// the caller's buffer. A host reads whatever block a plug-in gives it, so
// every count, size and text is checked against the bytes available and a
// malformed set is refused with an error; nothing outside the set is read.
//
// The format itself is in contract/abi/dialog_template_format.h.
//
// Binding: the items, in order, own consecutive bytes of the buffer from
// offset 0: a text field capacity + 1, a number field 2 (signed 16-bit), a
// check box 2; labels and buttons none.
// What those bytes hold, and writing them back, is dialog_binding.h.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contract/abi/dialog_template_format.h"

namespace standin {

namespace format = talvenor::dialog_template;
enum DialogItemKind : std::uint16_t {
  kItemButton = format::kButton,
  kItemCheckBox = format::kCheckBox,
  kItemLabel = format::kLabel,
  kItemUnitLabel = format::kUnitLabel,
  kItemEditField = format::kEditField,
};

// fieldType of an edit field: the low byte says how the value is held,
// the high byte which kind of text.
inline constexpr std::uint16_t kFieldHeldAsText = format::kHeldAsText;
inline constexpr std::uint16_t kFieldHeldAsNumber = format::kHeldAsNumber;
inline constexpr std::uint16_t kFieldDateText = format::kDateText;
inline constexpr std::uint16_t kFieldTimeText = format::kTimeText;
inline constexpr std::uint16_t kFieldPasswordText = format::kPasswordText;

// The set a host would ever accept; a larger stored count is refused.
inline constexpr std::size_t kMaxDialogSetSize = 65536;

struct DialogItemView {
  std::uint16_t kind = 0;       // DialogItemKind
  std::uint16_t tag = 0;
  std::uint16_t flags = 0;
  std::uint16_t hotKey = 0;     // upper-case letter, or a key code (button)
  std::uint16_t column = 0;     // character cells within the dialog
  std::uint16_t row = 0;
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  std::string text;             // Mazovia bytes without the NUL, tildes kept
  // Edit fields only:
  std::uint16_t fieldType = 0;
  std::uint16_t capacity = 0;   // characters the field takes
  std::uint16_t lines = 0;      // text types: lines shown
  std::int16_t minValue = 0;    // number type: smallest value admitted
  std::int16_t maxValue = 0;    // number type: largest value admitted
  // The bytes of the buffer that hold the item's value; boundSize 0 for
  // labels and buttons.
  std::size_t boundOffset = 0;
  std::size_t boundSize = 0;
  // Where the item lies in the set.
  std::size_t setOffset = 0;
  std::size_t length = 0;

  bool IsTextField() const { return kind == kItemEditField && (fieldType & 0xFF) == kFieldHeldAsText; }
  bool IsNumberField() const { return kind == kItemEditField && (fieldType & 0xFF) == kFieldHeldAsNumber; }
};

struct DialogView {
  int number = 0;
  std::uint16_t tag = 0;
  std::uint16_t flags = 0;
  std::uint16_t hotKey = 0;
  std::uint16_t column = 0;
  std::uint16_t row = 0;
  std::uint16_t width = 0;      // character cells
  std::uint16_t height = 0;
  std::string title;            // Mazovia bytes without the NUL
  std::vector<DialogItemView> items;
  std::size_t boundBytes = 0;   // buffer bytes the dialog's fields own, in all
  std::size_t setOffset = 0;    // where the dialog starts in the set
  std::size_t length = 0;       // bodySize + 4
};

// Dialog `number` of the set at `set`, of which `size` bytes may be read.
// Nothing, with a reason in *error (when error is not null), when the set
// holds no such dialog or is malformed: a count or size running past the
// bytes available, an unknown kind or field type, an item count whose items
// do not fill the dialog exactly, a text without its NUL, a FieldBlock of
// a size other than 38 or 40.
std::optional<DialogView> ReadDialog(const unsigned char* set, std::size_t size, int number, std::string* error);

// How many bytes the set at `set` says it has: 4 + its stored count. 0
// when that exceeds kMaxDialogSetSize. Reads the first 4 bytes only.
std::size_t DialogSetSize(const unsigned char* set);

// An item text as shown: the tildes of its hot-key pair removed.
// hotKeyIndex is the shown letter's index, or npos when none is marked.
struct ShownText {
  std::string text;
  std::size_t hotKeyIndex = std::string::npos;
};
ShownText ShowItemText(std::string_view text);

}  // namespace standin

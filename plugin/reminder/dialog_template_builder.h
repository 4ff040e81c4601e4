#pragma once
// Writes dialogs in the host's dialog template format at compile time, from
// item descriptions laid out like the dialog tables. Every size, count and
// hot key is worked out here from the descriptions, never typed in.
#include <array>
#include <cstddef>
#include <cstdint>

#include "contract/abi/dialog_template_format.h"

namespace talvenor::dialog_template {

inline constexpr std::size_t kMaxTextLength = 47;  // longest title or item text
inline constexpr std::size_t kMaxItems = 40;       // most items in one dialog

namespace detail {
// Not constexpr on purpose: reaching one of these while the set is being
// built is the compile error that names the fault.
void TextTooLong();
void TildeWithoutPair();
void DialogHasTooManyItems();
void DialogTooLong();
void SetSizeDiffersFromItsDialogs();
}  // namespace detail

// A title or item text: Mazovia bytes, NUL-terminated, tildes included.
struct ItemText {
  char bytes[kMaxTextLength + 1] = {};  // Mazovia, NUL after `length` bytes
  std::size_t length = 0;               // without the NUL
};

// Takes the bytes of TALVENOR_MAZOVIA("...") (or of any NUL-terminated
// std::array) up to the first NUL.
template <std::size_t N>
constexpr ItemText Text(const std::array<char, N>& mazovia) {
  ItemText text;
  while (text.length + 1 < N && mazovia[text.length] != '\0') {
    if (text.length == kMaxTextLength) detail::TextTooLong();
    text.bytes[text.length] = mazovia[text.length];
    ++text.length;
  }
  return text;
}

// Column, row, width and height in character cells within the dialog.
struct Place {
  std::uint16_t column = 0;
  std::uint16_t row = 0;
  std::uint16_t width = 0;
  std::uint16_t height = 0;
};

struct Item {
  std::uint16_t kind = kLabel;   // ItemKind
  ItemText text = {};            // empty for edit fields
  Place place = {};
  std::uint16_t flags = 0;
  std::uint16_t tag = kNoTag;    // 0xFFFF in all but two items
  std::uint16_t keyCode = 0;     // hotKey of an item whose key is no tilde letter; 0 = from the text
  std::uint16_t fieldType = 0;   // edit fields: FieldType
  std::uint16_t capacity = 0;    // edit fields: characters the field takes
  std::uint16_t lines = 0;       // text fields: lines shown
  std::int16_t minValue = 0;     // number fields: smallest value admitted
  std::int16_t maxValue = 0;     // number fields: largest value admitted
};

struct Dialog {
  std::uint16_t number = 0;      // what HostRunDialog is asked for
  ItemText title = {};
  std::uint16_t width = 0;       // in character cells
  std::uint16_t height = 0;
  std::size_t itemCount = 0;
  Item items[kMaxItems] = {};
};

constexpr Item Label(const ItemText& text, Place place, std::uint16_t flags = 0, std::uint16_t tag = kNoTag) {
  return Item{.kind = kLabel, .text = text, .place = place, .flags = flags, .tag = tag};
}

constexpr Item UnitLabel(const ItemText& text, Place place) {
  return Item{.kind = kUnitLabel, .text = text, .place = place};
}

constexpr Item CheckBox(const ItemText& text, Place place) {
  return Item{.kind = kCheckBox, .text = text, .place = place};
}

constexpr Item Button(const ItemText& caption, Place place, std::uint16_t flags, std::uint16_t tag,
                      std::uint16_t keyCode) {
  return Item{.kind = kButton, .text = caption, .place = place, .flags = flags, .tag = tag, .keyCode = keyCode};
}

// A field of one of the text types (fieldType low byte 0x08).
constexpr Item TextField(FieldType type, std::uint16_t capacity, std::uint16_t lines, Place place,
                         std::uint16_t flags = 0) {
  return Item{.kind = kEditField, .place = place, .flags = flags, .fieldType = type, .capacity = capacity,
              .lines = lines};
}

constexpr Item NumberField(std::uint16_t capacity, std::int16_t minValue, std::int16_t maxValue, Place place,
                           std::uint16_t flags = 0) {
  return Item{.kind = kEditField, .place = place, .flags = flags, .fieldType = kNumberField, .capacity = capacity,
              .minValue = minValue, .maxValue = maxValue};
}

constexpr void Add(Dialog& dialog, const Item& item) {
  if (dialog.itemCount == kMaxItems) detail::DialogHasTooManyItems();
  dialog.items[dialog.itemCount++] = item;
}

// The letter between the text's tilde pair, upper-cased; 0 when the text
// marks none.
constexpr std::uint16_t HotKeyOf(const ItemText& text) {
  for (std::size_t i = 0; i < text.length; ++i) {
    if (text.bytes[i] != '~') continue;
    if (i + 2 >= text.length || text.bytes[i + 2] != '~') detail::TildeWithoutPair();
    const auto letter = static_cast<unsigned char>(text.bytes[i + 1]);
    return letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter;
  }
  return 0;
}

constexpr std::size_t FieldBlockSize(const Item& field) {
  return field.fieldType == kNumberField ? kNumberFieldBlockSize : kTextFieldBlockSize;
}

constexpr std::size_t ItemSize(const Item& item) {
  if (item.kind == kEditField) return kEditFieldHeaderSize + FieldBlockSize(item) + 1;
  return kItemHeaderSize + item.text.length + 1;
}

constexpr std::size_t DialogSize(const Dialog& dialog) {
  std::size_t size = kDialogHeaderSize + dialog.title.length + 1;
  for (std::size_t i = 0; i < dialog.itemCount; ++i) size += ItemSize(dialog.items[i]);
  return size;
}

template <std::size_t DialogCount>
constexpr std::size_t SetSize(const Dialog (&dialogs)[DialogCount]) {
  std::size_t size = kSetHeaderSize;
  for (const Dialog& dialog : dialogs) size += DialogSize(dialog);
  return size;
}

// Bytes of the caller's buffer an item's value takes: the items, in order,
// own consecutive bytes from offset 0; labels and buttons own none.
constexpr std::size_t BoundSize(const Item& item) {
  if (item.kind == kCheckBox || (item.kind == kEditField && item.fieldType == kNumberField)) return 2;
  if (item.kind == kEditField) return std::size_t{item.capacity} + 1;
  return 0;
}

// Where item `index` of `dialog` starts in the buffer the dialog runs over.
constexpr std::size_t BoundOffset(const Dialog& dialog, std::size_t index) {
  std::size_t offset = 0;
  for (std::size_t i = 0; i < index; ++i) offset += BoundSize(dialog.items[i]);
  return offset;
}

namespace detail {

constexpr void PutWord(unsigned char*& out, std::uint16_t value) {
  *out++ = static_cast<unsigned char>(value & 0xFF);
  *out++ = static_cast<unsigned char>(value >> 8);
}

constexpr void PutZeros(unsigned char*& out, std::size_t count) {
  while (count-- > 0) *out++ = 0;
}

constexpr void PutText(unsigned char*& out, const ItemText& text) {
  for (std::size_t i = 0; i < text.length; ++i) *out++ = static_cast<unsigned char>(text.bytes[i]);
  *out++ = 0;
}

// The words an item and a dialog header share: flags, hotKey and place.
constexpr void PutFlagsKeyPlace(unsigned char*& out, std::uint16_t flags, std::uint16_t hotKey, Place place) {
  PutWord(out, flags);
  PutWord(out, hotKey);
  PutWord(out, place.column);
  PutWord(out, place.row);
  PutWord(out, place.width);
  PutWord(out, place.height);
}

constexpr void PutEditField(unsigned char*& out, const Item& field) {
  const std::size_t blockSize = FieldBlockSize(field);
  PutWord(out, kEditField);
  PutWord(out, static_cast<std::uint16_t>(blockSize));
  // FieldBlock
  PutWord(out, kEditField);
  PutWord(out, field.tag);
  PutFlagsKeyPlace(out, field.flags, 0, field.place);
  PutZeros(out, 4 + 8);
  PutWord(out, field.capacity);
  PutWord(out, field.fieldType);
  PutZeros(out, 2);
  if (blockSize == kNumberFieldBlockSize) {
    PutZeros(out, 2);
    PutWord(out, static_cast<std::uint16_t>(field.minValue));
    PutWord(out, static_cast<std::uint16_t>(field.maxValue));
  } else {
    PutWord(out, field.capacity);
    PutWord(out, field.lines);
  }
  *out++ = 0;  // the field's text, always empty
}

constexpr void PutItem(unsigned char*& out, const Item& item) {
  if (item.kind == kEditField) {
    PutEditField(out, item);
    return;
  }
  PutWord(out, item.kind);
  PutWord(out, item.tag);
  PutFlagsKeyPlace(out, item.flags, item.keyCode != 0 ? item.keyCode : HotKeyOf(item.text), item.place);
  PutZeros(out, 4);
  PutText(out, item.text);
}

constexpr void PutDialog(unsigned char*& out, const Dialog& dialog) {
  const std::size_t bodySize = DialogSize(dialog) - 4;
  if (bodySize > 0xFFFF) DialogTooLong();
  PutWord(out, static_cast<std::uint16_t>(bodySize));
  PutWord(out, static_cast<std::uint16_t>(dialog.itemCount));
  PutWord(out, kNoTag);
  PutWord(out, dialog.number);
  PutFlagsKeyPlace(out, 0, 0, Place{0, 0, dialog.width, dialog.height});
  PutZeros(out, 4);
  PutText(out, dialog.title);
  for (std::size_t i = 0; i < dialog.itemCount; ++i) PutItem(out, dialog.items[i]);
}

}  // namespace detail

// The whole set; Size must be SetSize(dialogs).
template <std::size_t Size, std::size_t DialogCount>
constexpr std::array<unsigned char, Size> BuildSet(const Dialog (&dialogs)[DialogCount]) {
  static_assert(Size >= kSetHeaderSize);
  std::array<unsigned char, Size> set{};
  unsigned char* out = set.data();
  const auto count = static_cast<std::uint32_t>(Size - kSetHeaderSize);
  for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<unsigned char>(count >> shift);
  for (const Dialog& dialog : dialogs) detail::PutDialog(out, dialog);
  if (out != set.data() + Size) detail::SetSizeDiffersFromItsDialogs();
  return set;
}

}  // namespace talvenor::dialog_template

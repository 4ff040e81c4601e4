#pragma once
// The host's dialog template format, its numbers: what the plug-in builds
// and what a host reads. All numbers little-endian, no alignment anywhere:
//   set     : 32-bit count of the bytes that follow, then the dialogs
//   dialog  : bodySize (bytes after its first 4), itemCount, tag, number,
//             flags, hotKey, column, row, width, height, 4 reserved bytes,
//             the title with its NUL, then the items
//   item    : kind, tag, flags, hotKey, column, row, width, height,
//             4 reserved bytes, the text with its NUL
//   field   : kind 5, size of the FieldBlock, the FieldBlock, a NUL
//   FieldBlock: kind, tag, flags, hotKey, column, row, width, height,
//             12 reserved bytes, capacity, fieldType, 2 reserved; text
//             types: capacity again, lines; numbers: 2 reserved, smallest
//             and largest value
#include <cstddef>
#include <cstdint>

namespace talvenor::dialog_template {

enum ItemKind : std::uint16_t {
  kButton = 0,
  kCheckBox = 2,   // binds a 16-bit value
  kLabel = 3,
  kUnitLabel = 4,  // a label just behind a field ("minut")
  kEditField = 5,  // binds by its fieldType
};

// Low byte: how the value is held; high byte: which kind of text.
inline constexpr std::uint16_t kHeldAsNumber = 0x01;  // signed 16-bit value
inline constexpr std::uint16_t kHeldAsText = 0x08;
inline constexpr std::uint16_t kDateText = 0x0200;      // the host's date text
inline constexpr std::uint16_t kTimeText = 0x0400;      // HH:MM:SS
inline constexpr std::uint16_t kPasswordText = 0x8000;

enum FieldType : std::uint16_t {
  kNumberField = kHeldAsNumber,
  kTextField = kHeldAsText,
  kDateField = kDateText | kHeldAsText,
  kTimeField = kTimeText | kHeldAsText,
  kPasswordField = kPasswordText | kHeldAsText,
};

// An item's flags word. The host reads them so: a read-only field; the
// dialog's confirming button; a field that shows stars for its letters; a
// label that is never drawn; a field whose Enter confirms the dialog.
inline constexpr std::uint16_t kReadOnlyFlag = 0x0002;
inline constexpr std::uint16_t kConfirmButtonFlag = 0x0004;
inline constexpr std::uint16_t kMaskedFlag = 0x0400;
inline constexpr std::uint16_t kHiddenFlag = 0x0800;
inline constexpr std::uint16_t kEnterConfirmsFlag = 0x8000;
// The password fields of the dialogs that ask for a password.
inline constexpr std::uint16_t kAskedPasswordFlags = kEnterConfirmsFlag | kMaskedFlag;

inline constexpr std::uint16_t kNoTag = 0xFFFF;
// A label that carries this tag is not drawn either (the reminder's empty
// label over its text).
inline constexpr std::uint16_t kHiddenTag = kHiddenFlag;
// The configuration's confirming button: its tag, and the key word it holds
// in place of a tilde letter.
inline constexpr std::uint16_t kConfirmButtonTag = 0x5001;
inline constexpr std::uint16_t kConfirmButtonKey = 0x5500;

inline constexpr std::size_t kSetHeaderSize = 4;
inline constexpr std::size_t kDialogHeaderSize = 24;
inline constexpr std::size_t kItemHeaderSize = 20;
inline constexpr std::size_t kEditFieldHeaderSize = 4;  // kind, block size
inline constexpr std::size_t kTextFieldBlockSize = 38;
inline constexpr std::size_t kNumberFieldBlockSize = 40;

}  // namespace talvenor::dialog_template

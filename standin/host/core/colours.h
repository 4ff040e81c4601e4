#pragma once
// The host's colours, as console attributes (background << 4 | foreground).
// Light grey (7) is used as a foreground on black only: Wine's console, when
// it goes back to grey letters, also drops the background colour.
#include <cstdint>

namespace standin::host::colour {

inline constexpr std::uint8_t kDesk = 0x1B;          // main screen: light cyan on blue
inline constexpr std::uint8_t kDeskBright = 0x1F;    // its headings
inline constexpr std::uint8_t kSelectedRow = 0x30;   // the list's current row
inline constexpr std::uint8_t kMenu = 0x70;          // menu line
inline constexpr std::uint8_t kMenuKey = 0x74;       // a menu's key letter
inline constexpr std::uint8_t kStatus = 0x30;        // status line
inline constexpr std::uint8_t kStatusAlert = 0x3E;   // a tone on the status line
inline constexpr std::uint8_t kHelpLine = 0x70;      // key help above the status line
inline constexpr std::uint8_t kHelpKey = 0x74;

inline constexpr std::uint8_t kDialog = 0x70;        // dialog box: black on light grey
inline constexpr std::uint8_t kDialogFrame = 0x7F;
inline constexpr std::uint8_t kDialogTitle = 0x7F;
inline constexpr std::uint8_t kHotKey = 0x74;        // the hot-key letter of a label
inline constexpr std::uint8_t kField = 0x1F;         // an edit field: white on blue
inline constexpr std::uint8_t kFieldFocused = 0x3F;  // the field being edited: white on cyan
inline constexpr std::uint8_t kFieldEmpty = 0x13;    // the dots of an empty cell: cyan on blue
inline constexpr std::uint8_t kFieldEmptyFocused = 0x31;
inline constexpr std::uint8_t kFieldMarked = 0x2F;    // a field's marked content: white on green
inline constexpr std::uint8_t kReadOnly = 0x70;      // a text shown, not edited
inline constexpr std::uint8_t kButton = 0x20;        // black on green
inline constexpr std::uint8_t kButtonFocused = 0x2F;
inline constexpr std::uint8_t kButtonKey = 0x2E;     // the key name in a caption: yellow on green

inline constexpr std::uint8_t kNotice = 0x70;        // message box style 1
inline constexpr std::uint8_t kNoticeFrame = 0x7F;
inline constexpr std::uint8_t kAlarm = 0x4F;         // message box style 0xC001: white on red
inline constexpr std::uint8_t kAlarmFrame = 0x4E;    // yellow on red
inline constexpr std::uint8_t kHostBox = 0x3F;       // the host's own boxes: white on cyan
inline constexpr std::uint8_t kHostBoxFrame = 0x3F;

}  // namespace standin::host::colour

#pragma once
// Key presses as the host passes them around: BIOS key codes, scan code in
// the high byte and character (Mazovia) in the low byte, after the table of
// the PC keyboard BIOS (F1 0x3B00, Shift-F10 0x5D00, Alt-H 0x2300, F12
// 0x8600 ...). Keys are recognised by their virtual-key code, never by the
// character alone: under Wine, Esc arrives with character 0.
#include <cstdint>
#include "contract/abi/host_constants.h"
#include <optional>
#include <string>
#include <string_view>

namespace standin::host {

// One key press as a console reports it (Windows virtual-key codes).
struct KeyEvent {
  std::uint16_t vk = 0;   // VK_*; 0 for a character the keyboard made up (AltGr letters under Wine)
  char32_t ch = 0;        // the character it types, 0 for none
  bool shift = false, ctrl = false, alt = false;
  std::uint16_t raw = 0;  // nonzero: this BIOS code as it is (scripts)
};

namespace vk {
inline constexpr std::uint16_t kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kShift = 0x10, kControl = 0x11,
                               kMenu = 0x12, kPause = 0x13, kCapital = 0x14, kEscape = 0x1B, kSpace = 0x20,
                               kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kUp = 0x26,
                               kRight = 0x27, kDown = 0x28, kInsert = 0x2D, kDelete = 0x2E, kF1 = 0x70,
                               kF12 = 0x7B, kNumLock = 0x90, kScroll = 0x91, kLWin = 0x5B, kRWin = 0x5C,
                               kApps = 0x5D;
}  // namespace vk

// BIOS key codes the host itself acts on.
namespace key {
inline constexpr std::uint16_t kEsc = 0x011B, kEnter = 0x1C0D, kCtrlEnter = 0x1C0A, kTab = 0x0F09,
                               kShiftTab = 0x0F00, kBackspace = 0x0E08, kSpace = 0x3920, kUp = 0x4800,
                               kDown = 0x5000, kLeft = 0x4B00, kRight = 0x4D00, kHome = 0x4700, kEnd = 0x4F00,
                               kPgUp = 0x4900, kPgDn = 0x5100, kIns = 0x5200, kDel = 0x5300, kF1 = 0x3B00,
                               kF2 = 0x3C00, kF9 = 0x4300, kF10 = 0x4400, kF12 = 0x8600, kShiftF10 = talvenor::kShiftF10,
                               kAltX = 0x2D00, kCtrlHome = 0x7700, kCtrlEnd = 0x7500;
inline constexpr std::uint16_t kConsumed = talvenor::kConsumedKey;  // what a hook answers for a key it ate
}  // namespace key

// The BIOS code of a key press; 0 for a press that makes none (Shift alone,
// a character Mazovia lacks).
std::uint16_t BiosKeyCode(const KeyEvent& event);

// The letter (A-Z) or digit of an Alt key code, 0 when `code` is none.
char AltKeyLetter(std::uint16_t code);
// The Mazovia character a code types, 0 when it types none (control keys).
unsigned char TypedByte(std::uint16_t code);

// A script's key name: "Esc", "Enter", "F12", "Shift-F10", "Alt-H",
// "Ctrl-S", "Shift-Tab", "Up", "PgDn", "A", or a BIOS code "0x5D00".
std::optional<KeyEvent> ParseKeyName(std::string_view name);
// The key press that types `ch` (scripts' typed text).
KeyEvent KeyForCharacter(char32_t ch);
// "Shift-F10", "Alt-H", "'a'" ... or "" when the code has no name here.
std::string KeyCodeName(std::uint16_t code);

}  // namespace standin::host

#include "bios_keys.h"

#include <array>
#include <cctype>
#include <cstdio>

#include "screen.h"

namespace standin::host {

namespace {

// Scan codes of the typing keys, by the characters they type on the US
// layout (unshifted and shifted), as the PC keyboard numbers them.
struct ScanOfChars {
  const char* chars;
  std::uint8_t scan;
};
constexpr ScanOfChars kTypingKeys[] = {
    {"1!", 0x02}, {"2@", 0x03}, {"3#", 0x04}, {"4$", 0x05}, {"5%", 0x06}, {"6^", 0x07}, {"7&", 0x08},
    {"8*", 0x09}, {"9(", 0x0A}, {"0)", 0x0B}, {"-_", 0x0C}, {"=+", 0x0D}, {"qQ", 0x10}, {"wW", 0x11},
    {"eE", 0x12}, {"rR", 0x13}, {"tT", 0x14}, {"yY", 0x15}, {"uU", 0x16}, {"iI", 0x17}, {"oO", 0x18},
    {"pP", 0x19}, {"[{", 0x1A}, {"]}", 0x1B}, {"aA", 0x1E}, {"sS", 0x1F}, {"dD", 0x20}, {"fF", 0x21},
    {"gG", 0x22}, {"hH", 0x23}, {"jJ", 0x24}, {"kK", 0x25}, {"lL", 0x26}, {";:", 0x27}, {"'\"", 0x28},
    {"`~", 0x29}, {"\\|", 0x2B}, {"zZ", 0x2C}, {"xX", 0x2D}, {"cC", 0x2E}, {"vV", 0x2F}, {"bB", 0x30},
    {"nN", 0x31}, {"mM", 0x32}, {",<", 0x33}, {".>", 0x34}, {"/?", 0x35}, {" ", 0x39},
};

// The Polish letters sit on the keys of their Latin bases (AltGr+letter).
constexpr std::pair<char32_t, char> kPolishBases[] = {
    {U'ą', 'a'}, {U'ć', 'c'}, {U'ę', 'e'}, {U'ł', 'l'}, {U'ń', 'n'}, {U'ó', 'o'}, {U'ś', 's'}, {U'ź', 'x'}, {U'ż', 'z'},
    {U'Ą', 'a'}, {U'Ć', 'c'}, {U'Ę', 'e'}, {U'Ł', 'l'}, {U'Ń', 'n'}, {U'Ó', 'o'}, {U'Ś', 's'}, {U'Ź', 'x'}, {U'Ż', 'z'},
};

// Returns 0 for a character on no key of the layout.
std::uint8_t ScanOfChar(char32_t ch) {
  for (const auto& [letter, base] : kPolishBases)
    if (letter == ch) ch = static_cast<char32_t>(base);
  if (ch >= 0x80) return 0;
  for (const auto& key : kTypingKeys)
    for (const char* c = key.chars; *c != 0; ++c)
      if (static_cast<char32_t>(*c) == ch) return key.scan;
  return 0;
}

// Returns 0 for a virtual key that is no typing key.
std::uint8_t ScanOfVk(std::uint16_t code) {
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return ScanOfChar(static_cast<char32_t>(std::tolower(code)));
  switch (code) {
    case 0xBD: return 0x0C;  // VK_OEM_MINUS
    case 0xBB: return 0x0D;  // VK_OEM_PLUS
    case 0xDB: return 0x1A;  // VK_OEM_4 [
    case 0xDD: return 0x1B;  // VK_OEM_6 ]
    case 0xBA: return 0x27;  // VK_OEM_1 ;
    case 0xDE: return 0x28;  // VK_OEM_7 '
    case 0xC0: return 0x29;  // VK_OEM_3 `
    case 0xDC: return 0x2B;  // VK_OEM_5 backslash
    case 0xBC: return 0x33;  // VK_OEM_COMMA
    case 0xBE: return 0x34;  // VK_OEM_PERIOD
    case 0xBF: return 0x35;  // VK_OEM_2 /
    case vk::kSpace: return 0x39;
    default: return 0;
  }
}

// Scan codes of F1..F12: plain, Shift, Ctrl, Alt.
constexpr std::uint8_t kFunctionKeys[12][4] = {
    {0x3B, 0x54, 0x5E, 0x68}, {0x3C, 0x55, 0x5F, 0x69}, {0x3D, 0x56, 0x60, 0x6A}, {0x3E, 0x57, 0x61, 0x6B},
    {0x3F, 0x58, 0x62, 0x6C}, {0x40, 0x59, 0x63, 0x6D}, {0x41, 0x5A, 0x64, 0x6E}, {0x42, 0x5B, 0x65, 0x6F},
    {0x43, 0x5C, 0x66, 0x70}, {0x44, 0x5D, 0x67, 0x71}, {0x85, 0x87, 0x89, 0x8B}, {0x86, 0x88, 0x8A, 0x8C},
};

// The editing block: plain (Shift alike), Ctrl, Alt.
struct EditingKey {
  std::uint16_t vk;
  const char* name;
  std::uint8_t plain, ctrl, alt;
};
constexpr EditingKey kEditingKeys[] = {
    {vk::kHome, "Home", 0x47, 0x77, 0x97},  {vk::kUp, "Up", 0x48, 0x8D, 0x98},
    {vk::kPrior, "PgUp", 0x49, 0x84, 0x99}, {vk::kLeft, "Left", 0x4B, 0x73, 0x9B},
    {vk::kRight, "Right", 0x4D, 0x74, 0x9D}, {vk::kEnd, "End", 0x4F, 0x75, 0x9F},
    {vk::kDown, "Down", 0x50, 0x91, 0xA0},  {vk::kNext, "PgDn", 0x51, 0x76, 0xA1},
    {vk::kInsert, "Ins", 0x52, 0x92, 0xA2}, {vk::kDelete, "Del", 0x53, 0x93, 0xA3},
};

// Esc, Enter, Backspace, Tab: plain, Shift, Ctrl, Alt.
struct ControlKey {
  std::uint16_t vk;
  const char* name;
  std::uint16_t plain, shift, ctrl, alt;
};
constexpr ControlKey kControlKeys[] = {
    {vk::kEscape, "Esc", 0x011B, 0x011B, 0x011B, 0x0100},
    {vk::kReturn, "Enter", 0x1C0D, 0x1C0D, 0x1C0A, 0x1C00},
    {vk::kBack, "Backspace", 0x0E08, 0x0E08, 0x0E7F, 0x0E00},
    {vk::kTab, "Tab", 0x0F09, 0x0F00, 0x9400, 0xA500},
};

std::uint16_t Code(std::uint8_t scan, std::uint8_t ch = 0) { return static_cast<std::uint16_t>(scan << 8 | ch); }

bool IsModifierOnly(std::uint16_t code) {
  switch (code) {
    case vk::kShift: case vk::kControl: case vk::kMenu: case vk::kCapital: case vk::kNumLock: case vk::kScroll:
    case vk::kLWin: case vk::kRWin: case vk::kApps: case vk::kPause:
    case 0xA0: case 0xA1: case 0xA2: case 0xA3: case 0xA4: case 0xA5:  // left/right Shift, Ctrl, Alt
      return true;
    default:
      return false;
  }
}

}  // namespace

std::uint16_t BiosKeyCode(const KeyEvent& e) {
  if (e.raw != 0) return e.raw;
  if (IsModifierOnly(e.vk)) return 0;
  const int modifier = e.alt ? 3 : e.ctrl ? 2 : e.shift ? 1 : 0;

  if (e.vk >= vk::kF1 && e.vk <= vk::kF12) return Code(kFunctionKeys[e.vk - vk::kF1][modifier]);
  for (const auto& k : kEditingKeys)
    if (k.vk == e.vk) return Code(e.alt ? k.alt : e.ctrl ? k.ctrl : k.plain);
  for (const auto& k : kControlKeys)
    if (k.vk == e.vk) return e.alt ? k.alt : e.ctrl ? k.ctrl : e.shift ? k.shift : k.plain;

  // A Polish letter is a character even with AltGr (Ctrl+Alt) held.
  const unsigned char typed = e.ch != 0 ? MazoviaByte(e.ch) : 0;
  const bool polishLetter = typed >= 0x80;
  if (e.alt && !polishLetter) {
    const std::uint8_t scan = e.vk != 0 ? ScanOfVk(e.vk) : ScanOfChar(e.ch);
    if (scan >= 0x02 && scan <= 0x0D) return Code(static_cast<std::uint8_t>(scan - 0x02 + 0x78));  // Alt-1 .. Alt-=
    return Code(scan);
  }
  if (e.ctrl && !polishLetter && e.vk >= 'A' && e.vk <= 'Z')
    return Code(ScanOfVk(e.vk), static_cast<std::uint8_t>(e.vk - 'A' + 1));
  if (e.ch < 0x20 || typed == 0) return 0;
  std::uint8_t scan = ScanOfChar(e.ch);
  if (scan == 0) scan = ScanOfVk(e.vk);
  return Code(scan, typed);
}

char AltKeyLetter(std::uint16_t code) {
  if ((code & 0xFF) != 0) return 0;
  const std::uint8_t scan = static_cast<std::uint8_t>(code >> 8);
  if (scan >= 0x78 && scan <= 0x80) return static_cast<char>('1' + (scan - 0x78));
  if (scan == 0x81) return '0';
  for (const auto& key : kTypingKeys)
    if (key.scan == scan && std::isalpha(static_cast<unsigned char>(key.chars[0])))
      return static_cast<char>(std::toupper(static_cast<unsigned char>(key.chars[0])));
  return 0;
}

unsigned char TypedByte(std::uint16_t code) {
  const unsigned char ch = static_cast<unsigned char>(code & 0xFF);
  return ch >= 0x20 && ch != 0x7F && code != key::kConsumed ? ch : 0;
}

KeyEvent KeyForCharacter(char32_t ch) {
  KeyEvent e;
  e.ch = ch;
  if (ch >= 'a' && ch <= 'z') e.vk = static_cast<std::uint16_t>(ch - 'a' + 'A');
  else if (ch >= 'A' && ch <= 'Z') e.vk = static_cast<std::uint16_t>(ch), e.shift = true;
  else if (ch >= '0' && ch <= '9') e.vk = static_cast<std::uint16_t>(ch);
  else if (ch == ' ') e.vk = vk::kSpace;
  return e;
}

std::optional<KeyEvent> ParseKeyName(std::string_view name) {
  if (name.size() > 2 && name[0] == '0' && (name[1] == 'x' || name[1] == 'X')) {
    unsigned value = 0;
    for (char c : name.substr(2)) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
      value = value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10);
      if (value > 0xFFFF) return std::nullopt;
    }
    KeyEvent e;
    e.raw = static_cast<std::uint16_t>(value);
    return value == 0 ? std::nullopt : std::optional<KeyEvent>(e);
  }
  KeyEvent e;
  auto lower = [](std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
  };
  for (;;) {
    const std::string l = lower(name);
    if (l.starts_with("shift-") && name.size() > 6) e.shift = true, name.remove_prefix(6);
    else if (l.starts_with("ctrl-") && name.size() > 5) e.ctrl = true, name.remove_prefix(5);
    else if (l.starts_with("alt-") && name.size() > 4) e.alt = true, name.remove_prefix(4);
    else break;
  }
  const std::string base = lower(name);
  static constexpr std::pair<const char*, std::uint16_t> kNamed[] = {
      {"esc", vk::kEscape}, {"escape", vk::kEscape}, {"enter", vk::kReturn}, {"return", vk::kReturn},
      {"tab", vk::kTab}, {"backspace", vk::kBack}, {"bs", vk::kBack}, {"space", vk::kSpace},
      {"up", vk::kUp}, {"down", vk::kDown}, {"left", vk::kLeft}, {"right", vk::kRight},
      {"home", vk::kHome}, {"end", vk::kEnd}, {"pgup", vk::kPrior}, {"pageup", vk::kPrior},
      {"pgdn", vk::kNext}, {"pagedown", vk::kNext}, {"ins", vk::kInsert}, {"insert", vk::kInsert},
      {"del", vk::kDelete}, {"delete", vk::kDelete},
  };
  for (const auto& [keyName, code] : kNamed)
    if (base == keyName) {
      e.vk = code;
      if (code == vk::kSpace) e.ch = U' ';
      if (code == vk::kReturn) e.ch = U'\r';
      if (code == vk::kTab) e.ch = U'\t';
      return e;
    }
  if (base.size() >= 2 && base[0] == 'f') {
    int n = 0;
    for (char c : base.substr(1)) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
      n = n * 10 + (c - '0');
    }
    if (n < 1 || n > 12) return std::nullopt;
    e.vk = static_cast<std::uint16_t>(vk::kF1 + n - 1);
    return e;
  }
  const std::u32string chars = DecodeUtf8(name);
  if (chars.size() != 1) return std::nullopt;
  KeyEvent typed = KeyForCharacter(chars[0]);
  typed.shift = typed.shift || e.shift;
  typed.ctrl = e.ctrl;
  typed.alt = e.alt;
  if ((e.ctrl || e.alt) && chars[0] >= 'a' && chars[0] <= 'z') typed.shift = e.shift;
  return typed;
}

std::string KeyCodeName(std::uint16_t code) {
  static const char* kModifiers[4] = {"", "Shift-", "Ctrl-", "Alt-"};
  const std::uint8_t scan = static_cast<std::uint8_t>(code >> 8), ch = static_cast<std::uint8_t>(code & 0xFF);
  if (code == key::kConsumed) return "";
  for (const auto& k : kControlKeys) {
    const std::uint16_t codes[4] = {k.plain, k.shift, k.ctrl, k.alt};
    for (int m = 0; m < 4; ++m)
      if (codes[m] == code) return std::string(kModifiers[m]) + k.name;
  }
  if (ch == 0) {
    for (int f = 0; f < 12; ++f)
      for (int m = 0; m < 4; ++m)
        if (kFunctionKeys[f][m] == scan) return std::string(kModifiers[m]) + "F" + std::to_string(f + 1);
    for (const auto& k : kEditingKeys) {
      if (k.plain == scan) return k.name;
      if (k.ctrl == scan) return std::string("Ctrl-") + k.name;
      if (k.alt == scan) return std::string("Alt-") + k.name;
    }
    if (const char letter = AltKeyLetter(code); letter != 0) return std::string("Alt-") + letter;
    return "";
  }
  if (ch < 0x20) {
    for (const auto& key : kTypingKeys)
      if (key.scan == scan && key.chars[0] - 'a' + 1 == ch) return std::string("Ctrl-") + static_cast<char>(std::toupper(key.chars[0]));
    return "";
  }
  if (code == key::kSpace) return "Space";
  const std::u32string typed = DecodeMazovia(std::string(1, static_cast<char>(ch)));
  return std::string(1, '\'').append(EncodeUtf8(typed)).append(1, '\'');
}

}  // namespace standin::host

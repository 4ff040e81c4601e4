#include "console_terminal.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace standin::host {

namespace {

HANDLE g_input = INVALID_HANDLE_VALUE;

// Ctrl+C and Ctrl+Break would end the program at once (under Wine the
// terminal turns them into signals); they come back as a key press instead,
// which the main screen answers by asking whether to end.
BOOL WINAPI CtrlKeyAsKeyPress(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  INPUT_RECORD record{};
  record.EventType = KEY_EVENT;
  record.Event.KeyEvent.bKeyDown = TRUE;
  record.Event.KeyEvent.wRepeatCount = 1;
  record.Event.KeyEvent.wVirtualKeyCode = 'C';
  record.Event.KeyEvent.uChar.UnicodeChar = 3;
  record.Event.KeyEvent.dwControlKeyState = LEFT_CTRL_PRESSED;
  DWORD written = 0;
  WriteConsoleInputW(g_input, &record, 1, &written);
  return TRUE;
}

}  // namespace

ConsoleTerminal::ConsoleTerminal() {
  input_ = GetStdHandle(STD_INPUT_HANDLE);
  output_ = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD outputMode = 0;
  if (!GetConsoleMode(input_, &savedInputMode_) || !GetConsoleMode(output_, &outputMode)) return;
  // Keys as they are: no Ctrl+C handling, no line editing, no echo.
  SetConsoleMode(input_, ENABLE_EXTENDED_FLAGS | ENABLE_WINDOW_INPUT);
  GetConsoleCursorInfo(output_, &savedCursor_);
  g_input = input_;
  SetConsoleCtrlHandler(CtrlKeyAsKeyPress, TRUE);
  ready_ = true;
}

ConsoleTerminal::~ConsoleTerminal() {
  if (!ready_) return;
  // Leave a clean console behind.
  const ScreenSize size = Size();
  CONSOLE_SCREEN_BUFFER_INFO info{};
  GetConsoleScreenBufferInfo(output_, &info);
  const COORD top{0, info.srWindow.Top};
  DWORD written = 0;
  FillConsoleOutputCharacterW(output_, L' ', static_cast<DWORD>(size.width * size.height), top, &written);
  FillConsoleOutputAttribute(output_, 0x07, static_cast<DWORD>(size.width * size.height), top, &written);
  SetConsoleCursorPosition(output_, top);
  SetConsoleCursorInfo(output_, &savedCursor_);
  SetConsoleMode(input_, savedInputMode_);
  SetConsoleCtrlHandler(CtrlKeyAsKeyPress, FALSE);
}

ScreenSize ConsoleTerminal::Size() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleScreenBufferInfo(output_, &info)) return {80, 25};
  const int width = info.srWindow.Right - info.srWindow.Left + 1;
  const int height = info.srWindow.Bottom - info.srWindow.Top + 1;
  return {std::max(width, 1), std::max(height, 1)};  // never larger than the window: it would wrap
}

bool ConsoleTerminal::SetSize(ScreenSize size) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleScreenBufferInfo(output_, &info)) return false;
  const SHORT width = static_cast<SHORT>(size.width), height = static_cast<SHORT>(size.height);
  const SMALL_RECT window{0, 0, static_cast<SHORT>(width - 1), static_cast<SHORT>(height - 1)};
  // The window never exceeds the buffer: shrink it before the buffer,
  // grow it after.
  const SMALL_RECT smaller{0, 0, static_cast<SHORT>(std::min<int>(width, info.srWindow.Right - info.srWindow.Left + 1) - 1),
                           static_cast<SHORT>(std::min<int>(height, info.srWindow.Bottom - info.srWindow.Top + 1) - 1)};
  SetConsoleWindowInfo(output_, TRUE, &smaller);
  if (!SetConsoleScreenBufferSize(output_, COORD{width, height})) return false;
  return SetConsoleWindowInfo(output_, TRUE, &window) != 0;
}

void ConsoleTerminal::Present(const Screen& screen) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  GetConsoleScreenBufferInfo(output_, &info);
  std::vector<CHAR_INFO> cells(static_cast<std::size_t>(screen.Width() * screen.Height()));
  for (int row = 0; row < screen.Height(); ++row)
    for (int column = 0; column < screen.Width(); ++column) {
      const Cell cell = screen.At(column, row);
      CHAR_INFO& out = cells[static_cast<std::size_t>(row * screen.Width() + column)];
      // The console holds UTF-16 units; the host draws nothing beyond them.
      out.Char.UnicodeChar = cell.ch < 0x10000 ? static_cast<WCHAR>(cell.ch) : L'?';
      out.Attributes = cell.attr;
    }
  SMALL_RECT region{info.srWindow.Left, info.srWindow.Top, static_cast<SHORT>(info.srWindow.Left + screen.Width() - 1),
                    static_cast<SHORT>(info.srWindow.Top + screen.Height() - 1)};
  WriteConsoleOutputW(output_, cells.data(), COORD{static_cast<SHORT>(screen.Width()), static_cast<SHORT>(screen.Height())},
                      COORD{0, 0}, &region);
  CONSOLE_CURSOR_INFO cursor{25, screen.CursorColumn() >= 0};
  if (cursor.bVisible)
    SetConsoleCursorPosition(output_, COORD{static_cast<SHORT>(info.srWindow.Left + screen.CursorColumn()),
                                            static_cast<SHORT>(info.srWindow.Top + screen.CursorRow())});
  SetConsoleCursorInfo(output_, &cursor);
}

TerminalEvent ConsoleTerminal::NextEvent(int idleMilliseconds) {
  if (std::exchange(pendingResize_, false)) return {TerminalEvent::Resized};
  const DWORD idle = static_cast<DWORD>(std::max(idleMilliseconds, 0)), start = GetTickCount();
  for (;;) {
    const DWORD elapsed = GetTickCount() - start;
    const DWORD wait = WaitForSingleObject(input_, elapsed >= idle ? 0 : idle - elapsed);
    if (wait == WAIT_TIMEOUT) return {TerminalEvent::Idle};
    if (wait != WAIT_OBJECT_0) return {};
    INPUT_RECORD record{};
    DWORD read = 0;
    if (!ReadConsoleInputW(input_, &record, 1, &read)) return {};
    if (read == 0) continue;
    if (const std::optional<TerminalEvent> event = Translate(record)) return *event;
  }
}

std::optional<TerminalEvent> ConsoleTerminal::Translate(const INPUT_RECORD& record) {
  if (record.EventType == WINDOW_BUFFER_SIZE_EVENT) return TerminalEvent{TerminalEvent::Resized};
  if (record.EventType != KEY_EVENT || !record.Event.KeyEvent.bKeyDown) return std::nullopt;
  const KEY_EVENT_RECORD& k = record.Event.KeyEvent;
  KeyEvent event;
  event.vk = k.wVirtualKeyCode;
  event.ch = k.uChar.UnicodeChar;
  // A character beyond U+FFFF (an emoji) comes as two halves.
  if (event.ch >= 0xD800 && event.ch < 0xDC00) {
    highSurrogate_ = k.uChar.UnicodeChar;
    return std::nullopt;
  }
  if (event.ch >= 0xDC00 && event.ch < 0xE000 && highSurrogate_ != 0)
    event.ch = 0x10000 + ((static_cast<char32_t>(highSurrogate_) - 0xD800) << 10) + (event.ch - 0xDC00);
  highSurrogate_ = 0;
  event.shift = (k.dwControlKeyState & SHIFT_PRESSED) != 0;
  event.ctrl = (k.dwControlKeyState & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED)) != 0;
  event.alt = (k.dwControlKeyState & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED)) != 0;
  // AltGr (right Alt with Ctrl) types the Polish letters; it is no Alt key.
  if ((k.dwControlKeyState & RIGHT_ALT_PRESSED) != 0 && event.ctrl && event.ch >= 0x80) event.alt = event.ctrl = false;
  return TerminalEvent{TerminalEvent::Key, event};
}

void ConsoleTerminal::DiscardTypeAhead() {
  DWORD waiting = 0;
  while (GetNumberOfConsoleInputEvents(input_, &waiting) && waiting > 0) {
    INPUT_RECORD record{};
    DWORD read = 0;
    if (!ReadConsoleInputW(input_, &record, 1, &read) || read == 0) break;
    if (record.EventType == WINDOW_BUFFER_SIZE_EVENT) pendingResize_ = true;
  }
  highSurrogate_ = 0;
}

void ConsoleTerminal::Refresh() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleScreenBufferInfo(output_, &info)) return;
  const SHORT width = static_cast<SHORT>(info.srWindow.Right - info.srWindow.Left + 1);
  const SHORT height = static_cast<SHORT>(info.srWindow.Bottom - info.srWindow.Top + 1);
  // A buffer exactly as large as the window: nothing wraps, nothing scrolls.
  const SMALL_RECT window{0, 0, static_cast<SHORT>(width - 1), static_cast<SHORT>(height - 1)};
  SetConsoleWindowInfo(output_, TRUE, &window);
  SetConsoleScreenBufferSize(output_, COORD{width, height});
  // Blank all of it, so that the next picture goes out whole.
  if (!GetConsoleScreenBufferInfo(output_, &info)) return;
  const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
  DWORD written = 0;
  FillConsoleOutputCharacterW(output_, L' ', cells, COORD{0, 0}, &written);
  FillConsoleOutputAttribute(output_, 0x07, cells, COORD{0, 0}, &written);
}

void ConsoleTerminal::Beep(int frequency, int milliseconds) {
  ::Beep(static_cast<DWORD>(std::clamp(frequency, 37, 32767)), static_cast<DWORD>(std::max(milliseconds, 1)));
}

}  // namespace standin::host

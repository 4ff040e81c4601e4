#include "main_screen.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <span>
#include <vector>

#include "bios_keys.h"
#include "colours.h"
#include "host_texts.h"

namespace standin::host {

namespace {

using text::kInvoices;
constexpr int kInvoiceCount = static_cast<int>(std::size(kInvoices));

std::string Hex4(std::uint32_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value & 0xFFFF));
  return text;
}

// Lays out a bar across `row`: each entry's keys picked out, `gap` cells,
// then what they do; returns the column after the last entry.
int DrawKeyBar(Screen& screen, int row, std::span<const text::HelpLineItem> entries, int gap, std::uint8_t attr,
               std::uint8_t keyAttr) {
  screen.Fill({0, row, screen.Width(), 1}, U' ', attr);
  int column = 1;
  for (const auto& [keys, what] : entries) {
    column = screen.Text(column, row, keys, keyAttr);
    column = screen.Text(column + gap, row, what, attr) + 2;
  }
  return column;
}

// The menu line: each item's first letter is its key.
int DrawMenu(Screen& screen) {
  std::vector<text::HelpLineItem> items;
  for (const std::string_view item : text::kMenu) items.push_back({item.substr(0, 1), item.substr(1)});
  return DrawKeyBar(screen, 0, items, 0, colour::kMenu, colour::kMenuKey);
}

// The text wrapped to `width` cells, down to the row `bottom`.
void DrawWrapped(Screen& screen, int column, int row, int bottom, std::u32string_view text, std::uint8_t attr, int width) {
  for (const std::u32string& line : WrapText(text, width)) {
    if (row >= bottom) return;
    screen.Text(column, row++, EncodeUtf8(line), attr, width);
  }
}

}  // namespace

void MainScreen::Draw(Screen& screen, const PluginPanel& plugin) const {
  const int width = screen.Width(), height = screen.Height();
  screen.Fill({0, 0, width, height}, U' ', colour::kDesk);

  const int column = DrawMenu(screen);
  const std::string firm(text::kFirm);
  const int firmColumn = width - static_cast<int>(DecodeUtf8(firm).size());
  if (firmColumn > column) screen.Text(firmColumn, 0, firm, colour::kMenu);

  // The list, and the plug-in panel to its right when there is room.
  const bool panel = width >= 90;
  const int listWidth = panel ? width - 34 : width;
  const Rect list{0, 1, listWidth, height - 3};
  screen.Frame(list, FrameStyle::Double, colour::kDesk);
  screen.Text(2, 1, text::kInvoiceListTitle, colour::kDeskBright);
  screen.Text(2, 2, text::kInvoiceColumns, colour::kDeskBright);
  screen.Text(listWidth - 12, 2, text::kGrossColumn, colour::kDeskBright);
  const int rows = std::min(kInvoiceCount, list.height - 4);
  for (int i = 0; i < rows; ++i) {
    const text::Invoice& invoice = kInvoices[i];
    const int row = 3 + i;
    const std::uint8_t attr = i == selected_ ? colour::kSelectedRow : colour::kDesk;
    screen.Fill({1, row, listWidth - 2, 1}, U' ', attr);
    screen.Text(2, row, invoice.number, attr);
    screen.Text(15, row, invoice.date, attr);
    screen.Text(26, row, invoice.customer, attr, std::max(0, listWidth - 26 - 13));
    const int grossWidth = static_cast<int>(DecodeUtf8(invoice.gross).size());
    screen.Text(listWidth - 3 - grossWidth, row, invoice.gross, attr);
  }
  const std::string position = std::to_string(selected_ + 1) + "/" + std::to_string(kInvoiceCount);
  screen.Text(3, list.row + list.height - 1, position, colour::kDesk);

  if (panel) {
    const Rect box{listWidth, 1, width - listWidth, height - 3};
    screen.Frame(box, FrameStyle::Single, colour::kDesk);
    screen.Text(box.column + 2, 1, text::kPluginPanelTitle, colour::kDeskBright);
    int row = 3;
    const int inner = box.width - 4, bottom = box.row + box.height - 1;
    screen.Text(box.column + 2, row++, plugin.fileName, colour::kDeskBright, inner);
    if (!plugin.loaded) {
      screen.Text(box.column + 2, row++, text::kPluginNotLoaded, colour::kDesk, inner);
      DrawWrapped(screen, box.column + 2, row + 1, bottom, DecodeUtf8(plugin.problem), colour::kDesk, inner);
    } else {
      screen.Text(box.column + 2, row++,
                  text::Fill(text::kPluginAnswered, {std::to_string(plugin.interfaceVersion), std::to_string(plugin.attachResult)}),
                  colour::kDesk, inner);
      // The description as the plug-in handed it over, its line breaks kept.
      DrawWrapped(screen, box.column + 2, row + 1, bottom, DecodeMazovia(plugin.description), colour::kDesk, inner);
    }
  }

  DrawKeyBar(screen, height - 2, text::kHelpLine, 1, colour::kHelpLine, colour::kHelpKey);
}

void MainScreen::DrawStatusLine(Screen& screen, const HostStatus& status) {
  const int row = screen.Height() - 1;
  screen.Fill({0, row, screen.Width(), 1}, U' ', colour::kStatus);
  const std::string clock = " " + status.date + " " + status.time + " │ ";
  if (!status.notice.empty()) {
    const int column = screen.Text(0, row, clock, colour::kStatus);
    screen.Text(column, row, status.notice, colour::kStatusAlert);
    return;
  }
  std::string shown = clock + std::string(text::kStatusFlags) + Hex4(status.stateFlags) + " │ " + std::string(text::kStatusKey);
  if (!status.anyKey) {
    shown += "—";
  } else {
    const std::string name = KeyCodeName(status.lastKey);
    shown += Hex4(status.lastKey) + (name.empty() ? "" : " " + name) + " → " +
            (status.hookRunning ? std::string("…") : Hex4(status.hookResult));
    if (!status.hookRunning && status.hookResult == key::kConsumed) shown += text::kStatusConsumed;
  }
  shown += " │ ";
  const int column = screen.Text(0, row, shown, colour::kStatus);
  if (status.toneFrequency != 0) {
    std::string tone = "♪ " + std::to_string(status.toneFrequency) + " Hz";
    if (status.toneCount > 1) tone += " ×" + std::to_string(status.toneCount);
    if (status.muted) tone += text::kStatusMuted;
    screen.Text(column, row, tone, colour::kStatusAlert);
  }
}

MainAction MainScreen::HandleKey(std::uint16_t code) {
  switch (code) {
    case key::kUp: selected_ = std::max(0, selected_ - 1); break;
    case key::kDown: selected_ = std::min(kInvoiceCount - 1, selected_ + 1); break;
    case key::kHome: case key::kCtrlHome: case key::kPgUp: selected_ = 0; break;
    case key::kEnd: case key::kCtrlEnd: case key::kPgDn: selected_ = kInvoiceCount - 1; break;
    case key::kEnter: return MainAction::ShowDocument;
    case key::kF1: return MainAction::Help;
    case 0x3D00: return MainAction::Calls;  // F3
    case key::kAltX: return MainAction::Quit;
    case key::kEsc:
    case 0x2E03:  // Ctrl-C, which a console user tries first
      return MainAction::AskQuit;
    default: break;
  }
  return MainAction::None;
}

std::string MainScreen::DocumentTitle() const { return text::Fill(text::kInvoiceTitle, {kInvoices[selected_].number}); }

std::string MainScreen::DocumentText() const {
  const text::Invoice& invoice = kInvoices[selected_];
  return text::Fill(text::kInvoiceText, {invoice.date, invoice.customer, invoice.net, invoice.gross});
}

}  // namespace standin::host

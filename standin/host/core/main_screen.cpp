#include "main_screen.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

#include "bios_keys.h"
#include "colours.h"

namespace standin::host {

namespace {

struct Invoice {
  const char* number;
  const char* date;
  const char* customer;
  const char* net;
  const char* gross;
};

constexpr Invoice kInvoices[] = {
    {"FV/0412/2026", "01.12.2026", "Przedsiębiorstwo Handlowe „Łąka”", "12 400,00", "15 252,00"},
    {"FV/0413/2026", "01.12.2026", "Zakład Stolarski Żurawski i S-ka", "3 180,50", "3 912,02"},
    {"FV/0414/2026", "02.12.2026", "Hurtownia Spożywcza „Gęś”", "857,30", "1 054,48"},
    {"FV/0415/2026", "03.12.2026", "Biuro Rachunkowe Ślęza", "2 000,00", "2 460,00"},
    {"FV/0416/2026", "03.12.2026", "Piekarnia Źródełko s.c.", "645,12", "793,50"},
    {"FV/0417/2026", "04.12.2026", "Transport Ciężarowy Mąkosa", "9 870,00", "12 140,10"},
    {"FV/0418/2026", "07.12.2026", "Apteka pod Orłem", "1 215,77", "1 495,40"},
    {"FV/0419/2026", "07.12.2026", "Dom Handlowy Świętokrzyski", "23 050,00", "28 351,50"},
    {"FV/0420/2026", "08.12.2026", "Ogrodnictwo Kłosowski", "412,00", "506,76"},
    {"FV/0421/2026", "08.12.2026", "Serwis Komputerowy Bajt", "4 300,00", "5 289,00"},
    {"FV/0422/2026", "09.12.2026", "Spółdzielnia Mleczarska Łowicz", "18 720,40", "23 026,09"},
    {"FV/0423/2026", "09.12.2026", "Kwiaciarnia Róża", "96,00", "118,08"},
};
constexpr int kInvoiceCount = static_cast<int>(std::size(kInvoices));

std::string Hex4(std::uint32_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value & 0xFFFF));
  return text;
}

// Lays out the help line: keys picked out, then what they do.
void DrawHelp(Screen& screen, int row) {
  static constexpr std::pair<const char*, const char*> kHelp[] = {
      {"F1", "Pomoc"}, {"Enter", "Podgląd"}, {"F3", "Wywołania"}, {"Shift-F10/F9", "Przypomnienie"}, {"Alt-X", "Koniec"}};
  screen.Fill({0, row, screen.Width(), 1}, U' ', colour::kHelpLine);
  int column = 1;
  for (const auto& [keys, what] : kHelp) {
    column = screen.Text(column, row, keys, colour::kHelpKey);
    column = screen.Text(column + 1, row, what, colour::kHelpLine) + 2;
  }
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

  // Menu line.
  screen.Fill({0, 0, width, 1}, U' ', colour::kMenu);
  int column = 1;
  for (const char* item : {"Plik", "Dokumenty", "Kartoteki", "Raporty", "Narzędzia", "Pomoc"}) {
    screen.Put(column, 0, DecodeUtf8(item)[0], colour::kMenuKey);
    column = screen.Text(column + 1, 0, std::string(item).substr(1), colour::kMenu) + 2;
  }
  const std::string firm = "MOLRAV  Sprzedaż i magazyn ";
  const int firmColumn = width - static_cast<int>(DecodeUtf8(firm).size());
  if (firmColumn > column) screen.Text(firmColumn, 0, firm, colour::kMenu);

  // The list, and the plug-in panel to its right when there is room.
  const bool panel = width >= 90;
  const int listWidth = panel ? width - 34 : width;
  const Rect list{0, 1, listWidth, height - 3};
  screen.Frame(list, FrameStyle::Double, colour::kDesk);
  screen.Text(2, 1, " Faktury sprzedaży – grudzień 2026 ", colour::kDeskBright);
  screen.Text(2, 2, "Numer        Data       Kontrahent", colour::kDeskBright);
  screen.Text(listWidth - 12, 2, "Brutto", colour::kDeskBright);
  const int rows = std::min(kInvoiceCount, list.height - 4);
  for (int i = 0; i < rows; ++i) {
    const Invoice& invoice = kInvoices[i];
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
    screen.Text(box.column + 2, 1, " Moduły dodatkowe ", colour::kDeskBright);
    int row = 3;
    const int inner = box.width - 4, bottom = box.row + box.height - 1;
    screen.Text(box.column + 2, row++, plugin.fileName, colour::kDeskBright, inner);
    if (!plugin.loaded) {
      screen.Text(box.column + 2, row++, "nie załadowany", colour::kDesk, inner);
      DrawWrapped(screen, box.column + 2, row + 1, bottom, DecodeUtf8(plugin.problem), colour::kDesk, inner);
    } else {
      screen.Text(box.column + 2, row++,
                  "interfejs " + std::to_string(plugin.interfaceVersion) + ", odpowiedź " + std::to_string(plugin.attachResult),
                  colour::kDesk, inner);
      // The description as the plug-in handed it over, its line breaks kept.
      DrawWrapped(screen, box.column + 2, row + 1, bottom, DecodeMazovia(plugin.description), colour::kDesk, inner);
    }
  }

  DrawHelp(screen, height - 2);
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
  std::string text = clock + "flagi " + Hex4(status.stateFlags) + " │ klawisz ";
  if (!status.anyKey) {
    text += "—";
  } else {
    const std::string name = KeyCodeName(status.lastKey);
    text += Hex4(status.lastKey) + (name.empty() ? "" : " " + name) + " → " +
            (status.hookRunning ? std::string("…") : Hex4(status.hookResult));
    if (!status.hookRunning && status.hookResult == key::kConsumed) text += " (zjedzony)";
  }
  text += " │ ";
  const int column = screen.Text(0, row, text, colour::kStatus);
  if (status.toneFrequency != 0) {
    std::string tone = "♪ " + std::to_string(status.toneFrequency) + " Hz";
    if (status.toneCount > 1) tone += " ×" + std::to_string(status.toneCount);
    if (status.muted) tone += " (cisza)";
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

std::string MainScreen::DocumentTitle() const { return std::string("Faktura ") + kInvoices[selected_].number; }

std::string MainScreen::DocumentText() const {
  const Invoice& invoice = kInvoices[selected_];
  return std::string("Data wystawienia: ") + invoice.date + "\nKontrahent: " + invoice.customer +
         "\nWartość netto: " + invoice.net + " zł\nWartość brutto: " + invoice.gross + " zł";
}

}  // namespace standin::host

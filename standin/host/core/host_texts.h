#pragma once
// Every text the stand-in host shows, in one place. Two kinds:
// - Spoken: the stand-in's own words to the person running it (its help,
//   its errors, the hints on the status line), in English and Polish, in
//   the user's language (talvenor::SystemUserLanguage, chosen at start).
// - The host program's own screens (menus, invoices, boxes, the status
//   line's labels): Polish only, as the host writes them.
// {1}, {2}, ... stand for the values filled in.
#include <initializer_list>
#include <string>
#include <string_view>

#include "contract/user_language.h"

namespace standin::host::text {

struct Spoken {
  std::string_view english;
  std::string_view polish;
};

// The language of every Spoken text from now on; English until set.
void UseLanguage(talvenor::UserLanguage language);
talvenor::UserLanguage Language();
// `text` in the current language, its placeholders filled.
std::string Say(const Spoken& text, std::initializer_list<std::string_view> values = {});
std::string Fill(std::string_view text, std::initializer_list<std::string_view> values);

// --- Hints on the status line, for a key refused -------------------------
inline constexpr Spoken kMissingCharacter{"The character \"{1}\" ({2}) is not in the Mazovia code page",
                                          "Znaku „{1}” ({2}) nie ma w stronie kodowej Mazovia"};
inline constexpr Spoken kUnknownKey{"The console did not recognise this key", "Konsola nie rozpoznała tego klawisza"};
inline constexpr Spoken kFieldFull{"Field full", "Pole pełne"};
inline constexpr Spoken kFieldFullOf{"Field full ({1} characters)", "Pole pełne (znaków: {1})"};
inline constexpr Spoken kDigitsOnly{"Only digits in this field", "W tym polu tylko cyfry"};
inline constexpr Spoken kDigitsAndMinus{"Only digits in this field, and a minus in front",
                                        "W tym polu tylko cyfry i minus na początku"};
// Short enough for the status line of an 80-column terminal.
inline constexpr Spoken kWindowTooSmall{"Window too small: needs {1}, is {2}", "Za małe okno: potrzeba {1}, jest {2}"};
// Short enough for a 60-column terminal.
inline constexpr Spoken kWineFixedSize{"Under Wine the window stays {1}", "Pod Wine okno ma stały rozmiar {1}"};

// --- The host's main screen (Polish only) --------------------------------
inline constexpr std::string_view kMenu[] = {"Plik", "Dokumenty", "Kartoteki", "Raporty", "Narzędzia", "Pomoc"};
inline constexpr std::string_view kFirm = "MOLRAV  Sprzedaż i magazyn ";
inline constexpr std::string_view kInvoiceListTitle = " Faktury sprzedaży – grudzień 2026 ";
inline constexpr std::string_view kInvoiceColumns = "Numer        Data       Kontrahent";
inline constexpr std::string_view kGrossColumn = "Brutto";
struct HelpLineItem {
  std::string_view keys, what;
};
inline constexpr HelpLineItem kHelpLine[] = {
    {"F1", "Pomoc"}, {"Enter", "Podgląd"}, {"F3", "Wywołania"}, {"Shift-F10/F9", "Przypomnienie"}, {"Alt-X", "Koniec"}};
inline constexpr std::string_view kPluginPanelTitle = " Moduły dodatkowe ";
inline constexpr std::string_view kPluginNotLoaded = "nie załadowany";
inline constexpr std::string_view kPluginAnswered = "interfejs {1}, odpowiedź {2}";
inline constexpr std::string_view kStatusFlags = "flagi ";
inline constexpr std::string_view kStatusKey = "klawisz ";
inline constexpr std::string_view kStatusConsumed = " (zjedzony)";
inline constexpr std::string_view kStatusMuted = " (cisza)";

struct Invoice {
  std::string_view number, date, customer, net, gross;
};
inline constexpr Invoice kInvoices[] = {
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
inline constexpr std::string_view kInvoiceTitle = "Faktura {1}";
inline constexpr std::string_view kInvoiceText =
    "Data wystawienia: {1}\nKontrahent: {2}\nWartość netto: {3} zł\nWartość brutto: {4} zł";

// --- The host's own boxes (Polish only) ----------------------------------
inline constexpr std::u32string_view kOkButton = U"[ OK ]";
inline constexpr std::u32string_view kYesButton = U"[ Tak ]";
inline constexpr std::u32string_view kNoButton = U"[ Nie ]";
inline constexpr std::string_view kExitTitle = "Koniec pracy";
inline constexpr std::string_view kExitQuestion = "Zakończyć pracę programu?";
inline constexpr std::string_view kHelpTitle = "Pomoc";
inline constexpr std::string_view kHelpText =
    "Klawisze programu:\n"
    "  strzałki, PgUp, PgDn   wybór faktury\n"
    "  Enter                  podgląd faktury\n"
    "  F3                     ostatnie wywołania usług przez wtyczkę\n"
    "  Shift-F10 (także F9)   parametry przypomnienia (wtyczka)\n"
    "  Alt-X (Esc, Ctrl-C)    koniec pracy\n"
    "\n"
    "W oknach dialogowych:\n"
    "  Tab, Shift-Tab, góra, dół  następne / poprzednie pole\n"
    "  lewo, prawo, Home, End     ruch w polu; Backspace, Del: usuwanie\n"
    "  (wejście do pola zaznacza jego treść: pierwszy znak ją zastępuje)\n"
    "  Alt+litera                 pole opisane tą literą\n"
    "  F12 (także F2)             zatwierdzenie\n"
    "  Esc                        wyjście bez zmian\n"
    "\n"
    "Każdy klawisz przechodzi najpierw przez łańcuch wtyczek;\n"
    "pasek stanu pokazuje jego kod i odpowiedź łańcucha.";
inline constexpr std::string_view kCallsTitle = "Wywołania usług ({1})";
inline constexpr std::string_view kNoCallsYet = "Wtyczka nie wywołała jeszcze żadnej usługi.";
inline constexpr std::string_view kPluginErrorTitle = "Błąd wtyczki";
inline constexpr std::string_view kDialogUnreadable = "Okna dialogowego nr {1} nie można wyświetlić:\n{2}";
inline constexpr std::string_view kModuleTitle = "Moduł dodatkowy";
inline constexpr std::string_view kModuleNotLoaded = "Nie załadowano modułu {1}:\n{2}";
inline constexpr std::string_view kWindowsRefusedModule = "Windows nie załadował modułu ({1})";
inline constexpr std::string_view kWindowsErrorCode = "kod {1}";
inline constexpr std::string_view kNotAPlugin = "moduł nie eksportuje {1} i {2}: to nie jest wtyczka programu";
// A confirmation refused: a field that cannot take its entry.
inline constexpr std::string_view kErrorTitle = "Błąd";
inline constexpr std::string_view kBadDate =
    "Niepoprawna data: {1}\nPodaj datę w postaci DD.MM.RRRR albo zostaw pole puste.";
inline constexpr std::string_view kBadTime =
    "Niepoprawna godzina: {1}\nPodaj godzinę w postaci GG:MM:SS albo zostaw pole puste.";
inline constexpr std::string_view kNotANumber = "„{1}” nie jest liczbą.\nPodaj liczbę od {2} do {3}.";
inline constexpr std::string_view kOutOfRange = "Liczba {1} jest poza zakresem.\nPodaj liczbę od {2} do {3}.";

// --- Story files (talhost.exe --script): refusals of a line ---------------
namespace story {
inline constexpr Spoken kAtLine{"line {1}: {2}", "wiersz {1}: {2}"};
inline constexpr Spoken kUnknownWord{"unknown command \"{1}\"", "nieznane polecenie „{1}”"};
inline constexpr Spoken kUnknownKeyName{"unknown key \"{1}\"", "nieznany klawisz „{1}”"};
inline constexpr Spoken kCannotType{"the host's keyboard cannot type \"{1}\"", "klawiatura programu nie napisze „{1}”"};
inline constexpr Spoken kNeeds{"{1} needs {2}", "{1}: brak argumentu, oczekiwano: {2}"};
inline constexpr Spoken kNotWhatItTakes{"{1} takes {2}, not \"{3}\"", "{1}: oczekiwano: {2}, jest „{3}”"};
inline constexpr Spoken kUnclosedQuote{"the quote is not closed: {1}", "niezamknięty cudzysłów: {1}"};
inline constexpr Spoken kAfterQuote{"\"{1}\" after the closing quote", "„{1}” po zamykającym cudzysłowie"};
// What a word takes (script_words.cpp).
inline constexpr Spoken kTakesKeyNames{"key names", "nazwy klawiszy"};
inline constexpr Spoken kTakesText{"a text", "tekst"};
inline constexpr Spoken kTakesSeconds{"a number of seconds", "liczba sekund"};
inline constexpr Spoken kTakesDate{"a date (DD.MM.YYYY, YYYY-MM-DD or YYYYMMDD)", "data (DD.MM.RRRR, RRRR-MM-DD albo RRRRMMDD)"};
inline constexpr Spoken kTakesTime{"HH:MM or HH:MM:SS", "GG:MM albo GG:MM:SS"};
inline constexpr Spoken kTakesLabel{"a label", "etykieta"};
inline constexpr Spoken kTakesNothing{"nothing", "nic"};
inline constexpr Spoken kTakesCountAndText{"a count and a text", "liczba i tekst"};
}  // namespace story

// --- talhost.exe's command line -------------------------------------------
inline constexpr Spoken kUsage{
    "Usage: talhost [OPTIONS]\n"
    "The stand-in host program: runs a plug-in (talvenor.dll) with the host's\n"
    "17 services, in the console or, with --script, from a script.\n"
    "\n"
    "Options:\n",
    "Użycie: talhost [OPCJE]\n"
    "Zastępczy program-gospodarz: uruchamia wtyczkę (talvenor.dll) z 17 usługami\n"
    "programu, w konsoli albo, z --script, ze skryptu.\n"
    "\n"
    "Opcje:\n"};
inline constexpr Spoken kUsageEnd{
    "\nExit status: 0; 1 when an expectation of the script failed or the host\n"
    "ended before its keys did; 2 for an option or a script that cannot be read.\n",
    "\nKod wyjścia: 0; 1, gdy oczekiwanie skryptu zawiodło albo program skończył\n"
    "pracę przed jego klawiszami; 2 dla opcji albo skryptu, których nie można\n"
    "odczytać.\n"};
enum class Option {
  kPlugin, kToday, kTime, kInterfaceVersion, kMute, kDir, kSize, kScript, kEveryScreen, kRealClock, kHelp
};
struct OptionHelp {
  Option option;
  std::string_view name;
  Spoken value;  // empty for a switch
  Spoken help;
};
inline constexpr OptionHelp kOptions[] = {
    {Option::kPlugin, "--plugin", {"PATH", "ŚCIEŻKA"},
     {"the plug-in to load (default: talvenor.dll beside talhost.exe)",
      "wtyczka do załadowania (domyślnie talvenor.dll obok talhost.exe)"}},
    {Option::kToday, "--today", {"DATE", "DATA"},
     {"the host's date: DD.MM.YYYY, YYYY-MM-DD or YYYYMMDD; the day goes on from there",
      "data programu: DD.MM.RRRR, RRRR-MM-DD albo RRRRMMDD; dzień biegnie od niej"}},
    {Option::kTime, "--time", {"HH:MM[:SS]", "GG:MM[:SS]"},
     {"the host's time of day; the clock runs on from there", "godzina programu; zegar biegnie od niej"}},
    {Option::kInterfaceVersion, "--interface-version", {"N", "N"},
     {"what HostInterfaceVersion answers (default 112)", "odpowiedź HostInterfaceVersion (domyślnie 112)"}},
    {Option::kMute, "--mute", {},
     {"no beeps; the tones show on the status line only", "bez dźwięku; tony tylko na pasku stanu"}},
    {Option::kDir, "--dir", {"DIR", "FOLDER"},
     {"work in DIR (where infprz.dat and talvenor.xxx live)", "praca w FOLDERZE (tam są infprz.dat i talvenor.xxx)"}},
    {Option::kSize, "--size", {"WxH", "SZERxWYS"},
     {"the screen's size, 40x15 to 300x200: the console's at start, or a script's (default 100x30)",
      "rozmiar ekranu, od 40x15 do 300x200: konsoli na starcie albo skryptu (domyślnie 100x30)"}},
    {Option::kScript, "--script", {"FILE", "PLIK"},
     {"play the script in FILE instead of reading the keyboard; print the screens and the calls",
      "odgrywa skrypt z PLIKU zamiast czytać klawiaturę; wypisuje ekrany i wywołania"}},
    {Option::kEveryScreen, "--every-screen", {},
     {"with --script: print the screen before every key", "z --script: ekran przed każdym klawiszem"}},
    {Option::kRealClock, "--real-clock", {},
     {"with --script: waits take real time and the plug-in reads the real clock",
      "z --script: czekanie trwa naprawdę, a wtyczka czyta prawdziwy zegar"}},
    {Option::kHelp, "--help", {}, {"this help", "ta pomoc"}},
};
inline constexpr Spoken kUnknownOption{"unknown option \"{1}\" (talhost --help lists the options)",
                                       "nieznana opcja „{1}” (opcje wymienia talhost --help)"};
inline constexpr Spoken kUnexpectedArgument{"unexpected argument \"{1}\" (talhost --help lists the options)",
                                            "nieoczekiwany argument „{1}” (opcje wymienia talhost --help)"};
inline constexpr Spoken kNeedsValue{"{1} needs a value: {1} {2}", "{1} wymaga wartości: {1} {2}"};
inline constexpr Spoken kTakesNoValue{"{1} takes no value", "{1} nie przyjmuje wartości"};
inline constexpr Spoken kBadSize{"--size takes WIDTHxHEIGHT, from 40x15 to 300x200, not \"{1}\"",
                                 "--size przyjmuje SZERxWYS, od 40x15 do 300x200, a nie „{1}”"};
inline constexpr Spoken kBadTodayOption{"--today takes DD.MM.YYYY, YYYY-MM-DD or YYYYMMDD, not \"{1}\"",
                                  "--today przyjmuje DD.MM.RRRR, RRRR-MM-DD albo RRRRMMDD, a nie „{1}”"};
inline constexpr Spoken kBadTimeOption{"--time takes HH:MM or HH:MM:SS, not \"{1}\"",
                                 "--time przyjmuje GG:MM albo GG:MM:SS, a nie „{1}”"};
inline constexpr Spoken kBadInterfaceVersion{"--interface-version takes a whole number, not \"{1}\"",
                                             "--interface-version przyjmuje liczbę całkowitą, a nie „{1}”"};
inline constexpr Spoken kScriptUnreadable{"cannot read the script {1}", "nie można odczytać skryptu {1}"};
inline constexpr Spoken kCannotEnter{"cannot enter the folder {1}", "nie można wejść do folderu {1}"};
inline constexpr Spoken kNotAConsole{
    "standard input is not a console; run with --script FILE for a scripted run",
    "standardowe wejście nie jest konsolą; przebieg ze skryptu: --script PLIK"};
inline constexpr Spoken kConsoleRefusesSize{
    "the console refuses the size {1} (a Windows console window can be no larger than the screen)",
    "konsola nie przyjmuje rozmiaru {1} (okno konsoli Windows nie może być większe od ekranu)"};

}  // namespace standin::host::text

#pragma once
// The plug-in's own texts, written as Polish and stored as Mazovia bytes.
// Each constant is a std::array<char, length + 1> ending in NUL.
#include <array>
#include <cstddef>

#include "contract/mazovia.h"

namespace talvenor::text {

// Handed to the host at attach and named in the plug-in's messages.
inline constexpr auto kPluginDescription = TALVENOR_MAZOVIA(
    "Zainstalowano wtyczkę 'PRZYPOMNIENIE'\n"
    "Konfiguracja przypomnienia przez naciśnięcie\n"
    "klawisza SHIFT-F10 po wejściu do programu");

inline constexpr auto kNoticeTitle = TALVENOR_MAZOVIA("uwaga");
inline constexpr auto kNoticeFormat = TALVENOR_MAZOVIA("%s\n");
inline constexpr auto kReminderSwitchedOff = TALVENOR_MAZOVIA("Przypomnienie wyłączono");
inline constexpr auto kWrongPassword = TALVENOR_MAZOVIA("Niepoprawne hasło");

// When infprz.dat cannot be written or read: a failure must not look like
// success. One line each, so the host's notice box shows them whole.
inline constexpr auto kSettingsNotSaved = TALVENOR_MAZOVIA("Nie zapisano ustawień przypomnienia (infprz.dat)");
inline constexpr auto kReminderStaysOn = TALVENOR_MAZOVIA("Nie zapisano infprz.dat - przypomnienie pozostaje włączone");
inline constexpr auto kSettingsUnreadable = TALVENOR_MAZOVIA("Nie można odczytać pliku infprz.dat");
// A switch-off whose write was lost after the open: the file may be empty
// or cut short, so neither "off" nor "still on" would be true.
inline constexpr auto kSettingsMayBeIncomplete =
    TALVENOR_MAZOVIA("Błąd zapisu: infprz.dat może być niepełny, sprawdź Shift-F10");

inline constexpr std::size_t kNoticeLineWidth = 60;  // characters, without the NUL
template <std::size_t N>
constexpr bool FitsOneNoticeLine(const std::array<char, N>& text) {
  for (std::size_t i = 0; i + 1 < N; ++i)
    if (text[i] == '\n') return false;
  return N - 1 <= kNoticeLineWidth;
}
static_assert(FitsOneNoticeLine(kSettingsNotSaved));
static_assert(FitsOneNoticeLine(kReminderStaysOn));
static_assert(FitsOneNoticeLine(kSettingsUnreadable));
static_assert(FitsOneNoticeLine(kSettingsMayBeIncomplete));

inline constexpr auto kStopTitle = TALVENOR_MAZOVIA("STOP!!!");
inline constexpr auto kStopFormat = TALVENOR_MAZOVIA(
    "Moduł \"%s\" i program występują w różnych wersjach!\n\n"
    "Został zakualizowany tylko program albo tylko moduł,\n"
    "a nie oba jednocześnie! Aby naprawić tę sytuację\n"
    "zainstaluj aktualizację programu wraz z modułem \"%s\".\n\n"
    "MODUŁ NIE ZOSTANIE ZAŁADOWANY!!!\n");

// \x01 and \x02 mark the inserted texts; both are shown as spaces.
inline constexpr auto kBindingErrorFormat = TALVENOR_MAZOVIA(
    "W module \x02%s\x01\nbrak wpisu \x02%s\x01\nWywołano z wtyczki \x02%s\x01.\n\n"
    "Błąd ten można zignorować lecz dalsza praca\n"
    "programu w tych warunkach może być niebezpieczna.\n\n"
    "Konieczna jest aktualizacja programu!");
inline constexpr auto kBindingErrorTitle = TALVENOR_MAZOVIA("POWAŻNY BŁĄD WTYCZKI");
inline constexpr auto kUnknownModule = TALVENOR_MAZOVIA("<nieznany>");

}  // namespace talvenor::text

// Every text the tool prints, once, in English and in Polish side by side.
// Included by messages.h and messages.cpp with INFPRZ_MESSAGE defined; no
// include guard on purpose.
//
// {1} to {9} stand for the values the caller gives, in any order the
// language needs. A counted message (kCount...) holds its forms separated
// by '|': English one|other, Polish one|few (2-4, 22-24, ...)|many; {1} is
// the count. A list message (kList...) holds its items separated by '|'.
// A command the text suggests stands between backquotes, which become the
// quotes of the user's shell (double quotes on Windows, apostrophes elsewhere;
// none on Windows around a command that holds a quoted file name).
// The tool prints no other text, so every line has both languages.

// --- the command line -----------------------------------------------------
INFPRZ_MESSAGE(kNoCommand,
  "a command is needed: show, import, set, clear-password, init or check",
  "brak polecenia: podaj show, import, set, clear-password, init albo check")
INFPRZ_MESSAGE(kUnknownCommand,
  "unknown command {1}; the commands are show, import, set, clear-password, init and check",
  "nieznane polecenie {1}; polecenia to show, import, set, clear-password, init i check")
INFPRZ_MESSAGE(kOptionBeforeCommand,
  "{1} comes after the command: infprz COMMAND [OPTIONS] [FILE], for example infprz show --json",
  "{1} podaje się po poleceniu: infprz POLECENIE [OPCJE] [PLIK], na przykład infprz show --json")
INFPRZ_MESSAGE(kUnknownOption,
  "unknown option {1} for {2}",
  "polecenie {2} nie zna opcji {1}")
INFPRZ_MESSAGE(kOptionNeedsValue,
  "{1} needs a value (an empty one: {1}=)",
  "{1} wymaga wartości (pustej: {1}=)")
INFPRZ_MESSAGE(kFlagTakesNoValue,
  "{1} takes no value",
  "{1} nie przyjmuje wartości")
INFPRZ_MESSAGE(kOptionAsValue,
  "{1} has no value before {2}; a value that starts with -- is given as {1}={2}, an empty one as {1}=",
  "{1} nie ma wartości przed {2}; wartość zaczynającą się od -- podaje się jako {1}={2}, pustą jako {1}=")
INFPRZ_MESSAGE(kOptionTwice,
  "{1} is given more than once",
  "{1} podano więcej niż raz")
INFPRZ_MESSAGE(kOptionsExclude,
  "{1} and {2} cannot be given together",
  "{1} i {2} nie można podać razem")
INFPRZ_MESSAGE(kNeedsRow,
  "{1} requires --row (which row it changes)",
  "{1} wymaga opcji --row (który wiersz zmienia)")
INFPRZ_MESSAGE(kRowWithoutField,
  "--row needs --start-date, --interval, --from or --to",
  "--row wymaga opcji --start-date, --interval, --from albo --to")
INFPRZ_MESSAGE(kRowNotANumber,
  "--row takes a row number, 1 to 3",
  "--row przyjmuje numer wiersza od 1 do 3")
INFPRZ_MESSAGE(kUnexpectedArgument,
  "unexpected {1} (one settings file per command; a value with spaces goes in quotes)",
  "nieoczekiwany argument {1} (jeden plik ustawień na polecenie; wartość ze spacjami ujmij w cudzysłów)")
INFPRZ_MESSAGE(kImportNeedsJson,
  "import needs the JSON file to read (- reads standard input)",
  "import wymaga pliku JSON do odczytania (- czyta standardowe wejście)")
INFPRZ_MESSAGE(kSeeHelp,
  "`infprz --help` lists the commands and options",
  "`infprz --help` wypisuje polecenia i opcje")
INFPRZ_MESSAGE(kSeeCommandHelp,
  "`infprz {1} --help` lists its options",
  "`infprz {1} --help` wypisuje opcje tego polecenia")

// --- the help ------------------------------------------------------------
INFPRZ_MESSAGE(kHelpAbout,
  "infprz reads, writes and repairs infprz.dat, the reminder's settings file of talvenor.dll.",
  "infprz odczytuje, zapisuje i naprawia infprz.dat, plik ustawień przypomnienia wtyczki talvenor.dll.")
INFPRZ_MESSAGE(kHelpUsage,
  "Usage: infprz {1}",
  "Użycie: infprz {1}")
INFPRZ_MESSAGE(kHelpCommandLine,
  "COMMAND [OPTIONS] [FILE]",
  "POLECENIE [OPCJE] [PLIK]")
INFPRZ_MESSAGE(kHelpCommands,
  "Commands:",
  "Polecenia:")
INFPRZ_MESSAGE(kHelpOptions,
  "Options:",
  "Opcje:")
INFPRZ_MESSAGE(kHelpCommandOptions,
  "[OPTIONS]",
  "[OPCJE]")
INFPRZ_MESSAGE(kHelpPerCommand,
  "`infprz COMMAND --help` lists a command's options; -h and /? work as --help.",
  "`infprz POLECENIE --help` wypisuje opcje polecenia; -h i /? działają jak --help.")
INFPRZ_MESSAGE(kHelpFooter,
  "FILE is infprz.dat in the current folder unless given. Texts must fit the host's code page\n"
  "(Mazovia). An empty value: --password= (in cmd \"\" also works; '' does not).\n"
  "Exit status: 0 done, 1 a file could not be read or written, 2 the command line or a value was\n"
  "refused (nothing is written then).",
  "Bez podanego PLIKU jest nim infprz.dat w bieżącym folderze. Teksty muszą się mieścić w stronie\n"
  "kodowej programu (Mazovia). Pusta wartość: --password= (w cmd działa też \"\", a '' nie).\n"
  "Kod wyjścia: 0 gotowe, 1 nie udało się odczytać lub zapisać pliku, 2 odrzucono wiersz poleceń\n"
  "albo wartość (nic wtedy nie zostaje zapisane).")
INFPRZ_MESSAGE(kCommandShow,
  "print the settings readably, or as JSON",
  "wypisuje ustawienia czytelnie albo jako JSON")
INFPRZ_MESSAGE(kCommandImport,
  "replace the settings with those of a JSON file (makes FILE)",
  "zastępuje ustawienia ustawieniami z pliku JSON (tworzy PLIK)")
INFPRZ_MESSAGE(kCommandSet,
  "change single fields of an existing file; without any, rewrite it repaired",
  "zmienia wybrane pola istniejącego pliku; bez opcji zapisuje go naprawiony")
INFPRZ_MESSAGE(kCommandClearPassword,
  "remove the password of an existing file",
  "usuwa hasło z istniejącego pliku")
INFPRZ_MESSAGE(kCommandInit,
  "write a new file with the empty configuration",
  "zapisuje nowy plik z pustą konfiguracją")
INFPRZ_MESSAGE(kValueFile, "FILE", "PLIK")
INFPRZ_MESSAGE(kValueJson, "JSON", "JSON")
INFPRZ_MESSAGE(kValueText, "TEXT", "TEKST")
INFPRZ_MESSAGE(kValueTextFile, "TEXTFILE", "PLIKTEKSTU")
INFPRZ_MESSAGE(kValuePassword, "PASSWORD", "HASŁO")
INFPRZ_MESSAGE(kValueRow, "N", "N")
INFPRZ_MESSAGE(kValueDate, "DATE", "DATA")
INFPRZ_MESSAGE(kValueMinutes, "MINUTES", "MINUTY")
INFPRZ_MESSAGE(kValueTime, "TIME", "GODZINA")
INFPRZ_MESSAGE(kHelpFile,
  "the settings file (default: infprz.dat in the current folder)",
  "plik ustawień (domyślnie infprz.dat w bieżącym folderze)")
INFPRZ_MESSAGE(kHelpJsonFile,
  "JSON file as `show --json` writes it (UTF-8, or UTF-16 with BOM); - reads standard input",
  "plik JSON, jaki zapisuje `show --json` (UTF-8 albo UTF-16 z BOM); - czyta standardowe wejście")
INFPRZ_MESSAGE(kHelpJson,
  "the whole record as JSON, as `import` reads it",
  "wszystkie ustawienia jako JSON, w postaci, którą czyta `import`")
INFPRZ_MESSAGE(kHelpShowPassword,
  "include the password itself",
  "pokazuje także samo hasło")
INFPRZ_MESSAGE(kHelpText,
  "the reminder text; a line break fills its line",
  "tekst przypomnienia; podział wiersza wypełnia resztę wiersza")
INFPRZ_MESSAGE(kHelpTextFile,
  "the text from a file, lines as they are: UTF-8, or UTF-16 with BOM; - reads standard input",
  "tekst z pliku, z jego wierszami: UTF-8 albo UTF-16 z BOM; - czyta standardowe wejście")
INFPRZ_MESSAGE(kHelpPassword,
  "the password; --password= removes it",
  "hasło; --password= usuwa hasło")
INFPRZ_MESSAGE(kHelpRow,
  "the schedule row (1 to 3) the next four change",
  "wiersz harmonogramu (1 do 3), który zmieniają cztery następne opcje")
INFPRZ_MESSAGE(kHelpStartDate,
  "DD.MM.YYYY, YYYY-MM-DD or YYYYMMDD; --start-date= takes the row out of use",
  "DD.MM.RRRR, RRRR-MM-DD albo RRRRMMDD; --start-date= wyłącza wiersz z użycia")
INFPRZ_MESSAGE(kHelpInterval,
  "minutes, -32767 to 32767",
  "co ile minut, od -32767 do 32767")
INFPRZ_MESSAGE(kHelpFrom,
  "earliest time HH:MM or HH:MM:SS; --from= for none",
  "najwcześniejsza godzina GG:MM albo GG:MM:SS; --from= bez ograniczenia")
INFPRZ_MESSAGE(kHelpTo,
  "latest time HH:MM or HH:MM:SS; --to= for none",
  "najpóźniejsza godzina GG:MM albo GG:MM:SS; --to= bez ograniczenia")
INFPRZ_MESSAGE(kHelpOn,
  "switch the reminder on",
  "włącza przypomnienie")
INFPRZ_MESSAGE(kHelpOff,
  "switch the reminder off",
  "wyłącza przypomnienie")
INFPRZ_MESSAGE(kHelpCreate,
  "make FILE when it is missing",
  "tworzy PLIK, gdy go nie ma")
INFPRZ_MESSAGE(kHelpForce,
  "replace an existing file",
  "zastępuje istniejący plik")
INFPRZ_MESSAGE(kHelpHelp,
  "this help",
  "ta pomoc")
INFPRZ_MESSAGE(kHelpVersion,
  "the version",
  "wersja programu")

// --- show ----------------------------------------------------------------
INFPRZ_MESSAGE(kLabelReminder, "Reminder:", "Przypomnienie:")
INFPRZ_MESSAGE(kLabelPassword, "Password:", "Hasło:")
INFPRZ_MESSAGE(kLabelText, "Text:", "Tekst:")
INFPRZ_MESSAGE(kLabelSchedule, "Schedule:", "Harmonogram:")
INFPRZ_MESSAGE(kReminderOn, "on", "włączone")
INFPRZ_MESSAGE(kReminderOff, "off", "wyłączone")
INFPRZ_MESSAGE(kNoPassword, "none", "brak")
INFPRZ_MESSAGE(kPasswordHidden,
  "set (--show-password shows it)",
  "ustawione (pokazuje je --show-password)")
INFPRZ_MESSAGE(kNoText, "(none)", "(brak)")
INFPRZ_MESSAGE(kColumnRow, "row", "wiersz")
INFPRZ_MESSAGE(kColumnStartDate, "start date", "od dnia")
INFPRZ_MESSAGE(kColumnInterval, "interval", "co ile")
INFPRZ_MESSAGE(kColumnFrom, "from", "od")
INFPRZ_MESSAGE(kColumnTo, "to", "do")
INFPRZ_MESSAGE(kRowNotInUse, "not in use", "nieużywany")
INFPRZ_MESSAGE(kMinutes, "{1} min", "{1} min")
INFPRZ_MESSAGE(kNotADate,
  "{1} (not a date: the row never governs)",
  "{1} (to nie data: wiersz nigdy nie obowiązuje)")
INFPRZ_MESSAGE(kNotATime,
  "{1} (not HH:MM:SS)",
  "{1} (to nie GG:MM:SS)")
INFPRZ_MESSAGE(kTodayRowGoverns,
  "Today {1}: row {2} governs",
  "Dziś {1}: obowiązuje wiersz {2}")
INFPRZ_MESSAGE(kTodayNoRowGoverns,
  "Today {1}: no row governs (no start date reached)",
  "Dziś {1}: nie obowiązuje żaden wiersz (żadna data początkowa jeszcze nie nadeszła)")

// --- what the commands say -------------------------------------------------
INFPRZ_MESSAGE(kWarning, "warning: {1}", "ostrzeżenie: {1}")
INFPRZ_MESSAGE(kNothingWritten, "{1}; nothing written", "{1}; nic nie zapisano")
INFPRZ_MESSAGE(kShowMissingFile,
  "{1}: no such file (the plug-in reads that as the empty configuration: reminder off, no password)",
  "{1}: nie ma takiego pliku (wtyczka czyta to jako pustą konfigurację: przypomnienie wyłączone, bez hasła)")
INFPRZ_MESSAGE(kChangeMissingFile,
  "{1}: no such file; nothing written (`infprz init {2}` makes a new one, or give --create)",
  "{1}: nie ma takiego pliku; nic nie zapisano (nowy tworzy `infprz init {2}` albo dodaj --create)")
INFPRZ_MESSAGE(kInitExists,
  "{1}: exists already; `init --force` replaces it with the empty configuration",
  "{1}: plik już istnieje; `init --force` zastępuje go pustą konfiguracją")
INFPRZ_MESSAGE(kInitFolder,
  "{1}: this is a folder; give the settings file in it: `infprz init {2}`",
  "{1}: to jest folder; podaj plik ustawień w nim: `infprz init {2}`")
INFPRZ_MESSAGE(kRewriteRepaired,
  "`infprz set {1}` rewrites the file repaired",
  "`infprz set {1}` zapisuje plik naprawiony")
INFPRZ_MESSAGE(kRepaired, "repaired {1}: {2}", "naprawiono {1}: {2}")
INFPRZ_MESSAGE(kControlBytesShown,
  "the text holds {1}, shown as '?' (`show --json` writes them as \\u escapes)",
  "tekst zawiera {1}, pokazane jako '?' (`show --json` zapisuje je jako \\u)")
INFPRZ_MESSAGE(kCountControlBytes,
  "{1} control byte|{1} control bytes",
  "{1} bajt sterujący|{1} bajty sterujące|{1} bajtów sterujących")
INFPRZ_MESSAGE(kLineFeedInJson,
  "the text holds a line feed byte at character {1}, written as \"\\n\", which `import` reads as a line break, "
  "not as the byte",
  "tekst zawiera bajt końca wiersza na znaku {1}, zapisany jako \"\\n\", który `import` czyta jako podział "
  "wiersza, a nie jako ten bajt")
INFPRZ_MESSAGE(kPasswordNotInJson,
  "the JSON says a password is set but does not hold it (`show --json --show-password` writes it); {1}",
  "według JSON hasło jest ustawione, ale JSON go nie zawiera (zapisuje je `show --json --show-password`); {1}")
INFPRZ_MESSAGE(kKeepsPassword,
  "{1} keeps the password it had",
  "{1} zachowuje dotychczasowe hasło")
INFPRZ_MESSAGE(kStillNoPassword,
  "{1} has no password, as before: anyone may switch the reminder off",
  "{1} jak dotąd nie ma hasła: każdy może wyłączyć przypomnienie")
INFPRZ_MESSAGE(kStandardInput, "standard input", "standardowe wejście")

// --- the schedule ------------------------------------------------------------
INFPRZ_MESSAGE(kWindowNeverOpens,
  "row {1}: its window from {2} lies after its to {3}: on the days it governs the reminder never comes",
  "wiersz {1}: jego godzina od {2} wypada po godzinie do {3}: w dni, w które obowiązuje, przypomnienie nie "
  "przyjdzie")
INFPRZ_MESSAGE(kOnWithoutStartDate,
  "the reminder is on but no row has a start date: it never reminds (`set --row 1 --start-date ...`)",
  "przypomnienie jest włączone, ale żaden wiersz nie ma daty początkowej: nigdy nie przypomni "
  "(`set --row 1 --start-date ...`)")

// --- a damaged file ---------------------------------------------------------
INFPRZ_MESSAGE(kFileTooLong,
  "the file is {1}, not 591: only the first 591 count",
  "plik ma {1}, a nie 591: liczy się tylko pierwsze 591")
INFPRZ_MESSAGE(kFileTooShort,
  "the file is {1}, not 591: the missing {2} read as zeros",
  "plik ma {1}, a nie 591: brakujące {2} czyta się jako zera")
INFPRZ_MESSAGE(kCountBytes,
  "{1} byte|{1} bytes",
  "{1} bajt|{1} bajty|{1} bajtów")
INFPRZ_MESSAGE(kNoTerminatingNul,
  "{1} has no terminating NUL: only its first {2} count",
  "{1} nie ma kończącego bajtu NUL: liczy się tylko pierwsze {2}")
INFPRZ_MESSAGE(kBytesAfterEnd,
  "{1} has {2} after its end",
  "{1} ma za swoim końcem {2}")
INFPRZ_MESSAGE(kCountNonzeroBytes,
  "{1} nonzero byte|{1} nonzero bytes",
  "{1} niezerowy bajt|{1} niezerowe bajty|{1} niezerowych bajtów")

// --- the fields and their values ---------------------------------------------
INFPRZ_MESSAGE(kFieldText, "the text", "tekst")
INFPRZ_MESSAGE(kFieldPassword, "the password", "hasło")
INFPRZ_MESSAGE(kFieldStartDate, "row {1}: start date", "wiersz {1}: data początkowa")
INFPRZ_MESSAGE(kFieldFromTime, "row {1}: from time", "wiersz {1}: godzina od")
INFPRZ_MESSAGE(kFieldToTime, "row {1}: to time", "wiersz {1}: godzina do")
INFPRZ_MESSAGE(kNotUtf8,
  "{1} is not valid UTF-8 (byte {2})",
  "{1} nie jest poprawnym tekstem UTF-8 (bajt {2})")
INFPRZ_MESSAGE(kNotInCodePage,
  "{1} holds {2} ({3}), which the host's code page (Mazovia) has no byte for; it has the Polish letters, "
  "the Western European accented letters, box drawing and a few Greek and mathematical signs",
  "{1} zawiera {2} ({3}), którego nie ma w stronie kodowej programu (Mazovia); są w niej polskie litery, "
  "litery z akcentami z Europy Zachodniej, ramki oraz kilka znaków greckich i matematycznych")
INFPRZ_MESSAGE(kControlCharacter,
  "{1} holds the control character {2}",
  "{1} zawiera znak sterujący {2}")
INFPRZ_MESSAGE(kControlCharacterInText,
  "{1} holds the control character {2}; only line breaks are allowed",
  "{1} zawiera znak sterujący {2}; dozwolone są tylko podziały wierszy")
INFPRZ_MESSAGE(kTextTooLong,
  "the text does not fit: it is {1}, at most 480 (8 lines of 60 columns)",
  "tekst się nie mieści: ma {1}, najwyżej 480 (8 wierszy po 60 kolumn)")
INFPRZ_MESSAGE(kTextTooManyLines,
  "the text does not fit: it takes {1} of 60 columns, at most 8 (a line break fills the rest of its line)",
  "tekst się nie mieści: zajmuje {1} po 60 kolumn, najwyżej 8 (podział wiersza wypełnia resztę wiersza)")
INFPRZ_MESSAGE(kCountLines,
  "{1} line|{1} lines",
  "{1} wiersz|{1} wiersze|{1} wierszy")
INFPRZ_MESSAGE(kPasswordTooLong,
  "the password is {1}: at most 20 fit",
  "hasło ma {1}: mieści się najwyżej 20")
INFPRZ_MESSAGE(kCountCharacters,
  "{1} character|{1} characters",
  "{1} znak|{1} znaki|{1} znaków")
INFPRZ_MESSAGE(kNoSuchRow,
  "there is no row {1}: rows are 1 to 3",
  "nie ma wiersza {1}: wiersze mają numery od 1 do 3")
INFPRZ_MESSAGE(kNotADateValue,
  "{1} {2} is not a date; write DD.MM.YYYY, YYYY-MM-DD or YYYYMMDD",
  "{1} {2} to nie data; napisz DD.MM.RRRR, RRRR-MM-DD albo RRRRMMDD")
INFPRZ_MESSAGE(kNoSuchDate,
  "{1} {2} does not exist: {3}",
  "{1} {2} nie istnieje: {3}")
INFPRZ_MESSAGE(kYearOutOfRange,
  "year {1} is outside 1 to 9999",
  "rok {1} wykracza poza zakres od 1 do 9999")
INFPRZ_MESSAGE(kNoSuchMonth,
  "there is no month {1}: months are 1 to 12",
  "nie ma miesiąca {1}: miesiące mają numery od 1 do 12")
INFPRZ_MESSAGE(kNoDayZero,
  "there is no day 0: days count from 1",
  "nie ma dnia 0: dni liczy się od 1")
INFPRZ_MESSAGE(kMonthHasDays,
  "{1} {2} has {3}",
  "{1} {2} ma {3}")
INFPRZ_MESSAGE(kCountDays,
  "{1} day|{1} days",
  "{1} dzień|{1} dni|{1} dni")
INFPRZ_MESSAGE(kListMonths,
  "January|February|March|April|May|June|July|August|September|October|November|December",
  "styczeń|luty|marzec|kwiecień|maj|czerwiec|lipiec|sierpień|wrzesień|październik|listopad|grudzień")
INFPRZ_MESSAGE(kIntervalNotANumber,
  "row {1}: interval {2} is not a whole number of minutes from -32767 to 32767",
  "wiersz {1}: odstęp {2} to nie liczba całkowita minut od -32767 do 32767")
INFPRZ_MESSAGE(kIntervalOutOfRange,
  "row {1}: interval {2} is outside -32767 to 32767 minutes",
  "wiersz {1}: odstęp {2} wykracza poza zakres od -32767 do 32767 minut")
INFPRZ_MESSAGE(kNotATimeValue,
  "{1} {2} is not a time of day HH:MM or HH:MM:SS (00:00 to 23:59:59)",
  "{1} {2} to nie godzina GG:MM albo GG:MM:SS (od 00:00 do 23:59:59)")

// --- JSON --------------------------------------------------------------------
INFPRZ_MESSAGE(kJsonNotAnObject,
  "the JSON must be one object {...}",
  "JSON musi być jednym obiektem {...}")
INFPRZ_MESSAGE(kJsonUnknownKey,
  "unknown key {1} (the keys are {2})",
  "nieznany klucz {1} (klucze to {2})")
INFPRZ_MESSAGE(kJsonInRow, "row {1}: {2}", "wiersz {1}: {2}")
INFPRZ_MESSAGE(kJsonRowNotAnObject,
  "row {1}: must be an object {...}",
  "wiersz {1}: musi być obiektem {...}")
INFPRZ_MESSAGE(kJsonNotAString,
  "{1} must be a string",
  "{1} musi być tekstem w cudzysłowie")
INFPRZ_MESSAGE(kJsonNotAWholeNumber,
  "{1} must be a whole number",
  "{1} musi być liczbą całkowitą")
INFPRZ_MESSAGE(kJsonNotABoolean,
  "{1} must be true or false",
  "{1} musi mieć wartość true albo false")
INFPRZ_MESSAGE(kJsonTooManyRows,
  "\"rows\" must be a list of at most 3 rows",
  "\"rows\" musi być listą najwyżej 3 wierszy")
INFPRZ_MESSAGE(kJsonSyntax,
  "{1}: not valid JSON: line {2}, column {3}: {4}",
  "{1}: niepoprawny JSON: wiersz {2}, kolumna {3}: {4}")
INFPRZ_MESSAGE(kJsonEndsEarly,
  "it ends too soon (a } or \" missing?)",
  "kończy się za wcześnie (brak } albo \"?)")
INFPRZ_MESSAGE(kJsonUnexpected,
  "{1} was not expected here",
  "nieoczekiwany znak {1}")

// --- text files --------------------------------------------------------------
INFPRZ_MESSAGE(kUtf16WithoutBom,
  "{1}: looks like UTF-16 without a byte order mark; save it as UTF-8 (PowerShell: | Out-File -Encoding utf8)",
  "{1}: wygląda na UTF-16 bez znacznika BOM; zapisz go jako UTF-8 (PowerShell: | Out-File -Encoding utf8)")
INFPRZ_MESSAGE(kUtf16OddLength,
  "{1}: UTF-16 with an odd number of bytes: the file is cut short",
  "{1}: UTF-16 o nieparzystej liczbie bajtów: plik jest ucięty")
INFPRZ_MESSAGE(kUtf16LoneSurrogate,
  "{1}: broken UTF-16 (a lone surrogate at byte {2})",
  "{1}: uszkodzony UTF-16 (pojedynczy surogat w bajcie {2})")
INFPRZ_MESSAGE(kNotUtf8File,
  "{1}: not UTF-8 (byte {2}); an ANSI file? In Notepad: Save as, Encoding UTF-8",
  "{1}: to nie UTF-8 (bajt {2}); plik w kodowaniu ANSI? W Notatniku: Zapisz jako, Kodowanie UTF-8")

// --- files -------------------------------------------------------------------
INFPRZ_MESSAGE(kCannotRead, "{1}: cannot be read: {2}", "{1}: nie można odczytać pliku: {2}")
INFPRZ_MESSAGE(kReadFailed, "{1}: reading failed: {2}", "{1}: błąd odczytu: {2}")
INFPRZ_MESSAGE(kCannotWrite,
  "{1}: cannot be written: {2}; left as it was",
  "{1}: nie można zapisać pliku: {2}; plik pozostał bez zmian")
INFPRZ_MESSAGE(kWriteFailed, "{1}: writing failed: {2}", "{1}: błąd zapisu: {2}")
INFPRZ_MESSAGE(kCannotCreateBeside,
  "{1}: cannot create a file beside {2}: {3}",
  "{1}: nie można utworzyć pliku obok {2}: {3}")
INFPRZ_MESSAGE(kCannotReplace,
  "{1}: cannot be replaced: {2}; left as it was",
  "{1}: nie można zastąpić pliku: {2}; plik pozostał bez zmian")
INFPRZ_MESSAGE(kCannotKeepPermissions,
  "{1}: cannot be changed without changing its owner or permissions (a new file cannot keep them, and it cannot be written over: {2}); left as it was",
  "{1}: nie można zmienić pliku bez zmiany jego właściciela lub uprawnień (nowy plik ich nie zachowa, a nadpisać go nie można: {2}); plik pozostał bez zmian")
INFPRZ_MESSAGE(kTooLarge, "larger than 1 MB", "większy niż 1 MB")
INFPRZ_MESSAGE(kNoSuchFile, "no such file", "nie ma takiego pliku")
INFPRZ_MESSAGE(kNoSuchFolder, "no such folder", "nie ma takiego folderu")
INFPRZ_MESSAGE(kMissingFile, "{1}: no such file", "{1}: nie ma takiego pliku")
INFPRZ_MESSAGE(kMissingFolder, "{1}: no such folder", "{1}: nie ma takiego folderu")
INFPRZ_MESSAGE(kNotAFolder, "{1}: not a folder", "{1}: to nie jest folder")
INFPRZ_MESSAGE(kIsAFolder, "it is a folder", "to jest folder")
INFPRZ_MESSAGE(kNoPermission, "no permission", "brak uprawnień")
INFPRZ_MESSAGE(kReadOnlyDisk, "the disk is read-only", "dysk jest tylko do odczytu")
INFPRZ_MESSAGE(kLocked,
  "it is locked: another program has it open",
  "plik jest zablokowany: ma go otwarty inny program")
INFPRZ_MESSAGE(kDiskFull, "the disk is full", "dysk jest pełny")
INFPRZ_MESSAGE(kInvalidName,
  "the name is not valid (Windows does not allow * ? \" < > | in names)",
  "nieprawidłowa nazwa (Windows nie pozwala na * ? \" < > | w nazwach)")
INFPRZ_MESSAGE(kNameTooLong, "the name is too long", "nazwa jest za długa")
INFPRZ_MESSAGE(kDriveNotReady,
  "the drive is not ready (a disk or network drive not there?)",
  "napęd nie jest gotowy (brak dysku albo dysku sieciowego?)")
INFPRZ_MESSAGE(kNetworkGone,
  "the network folder cannot be reached",
  "folder sieciowy jest nieosiągalny")
INFPRZ_MESSAGE(kUndescribedError,
  "an error the system does not describe (code {1})",
  "błąd, którego system nie opisuje (kod {1})")

// --- check ---------------------------------------------------------------------
INFPRZ_MESSAGE(kCommandCheck,
  "report, before installing, whether the host in FOLDER will take the plug-in; changes nothing",
  "sprawdza przed instalacją, czy program w FOLDERZE przyjmie wtyczkę; niczego nie zmienia")
INFPRZ_MESSAGE(kValueFolder, "FOLDER", "FOLDER")
INFPRZ_MESSAGE(kHelpCheckFolder,
  "the host program's folder (default: the current folder)",
  "folder programu (domyślnie bieżący folder)")
INFPRZ_MESSAGE(kHelpCheckExit,
  "Exit status: 0 the plug-in loads without a box and can save, 1 something will fail (the report says\n"
  "what), 2 the command line was refused.",
  "Kod wyjścia: 0 wtyczka ładuje się bez okna błędu i może zapisywać, 1 coś się nie uda (raport mówi\n"
  "co), 2 odrzucono wiersz poleceń.")
INFPRZ_MESSAGE(kCheckFolder, "Folder: {1}", "Folder: {1}")
INFPRZ_MESSAGE(kCheckOneFolder,
  "unexpected {1} (check takes one folder; a name with spaces goes in quotes)",
  "nieoczekiwany argument {1} (check sprawdza jeden folder; nazwę ze spacjami ujmij w cudzysłów)")
INFPRZ_MESSAGE(kCheckFolderUnlisted,
  "{1}: the folder cannot be listed: {2}; only files named exactly are looked at",
  "{1}: nie można odczytać zawartości folderu: {2}; sprawdzane są tylko pliki o dokładnych nazwach")
INFPRZ_MESSAGE(kCheckServicesFrom,
  "Host services, found as the plug-in finds them: in {1}",
  "Usługi programu, znalezione tak jak znajduje je wtyczka: w {1}")
INFPRZ_MESSAGE(kCheckServicesFromProgram,
  "Host services, found as the plug-in finds them: no MOLRAV.dll; the program file {1} exports them itself",
  "Usługi programu, znalezione tak jak znajduje je wtyczka: brak MOLRAV.dll; eksportuje je sam plik programu {1}")
INFPRZ_MESSAGE(kCheckServicesNowhere,
  "Host services: no MOLRAV.dll, and no program file (*.exe) in the folder exports them",
  "Usługi programu: brak MOLRAV.dll i żaden plik programu (*.exe) w folderze ich nie eksportuje")
INFPRZ_MESSAGE(kCheckServiceFound, "found", "jest")
INFPRZ_MESSAGE(kCheckServiceBox,
  "MISSING: the box \"POWAŻNY BŁĄD WTYCZKI\" at every start",
  "BRAK: okno \"POWAŻNY BŁĄD WTYCZKI\" przy każdym uruchomieniu")
INFPRZ_MESSAGE(kCheckServiceAfterIgnore,
  "MISSING: after Ignore no further box",
  "BRAK: po Zignoruj już bez okna")
INFPRZ_MESSAGE(kCheckServiceFallback,
  "with Ignore it answers 0: {1}",
  "po Zignoruj odpowiada 0: {1}")
INFPRZ_MESSAGE(kCheckServiceNoFallback,
  "no fallback: Abort or Ignore, the load fails",
  "brak zastępstwa: po Przerwij i po Zignoruj ładowanie się nie udaje")
INFPRZ_MESSAGE(kCheckServiceNotReached,
  "MISSING (the load has failed before it)",
  "BRAK (ładowanie nie udało się wcześniej)")
INFPRZ_MESSAGE(kCheckVerdictClean,
  "Verdict: the plug-in loads without a box.",
  "Werdykt: wtyczka ładuje się bez okna błędu.")
INFPRZ_MESSAGE(kCheckVerdictBoxes,
  "Verdict: the plug-in shows {1} at every start ({2}); after Ignore it loads.",
  "Werdykt: wtyczka przy każdym uruchomieniu pokazuje {1} ({2}); po Zignoruj ładuje się.")
INFPRZ_MESSAGE(kCountBoxes,
  "{1} box \"POWAŻNY BŁĄD WTYCZKI\"|{1} boxes \"POWAŻNY BŁĄD WTYCZKI\"",
  "{1} okno \"POWAŻNY BŁĄD WTYCZKI\"|{1} okna \"POWAŻNY BŁĄD WTYCZKI\"|{1} okien \"POWAŻNY BŁĄD WTYCZKI\"")
INFPRZ_MESSAGE(kCheckVerdictNoLoad,
  "Verdict: the plug-in cannot load: {1} is missing and has no fallback.",
  "Werdykt: wtyczka nie może się załadować: brak {1}, a ta usługa nie ma zastępstwa.")
INFPRZ_MESSAGE(kCheckVerdictNoHost,
  "Verdict: the plug-in cannot load: {1}.",
  "Werdykt: wtyczka nie może się załadować: {1}.")
INFPRZ_MESSAGE(kCheckNoProgram,
  "{1}: not a program file (text, or damaged from its first bytes)",
  "{1}: to nie jest plik programu (tekst albo plik uszkodzony od pierwszych bajtów)")
INFPRZ_MESSAGE(kCheckDosProgram,
  "{1}: a DOS program, not a Windows one",
  "{1}: to program dla DOS, nie dla Windows")
INFPRZ_MESSAGE(kCheckSixteenBit,
  "{1}: a 16-bit program: the 32-bit plug-in cannot run with it",
  "{1}: to program 16-bitowy: 32-bitowa wtyczka nie może z nim działać")
INFPRZ_MESSAGE(kCheckCutShort,
  "{1}: damaged: the file ends inside its headers (cut short?)",
  "{1}: uszkodzony: plik kończy się w środku nagłówków (ucięty?)")
INFPRZ_MESSAGE(kCheckSixtyFourBit,
  "{1}: a 64-bit program: the 32-bit plug-in cannot run with it",
  "{1}: to program 64-bitowy: 32-bitowa wtyczka nie może z nim działać")
INFPRZ_MESSAGE(kCheckUnknownFormat,
  "{1}: damaged: a program header of no kind Windows loads",
  "{1}: uszkodzony: nagłówek programu, którego Windows nie ładuje")
INFPRZ_MESSAGE(kCheckExportsOutside,
  "{1}: damaged: its export table points outside the file",
  "{1}: uszkodzony: jego tabela eksportów wskazuje poza plik")
INFPRZ_MESSAGE(kCheckTooManyExports,
  "{1}: damaged: its export table counts more entries than ordinals exist",
  "{1}: uszkodzony: tabela eksportów liczy więcej pozycji, niż jest numerów")
INFPRZ_MESSAGE(kCheckTooLarge,
  "{1}: larger than 512 MB: no program file of a host",
  "{1}: większy niż 512 MB: to nie plik programu")
INFPRZ_MESSAGE(kCheckNotAnI386Dll,
  "{1}: a program file, but no 32-bit Windows DLL",
  "{1}: plik programu, ale nie 32-bitowa biblioteka DLL dla Windows")
INFPRZ_MESSAGE(kCheckHostModuleUnusable,
  "the host's module {1} is unusable",
  "moduł programu {1} nie nadaje się do użytku")
INFPRZ_MESSAGE(kLossHostMessageBox,
  "no notices: neither \"Przypomnienie wyłączono\", nor \"Niepoprawne hasło\", nor the first-run notice",
  "brak komunikatów: ani \"Przypomnienie wyłączono\", ani \"Niepoprawne hasło\", ani powiadomienia o instalacji")
INFPRZ_MESSAGE(kLossHostMessageBoxF,
  "no \"STOP!!!\" message when the host speaks another interface version",
  "brak komunikatu \"STOP!!!\", gdy program używa innej wersji interfejsu")
INFPRZ_MESSAGE(kLossHostConvertText,
  "the box shows its Polish letters wrongly",
  "okno błędu pokazuje polskie litery błędnie")
INFPRZ_MESSAGE(kLossHostService38417,
  "nothing: the plug-in never calls it",
  "nic: wtyczka jej nie wywołuje")
INFPRZ_MESSAGE(kLossHostSound,
  "no tones with the reminder",
  "brak sygnałów dźwiękowych przy przypomnieniu")
INFPRZ_MESSAGE(kLossHostGetStateFlags,
  "the host's state flag 0x8000 is cleared after every reminder check, even where the host had set it",
  "flaga stanu 0x8000 programu jest zerowana po każdym sprawdzeniu przypomnienia, nawet gdy program ją ustawił")
INFPRZ_MESSAGE(kLossHostSetStateFlag,
  "the host is not told while a reminder check runs",
  "program nie wie, że trwa sprawdzanie przypomnienia")
INFPRZ_MESSAGE(kLossHostInterfaceVersion,
  "the version reads as 0: the plug-in takes the host for another version and only shows \"STOP!!!\"",
  "wersja wynosi 0: wtyczka uznaje program za inną wersję i pokazuje tylko \"STOP!!!\"")
INFPRZ_MESSAGE(kLossHostRunDialog,
  "no dialogs: no reminder dialog, no configuration (Shift-F10)",
  "brak okien dialogowych: ani okna przypomnienia, ani konfiguracji (Shift-F10)")
INFPRZ_MESSAGE(kLossHostTodayText,
  "no date: the schedule is asked about an empty date of today",
  "brak daty: harmonogram dostaje pustą dzisiejszą datę")
INFPRZ_MESSAGE(kLossHostNowText,
  "no time of day: it reads as 00:00:00, so a row with a from time never reminds",
  "brak godziny: odczytuje się jako 00:00:00, więc wiersz z godziną od nigdy nie przypomina")
INFPRZ_MESSAGE(kLossHostDaysBetween,
  "no calendar: every start date counts as today, so the last row with one governs, even before its date",
  "brak kalendarza: każda data początkowa liczy się jako dzisiejsza, więc obowiązuje ostatni wiersz z datą, nawet przed nią")
INFPRZ_MESSAGE(kLossHostFileOpen,
  "no files: the settings read as empty, nothing is saved, the first-run notice at every start",
  "brak plików: ustawienia są puste, nic się nie zapisuje, powiadomienie o instalacji przy każdym uruchomieniu")
INFPRZ_MESSAGE(kLossHostFileClose,
  "files stay open until the host ends",
  "pliki pozostają otwarte do końca pracy programu")
INFPRZ_MESSAGE(kLossHostFileRead,
  "the settings are never read: the reminder stays off",
  "ustawienia nigdy nie są odczytywane: przypomnienie pozostaje wyłączone")
INFPRZ_MESSAGE(kLossHostFileWrite,
  "nothing is saved, and each save empties infprz.dat",
  "nic się nie zapisuje, a każdy zapis opróżnia infprz.dat")
INFPRZ_MESSAGE(kLossHostSetKeyHook,
  "no key hook: no reminder, no Shift-F10",
  "brak przechwytywania klawiszy: ani przypomnienia, ani Shift-F10")
INFPRZ_MESSAGE(kCheckPluginMissing,
  "Plug-in file: talvenor.dll is not in the folder (not installed yet)",
  "Plik wtyczki: w folderze nie ma talvenor.dll (jeszcze nie zainstalowano)")
INFPRZ_MESSAGE(kCheckPluginFile, "Plug-in file: {1}", "Plik wtyczki: {1}")
INFPRZ_MESSAGE(kCheckPluginGood,
  "a 32-bit Windows DLL exporting 30001, 30008 and 30009 by ordinal",
  "32-bitowa biblioteka DLL dla Windows, eksportuje 30001, 30008 i 30009 według numerów")
INFPRZ_MESSAGE(kCheckPluginLacksExports,
  "{1}: a 32-bit Windows DLL, but it does not export {2} by ordinal: not this plug-in",
  "{1}: 32-bitowa biblioteka DLL dla Windows, ale nie eksportuje {2} według numerów: to nie ta wtyczka")
INFPRZ_MESSAGE(kCheckPluginVersion, "version: {1}", "wersja: {1}")
INFPRZ_MESSAGE(kCheckPluginNoVersion, "version: none (no version resource)", "wersja: brak (brak zasobu wersji)")
INFPRZ_MESSAGE(kCheckPluginSha256, "SHA-256: {1}", "SHA-256: {1}")
INFPRZ_MESSAGE(kCheckSumsMatch,
  "the same as the talvenor.dll line of {1}",
  "zgodny z wierszem talvenor.dll w {1}")
INFPRZ_MESSAGE(kCheckSumsDiffer,
  "NOT the file that {1} names: it gives {2}",
  "to NIE ten plik, który podaje {1}: tam jest {2}")
INFPRZ_MESSAGE(kCheckSumsNoLine,
  "{1} has no talvenor.dll line",
  "{1} nie ma wiersza talvenor.dll")
INFPRZ_MESSAGE(kCheckSumsNone,
  "no SHA256SUMS.txt beside infprz to compare with",
  "obok infprz nie ma SHA256SUMS.txt do porównania")
INFPRZ_MESSAGE(kCheckRightsGood,
  "Folder rights: {1} can create and replace files here.",
  "Uprawnienia: {1} może tu tworzyć i zastępować pliki.")
INFPRZ_MESSAGE(kCheckRightsNoCreate,
  "Folder rights: {1} cannot create files here: {2}",
  "Uprawnienia: {1} nie może tu tworzyć plików: {2}")
INFPRZ_MESSAGE(kCheckRightsNoReplace,
  "Folder rights: {1} can create files here but not replace them: {2}",
  "Uprawnienia: {1} może tu tworzyć pliki, ale nie może ich zastępować: {2}")
INFPRZ_MESSAGE(kCheckRightsWho,
  "This holds for the user running the check; run it as the user who works in the host program.",
  "Dotyczy to użytkownika, który uruchomił sprawdzenie; uruchom je jako użytkownik pracujący w programie.")
INFPRZ_MESSAGE(kCheckThisUser, "the user {1}", "użytkownik {1}")
INFPRZ_MESSAGE(kCheckSettingsMissing,
  "Settings: infprz.dat is missing: the plug-in reads the empty configuration and makes the file at its first save",
  "Ustawienia: brak infprz.dat: wtyczka czyta pustą konfigurację i tworzy plik przy pierwszym zapisie")
INFPRZ_MESSAGE(kCheckSettingsSound, "Settings: infprz.dat is sound", "Ustawienia: infprz.dat jest w porządku")
INFPRZ_MESSAGE(kCheckSettingsDamaged,
  "Settings: infprz.dat is damaged ('infprz set' rewrites it repaired):",
  "Ustawienia: infprz.dat jest uszkodzony ('infprz set' zapisuje go naprawiony):")
INFPRZ_MESSAGE(kCheckSettingsUnreadable,
  "Settings: {1}; the plug-in reads the empty configuration, and its first save replaces the file",
  "Ustawienia: {1}; wtyczka czyta pustą konfigurację, a jej pierwszy zapis zastępuje plik")
INFPRZ_MESSAGE(kCheckSettingsReadOnly,
  "infprz.dat cannot be written by {1}: every save shows a notice",
  "{1} nie może zapisywać infprz.dat: każdy zapis kończy się komunikatem")
INFPRZ_MESSAGE(kCheckMarkerExists,
  "talvenor.xxx exists: the first-run notice has been shown",
  "talvenor.xxx istnieje: powiadomienie o instalacji już się pokazało")
INFPRZ_MESSAGE(kCheckMarkerMissing,
  "talvenor.xxx is missing: the first start shows the first-run notice once",
  "brak talvenor.xxx: pierwsze uruchomienie raz pokaże powiadomienie o instalacji")
INFPRZ_MESSAGE(kCheckMarkerCannotMake,
  "talvenor.xxx is missing and cannot be made: the first-run notice at every start",
  "brak talvenor.xxx i nie można go utworzyć: powiadomienie o instalacji przy każdym uruchomieniu")
INFPRZ_MESSAGE(kCheckResultGood,
  "Result: the plug-in will load without a box and can save its settings.",
  "Wynik: wtyczka załaduje się bez okna błędu i może zapisywać ustawienia.")
INFPRZ_MESSAGE(kCheckResultBad,
  "Result: something will fail: {1}.",
  "Wynik: coś się nie uda: {1}.")
INFPRZ_MESSAGE(kCheckFailsLoad, "the plug-in cannot load", "wtyczka nie załaduje się")
INFPRZ_MESSAGE(kCheckFailsBoxes, "a box at every start", "okno błędu przy każdym uruchomieniu")
INFPRZ_MESSAGE(kCheckFailsPlugin, "talvenor.dll is not the plug-in", "talvenor.dll to nie ta wtyczka")
INFPRZ_MESSAGE(kCheckFailsSums, "talvenor.dll differs from SHA256SUMS.txt", "talvenor.dll różni się od SHA256SUMS.txt")
INFPRZ_MESSAGE(kCheckFailsSave, "the settings cannot be saved", "nie da się zapisać ustawień")
INFPRZ_MESSAGE(kCheckFailsSettings, "infprz.dat cannot be read", "nie da się odczytać infprz.dat")

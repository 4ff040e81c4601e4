# Runs the infprz program as an administrator would (infprz.exe under Wine
# in the Windows build): exit status, UTF-8 output in English and Polish,
# files left untouched or replaced whole.
# cmake -DINFPRZ=path -DRUNNER=wine-run-or-empty -DSCRATCH=dir -P this
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})

# English unless LOCALE says otherwise: Wine takes the user's language from LC_ALL.
set(LOCALE C.UTF-8)
# A suggested command stands in the quotes of the user's shell: cmd takes no
# apostrophes; on Windows one with a quoted name in it stands bare (QQ).
if(INFPRZ MATCHES "[.]exe$")
  set(Q "\"")
  set(QQ "")
else()
  set(Q "'")
  set(QQ "'")
endif()

# The output goes through files, not pipes: the wineserver the first run
# starts inherits them and stays a few seconds after each run, which a pipe
# would make every run wait for.
function(infprz expected_status)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=${LOCALE} ${RUNNER} ${INFPRZ} ${ARGN} WORKING_DIRECTORY ${SCRATCH}
                  RESULT_VARIABLE status OUTPUT_FILE ${SCRATCH}.out ERROR_FILE ${SCRATCH}.err)
  file(READ ${SCRATCH}.out out)
  file(READ ${SCRATCH}.err err)
  string(REPLACE "\r\n" "\n" out "${out}")
  if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "infprz ${ARGN}: exit ${status}, expected ${expected_status}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_in haystack needle)
  string(FIND "${haystack}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected \"${needle}\" in:\n${haystack}")
  endif()
endfunction()

# Runs infprz with the arguments after the two texts, in English and in
# Polish, and finds each text in its language's standard error.
function(refused status english polish)
  set(LOCALE C.UTF-8)
  infprz(${status} ${ARGN})
  expect_in("${err}" "${english}")
  set(LOCALE pl_PL.UTF-8)
  infprz(${status} ${ARGN})
  expect_in("${err}" "${polish}")
endfunction()

infprz(0 --help)
expect_in("${out}" "Usage: infprz")

infprz(1 show)
expect_in("${err}" "infprz.dat: no such file")

infprz(0 set --create --text "Zażółć gęślą jaźń" --row 1 --start-date 09.12.2026 --interval -5 --from 08:00:00 --password tajne --on)
file(SIZE ${SCRATCH}/infprz.dat size)
if(NOT size EQUAL 591)
  message(FATAL_ERROR "infprz.dat is ${size} bytes, not 591")
endif()
file(SHA256 ${SCRATCH}/infprz.dat before)

infprz(0 show)
expect_in("${out}" "  1 | Zażółć gęślą jaźń\n")
expect_in("${out}" "  1    09.12.2026  -5 min      08:00:00  -\n")

infprz(2 set --text "Cena 5 €" --on)
expect_in("${err}" "U+20AC")
file(SHA256 ${SCRATCH}/infprz.dat after)
if(NOT before STREQUAL after)
  message(FATAL_ERROR "a refused set changed infprz.dat")
endif()

# The JSON goes out through standard output and comes back from a file.
infprz(0 show --json --show-password)
file(WRITE ${SCRATCH}/settings.json "${out}")
infprz(0 import settings.json copy.dat)
file(SHA256 ${SCRATCH}/copy.dat copied)
if(NOT copied STREQUAL before)
  message(FATAL_ERROR "show --json / import did not give the same file")
endif()
file(GLOB left ${SCRATCH}/*.tmp)
if(left)
  message(FATAL_ERROR "temporary files left beside: ${left}")
endif()

# A mistyped name is an error and makes no file.
infprz(1 clear-password nonexist.dat)
expect_in("${err}" "${Q}infprz init nonexist.dat${Q}")
if(EXISTS ${SCRATCH}/nonexist.dat)
  message(FATAL_ERROR "clear-password made a missing file")
endif()

# Rewriting an existing file, named every way an administrator types it
# (Wine's ReplaceFileW refuses a name without a folder or with '/').
file(MAKE_DIRECTORY "${SCRATCH}/sub" "${SCRATCH}/Dokumenty źródłowe")
foreach(name infprz.dat ./infprz.dat sub/infprz.dat "Dokumenty źródłowe/infprz.dat" ${SCRATCH}/infprz.dat)
  infprz(0 set --create --on "${name}")
  infprz(0 clear-password "${name}")
  infprz(0 init --force "${name}")
endforeach()
infprz(0 show ${SCRATCH}/infprz.dat)
expect_in("${out}" "Reminder:  off\n")

infprz(0 show /?)
expect_in("${out}" "Usage: infprz show [OPTIONS] [FILE]")
infprz(2 shwo)
expect_in("${err}" "unknown command \"shwo\"")
infprz(1 init sub)
expect_in("${err}" "sub: this is a folder")

# Messages one can act on, in English and in Polish: a path as typed, why a
# date or a text is refused, one wording for a missing file, the missing
# folder named, and commands quoted as the shell reads them.
string(REPEAT x 500 long_text)
refused(2 "unexpected \"Host\\infprz.dat\" (" "nieoczekiwany argument \"Host\\infprz.dat\" ("
        show Programy\\Host Host\\infprz.dat)
refused(2 "infprz: ${Q}infprz show --help${Q} lists its options"
        "infprz: ${Q}infprz show --help${Q} wypisuje opcje tego polecenia" show a b)
refused(2 "start date \"31.02.2026\" does not exist: February 2026 has 28 days; nothing written"
        "data początkowa \"31.02.2026\" nie istnieje: luty 2026 ma 28 dni; nic nie zapisano"
        set --row 1 --start-date 31.02.2026)
refused(2 "the text does not fit: it is 500 characters, at most 480 (8 lines of 60 columns)"
        "tekst się nie mieści: ma 500 znaków, najwyżej 480 (8 wierszy po 60 kolumn)" set --text ${long_text})
refused(1 "infprz: missing.json: no such file\n" "infprz: missing.json: nie ma takiego pliku\n" import missing.json)
refused(1 "infprz: nosuchdir: no such folder\n" "infprz: nosuchdir: nie ma takiego folderu\n"
        import settings.json nosuchdir/infprz.dat)
refused(1 "(${QQ}infprz init \"Nowy plik.dat\"${QQ} makes a new one"
        "(nowy tworzy ${QQ}infprz init \"Nowy plik.dat\"${QQ} albo" set --on "Nowy plik.dat")

set(LOCALE pl_PL.UTF-8)
infprz(0 show)
expect_in("${out}" "Przypomnienie:  wyłączone\nHasło:          brak\n")
infprz(2 shwo)
expect_in("${err}" "nieznane polecenie \"shwo\"")
set(LOCALE C.UTF-8)

infprz(0 --version)
expect_in("${out}" "infprz ")

# check, on a folder like the guides' example: the stand-in's MOLRAV.dll of
# the win32 build and no talvenor.dll yet. The report must be the one each
# guide shows, but for the folder's and the user's names; in Polish once.
if(EXISTS "${WIN32_BIN}/MOLRAV.dll")
  file(MAKE_DIRECTORY ${SCRATCH}/host)
  file(COPY_FILE "${WIN32_BIN}/MOLRAV.dll" ${SCRATCH}/host/MOLRAV.dll)
  function(expect_guide_report guide)
    file(READ "${GUIDES}/${guide}" text)
    string(REGEX MATCH "\n  Folder: C:\\\\Host\n.*\n  (Result|Wynik): [^\n]*\n" shown "${text}")
    if(shown STREQUAL "")
      message(FATAL_ERROR "${guide}: no check report")
    endif()
    string(REPLACE "\n  " "\n" shown "${shown}")
    foreach(report shown out)
      string(REGEX REPLACE "\n(Folder|Uprawnienia)[^\n]*" "" ${report} "\n${${report}}")
      string(STRIP "${${report}}" ${report})
    endforeach()
    if(NOT shown STREQUAL out)
      message(FATAL_ERROR "infprz check gives\n${out}\n\n${guide} shows\n${shown}")
    endif()
  endfunction()
  infprz(0 check host)
  expect_guide_report(README.txt)
  set(LOCALE pl_PL.UTF-8)
  infprz(0 check host)
  expect_guide_report(CZYTAJ.TXT)
  infprz(2 check host other)
  expect_in("${err}" "check sprawdza jeden folder")
  set(LOCALE C.UTF-8)
  file(REMOVE_RECURSE ${SCRATCH}/host)
endif()

# talhost.exe under Wine speaks the user's language, as infprz does: its
# help and a refused option, under a Polish and an English locale.
# cmake -DHOST=talhost.exe -DWINE_RUN=wine-run -DSCRATCH=dir -P talhost_language.cmake
file(MAKE_DIRECTORY ${SCRATCH})
function(talhost locale expected_status expected_text)
  # Through files: the wineserver the first run starts would hold a pipe open.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=${locale} ${WINE_RUN} ${HOST} ${ARGN}
                  WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE status
                  OUTPUT_FILE ${SCRATCH}/out.txt ERROR_FILE ${SCRATCH}/err.txt)
  file(READ ${SCRATCH}/out.txt out)
  file(READ ${SCRATCH}/err.txt err)
  string(FIND "${out}${err}" "${expected_text}" at)
  if(NOT status STREQUAL expected_status OR at EQUAL -1)
    message(FATAL_ERROR "talhost ${ARGN} under ${locale}: exit ${status}, expected ${expected_status} and \"${expected_text}\":\n${out}${err}")
  endif()
endfunction()

talhost(pl_PL.UTF-8 0 "Użycie: talhost [OPCJE]" --help)
talhost(C.UTF-8 0 "Usage: talhost [OPTIONS]" --help)
talhost(pl_PL.UTF-8 2 "talhost: --size przyjmuje SZERxWYS, od 40x15 do 300x200, a nie „10x10”" --size 10x10)
talhost(en_GB.UTF-8 2 "talhost: unknown option \"--bogus\"" --bogus)
file(WRITE ${SCRATCH}/story.txt "key Enter   # the first-run notice\ntype 12 # typed: 1, 2\nkey Hyper-Q\n")
talhost(pl_PL.UTF-8 2 "story.txt: wiersz 3: nieznany klawisz „Hyper-Q”" --script story.txt --mute)

# Plays one story: talhost.exe --script in a fresh working directory under
# Wine. Passes when the script's expectations all held (exit code 0).
# cmake -DHOST=talhost.exe -DSCRIPT=story.txt -DDESK=dir -DWINE_RUN=wine-run -P run_story.cmake
# A line "# talhost: OPTIONS" in the story gives talhost.exe more options.
file(STRINGS ${SCRIPT} options REGEX "^# talhost: ")
string(REPLACE "# talhost: " "" options "${options}")
separate_arguments(options)
file(REMOVE_RECURSE ${DESK})
file(MAKE_DIRECTORY ${DESK})
execute_process(COMMAND ${WINE_RUN} ${HOST} --script ${SCRIPT} --mute ${options}
                WORKING_DIRECTORY ${DESK}
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
file(WRITE ${DESK}/screens.txt "${output}")
if(NOT result EQUAL 0)
  message("${output}")
  message("${errors}")
  message(FATAL_ERROR "story ${SCRIPT} failed (exit ${result}); its screens are in ${DESK}/screens.txt")
endif()

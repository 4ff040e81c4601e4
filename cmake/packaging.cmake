# The Windows distribution a user downloads: one ZIP (`./x package`). At its
# top the plug-in, the user guide in English (README.txt) and Polish
# (CZYTAJ.TXT) and the settings tool, with SHA256SUMS.txt over every file.
# The developer's README.md stays home. The stand-in host goes in a folder
# of its own with its own MOLRAV.dll and a copy of the plug-in: unpacked
# into a real host's directory, a MOLRAV.dll at the top would replace the
# host's own module.
#
# The same commit gives the same ZIP, byte for byte, wherever and whenever
# it is built: the programs are linked with the commit's time as their PE
# time stamp, and cmake/release_zip.py writes the ZIP from the installed
# files in a fixed order with that time on every entry. The build writes
# release.json (the ZIP's name and that time) for it and for the checks
# in tests/package/.
if(NOT TALVENOR_WIN32 OR TALVENOR_WIN64)
  return()
endif()

# One version for the DLL's Properties page and the package's name.
file(STRINGS ${CMAKE_SOURCE_DIR}/plugin/exports/talvenor.rc TALVENOR_VERSION_LINE
     REGEX "^#define TALVENOR_VERSION_TEXT \"[0-9.]+\"")
string(REGEX REPLACE ".*\"([0-9.]+)\".*" "\\1" TALVENOR_PACKAGE_VERSION "${TALVENOR_VERSION_LINE}")
if(NOT TALVENOR_PACKAGE_VERSION)
  message(FATAL_ERROR "no TALVENOR_VERSION_TEXT in plugin/exports/talvenor.rc")
endif()

set(TALVENOR_STANDIN_FOLDER standin-host)
set(TALVENOR_PACKAGE_NAME talvenor-${TALVENOR_PACKAGE_VERSION}-win32)

# The time every shipped file carries: SOURCE_DATE_EPOCH when the builder
# gives one, else the last commit's time, else (a tree outside git, such as
# an unpacked `git archive`, whose files all carry the commit's time) the
# newest file of the sources. Never the clock.
function(talvenor_source_date_epoch out_epoch out_from)
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
      message(FATAL_ERROR "SOURCE_DATE_EPOCH must be seconds since 1970, not \"$ENV{SOURCE_DATE_EPOCH}\"")
    endif()
    set(${out_epoch} "$ENV{SOURCE_DATE_EPOCH}" PARENT_SCOPE)
    set(${out_from} "SOURCE_DATE_EPOCH" PARENT_SCOPE)
    return()
  endif()
  find_program(TALVENOR_GIT git)
  if(TALVENOR_GIT)
    execute_process(COMMAND ${TALVENOR_GIT} -C ${CMAKE_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
    execute_process(COMMAND ${TALVENOR_GIT} -C ${CMAKE_SOURCE_DIR} rev-parse --absolute-git-dir
                    OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT failed AND epoch MATCHES "^[0-9]+$")
      # A commit or checkout moves HEAD and appends to its log: configure again.
      if(EXISTS "${git_dir}/logs/HEAD")
        set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${git_dir}/logs/HEAD")
      endif()
      set(${out_epoch} "${epoch}" PARENT_SCOPE)
      set(${out_from} "git" PARENT_SCOPE)
      return()
    endif()
  endif()
  file(GLOB_RECURSE sources LIST_DIRECTORIES false
       ${CMAKE_SOURCE_DIR}/contract/* ${CMAKE_SOURCE_DIR}/plugin/* ${CMAKE_SOURCE_DIR}/standin/*
       ${CMAKE_SOURCE_DIR}/tools/* ${CMAKE_SOURCE_DIR}/docs/guide/* ${CMAKE_SOURCE_DIR}/cmake/*)
  set(newest 0)
  foreach(source IN LISTS sources)
    file(TIMESTAMP "${source}" stamp "%s" UTC)
    if(stamp GREATER newest)
      set(newest ${stamp})
    endif()
  endforeach()
  message(STATUS "Not a git checkout: the shipped files carry the newest source file's time (${newest})")
  set(${out_epoch} "${newest}" PARENT_SCOPE)
  set(${out_from} "files" PARENT_SCOPE)
endfunction()
talvenor_source_date_epoch(TALVENOR_SOURCE_DATE_EPOCH TALVENOR_SOURCE_DATE_FROM)

# Rewritten only when it changes, so a new commit time relinks the programs.
set(TALVENOR_RELEASE_JSON ${CMAKE_BINARY_DIR}/release.json)
file(CONFIGURE OUTPUT ${TALVENOR_RELEASE_JSON} @ONLY CONTENT [[{
  "name": "@TALVENOR_PACKAGE_NAME@",
  "epoch": @TALVENOR_SOURCE_DATE_EPOCH@,
  "epoch_from": "@TALVENOR_SOURCE_DATE_FROM@",
  "source_dir": "@CMAKE_SOURCE_DIR@",
  "cmake": "@CMAKE_COMMAND@"
}
]])

# Debian's mingw-w64 linker writes SOURCE_DATE_EPOCH as the PE time stamp
# (and the checksum that follows from it) instead of the clock.
set(TALVENOR_SHIPPED_TARGETS talvenor)
foreach(target IN ITEMS infprz talhost MOLRAV)
  if(TARGET ${target})
    list(APPEND TALVENOR_SHIPPED_TARGETS ${target})
  endif()
endforeach()
# What the ZIP ships, without the test programs: ./x package builds this.
add_custom_target(release_programs)
add_dependencies(release_programs ${TALVENOR_SHIPPED_TARGETS})
foreach(target IN LISTS TALVENOR_SHIPPED_TARGETS)
  set_property(TARGET ${target} PROPERTY C_LINKER_LAUNCHER
               ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${TALVENOR_SOURCE_DATE_EPOCH})
  set_property(TARGET ${target} PROPERTY CXX_LINKER_LAUNCHER
               ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${TALVENOR_SOURCE_DATE_EPOCH})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${TALVENOR_RELEASE_JSON})
endforeach()

install(FILES $<TARGET_FILE:talvenor> DESTINATION .)
if(TARGET infprz)
  install(PROGRAMS $<TARGET_FILE:infprz> DESTINATION .)
endif()
if(TARGET talhost)
  install(PROGRAMS $<TARGET_FILE:talhost> DESTINATION ${TALVENOR_STANDIN_FOLDER})
  install(FILES $<TARGET_FILE:MOLRAV> $<TARGET_FILE:talvenor> DESTINATION ${TALVENOR_STANDIN_FOLDER})
  # The test builds keep their symbols; the shipped copies need none.
  if(CMAKE_STRIP)
    install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\"
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TALVENOR_STANDIN_FOLDER}/$<TARGET_FILE_NAME:talhost>\"
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TALVENOR_STANDIN_FOLDER}/$<TARGET_FILE_NAME:MOLRAV>\"
      COMMAND_ERROR_IS_FATAL ANY)")
  endif()
endif()

# The user guides for Notepad: kept in docs/guide/ as UTF-8 with LF, shipped
# with Windows line ends and a UTF-8 byte order mark, so that even an old
# Notepad shows the Polish letters. Then the checksums of everything
# installed so far, in sha256sum's format with Windows line ends (GNU
# sha256sum -c reads them too).
set(TALVENOR_INSTALL_TEXTS [[
  set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  string(ASCII 239 187 191 utf8Mark)
  foreach(guide IN ITEMS README.txt CZYTAJ.TXT)
    file(READ "@CMAKE_SOURCE_DIR@/docs/guide/${guide}" text)
    string(REGEX REPLACE "^${utf8Mark}" "" text "${text}")
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE "${prefix}/${guide}" "${utf8Mark}${text}")
  endforeach()

  file(GLOB_RECURSE shipped LIST_DIRECTORIES false RELATIVE "${prefix}" "${prefix}/*")
  list(REMOVE_ITEM shipped SHA256SUMS.txt)
  list(SORT shipped)
  set(sums "")
  foreach(name IN LISTS shipped)
    file(SHA256 "${prefix}/${name}" sum)
    string(APPEND sums "${sum}  ${name}\r\n")
  endforeach()
  file(WRITE "${prefix}/SHA256SUMS.txt" "${sums}")
  message(STATUS "Checksums: ${prefix}/SHA256SUMS.txt")
]])
string(CONFIGURE "${TALVENOR_INSTALL_TEXTS}" TALVENOR_INSTALL_TEXTS @ONLY)
install(CODE "${TALVENOR_INSTALL_TEXTS}")

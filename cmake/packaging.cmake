# The Windows distribution a user downloads: one ZIP, made by CPack
# (`./x package`). At its top the plug-in, the user guide in English
# (README.txt) and Polish (CZYTAJ.TXT) and the settings tool, with
# SHA256SUMS.txt over every file. The developer's README.md stays home. The stand-in host goes
# in a folder of its own with its own MOLRAV.dll and a copy of the plug-in:
# unpacked into a real host's directory, a MOLRAV.dll at the top would
# replace the host's own module.
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
# installed so far, in sha256sum's format.
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
    string(APPEND sums "${sum}  ${name}\n")
  endforeach()
  file(WRITE "${prefix}/SHA256SUMS.txt" "${sums}")
  message(STATUS "Checksums: ${prefix}/SHA256SUMS.txt")
]])
string(CONFIGURE "${TALVENOR_INSTALL_TEXTS}" TALVENOR_INSTALL_TEXTS @ONLY)
install(CODE "${TALVENOR_INSTALL_TEXTS}")

set(CPACK_PACKAGE_NAME talvenor)
set(CPACK_PACKAGE_VERSION ${TALVENOR_PACKAGE_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reminder plug-in (PRZYPOMNIENIE) for the host program")
set(CPACK_PACKAGE_FILE_NAME talvenor-${TALVENOR_PACKAGE_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/dist)
set(CPACK_PACKAGE_CHECKSUM SHA256)  # talvenor-...-win32.zip.sha256 beside the ZIP
set(CPACK_GENERATOR ZIP)
set(CPACK_SOURCE_GENERATOR "")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES OFF)  # the DLL and the programs are stripped when linked
include(CPack)

# MOLRAV.dll and the test hosts' variants of it: the service table's
# ordinals exported by a .def generated from contract/abi/host_services.h.
set(TALVENOR_SERVICE_TABLE ${PROJECT_SOURCE_DIR}/contract/abi/host_services.h)
set(TALVENOR_MOLRAV_DEF_SCRIPT ${PROJECT_SOURCE_DIR}/cmake/molrav_def.cmake)

# talvenor_services_def(OUTPUT library omit): a .def that exports the
# table's services, without the ordinals `omit`, for `library` (a DLL, or
# an EXE that exports them itself).
function(talvenor_services_def output library omit)
  string(REPLACE ";" "$<SEMICOLON>" omit "${omit}")
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DTABLE=${TALVENOR_SERVICE_TABLE} -DOUTPUT=${output} -DLIBRARY=${library} "-DOMIT=${omit}"
            -P ${TALVENOR_MOLRAV_DEF_SCRIPT}
    DEPENDS ${TALVENOR_SERVICE_TABLE} ${TALVENOR_MOLRAV_DEF_SCRIPT}
    COMMENT "Generating ${output} from the service table"
    VERBATIM)
endfunction()

# talvenor_molrav(TARGET directory omit): MOLRAV.dll lacking `omit`, written
# to `directory` under its own name (the plug-in finds the host's module by
# that name).
function(talvenor_molrav target directory omit)
  set(def ${CMAKE_CURRENT_BINARY_DIR}/${target}.def)
  talvenor_services_def(${def} MOLRAV.dll "${omit}")
  add_library(${target} SHARED ${PROJECT_SOURCE_DIR}/standin/molrav/molrav_controls.cpp ${def})
  target_link_libraries(${target} PRIVATE standin_services)
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME MOLRAV
    RUNTIME_OUTPUT_DIRECTORY ${directory} LIBRARY_OUTPUT_DIRECTORY ${directory}
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${target})
  talvenor_warnings(${target})
endfunction()

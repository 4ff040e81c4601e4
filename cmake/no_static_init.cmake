# Fails when an object needs code run before DllMain: a static initialiser
# (_GLOBAL__sub_I_*, .ctors/.init_array/.CRT$X* content), a destructor
# table, or thread-local data (.tls, or the __emutls_ variables GCC makes
# for thread_local). talvenor.dll has no start-up to run or set them up.
# cmake -DNM=nm -DOBJDUMP=objdump -DOBJECTS="a.obj;b.obj" -P no_static_init.cmake
set(found "")
foreach(object IN LISTS OBJECTS)
  execute_process(COMMAND ${NM} ${object} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${OBJDUMP} -h ${object} OUTPUT_VARIABLE sections COMMAND_ERROR_IS_FATAL ANY)
  get_filename_component(name ${object} NAME)
  string(REGEX MATCHALL "(_GLOBAL__sub_[ID]_|__emutls_v\\.)[^\n]*" initialisers "${symbols}")
  list(REMOVE_DUPLICATES initialisers)
  # objdump -h: "  Idx Name  Size ..."; an empty section (size 0) needs nothing.
  string(REGEX MATCHALL "\n *[0-9]+ (\\.ctors|\\.dtors|\\.init_array|\\.fini_array|\\.CRT\\$X|\\.tls)[^ ]* +[0-9a-f]+"
         startup "${sections}")
  foreach(item IN LISTS initialisers startup)
    string(STRIP "${item}" item)
    if(item MATCHES "^[0-9]+ ([^ ]+) +([0-9a-f]+)$")
      set(item "section ${CMAKE_MATCH_1}, 0x${CMAKE_MATCH_2} bytes")
      if(CMAKE_MATCH_2 MATCHES "^0+$")
        continue()
      endif()
    endif()
    string(APPEND found "  ${name}: ${item}\n")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "talvenor.dll runs no start-up code, but these objects need it "
                      "(a global with a constructor or destructor, or thread-local data):\n${found}")
endif()

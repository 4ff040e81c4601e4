# Warnings for the project's own code.
function(talvenor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-attributes)
endfunction()

# The plug-in's conventions: no exceptions, no RTTI, no heap.
function(talvenor_plugin_flags target)
  talvenor_warnings(${target})
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables)
endfunction()

#pragma once
// Redirects one imported function of a loaded module: the entry of
// `function` from `library` in the module's import address table is
// overwritten with `replacement`, so the module's own calls reach it. The
// module's file is not touched.
#include <windows.h>

// Returns false when the module imports no such function by name.
bool PatchImport(HMODULE module, const char* library, const char* function, const void* replacement);

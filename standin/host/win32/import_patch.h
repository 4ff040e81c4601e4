#pragma once
// Redirects imported functions of a loaded module: the slots of its import
// address table that the loader bound to `function` are overwritten with
// `replacement`, so the module's own calls reach it. The module's file is
// not touched. talhost.exe moves the plug-in's clock this way, and so do the
// tests that host the real plug-in.
#include <windows.h>

namespace standin::host {

// Only imports from `library` (compared without case), or from any library
// when it is null. Returns false when the module imports no such function
// by name, or none of its slots could be written.
bool PatchImport(HMODULE module, const char* library, const char* function, const void* replacement);

}  // namespace standin::host

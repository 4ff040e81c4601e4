// The DLL's entry point. talvenor.dll has no runtime start-up: the loader
// calls DllMain directly, which is why it must stay stdcall with these
// three arguments (the loader pops 12 bytes). What runs before it is only
// the loader's own work: the plug-in has no static initialisers or
// thread-local data, and its build refuses any.
//
// Why the binding may run here, under the loader lock: at process attach
// it calls only GetModuleHandleA and GetProcAddress, which look at modules
// already loaded and load nothing; GetModuleFileNameA, which reads the
// loader's own record of this module; and, when a service is missing,
// MessageBoxA from user32, which this module imports and the loader has
// therefore initialised before calling us. The loader lock is held by the
// thread that runs us and is re-entrant for it, so a box that user32 has
// to load a helper DLL for still works; other threads that load a DLL
// meanwhile wait until the user answers, as they would for any plug-in's
// static initialiser. Nothing here waits on another thread. Returning
// FALSE at process attach makes the host's LoadLibrary return NULL.
#if defined(_WIN32)
#include <windows.h>

#include "exports/module_entry.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  return talvenor::ModuleEntry(module, reason, reserved) != 0 ? TRUE : FALSE;
}
#endif

// A DLL that does nothing at load: the yardstick for talvenor.dll's load.
// Built like the plug-in (no runtime start-up, same size options), so the
// difference is the plug-in's own work: its image, imports and 17 probes.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

#pragma once
// A stand-in for the Windows calls the plug-in makes, for the native build.
// Each behaves as Windows does where the plug-in could notice (a cut module
// path is not terminated, wsprintfA writes at most 1024 bytes) and is
// scripted by tests through the nativewin:: controls below.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using BOOL = int;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using HMODULE = void*;
using HINSTANCE = void*;
using HWND = void*;
using LPVOID = void*;
using FARPROC = void*;

#define WINAPI
#define TRUE 1
#define FALSE 0
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_ICONERROR 0x00000010L
#define MB_TASKMODAL 0x00002000L
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define MAKEINTRESOURCEA(i) (reinterpret_cast<const char*>(static_cast<std::uintptr_t>(static_cast<std::uint16_t>(i))))

extern "C" {
DWORD GetTickCount();
HMODULE GetModuleHandleA(const char* name);
FARPROC GetProcAddress(HMODULE module, const char* nameOrOrdinal);
DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size);
char* lstrcpyA(char* destination, const char* source);
int wsprintfA(char* buffer, const char* format, ...);
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT style);
std::int64_t _time64(std::int64_t* out);
char* _itoa(int value, char* buffer, int radix);
int _access(const char* path, int mode);
}

namespace nativewin {

// Clock.
void SetTickCount(std::uint32_t ticks);
void SetWallClock(std::int64_t seconds);

// Modules: a name GetModuleHandleA finds (compared without case, ".dll"
// optional), the path GetModuleFileNameA gives, and the exports that
// GetProcAddress looks up (by ordinal, or by name for identifiers of
// 0x10000 and up). A null module handle searches the "main program".
struct Module {
  std::string name;                                   // "MOLRAV"
  std::string path;                                   // "" = GetModuleFileNameA fails
  std::function<void*(std::uint32_t ordinal)> byOrdinal;
  std::function<void*(const char* name)> byName;
};
HMODULE AddModule(Module module);  // returns its handle
void SetMainProgram(Module module);
void ClearModules();

// Message boxes: the answers MessageBoxA gives, in order (IDABORT when the
// script runs out), and what each call was given.
struct ShownMessageBox {
  std::string text;
  std::string caption;
  UINT style;
};
void ScriptMessageBoxAnswers(std::vector<int> answers);
const std::vector<ShownMessageBox>& ShownMessageBoxes();
// Called inside MessageBoxA before it answers; lets a test look around.
void OnMessageBox(std::function<void(const ShownMessageBox&)> hook);

void Reset();  // everything back to a fresh process

}  // namespace nativewin

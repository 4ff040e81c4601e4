#include "windows_stand_in.h"

#include <strings.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

struct State {
  std::uint32_t ticks = 0;
  std::int64_t wallClock = 0;
  std::vector<nativewin::Module> modules;  // handle = index + 1
  nativewin::Module mainProgram;
  std::vector<int> answers;
  std::size_t nextAnswer = 0;
  std::vector<nativewin::ShownMessageBox> shown;
  std::function<void(const nativewin::ShownMessageBox&)> onMessageBox;
};

State& state() {
  static State s;
  return s;
}

// Returns null for a handle that names no module.
nativewin::Module* ModuleOf(HMODULE handle) {
  if (handle == nullptr) return &state().mainProgram;
  const auto index = reinterpret_cast<std::uintptr_t>(handle) - 1;
  return index < state().modules.size() ? &state().modules[index] : nullptr;
}

bool SameModuleName(const std::string& registered, const char* asked) {
  std::string name = asked;
  if (name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ".dll") == 0) name.resize(name.size() - 4);
  return strcasecmp(registered.c_str(), name.c_str()) == 0;
}

}  // namespace

extern "C" {

DWORD GetTickCount() { return state().ticks; }

std::int64_t _time64(std::int64_t* out) {
  if (out != nullptr) *out = state().wallClock;
  return state().wallClock;
}

HMODULE GetModuleHandleA(const char* name) {
  if (name == nullptr) return nullptr;
  auto& modules = state().modules;
  for (std::size_t i = 0; i < modules.size(); ++i)
    if (SameModuleName(modules[i].name, name)) return reinterpret_cast<HMODULE>(i + 1);
  return nullptr;
}

FARPROC GetProcAddress(HMODULE module, const char* nameOrOrdinal) {
  nativewin::Module* m = ModuleOf(module);
  if (m == nullptr) return nullptr;
  const auto id = reinterpret_cast<std::uintptr_t>(nameOrOrdinal);
  if (id < 0x10000) return m->byOrdinal ? m->byOrdinal(static_cast<std::uint32_t>(id)) : nullptr;
  return m->byName ? m->byName(nameOrOrdinal) : nullptr;
}

// As on Windows: a path that does not fit is cut to size characters and
// left without its NUL; the result is then size.
DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size) {
  nativewin::Module* m = ModuleOf(module);
  if (m == nullptr || m->path.empty() || size == 0) return 0;
  const std::size_t length = m->path.size();
  if (length >= size) {
    std::memcpy(buffer, m->path.data(), size);
    return size;
  }
  std::memcpy(buffer, m->path.c_str(), length + 1);
  return static_cast<DWORD>(length);
}

char* lstrcpyA(char* destination, const char* source) { return std::strcpy(destination, source); }

// As on Windows: at most 1024 bytes, the NUL included.
int wsprintfA(char* buffer, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int wanted = std::vsnprintf(buffer, 1024, format, args);
  va_end(args);
  return wanted < 1024 ? wanted : 1023;
}

int MessageBoxA(HWND, const char* text, const char* caption, UINT style) {
  State& s = state();
  s.shown.push_back({text ? text : "", caption ? caption : "", style});
  if (s.onMessageBox) s.onMessageBox(s.shown.back());
  return s.nextAnswer < s.answers.size() ? s.answers[s.nextAnswer++] : IDABORT;
}

char* _itoa(int value, char* buffer, int radix) {
  if (radix == 10) {
    std::sprintf(buffer, "%d", value);
    return buffer;
  }
  char digits[40];
  int n = 0;
  auto u = static_cast<unsigned>(value);
  do {
    digits[n++] = "0123456789abcdefghijklmnopqrstuvwxyz"[u % radix];
    u /= radix;
  } while (u != 0);
  for (int i = 0; i < n; ++i) buffer[i] = digits[n - 1 - i];
  buffer[n] = '\0';
  return buffer;
}

int _access(const char* path, int mode) { return access(path, mode); }

}  // extern "C"

namespace nativewin {

void SetTickCount(std::uint32_t ticks) { state().ticks = ticks; }
void SetWallClock(std::int64_t seconds) { state().wallClock = seconds; }

HMODULE AddModule(Module module) {
  state().modules.push_back(std::move(module));
  return reinterpret_cast<HMODULE>(state().modules.size());
}
void SetMainProgram(Module module) { state().mainProgram = std::move(module); }
void ClearModules() {
  state().modules.clear();
  state().mainProgram = {};
}

void ScriptMessageBoxAnswers(std::vector<int> answers) {
  state().answers = std::move(answers);
  state().nextAnswer = 0;
}
const std::vector<ShownMessageBox>& ShownMessageBoxes() { return state().shown; }
void OnMessageBox(std::function<void(const ShownMessageBox&)> hook) { state().onMessageBox = std::move(hook); }

void Reset() { state() = State{}; }

}  // namespace nativewin

// The shipped talvenor.dll, read from disk as the Windows loader and
// Explorer read it. On Windows the DLL beside this program; natively the
// one the win32 build made, so the image is checked even where no 32-bit
// program can run.
#include <set>
#include <string>

#include "built_dll.h"

namespace {

std::string ShippedDllPath() { return dll_test::BuiltDllPath("talvenor.dll", TALVENOR_WIN32_DLL); }

class ShippedDll : public dll_test::BuiltDll {
 protected:
  void SetUp() override { Read(ShippedDllPath(), "no win32 build yet"); }
};

TEST_F(ShippedDll, IsAStrippedI686Dll) {
  EXPECT_EQ(image.machine, 0x14C) << "IMAGE_FILE_MACHINE_I386";
  EXPECT_EQ(image.optionalMagic, 0x10B) << "PE32";
  EXPECT_NE(image.characteristics & 0x2000, 0) << "IMAGE_FILE_DLL";
  EXPECT_EQ(image.symbolCount, 0u) << "release DLL must be stripped";
  for (const auto& section : image.sections) EXPECT_NE(section.rfind(".debug", 0), 0u) << section;
}

TEST_F(ShippedDll, ExportsThreeOrdinalsAndNoNames) {
  EXPECT_EQ(image.exportModuleName, "talvenor.dll");
  EXPECT_EQ(image.exportedOrdinals, (std::set<std::uint32_t>{30001, 30008, 30009}))
      << "30002 to 30007 must stay absent";
  EXPECT_TRUE(image.exportedNames.empty()) << "the host finds the exports by ordinal only";
}

// MOLRAV among them would make the load fail before the plug-in could say
// why: the host's module is found at run time.
TEST_F(ShippedDll, ImportsOnlyFromSystemDlls) {
  const std::set<std::string> allowed = {"kernel32.dll", "user32.dll", "msvcrt.dll"};
  for (const auto& name : dll_test::ImportNames(image))
    EXPECT_TRUE(allowed.count(name.substr(0, name.find('!')))) << name;
}

// Every function the DLL imports, pinned: a new import is a decision, not
// an accident. All of them exist on Windows XP, the oldest Windows the
// plug-in is meant to load on. The critical sections, TLS, VirtualQuery/
// VirtualProtect, _initterm, _lock/_unlock, calloc/free/realloc and the
// fwrite/vfprintf/_iob/abort of the error path belong to the runtime's
// DLL start-up; the rest are the plug-in's own.
TEST_F(ShippedDll, ImportsExactlyThePinnedFunctions) {
  const std::set<std::string> pinned = {
      "kernel32.dll!DeleteCriticalSection", "kernel32.dll!EnterCriticalSection", "kernel32.dll!FreeLibrary",
      "kernel32.dll!GetLastError",          "kernel32.dll!GetModuleFileNameA",   "kernel32.dll!GetModuleHandleA",
      "kernel32.dll!GetProcAddress",        "kernel32.dll!GetTickCount",         "kernel32.dll!InitializeCriticalSection",
      "kernel32.dll!LeaveCriticalSection",  "kernel32.dll!LoadLibraryA",         "kernel32.dll!Sleep",
      "kernel32.dll!TlsGetValue",           "kernel32.dll!VirtualProtect",       "kernel32.dll!VirtualQuery",
      "kernel32.dll!lstrcpyA",              "msvcrt.dll!_access",                "msvcrt.dll!_amsg_exit",
      "msvcrt.dll!_initterm",               "msvcrt.dll!_iob",                   "msvcrt.dll!_itoa",
      "msvcrt.dll!_lock",                   "msvcrt.dll!_time64",                "msvcrt.dll!_unlock",
      "msvcrt.dll!abort",                   "msvcrt.dll!atoi",                   "msvcrt.dll!calloc",
      "msvcrt.dll!free",                    "msvcrt.dll!fwrite",                 "msvcrt.dll!realloc",
      "msvcrt.dll!strlen",                  "msvcrt.dll!strncmp",                "msvcrt.dll!strncpy",
      "msvcrt.dll!strrchr",                 "msvcrt.dll!strtol",                 "msvcrt.dll!vfprintf",
      "user32.dll!MessageBoxA",             "user32.dll!wsprintfA",
  };
  const std::set<std::string> imported = dll_test::ImportNames(image);
  for (const auto& name : imported) EXPECT_TRUE(pinned.count(name)) << "new import: " << name;
  for (const auto& name : pinned) EXPECT_TRUE(imported.count(name)) << "no longer imported (unpin it): " << name;
}

TEST_F(ShippedDll, VersionResourceSaysWhatItIs) {
  EXPECT_EQ(image.versionStrings["OriginalFilename"], "talvenor.dll");
  EXPECT_FALSE(image.versionStrings["FileDescription"].empty());
  EXPECT_FALSE(image.versionStrings["FileVersion"].empty());
  EXPECT_FALSE(image.versionStrings["ProductName"].empty());
}

}  // namespace

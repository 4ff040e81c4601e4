// The shipped talvenor.dll, read from disk as the Windows loader and
// Explorer read it. It has no runtime start-up: the loader calls DllMain
// directly, so nothing but the plug-in's own code runs in the host. On
// Windows the DLL beside this program; natively the one the win32 build
// made, so the image is checked even where no 32-bit program can run.
#include <gtest/gtest.h>

#if defined(_WIN32)
#include "harness/win32/program_directory.h"
#endif

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "pe/pe_image.h"

namespace {

std::string ShippedDllPath() {
#if defined(_WIN32)
  return testing_support::ProgramDirectory() + "talvenor.dll";
#else
  return TALVENOR_WIN32_DLL;
#endif
}

class ShippedDll : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(ShippedDllPath())) GTEST_SKIP() << "no win32 build yet: " << ShippedDllPath();
    const pe::Read read = pe::ReadFile(ShippedDllPath());
    ASSERT_TRUE(read.image.has_value()) << pe::Describe(read.problem);
    image = *read.image;
  }
  pe::Image image;
};

// Stripped, no larger than 12 KB, and no TLS directory: the loader would
// run its callbacks before DllMain, and nothing here sets thread-local data
// up. No .CRT or .tls section either.
TEST_F(ShippedDll, IsAStrippedSmallI686DllWithNoStartUpBeforeDllMain) {
  EXPECT_EQ(image.machine, 0x14C) << "IMAGE_FILE_MACHINE_I386";
  EXPECT_EQ(image.optionalMagic, 0x10B) << "PE32";
  EXPECT_NE(image.characteristics & 0x2000, 0) << "IMAGE_FILE_DLL";
  EXPECT_EQ(image.symbolCount, 0u) << "release DLL must be stripped";
  EXPECT_LE(std::filesystem::file_size(ShippedDllPath()), 12288u);
  EXPECT_EQ(image.tlsDirectory, 0u);
  for (const auto& section : image.sections) {
    EXPECT_NE(section.name.rfind(".debug", 0), 0u) << section.name;
    EXPECT_NE(section.name, ".tls") << "thread-local data";
    EXPECT_NE(section.name, ".CRT") << "initialiser tables";
  }
}

TEST_F(ShippedDll, ExportsThreeOrdinalsAndNoNames) {
  EXPECT_EQ(image.exportModuleName, "talvenor.dll");
  EXPECT_EQ(image.exportedOrdinals, (std::set<std::uint32_t>{30001, 30008, 30009}))
      << "30002 to 30007 must stay absent";
  EXPECT_TRUE(image.exportedNames.empty()) << "the host finds the exports by ordinal only";
}

// Every function the DLL imports, pinned: a new import is a decision, not
// an accident. Only system DLLs: MOLRAV among them would make the load fail
// before the plug-in could say why (the host's module is found at run
// time). These are the plug-in's own calls and nothing of a runtime's
// start-up (critical sections, TLS, VirtualProtect, _initterm, calloc/free,
// an error path's fwrite/abort). Each exists in the system DLLs of Windows
// XP, the oldest Windows the host runs on: kernel32's and user32's since
// the first Win32 releases, msvcrt's _time64 since the msvcrt.dll XP ships,
// the rest since the first msvcrt.dll.
TEST_F(ShippedDll, ImportsExactlyThePluginsOwnCallsFromSystemDlls) {
  const std::set<std::string> pinned = {
      "kernel32.dll!GetModuleFileNameA", "kernel32.dll!GetModuleHandleA", "kernel32.dll!GetProcAddress",
      "kernel32.dll!GetTickCount",       "kernel32.dll!lstrcpyA",         "msvcrt.dll!_access",
      "msvcrt.dll!_itoa",                "msvcrt.dll!_time64",            "msvcrt.dll!atoi",
      "msvcrt.dll!strncpy",              "msvcrt.dll!strrchr",            "msvcrt.dll!strtol",
      "user32.dll!MessageBoxA",          "user32.dll!wsprintfA",
  };
  const std::set<std::string> imported(image.imports.begin(), image.imports.end());
  for (const auto& name : imported) EXPECT_TRUE(pinned.count(name)) << "new import: " << name;
  for (const auto& name : pinned) EXPECT_TRUE(imported.count(name)) << "no longer imported (unpin it): " << name;
  EXPECT_EQ(image.imports.size(), imported.size()) << "a function imported twice";
}

// The linker only warns when the entry symbol is misspelt and then starts
// the DLL somewhere else; the map says where DllMain@12 (stdcall, three
// arguments, the loader's shape) really is.
TEST_F(ShippedDll, EntryPointIsDllMainInExecutableCode) {
  ASSERT_NE(image.entryPoint, 0u) << "a DLL without an entry point would never bind its services";
  const pe::Section* home = nullptr;
  for (const auto& section : image.sections)
    if (image.entryPoint >= section.virtualAddress && image.entryPoint < section.virtualAddress + section.virtualSize)
      home = &section;
  ASSERT_NE(home, nullptr) << "entry point 0x" << std::hex << image.entryPoint << " lies in no section";
  EXPECT_NE(home->characteristics & 0x20, 0u) << home->name << " holds no code";
  EXPECT_NE(home->characteristics & 0x20000000u, 0u) << home->name << " is not executable";
#if !defined(_WIN32)  // the linker map is read natively only
  std::ifstream map(TALVENOR_WIN32_MAP);
  if (!map) GTEST_SKIP() << "no linker map: " << TALVENOR_WIN32_MAP;
  const std::regex symbol(R"(^\s+0x([0-9a-fA-F]+)\s+DllMain@12\s*$)");
  std::string line;
  std::smatch match;
  std::uint32_t dllMain = 0;
  while (std::getline(map, line))
    if (std::regex_match(line, match, symbol)) dllMain = static_cast<std::uint32_t>(std::stoul(match[1], nullptr, 16));
  ASSERT_NE(dllMain, 0u) << "DllMain@12 not in the map";
  EXPECT_EQ(image.imageBase + image.entryPoint, dllMain);
#endif
}

TEST_F(ShippedDll, VersionResourceSaysWhatItIs) {
  EXPECT_EQ(pe::VersionString(image, "OriginalFilename"), "talvenor.dll");
  for (const char* key : {"FileDescription", "FileVersion", "ProductName"})
    EXPECT_NE(pe::VersionString(image, key), "") << key;
}

}  // namespace

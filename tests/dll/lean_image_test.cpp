// The lean talvenor.dll (bin/lean/): the same plug-in without the runtime's
// DLL start-up, built beside the shipped one until the Windows suite has
// run against it. Read from disk like the shipped one; natively the win32
// build's copy, and its linker map tells where DllMain landed.
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "built_dll.h"

namespace {

std::string LeanDllPath() { return dll_test::BuiltDllPath("lean/talvenor.dll", TALVENOR_WIN32_LEAN_DLL); }

class LeanDll : public dll_test::BuiltDll {
 protected:
  void SetUp() override { Read(LeanDllPath(), "the lean DLL is not built (win32 preset, target talvenor_lean)"); }
};

// Swapping it in for the shipped DLL must be a copy: same name inside,
// same three ordinals, still stripped.
TEST_F(LeanDll, IsTheSameModuleByOrdinalOnly) {
  EXPECT_EQ(image.machine, 0x14C);
  EXPECT_NE(image.characteristics & 0x2000, 0) << "IMAGE_FILE_DLL";
  EXPECT_EQ(image.symbolCount, 0u) << "must be stripped";
  EXPECT_EQ(image.exportModuleName, "talvenor.dll");
  EXPECT_EQ(image.exportedOrdinals, (std::set<std::uint32_t>{30001, 30008, 30009}));
  EXPECT_TRUE(image.exportedNames.empty());
  EXPECT_EQ(image.versionStrings["OriginalFilename"], "talvenor.dll");
}

// Exactly the plug-in's own calls: none of the runtime's start-up (critical
// sections, TLS, VirtualProtect, _initterm, calloc/free, the error path's
// fwrite/abort) is left. Every one exists on Windows XP: the kernel32 and
// user32 functions since the first Win32 releases, msvcrt's _time64 since
// the msvcrt.dll that XP ships, the rest since the first msvcrt.dll.
TEST_F(LeanDll, ImportsOnlyThePluginsOwnCalls) {
  const std::set<std::string> expected = {
      "kernel32.dll!GetModuleFileNameA", "kernel32.dll!GetModuleHandleA", "kernel32.dll!GetProcAddress",
      "kernel32.dll!GetTickCount",       "kernel32.dll!lstrcpyA",         "msvcrt.dll!_access",
      "msvcrt.dll!_itoa",                "msvcrt.dll!_time64",            "msvcrt.dll!atoi",
      "msvcrt.dll!strncpy",              "msvcrt.dll!strrchr",            "msvcrt.dll!strtol",
      "user32.dll!MessageBoxA",          "user32.dll!wsprintfA",
  };
  const std::set<std::string> imported = dll_test::ImportNames(image);
  EXPECT_EQ(imported, expected);
  EXPECT_EQ(image.imports.size(), expected.size()) << "a function imported twice";
}

// No TLS directory: the loader would run its callbacks before DllMain, and
// nothing here sets thread-local data up. No .CRT or .tls either.
TEST_F(LeanDll, HasNoStartUpBeforeDllMain) {
  EXPECT_EQ(image.tlsDirectory, 0u);
  for (const auto& section : image.sections) {
    EXPECT_NE(section, ".tls") << "thread-local data";
    EXPECT_NE(section, ".CRT") << "initialiser tables";
  }
}

TEST_F(LeanDll, FitsInTwelveKilobytes) {
  EXPECT_LE(std::filesystem::file_size(LeanDllPath()), 12288u);
}

TEST_F(LeanDll, EntryPointLiesInExecutableCode) {
  ASSERT_NE(image.entryPoint, 0u) << "a DLL without an entry point would never bind its services";
  const pe::SectionHeader* home = nullptr;
  for (const auto& section : image.sectionHeaders)
    if (image.entryPoint >= section.virtualAddress && image.entryPoint < section.virtualAddress + section.virtualSize)
      home = &section;
  ASSERT_NE(home, nullptr) << "entry point 0x" << std::hex << image.entryPoint << " lies in no section";
  EXPECT_NE(home->characteristics & 0x20, 0u) << home->name << " holds no code";
  EXPECT_NE(home->characteristics & 0x20000000u, 0u) << home->name << " is not executable";
}

// The linker only warns when the entry symbol is misspelt and then starts
// the DLL somewhere else; the map says where DllMain@12 (stdcall, three
// arguments, the loader's shape) really is.
TEST_F(LeanDll, EntryPointIsDllMain) {
#if defined(_WIN32)
  GTEST_SKIP() << "the linker map is read natively only";
#else
  std::ifstream map(TALVENOR_WIN32_LEAN_MAP);
  if (!map) GTEST_SKIP() << "no linker map: " << TALVENOR_WIN32_LEAN_MAP;
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

}  // namespace

// The shipped talvenor.dll, read from disk as the Windows loader and
// Explorer read it.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "pe_image.h"

namespace {

std::string BesideThisProgram(const char* name) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH - 1);
  return (std::filesystem::path(self).parent_path() / name).string();
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

class ShippedDll : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    auto read = pe::ReadFile(BesideThisProgram("talvenor.dll"), &error);
    ASSERT_TRUE(read.has_value()) << error;
    image = *read;
  }
  pe::Image image;
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

TEST_F(ShippedDll, ImportsOnlyFromSystemDlls) {
  const std::set<std::string> allowed = {"kernel32.dll", "user32.dll", "msvcrt.dll"};
  for (const auto& import : image.imports)
    EXPECT_TRUE(allowed.count(Lower(import.module))) << import.module << " " << import.function;
}

TEST_F(ShippedDll, VersionResourceSaysWhatItIs) {
  EXPECT_EQ(image.versionStrings["OriginalFilename"], "talvenor.dll");
  EXPECT_FALSE(image.versionStrings["FileDescription"].empty());
  EXPECT_FALSE(image.versionStrings["FileVersion"].empty());
  EXPECT_FALSE(image.versionStrings["ProductName"].empty());
}

}  // namespace

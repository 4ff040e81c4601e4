#pragma once
// A DLL the win32 build made, read from disk: on Windows from beside the
// test program, natively from the win32 preset's build folder.
#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>
#endif

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "pe_image.h"

namespace dll_test {

// `besideProgram` (a path relative to this program's folder) on Windows,
// `nativePath` elsewhere.
inline std::string BuiltDllPath([[maybe_unused]] const char* besideProgram, [[maybe_unused]] const char* nativePath) {
#if defined(_WIN32)
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH - 1);
  return (std::filesystem::path(self).parent_path() / besideProgram).string();
#else
  return nativePath;
#endif
}

// "module!function", the module lower-cased as the loader compares it.
inline std::set<std::string> ImportNames(const pe::Image& image) {
  std::set<std::string> names;
  for (const auto& import : image.imports) {
    std::string module = import.module;
    std::transform(module.begin(), module.end(), module.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    names.insert(module + "!" + import.function);
  }
  return names;
}

class BuiltDll : public ::testing::Test {
 protected:
  // Reads `path` into image; skips, saying `missing`, when there is no such file.
  void Read(const std::string& path, const char* missing) {
    if (!std::filesystem::exists(path)) GTEST_SKIP() << missing << ": " << path;
    std::string error;
    auto read = pe::ReadFile(path, &error);
    ASSERT_TRUE(read.has_value()) << error;
    image = *read;
  }
  pe::Image image;
};

}  // namespace dll_test

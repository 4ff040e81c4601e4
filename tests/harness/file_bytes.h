#pragma once
// Whole files as byte strings, for tests that write settings files and
// read back what the plug-in stored. Header only: the Windows hosts of the
// end-to-end and matrix tests and the fuzz targets use it without the rest
// of the test support.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testing_support {

// Empty when the file does not exist.
inline std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testing_support

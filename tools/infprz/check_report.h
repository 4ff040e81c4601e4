#pragma once
// infprz check: whether the host program in a folder will take the
// plug-in, told before it is installed. It reads and changes nothing but
// a temporary file of its own.
#include <filesystem>
#include <iosfwd>

namespace infprz {

struct CheckRequest {
  std::filesystem::path folder;  // the host program's folder
  std::filesystem::path sums;    // SHA256SUMS.txt beside the tool; it may be missing
};

// Writes the report; returns 0 when the plug-in will load without a box
// and can save its settings, else 1.
int CheckFolder(const CheckRequest& request, std::ostream& out);

// SHA256SUMS.txt in the folder of the running program.
std::filesystem::path SumsBesideProgram();

}  // namespace infprz

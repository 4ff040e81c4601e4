#pragma once
// Runs the tool in-process, in the test's scratch directory.
#include <string>
#include <vector>

namespace infprz_test {

struct Run {
  int status;
  std::string out;
  std::string err;
};

Run Infprz(const std::vector<std::string>& args, const std::string& standardInput = "");

}  // namespace infprz_test

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "child_process.h"
#include "matrix_roles.h"

namespace matrix {

namespace {
std::vector<std::string> g_arguments;
}

std::string ChildArgument(const std::string& name) {
  const std::string prefix = "--" + name + "=";
  for (const std::string& argument : g_arguments)
    if (argument.rfind(prefix, 0) == 0) return argument.substr(prefix.size());
  return "";
}

}  // namespace matrix

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], matrix::kHoldFlag) == 0) return matrix::HoldFiles(argc - 2, argv + 2);
  testing::InitGoogleTest(&argc, argv);
  bool child = false;
  for (int i = 1; i < argc; ++i) {
    child = child || std::strcmp(argv[i], matrix::kChildFlag) == 0;
    matrix::g_arguments.emplace_back(argv[i]);
  }
  if (!child) {
    // The child tests run only in processes of their own.
    std::string filter = GTEST_FLAG_GET(filter);
    filter += filter.find('-') == std::string::npos ? "-*Child.*" : ":*Child.*";
    GTEST_FLAG_SET(filter, filter);
  }
  return RUN_ALL_TESTS();
}

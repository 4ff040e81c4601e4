#include "support/win32/child_tests.h"

#include <gtest/gtest.h>

#include <cstring>

#include "harness/win32/program_directory.h"

namespace testing_support {

namespace {

constexpr unsigned long kChildTestTimeoutMs = 120000;
constexpr char kChildFlag[] = "--child";

std::vector<std::string> g_arguments;

}  // namespace

ChildRun RunChildTest(const std::string& filter, const std::vector<std::string>& arguments,
                      const std::filesystem::path& directory) {
  std::string command = Quoted(ProgramPath()) + " --gtest_filter=" + filter + " " + kChildFlag;
  for (const std::string& argument : arguments) command.append(" ").append(Quoted(argument));
  return RunChild(command, directory, kChildTestTimeoutMs);
}

int RunTestsWithChildren(int argc, char** argv, const char* childSuites) {
  testing::InitGoogleTest(&argc, argv);
  bool child = false;
  for (int i = 1; i < argc; ++i) {
    child = child || std::strcmp(argv[i], kChildFlag) == 0;
    g_arguments.emplace_back(argv[i]);
  }
  if (!child) {
    // The child tests run only in processes of their own.
    const std::string children = std::string("*") + childSuites + ".*";
    std::string filter = GTEST_FLAG_GET(filter);
    filter += (filter.find('-') == std::string::npos ? "-" : ":") + children;
    GTEST_FLAG_SET(filter, filter);
  }
  return RUN_ALL_TESTS();
}

std::string ChildArgument(const std::string& name) {
  const std::string prefix = "--" + name + "=";
  for (const std::string& argument : g_arguments)
    if (argument.rfind(prefix, 0) == 0) return argument.substr(prefix.size());
  return "";
}

}  // namespace testing_support

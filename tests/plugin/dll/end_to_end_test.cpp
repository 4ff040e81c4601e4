// The stories of the real talvenor.dll, each in a fresh process (see
// harness/win32/child_process.h) and working directory. Started by ctest this
// program runs EndToEnd.EveryStory, which starts it again with --child and a
// filter naming one story (a test of a suite ending in Story).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/win32/child_tests.h"

namespace {

TEST(EndToEnd, EveryStory) {
  const testing::UnitTest& program = *testing::UnitTest::GetInstance();
  int stories = 0;
  for (int s = 0; s < program.total_test_suite_count(); ++s) {
    const testing::TestSuite& suite = *program.GetTestSuite(s);
    if (!std::string(suite.name()).ends_with("Story")) continue;
    for (int t = 0; t < suite.total_test_count(); ++t, ++stories) {
      const std::string story = std::string(suite.name()) + "." + suite.GetTestInfo(t)->name();
      const std::filesystem::path scratch = testing_support::NewScratchDirectory("e2e");
      const testing_support::ChildRun run = testing_support::RunChildTest(story, {}, scratch);
      EXPECT_TRUE(run.passed) << "story " << story << " (directory kept: " << scratch << "):\n" << run.output;
      std::error_code ignored;
      if (run.passed) std::filesystem::remove_all(scratch, ignored);
    }
  }
  EXPECT_GT(stories, 0) << "no story found";
}

}  // namespace

int main(int argc, char** argv) { return testing_support::RunTestsWithChildren(argc, argv, "Story"); }

// One program, two roles. Started by ctest it runs the EndToEnd tests,
// each of which starts this program again for its stories; started with
// --e2e-story it is the host of the one story its filter names.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "story_runner.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  bool story = false;
  for (int i = 1; i < argc; ++i) story = story || std::strcmp(argv[i], e2e::kStoryFlag) == 0;
  if (!story) {
    // The stories run only in processes of their own.
    std::string filter = GTEST_FLAG_GET(filter);
    filter += filter.find('-') == std::string::npos ? "-*Story.*" : ":*Story.*";
    GTEST_FLAG_SET(filter, filter);
  }
  return RUN_ALL_TESTS();
}

#include "test_host.h"

namespace testing_support {

void HostTest::SetUp() {
  scratch = directory.emplace("test").path();
  ASSERT_TRUE(StartHost(frontEnd));
}

void HostTest::TearDown() {
  Host().frontEnd = nullptr;
  directory.reset();
}

}  // namespace testing_support

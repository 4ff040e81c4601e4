#pragma once
// What every test needs around the plug-in's code: the stand-in host of
// plugin_host.h, started fresh for each test with a scripted front end in a
// scratch directory that is the current directory for the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "harness/plugin_host.h"
#include "harness/settings_file_bytes.h"

namespace testing_support {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scratch = directory.emplace("test").path();
    ASSERT_TRUE(StartHost(frontEnd));
  }
  void TearDown() override {
    Host().frontEnd = nullptr;
    directory.reset();
  }

  standin::ScriptedFrontEnd frontEnd;
  std::filesystem::path scratch;

 private:
  std::optional<ScratchDirectory> directory;
};

}  // namespace testing_support

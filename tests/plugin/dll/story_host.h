#pragma once
// One story's host, inside the child process that runs it: the stand-in's
// services from MOLRAV.dll (linked, so loaded before the plug-in), the
// real talvenor.dll from beside this program, its clock redirected to
// values the story sets (see support/win32/real_plugin_host.h).
#include <gtest/gtest.h>

#include <string>

#include "contract/abi/host_services.h"
#include "harness/win32/plugin_service_slots.h"
#include "support/win32/real_plugin_host.h"

namespace e2e {

using namespace testing_support;

class Story : public ::testing::Test, public RealPluginHost {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadHost(ProgramDirectory() + "MOLRAV.dll"));
    // By name, as a host does: the loader finds the one built beside us.
    ASSERT_TRUE(LoadPlugin()) << "LoadLibrary(\"talvenor.dll\") failed, error " << GetLastError();
    char path[MAX_PATH] = "";
    GetModuleFileNameA(plugin, path, MAX_PATH);
    ASSERT_EQ(std::string(path), ProgramDirectory() + "talvenor.dll") << "loaded some other talvenor.dll";
    ASSERT_TRUE(host->calls.empty()) << "the load itself calls no host service, it only binds them";
    ASSERT_EQ(FindServiceSlots(plugin, molrav).size(), std::size_t{talvenor::kServiceCount})
        << "every service slot holds MOLRAV's export";
    ASSERT_TRUE(RedirectClock()) << "talvenor.dll no longer imports GetTickCount and _time64: the stories cannot move its clock";
  }
  void TearDown() override {
    EXPECT_TRUE(frontEnd.dialogActions.empty()) << frontEnd.dialogActions.size() << " scripted dialog(s) never ran";
  }
};

}  // namespace e2e

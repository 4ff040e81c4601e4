#pragma once
// What every test needs around the plug-in's code: the stand-in host's
// services bound into the plug-in's slots (from MOLRAV.dll on Windows, from
// the linked library natively), a scripted front end, a scratch working
// directory, and the scripted clock.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "services/host_services_impl.h"
#include "support/scripted_front_end.h"
#include "support/file_bytes.h"

namespace testing_support {

// The stand-in host's state, wherever its services live in this build. On
// Windows the services run inside MOLRAV.dll, so tests reach their state
// only through here, never through standin::State().
standin::HostState& Host();
// A fresh host (version 112, flags 0, no hook, no calls); keeps the front end.
void ResetHost();

// Registers MOLRAV (natively) and fills every plug-in slot with the stand-in's
// export of that ordinal.
void BindAllServices();

// The scripted clock the plug-in reads (both builds).
void SetTickCount(std::uint32_t ticks);
void SetWallClock(std::int64_t seconds);

// Recorded calls in their readable form, optionally only of one service.
std::vector<std::string> CallTexts(const std::string& onlyService = "");


// A fresh host, bound slots and a scripted front end, run in a fresh
// scratch directory that is the current directory for the test.
class HostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  standin::ScriptedFrontEnd frontEnd;
  std::filesystem::path scratch;

 private:
  std::filesystem::path previousDirectory;
};

}  // namespace testing_support

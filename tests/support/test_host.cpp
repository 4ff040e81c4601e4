#include "test_host.h"

#include <fstream>
#include <iterator>
#include <random>

#include "shell/platform.h"
#include "shell/service_slots.h"

#if defined(_WIN32)
extern "C" __declspec(dllimport) standin::HostState* StandinControls();
#endif

namespace testing_support {

namespace {
std::uint32_t g_ticks = 0;
std::int64_t g_wallClock = 0;
}  // namespace

#if defined(_WIN32)
standin::HostState& Host() { return *StandinControls(); }
#else
standin::HostState& Host() { return standin::State(); }
#endif

void ResetHost() {
  standin::FrontEnd* frontEnd = Host().frontEnd;
  Host() = standin::HostState{};
  Host().frontEnd = frontEnd;
}

void BindAllServices() {
#if !defined(_WIN32)
  if (GetModuleHandleA("MOLRAV") == nullptr)
    nativewin::AddModule({"MOLRAV", "", [](std::uint32_t ordinal) { return standin::ServiceByOrdinal(ordinal); }, nullptr});
#endif
  HMODULE molrav = GetModuleHandleA("MOLRAV");
  ASSERT_NE(molrav, nullptr) << "MOLRAV is not loaded";
  for (int i = 0; i < talvenor::kServiceCount; ++i) {
    serviceSlots[i] = reinterpret_cast<void*>(GetProcAddress(molrav, MAKEINTRESOURCEA(talvenor::kHostServices[i].ordinal)));
    ASSERT_NE(serviceSlots[i], nullptr) << "MOLRAV lacks " << talvenor::kHostServices[i].ordinal;
  }
}

void SetTickCount(std::uint32_t ticks) {
  g_ticks = ticks;
#if !defined(_WIN32)
  nativewin::SetTickCount(ticks);
#endif
}

void SetWallClock(std::int64_t seconds) {
  g_wallClock = seconds;
#if !defined(_WIN32)
  nativewin::SetWallClock(seconds);
#endif
}

std::vector<std::string> CallTexts(const std::string& onlyService) {
  std::vector<std::string> texts;
  for (const auto& call : Host().calls)
    if (onlyService.empty() || call.name == onlyService) texts.push_back(call.text);
  return texts;
}

void HostTest::SetUp() {
  previousDirectory = std::filesystem::current_path();
  std::random_device random;
  scratch = std::filesystem::temp_directory_path() / ("talvenor-test-" + std::to_string(random()));
  std::filesystem::create_directories(scratch);
  std::filesystem::current_path(scratch);
  ResetHost();
  Host().frontEnd = &frontEnd;
  BindAllServices();
  SetTickCount(0);
  SetWallClock(0);
}

void HostTest::TearDown() {
  Host().frontEnd = nullptr;
  std::filesystem::current_path(previousDirectory);
  std::error_code ignored;
  std::filesystem::remove_all(scratch, ignored);
}

}  // namespace testing_support

#if defined(_WIN32) && defined(TALVENOR_SCRIPTED_CLOCK)
// The plug-in's clock seam in Windows unit tests.
namespace talvenor::platform {
std::uint32_t TickCount() { return testing_support::g_ticks; }
std::int64_t WallClock() { return testing_support::g_wallClock; }
}  // namespace talvenor::platform
#endif

// The load-time binding against a scripted platform: modules the test
// registers, message boxes the test answers. What each test proves is what
// the user would see, or what the host's LoadLibrary would get.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "exports/module_entry.h"
#include "harness/scripted_front_end.h"
#include "services/code_pages.h"
#include "services/host_services_impl.h"
#include "shell/binding_error.h"
#include "shell/first_call_entries.h"
#include "shell/platform.h"
#include "shell/service_binding.h"
#include "shell/service_slots.h"
#include "text/plugin_description.h"

namespace {

using namespace talvenor;

constexpr char kPluginPath[] = "C:\\Host\\Wtyczki\\talvenor.dll";

// The box's message before conversion, written out from what the user is
// to read (Mazovia bytes; the 0x01/0x02 marks already spaces).
std::string ExpectedMessage(const std::string& modulePath, const std::string& identifier) {
  return "W module  " + modulePath + " \nbrak wpisu  " + identifier + " \nWywo\x92" "ano z wtyczki  " +
         std::string(PluginDescription.data()) +
         " .\n\nB\x92\x86" "d ten mo\xA7" "na zignorowa\x8D lecz dalsza praca\n"
         "programu w tych warunkach mo\xA7" "e by\x8D niebezpieczna.\n\n"
         "Konieczna jest aktualizacja programu!";
}
const std::string kTitleMazovia = "POWA\xA1NY B\x9C\x8F" "D WTYCZKI";
const std::string kTitle1250 = "POWA\xAFNY B\xA3\xA5" "D WTYCZKI";

// HostConvertText as the host has it, but keeping what it was given.
std::vector<std::string> g_converted;
bool g_convertedInPlace = true;
std::int32_t RecordingConvertText(const char* source, char* destination, std::int32_t from, std::int32_t to) {
  g_converted.emplace_back(source);
  g_convertedInPlace = g_convertedInPlace && source == destination && from == 1 && to == 3;
  return standin::StandinHostConvertText(source, destination, from, to);
}

class LoadBinding : public ::testing::Test {
 protected:
  void SetUp() override {
    nativewin::Reset();
    standin::ResetState();
    std::memcpy(serviceSlots, kFirstCallEntries, sizeof serviceSlots);
    ownModule = nullptr;
    hostModule = nullptr;
    molrav = nullptr;
    ignoreAll = 0;
    g_converted.clear();
    g_convertedInPlace = true;
    missing.clear();
    lookups.clear();
  }
  void TearDown() override {
    nativewin::Reset();  // drops the lookups that point into this fixture
  }

  // MOLRAV with every service but `missing`; counts every lookup.
  void RegisterHost(std::set<std::uint32_t> missingOrdinals) {
    missing = std::move(missingOrdinals);
    molrav = nativewin::AddModule({"MOLRAV", "C:\\Host\\MOLRAV.DLL", [this](std::uint32_t ordinal) { return Lookup(ordinal); },
                                   nullptr});
  }
  void RegisterPlugin(const std::string& path = kPluginPath) {
    plugin = nativewin::AddModule({"talvenor", path, nullptr, nullptr});
  }
  void* Lookup(std::uint32_t ordinal) {
    ++lookups[ordinal];
    if (missing.count(ordinal) != 0) return nullptr;
    if (ordinal == 52158) return reinterpret_cast<void*>(&RecordingConvertText);
    return standin::ServiceByOrdinal(ordinal);
  }
  std::int32_t Load() { return ModuleEntry(plugin, DLL_PROCESS_ATTACH, nullptr); }
  const std::vector<nativewin::ShownMessageBox>& Boxes() { return nativewin::ShownMessageBoxes(); }

  std::set<std::uint32_t> missing;
  std::map<std::uint32_t, int> lookups;
  HMODULE molrav = nullptr;
  HMODULE plugin = nullptr;
};

// Without MOLRAV the lookups search the host's main program.
TEST_F(LoadBinding, HostWithEveryServiceLoadsWithoutBoxAndEverySlotHoldsItsExport) {
  for (const bool inMolrav : {true, false}) {
    SetUp();
    RegisterPlugin();
    if (inMolrav)
      RegisterHost({});
    else
      nativewin::SetMainProgram(
          {"host", "C:\\Host\\host.exe", [this](std::uint32_t ordinal) { return Lookup(ordinal); }, nullptr});
    EXPECT_EQ(Load(), 1);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(ownModule, plugin);
    EXPECT_EQ(hostModule, molrav) << "null for the main program";
    for (int i = 0; i < kServiceCount; ++i) {
      const std::uint32_t ordinal = kHostServices[i].ordinal;
      EXPECT_EQ(lookups[ordinal], 1) << ordinal;
      void* expected =
          ordinal == 52158 ? reinterpret_cast<void*>(&RecordingConvertText) : standin::ServiceByOrdinal(ordinal);
      EXPECT_EQ(serviceSlots[i], expected) << "slot of " << ordinal;
    }
  }
}

// Retry shows the same box again, without looking the service up again.
// The module path in the message shows mark bytes as spaces, is cut to 299
// characters, or reads "<nieznany>" when GetModuleFileNameA fails.
TEST_F(LoadBinding, MissingServiceShowsOneBoxWithExactTextsUntilAbortFailsTheLoad) {
  const std::string longPath = "C:\\" + std::string(400, 'd') + "\\talvenor.dll";
  const std::pair<std::string, std::string> paths[] = {
      {kPluginPath, kPluginPath},
      {"C:\\a\x01" "b\x02" "c\\talvenor.dll", "C:\\a b c\\talvenor.dll"},
      {longPath, longPath.substr(0, 299)},
      {"", "<nieznany>"},
  };
  for (const auto& [path, shown] : paths) {
    SetUp();
    RegisterPlugin(path);
    RegisterHost({38417});
    nativewin::ScriptMessageBoxAnswers({IDRETRY, IDRETRY, IDABORT});
    EXPECT_EQ(Load(), 0) << "the host's LoadLibrary must get NULL";
    ASSERT_EQ(g_converted.size(), 2u) << "the texts are converted once, not again per Retry";
    EXPECT_EQ(g_converted[0], ExpectedMessage(shown, "38417"));
    EXPECT_EQ(g_converted[1], kTitleMazovia);
    EXPECT_TRUE(g_convertedInPlace) << "texts go through HostConvertText in place, code 1 to 3";
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_NE(Boxes()[0].text.find("Wywo\xB3" "ano"), std::string::npos) << "MessageBoxA gets the converted message";
    for (const auto& box : Boxes()) {
      EXPECT_EQ(box.text, Boxes()[0].text);
      EXPECT_EQ(box.caption, kTitle1250) << "and the converted title";
      EXPECT_EQ(box.style, 0x2012u) << "Abort/Retry/Ignore, error icon, task-modal";
    }
    EXPECT_EQ(lookups[38417], 1);
    EXPECT_EQ(serviceSlots[HostService38417Slot], nullptr);
    EXPECT_EQ(lookups[52171], 0) << "no probe runs after the first that fails";
    EXPECT_EQ(serviceSlots[HostSoundSlot], kFirstCallEntries[HostSoundSlot]);
  }
}

TEST_F(LoadBinding, IgnoreGivesAMissingServiceTheStubOfWhatItsCallersPassOrFailsTheLoad) {
  const struct {
    std::uint32_t missing;
    int slot;
    ServiceSlot fallback;
    std::int32_t load;
    const char* why;
  } cases[] = {
      {38417, HostService38417Slot, nullptr, 0, "digits 17 give no fallback"},
      {52028, HostMessageBoxSlot, FallbackStub[3], 1, "HostMessageBox: 12 bytes, not the 28 its digits suggest"},
      {52308, HostFileWriteSlot, nullptr, 0, "HostFileWrite: a do-nothing write would empty the settings file"},
  };
  for (const auto& c : cases) {
    SetUp();
    RegisterPlugin();
    RegisterHost({c.missing});
    nativewin::ScriptMessageBoxAnswers({IDIGNORE});
    EXPECT_EQ(Load(), c.load) << c.why;
    EXPECT_EQ(Boxes().size(), 1u) << c.why;
    EXPECT_EQ(ignoreAll, 1) << c.why;
    EXPECT_EQ(serviceSlots[c.slot], c.fallback) << c.why;
  }
}

TEST_F(LoadBinding, IgnoreHoldsForLaterMissesAndTheirFallbacksReturnZero) {
  RegisterPlugin();
  RegisterHost({32300, 30204});
  nativewin::ScriptMessageBoxAnswers({IDIGNORE});
  EXPECT_EQ(Load(), 1);
  ASSERT_EQ(Boxes().size(), 1u) << "30204 gets its fallback without a second box";
  EXPECT_EQ(g_converted[0], ExpectedMessage(kPluginPath, "32300"));
  EXPECT_EQ(serviceSlots[HostGetStateFlagsSlot], FallbackStub[0]);
  EXPECT_EQ(serviceSlots[HostTodayTextSlot], FallbackStub[1]);
  standin::State().stateFlags = 0x8001;
  EXPECT_EQ(HostGetStateFlags(), 0);
  char today[12];
  std::memset(today, 'X', sizeof today);
  EXPECT_EQ(HostTodayText(today), 0);
  EXPECT_EQ(std::string(today, sizeof today), std::string(12, 'X')) << "a fallback leaves the buffer alone";
}

// At Abort the load ends there; at Ignore it goes on, and 52158's own
// probe repeats the lookup.
TEST_F(LoadBinding, BoxForAnEarlierServiceBindsHostConvertTextOnTheSpotAndItsProbeLooksAgain) {
  const struct {
    std::uint32_t missing;
    int answer;
    std::int32_t load;
    int lookupsAfter;
  } cases[] = {{52029, IDABORT, 0, 1}, {52028, IDIGNORE, 1, 2},
               {52028, IDABORT, 0, 1}};  // Abort fails the load though 52028 has a fallback
  for (const auto& c : cases) {
    SetUp();
    RegisterPlugin();
    RegisterHost({c.missing});
    bool boundAtBox = false;
    nativewin::OnMessageBox([&](const nativewin::ShownMessageBox&) {
      boundAtBox = serviceSlots[HostConvertTextSlot] == reinterpret_cast<void*>(&RecordingConvertText);
      EXPECT_EQ(lookups[52158], 1) << c.missing;
    });
    nativewin::ScriptMessageBoxAnswers({c.answer});
    EXPECT_EQ(Load(), c.load) << c.missing;
    EXPECT_TRUE(boundAtBox) << c.missing;
    EXPECT_EQ(lookups[52158], c.lookupsAfter) << c.missing;
    EXPECT_EQ(Boxes()[0].caption, kTitle1250) << c.missing;
  }
}

TEST_F(LoadBinding, MissingHostConvertTextLeavesBoxesUnconvertedAndNestsNoDeeperThanOne) {
  RegisterPlugin();
  RegisterHost({52028, 52158});
  // The box for 52028 binds 52158 to convert its texts; that lookup fails
  // and shows 52158's own box (Abort), after which 52028's box is shown
  // unconverted and ignored; 52158's probe then fails the load quietly.
  nativewin::ScriptMessageBoxAnswers({IDABORT, IDIGNORE});
  EXPECT_EQ(Load(), 0);
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[0].text, ExpectedMessage(kPluginPath, "52158"));
  EXPECT_EQ(Boxes()[1].text, ExpectedMessage(kPluginPath, "52028"));
  EXPECT_EQ(Boxes()[1].caption, kTitleMazovia);
  EXPECT_EQ(lookups[52158], 2);
  EXPECT_EQ(serviceSlots[HostMessageBoxSlot], FallbackStub[3]);
  EXPECT_EQ(serviceSlots[HostConvertTextSlot], nullptr);
}

TEST_F(LoadBinding, ThreadAndDetachNotificationsDoNothingAndReportSuccess) {
  RegisterPlugin();
  RegisterHost({38417});
  for (std::uint32_t reason : {DLL_THREAD_ATTACH, DLL_THREAD_DETACH, DLL_PROCESS_DETACH}) {
    EXPECT_EQ(ModuleEntry(plugin, reason, nullptr), 1) << "reason " << reason;
    EXPECT_EQ(EarlyAttach(plugin, reason, nullptr), 1) << "reason " << reason;
  }
  EXPECT_EQ(ownModule, nullptr);
  EXPECT_EQ(hostModule, nullptr);
  EXPECT_TRUE(lookups.empty());
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(std::memcmp(serviceSlots, kFirstCallEntries, sizeof serviceSlots), 0);
}

// A service left without entry returns 0 at its first call instead of
// calling null.
TEST_F(LoadBinding, FirstCallBindsAndPassesEveryArgumentThroughOrReturnsZero) {
  RegisterPlugin();
  RegisterHost({52534, 30308});
  EarlyAttach(plugin, DLL_PROCESS_ATTACH, nullptr);
  standin::ScriptedFrontEnd frontEnd;
  standin::State().frontEnd = &frontEnd;
  // Seven arguments: registers and the stack, with a variable list.
  HostMessageBoxF("T", "%s|%s|%s|%s", 0xC001, "a", "b", "c", "d");
  ASSERT_EQ(frontEnd.messages.size(), 1u);
  EXPECT_EQ(frontEnd.messages[0].text, "a|b|c|d");
  EXPECT_EQ(serviceSlots[HostMessageBoxFSlot], standin::ServiceByOrdinal(52029));
  EXPECT_EQ(HostDaysBetween("20260302", "20260227"), 3);
  EXPECT_EQ(serviceSlots[HostDaysBetweenSlot], standin::ServiceByOrdinal(30908));
  standin::State().frontEnd = nullptr;

  ignoreAll = 1;
  EXPECT_EQ(HostFileOpen("infprz.dat", "rb", 0x40, 0, -1), nullptr);
  EXPECT_EQ(serviceSlots[HostFileOpenSlot], nullptr);
  char now[9] = "xx:xx:xx";
  EXPECT_EQ(HostNowText(now, 0), 0);
  EXPECT_EQ(serviceSlots[HostNowTextSlot], FallbackStub[2]);
  EXPECT_TRUE(Boxes().empty());
}

}  // namespace

// The real talvenor.dll loaded the way the host loads it, each load in a
// process of its own (load_scenario_child), beside MOLRAV.dll variants
// built without chosen services. The boxes are the real MessageBoxA,
// read and answered by the child. Texts are compared as bytes: the box
// gets Windows-1250 bytes, which Wine hands back unchanged whatever its
// own ANSI code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "contract/host_constants.h"
#include "harness/win32/child_process.h"
#include "harness/win32/program_directory.h"
#include "services/code_pages.h"
#include "text/plugin_description.h"

namespace {

using testing_support::ErrorOutput;
using testing_support::ProgramDirectory;
using testing_support::Quoted;

struct LoadReport {
  std::string pluginPath;
  struct Box {
    std::string caption, text, buttons;
  };
  std::vector<Box> boxes;
  bool unscriptedBox = false;
  std::string load;                // "ok" or "failed"
  std::vector<std::string> slots;  // "host" or "own", in slot order
  std::string stateFlags;
  std::string todayText;  // hex
};

std::string FromHex(const std::string& hex) {
  if (hex == "-") return "";
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

// Runs one load in a child process; fails the test if it hangs or breaks.
LoadReport RunLoad(const std::string& molrav, const std::string& answers) {
  const std::string command =
      Quoted(ProgramDirectory() + "load_scenario_child.exe") + " " + Quoted(molrav) + " " + answers;
  const testing_support::ChildRun run = testing_support::RunChild(command, {}, 60000, ErrorOutput::Parents);
  EXPECT_TRUE(run.ended) << "the load did not end: " << command << "\n" << run.output;
  EXPECT_EQ(run.exitCode, 0u) << command << "\n" << run.output;

  LoadReport report;
  std::istringstream lines(run.output);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string what;
    words >> what;
    if (what == "plugin") {
      std::string hex;
      words >> hex;
      report.pluginPath = FromHex(hex);
    } else if (what == "box") {
      std::string caption, text, buttons;
      words >> caption >> text >> buttons;
      report.boxes.push_back({FromHex(caption), FromHex(text), buttons});
    } else if (what == "unscripted-box") {
      report.unscriptedBox = true;
    } else if (what == "load") {
      words >> report.load;
    } else if (what == "slots") {
      for (std::string kind; words >> kind;) report.slots.push_back(kind);
    } else if (what == "stateflags") {
      words >> report.stateFlags;
    } else if (what == "todaytext") {
      words >> report.todayText;
    }
  }
  return report;
}

std::string Variant(const std::string& name) { return ProgramDirectory() + "molrav-" + name + "\\MOLRAV.dll"; }

std::string To1250(std::string mazovia) {
  standin::ConvertText(mazovia.data(), mazovia.data(), talvenor::kCodeMazovia, talvenor::kCodeWindows1250);
  return mazovia;
}

// What the user reads, in the Windows code page the box was given.
std::string ExpectedMessage(const std::string& modulePath, const std::string& ordinal) {
  return To1250("W module  " + modulePath + " \nbrak wpisu  " + ordinal + " \nWywo\x92" "ano z wtyczki  " +
                std::string(talvenor::PluginDescription.data()) +
                " .\n\nB\x92\x86" "d ten mo\xA7" "na zignorowa\x8D lecz dalsza praca\n"
                "programu w tych warunkach mo\xA7" "e by\x8D niebezpieczna.\n\n"
                "Konieczna jest aktualizacja programu!");
}
const std::string kTitle1250 = "POWA\xAFNY B\xA3\xA5" "D WTYCZKI";

std::vector<std::string> AllFromHost() { return std::vector<std::string>(17, "host"); }

TEST(LoadScenarios, HostWithEveryServiceLoadsWithoutBoxAndBindsEveryExport) {
  const LoadReport report = RunLoad(ProgramDirectory() + "MOLRAV.dll", "-");
  EXPECT_TRUE(report.boxes.empty());
  EXPECT_EQ(report.load, "ok");
  EXPECT_EQ(report.slots, AllFromHost());
  EXPECT_EQ(report.stateFlags, std::to_string(0x8001)) << "the host's own flags";
}

TEST(LoadScenarios, MissingServiceBoxNamesThePluginAndTheOrdinalAndRetryShowsItAgain) {
  const LoadReport report = RunLoad(Variant("no38417"), "RA");
  ASSERT_EQ(report.boxes.size(), 2u);
  EXPECT_FALSE(report.unscriptedBox);
  EXPECT_NE(report.pluginPath.find("talvenor.dll"), std::string::npos);
  for (const auto& box : report.boxes) {
    EXPECT_EQ(box.caption, kTitle1250);
    EXPECT_EQ(box.text, ExpectedMessage(report.pluginPath, "38417"));
    EXPECT_EQ(box.buttons, "ARI");
  }
  EXPECT_EQ(report.load, "failed") << "Abort: LoadLibrary must return NULL";
}

TEST(LoadScenarios, IgnoreForAServiceWithoutFallbackStillFailsTheLoad) {
  const LoadReport report = RunLoad(Variant("no38417"), "I");
  EXPECT_EQ(report.boxes.size(), 1u);
  EXPECT_FALSE(report.unscriptedBox);
  EXPECT_EQ(report.load, "failed");
}

TEST(LoadScenarios, OneIgnoreCoversLaterMissesAndTheirFallbacksReturnZero) {
  const LoadReport report = RunLoad(Variant("no32300-30204"), "I");
  ASSERT_EQ(report.boxes.size(), 1u);
  EXPECT_FALSE(report.unscriptedBox) << "no second box for 30204";
  EXPECT_EQ(report.boxes[0].text, ExpectedMessage(report.pluginPath, "32300"));
  EXPECT_EQ(report.load, "ok");
  std::vector<std::string> expected = AllFromHost();
  expected[5] = expected[9] = "own";  // 32300 and 30204: the plug-in's fallbacks
  EXPECT_EQ(report.slots, expected);
  EXPECT_EQ(report.stateFlags, "0") << "HostGetStateFlags through its slot";
  EXPECT_EQ(report.todayText, "585858585858585858585858") << "HostTodayText through its slot leaves the buffer alone";
}

TEST(LoadScenarios, HostWhoseProgramExportsTheServicesItselfBindsWithoutMolrav) {
  const LoadReport report = RunLoad("-", "-");
  EXPECT_TRUE(report.boxes.empty());
  EXPECT_EQ(report.load, "ok");
  EXPECT_EQ(report.slots, AllFromHost()) << "the program's own exports, found through the empty module handle";
}

}  // namespace

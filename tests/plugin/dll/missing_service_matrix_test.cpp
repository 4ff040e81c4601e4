// Every host service missing from MOLRAV.dll in turn, each answered Abort,
// Retry then Abort, or Ignore, and every service with a fallback missing at
// once: the real plug-in loaded by a host process of its own for each cell.
// The parent prints the matrix; each cell's child checks the boxes, the
// load, and where the load succeeds a day's work with the stubs in place.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "contract/abi/host_services.h"
#include "harness/stack_measure.h"
#include "harness/win32/message_box_answerer.h"
#include "harness/win32/plugin_service_slots.h"
#include "plugin_process.h"
#include "services/code_pages.h"
#include "text/texts.h"

namespace matrix {
namespace {

using Ordinals = std::vector<std::uint32_t>;

// The services whose missing entry gets a do-nothing stub at Ignore, in
// slot order; any other missing service fails the load.
const Ordinals kWithFallbacks = {52028, 32300, 32408, 30204, 30308, 30908};

bool Has(const Ordinals& ordinals, std::uint32_t ordinal) {
  return std::find(ordinals.begin(), ordinals.end(), ordinal) != ordinals.end();
}

bool LoadSucceeds(const Ordinals& missing, const std::string& answers) {
  return answers.back() == 'I' &&
         std::all_of(missing.begin(), missing.end(),
                     [](std::uint32_t ordinal) { return Has(kWithFallbacks, ordinal); });
}

// What a variant of MOLRAV.dll lacks, by its folder's name: matrix-molrav-<ordinal>, or
// matrix-molrav-fallbacks lacking every service with a fallback.
Ordinals MissingFrom(const std::string& variant) {
  const std::string which = variant.substr(variant.rfind('-') + 1);
  return which == "fallbacks" ? kWithFallbacks : Ordinals{static_cast<std::uint32_t>(std::stoul(which))};
}

std::uint32_t FirstInSlotOrder(const Ordinals& ordinals) {
  for (const auto& service : talvenor::kHostServices)
    if (Has(ordinals, service.ordinal)) return service.ordinal;
  return 0;
}

// --- The child: one cell -----------------------------------------------

// What the user reads: Windows-1250 bytes, or the Mazovia bytes themselves
// when HostConvertText is what is missing.
std::string AsShown(std::string mazovia, std::uint32_t ordinal) {
  if (ordinal != 52158)
    standin::ConvertText(mazovia.data(), mazovia.data(), talvenor::kCodeMazovia, talvenor::kCodeWindows1250);
  return mazovia;
}

std::string ExpectedMessage(const std::string& pluginPath, std::uint32_t ordinal) {
  return AsShown(std::string(TALVENOR_MAZOVIA("W module  ").data()) + pluginPath +
                     TALVENOR_MAZOVIA(" \nbrak wpisu  ").data() + std::to_string(ordinal) +
                     TALVENOR_MAZOVIA(" \nWywołano z wtyczki  ").data() + talvenor::text::kPluginDescription.data() +
                     TALVENOR_MAZOVIA(" .\n\nBłąd ten można zignorować lecz dalsza praca\n"
                                      "programu w tych warunkach może być niebezpieczna.\n\n"
                                      "Konieczna jest aktualizacja programu!")
                         .data(),
                 ordinal);
}

// The services the plug-in now calls through a stub: each must remove what
// its callers pass, and answer 0.
void CheckStubs(PluginProcess& process, const Ordinals& missing) {
  const std::vector<std::uintptr_t> slots = testing_support::FindServiceSlots(process.plugin, process.molrav);
  ASSERT_EQ(slots.size(), static_cast<std::size_t>(talvenor::kServiceCount)) << "the plug-in's service slots";
  for (int i = 0; i < talvenor::kServiceCount; ++i) {
    const talvenor::HostServiceInfo& service = talvenor::kHostServices[i];
    const bool fromHost =
        slots[i] == reinterpret_cast<std::uintptr_t>(GetProcAddress(process.molrav, MAKEINTRESOURCEA(service.ordinal)));
    EXPECT_EQ(fromHost, !Has(missing, service.ordinal)) << service.name;
    if (fromHost) continue;
    const std::vector<StackWord> arguments(service.argumentBytes / 4, 0x5A5A5A5Au);
    MeasuredResult measured{};
    MeasuredCall(reinterpret_cast<const void*>(slots[i]), arguments.data(),
                 static_cast<std::uint32_t>(arguments.size()), &measured);
    EXPECT_EQ(measured.popped, ExpectedPop(service.pops == talvenor::ArgumentPopper::Callee ? service.argumentBytes : 0u))
        << service.name << "'s fallback must remove what its callers pass";
    EXPECT_EQ(measured.result, 0u) << service.name << "'s fallback";
  }
}

// A first start, a reminder falling due, and Shift-F10, with the stubs in
// place: what each missing service takes away, and nothing more.
void RunTheDay(PluginProcess& process, const Ordinals& missing) {
  ASSERT_TRUE(process.RedirectClock()) << "talvenor.dll no longer imports GetTickCount and _time64 by name";
  EXPECT_EQ(process.Attach(), 0);
  EXPECT_EQ(process.Start(), 0);
  EXPECT_TRUE(FileExists(kMarkerFile));
  std::vector<std::string> messages;
  if (!Has(missing, 52028)) messages.push_back("notice");
  EXPECT_EQ(process.Messages(), messages) << "first start";

  const talvenor::ReminderSettings settings = DueEveryMinute();
  WriteFileBytes(kSettingsFile, SettingsFileBytes(settings));
  process.PressUntilDue();
  // Without today's date no row governs, unless no day count is asked
  // either (the stub's 0 makes every row start today); without the time of
  // day the window 08:00 to 16:00 lets nothing through.
  const bool reminded = (!Has(missing, 30204) || Has(missing, 30908)) && !Has(missing, 30308);
  std::vector<std::int32_t> dialogs;
  talvenor::ReminderSettings before = settings;  // what the file holds at Shift-F10
  if (reminded) {
    dialogs.push_back(talvenor::kReminderDialog);
    EXPECT_EQ(process.frontEnd.tones.size(), 20u) << "one burst; the right password was typed";
    EXPECT_EQ(process.flagHeldInReminder, !Has(missing, 32408)) << "flag 0x8000 while the reminder is open";
    if (!Has(missing, 52028)) messages.push_back("switched-off");
    before.enabled = 0;
  } else {
    EXPECT_TRUE(process.frontEnd.tones.empty());
  }
  EXPECT_EQ(process.frontEnd.dialogsRun, dialogs) << "the reminder check";
  EXPECT_EQ(process.Messages(), messages) << "the reminder check";
  EXPECT_EQ(ReadFileBytes(kSettingsFile), SettingsFileBytes(before)) << "after the reminder check";

  EXPECT_EQ(process.Press(kShiftF10), kConsumed);
  dialogs.push_back(talvenor::kPasswordDialog);
  dialogs.push_back(talvenor::kConfigurationDialog);
  EXPECT_EQ(process.frontEnd.dialogsRun, dialogs) << "Shift-F10";
  EXPECT_EQ(process.Messages(), messages) << "Shift-F10";
  EXPECT_EQ(ReadFileBytes(kSettingsFile), SettingsFileBytes(Configured(before))) << "after Shift-F10";
  EXPECT_EQ(process.host->stateFlags, kHostFlags) << "the host's flags as they were";
}

TEST(MissingServiceCellChild, Run) {
  const std::string variant = ChildArgument("variant");
  const std::string answers = ChildArgument("answers");
  ASSERT_FALSE(variant.empty());
  ASSERT_FALSE(answers.empty());
  const Ordinals missing = MissingFrom(variant);
  PluginProcess process;
  const std::string molrav = ProgramDirectory() + variant + "\\MOLRAV.dll";
  ASSERT_TRUE(process.LoadHost(molrav)) << "cannot load " << molrav;
  testing_support::AnswerBoxes(answers);

  const bool loaded = process.LoadPlugin();

  EXPECT_EQ(loaded, LoadSucceeds(missing, answers));
  // One box, for the first missing service, shown once more for each Retry.
  const std::uint32_t first = FirstInSlotOrder(missing);
  const auto boxes = testing_support::AnsweredBoxes();
  ASSERT_EQ(boxes.size(), answers.size());
  for (const auto& box : boxes) {
    EXPECT_TRUE(box.scripted);
    EXPECT_EQ(box.caption, AsShown(talvenor::text::kBindingErrorTitle.data(), first));
    EXPECT_EQ(box.text, ExpectedMessage(ProgramDirectory() + "talvenor.dll", first));
    EXPECT_EQ(box.buttons, "ARI");
  }
  if (!loaded) return;

  CheckStubs(process, missing);
  RunTheDay(process, missing);
  EXPECT_EQ(testing_support::AnsweredBoxes().size(), answers.size()) << "no box after the load";
}

// --- The parent: the matrix ----------------------------------------------

// Runs one cell in a child of its own; says how it went, for the matrix.
std::string RunCell(const std::string& label, const std::string& variant, const std::string& answers) {
  const std::filesystem::path directory = NewScratchDirectory("matrix");
  const ChildRun run =
      RunChildTest("MissingServiceCellChild.Run", {"--variant=" + variant, "--answers=" + answers}, directory);
  std::error_code ignored;
  std::filesystem::remove_all(directory, ignored);
  EXPECT_TRUE(run.passed) << label << ", answers " << answers << ":\n" << run.output;
  const bool loads = LoadSucceeds(MissingFrom(variant), answers);
  return std::string(loads ? "loads" : "fails") + (run.passed ? " ok" : " FAILED");
}

TEST(MissingServiceMatrix, EveryServiceMissingUnderEveryAnswer) {
  std::string table = "missing-service matrix (load result as expected / cell passed):\n";
  char line[160];
  auto addRow = [&](const std::string& label, const std::string& variant, const std::string& retry) {
    const std::string abort = RunCell(label, variant, "A");
    const std::string retried = RunCell(label, variant, retry) + (retry == "RI" ? " (R, I)" : "");
    const std::string ignore = RunCell(label, variant, "I");
    std::snprintf(line, sizeof line, "  %-28s %-16s %-16s %s\n", label.c_str(), abort.c_str(), retried.c_str(),
                  ignore.c_str());
    table += line;
  };
  std::snprintf(line, sizeof line, "  %-28s %-16s %-16s %s\n", "missing", "Abort", "Retry, Abort", "Ignore");
  table += line;
  for (const auto& service : talvenor::kHostServices)
    addRow(std::to_string(service.ordinal) + " " + service.name, "matrix-molrav-" + std::to_string(service.ordinal),
           "RA");
  addRow("all " + std::to_string(kWithFallbacks.size()) + " with fallbacks", "matrix-molrav-fallbacks", "RI");
  std::printf("%s", table.c_str());
  std::fflush(stdout);
}

}  // namespace
}  // namespace matrix

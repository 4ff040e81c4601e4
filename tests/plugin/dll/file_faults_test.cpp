// The settings file and the first-run marker out of the plug-in's reach,
// with the real talvenor.dll in a host process of its own: a working
// directory where nothing can be written, directories in the files'
// places, and another program holding the files open. Nothing may crash,
// and nothing that was stored may be lost; what the user sees is checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "plugin_process.h"

namespace matrix {
namespace {

using Dialogs = std::vector<std::int32_t>;
constexpr std::int32_t kReminder = talvenor::kReminderDialog;
constexpr std::int32_t kPasswordAsked = talvenor::kPasswordDialog;
constexpr std::int32_t kConfiguration = talvenor::kConfigurationDialog;

// --- The children: one start of the host each ---------------------------

class FileFaultChild : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(process.LoadHost(ProgramDirectory() + "MOLRAV.dll"));
    ASSERT_TRUE(process.LoadPlugin());
    ASSERT_TRUE(process.RedirectClock());
    ASSERT_EQ(process.Attach(), 0);
    ASSERT_EQ(process.Start(), 0);
  }

  int Opens(const std::string& mode) const {
    int opens = 0;
    for (const auto& open : process.CallTexts("HostFileOpen")) opens += open.find('"' + mode + '"') != std::string::npos;
    return opens;
  }

  PluginProcess process;
};

// The settings can be read but not written: the reminder comes and the right
// password is taken, but it cannot be switched off: a notice says it stays
// on, and it comes again; the configuration opens, and a notice says its
// changes were not saved. The first-run marker is there only where it can
// be made.
TEST_F(FileFaultChild, NothingCanBeWritten) {
  const bool markerCanBeMade = ChildArgument("marker") == "can-be-made";
  EXPECT_EQ(FileExists(kMarkerFile), markerCanBeMade);
  EXPECT_EQ(process.Messages(), std::vector<std::string>{"notice"}) << "the notice at this start";
  const std::string stored = ReadFileBytes(kSettingsFile);
  ASSERT_EQ(stored, SettingsFileBytes(DueEveryMinute()));

  process.PressUntilDue();
  EXPECT_EQ(process.frontEnd.dialogsRun, Dialogs{kReminder});
  EXPECT_EQ(process.frontEnd.tones.size(), 20u) << "no second burst: the password was right";
  EXPECT_EQ(process.Messages(), (std::vector<std::string>{"notice", "stays-on"}));
  process.PressUntilDue();
  EXPECT_EQ(process.frontEnd.dialogsRun, (Dialogs{kReminder, kReminder})) << "still on a minute later";

  EXPECT_EQ(process.Press(kShiftF10), kConsumed);
  EXPECT_EQ(process.frontEnd.dialogsRun, (Dialogs{kReminder, kReminder, kPasswordAsked, kConfiguration}));
  EXPECT_EQ(process.Messages(), (std::vector<std::string>{"notice", "stays-on", "stays-on", "not-saved"}));
  EXPECT_EQ(Opens("wb"), 4) << "the marker, two switch-offs and the configuration's save, all tried";
  EXPECT_EQ(ReadFileBytes(kSettingsFile), stored);
  EXPECT_EQ(process.host->stateFlags, kHostFlags);
}

// Nothing stored and nothing can be: the configuration opens over an empty
// record every time, and each time a notice says it was not saved.
TEST_F(FileFaultChild, NothingStoredAndNothingCanBe) {
  EXPECT_FALSE(FileExists(kMarkerFile));
  EXPECT_EQ(process.Messages(), std::vector<std::string>{"notice"});
  process.PressUntilDue();
  EXPECT_TRUE(process.frontEnd.dialogsRun.empty());
  EXPECT_EQ(process.Press(kShiftF10), kConsumed);
  EXPECT_EQ(process.Press(kShiftF10), kConsumed);
  EXPECT_EQ(process.frontEnd.dialogsRun, (Dialogs{kConfiguration, kConfiguration})) << "no password: none was kept";
  EXPECT_FALSE(FileExists(kSettingsFile));
  EXPECT_EQ(process.Messages(), (std::vector<std::string>{"notice", "not-saved", "not-saved"}));
}

// The settings cannot be read (locked, or a directory in their place): no
// reminder, and Shift-F10 opens nothing rather than overwrite them with an
// empty record, and says they cannot be read. The marker's name is there,
// so no first-run notice.
TEST_F(FileFaultChild, NothingCanBeRead) {
  EXPECT_TRUE(process.Messages().empty()) << "the marker's name is taken: no notice";
  process.PressUntilDue();
  EXPECT_EQ(Opens("rb"), 2) << "two checks tried to read the settings";
  EXPECT_TRUE(process.frontEnd.tones.empty());
  EXPECT_EQ(process.Press(kShiftF10), kConsumed) << "the key is consumed all the same";
  EXPECT_EQ(Opens("rb"), 3);
  EXPECT_TRUE(process.frontEnd.dialogsRun.empty());
  EXPECT_EQ(Opens("wb"), 0) << "nothing written over them";
  EXPECT_EQ(process.Messages(), std::vector<std::string>{"unreadable"});
  EXPECT_EQ(process.host->stateFlags, kHostFlags);
}

// Once the fault is gone: the reminder is switched off and saved, and the
// configuration behind its password saves its changes.
TEST_F(FileFaultChild, EverythingWorksAgain) {
  process.PressUntilDue();
  EXPECT_EQ(process.Press(kShiftF10), kConsumed);
  EXPECT_EQ(process.frontEnd.dialogsRun, (Dialogs{kReminder, kPasswordAsked, kConfiguration}));
  EXPECT_EQ(process.Messages(), std::vector<std::string>{"switched-off"});
  talvenor::ReminderSettings off = DueEveryMinute();
  off.enabled = 0;
  EXPECT_EQ(ReadFileBytes(kSettingsFile), SettingsFileBytes(Configured(off)));
}

// --- The parents: each fault made, one start or more under it ------------

void StartHost(const std::string& test, const std::filesystem::path& directory,
               const std::vector<std::string>& arguments = {}) {
  const ChildRun run = RunChildTest("FileFaultChild." + test, arguments, directory);
  EXPECT_TRUE(run.passed) << test << " in " << directory << ":\n" << run.output;
}

std::string UnixPath(const std::filesystem::path& windowsPath) {
  std::string path = windowsPath.string();
  if (path.size() >= 2 && (path[0] == 'Z' || path[0] == 'z') && path[1] == ':') path.erase(0, 2);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

// Runs a shell script on the Linux side and waits for it. Wine starts an
// ELF file named in a command line as it is, but detached: no process
// handle comes back, so the script says it has finished by creating a file.
bool RunUnixScript(const std::string& script, const std::filesystem::path& doneFile) {
  std::error_code error;
  std::filesystem::remove(doneFile, error);
  std::string command = "Z:\\bin\\sh -c \"" + script + "; touch " + UnixPath(doneFile) + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  for (int waited = 0; waited < 200 && !std::filesystem::exists(doneFile); ++waited) Sleep(50);
  return std::filesystem::remove(doneFile, error);
}

// Whether a file can still be made in `directory`, or one there opened for
// writing.
bool CanWriteIn(const std::filesystem::path& directory) {
  std::vector<std::filesystem::path> files = {directory / "probe.tmp"};  // made, then removed
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(directory, error))
    if (entry.is_regular_file()) files.push_back(entry.path());
  for (const auto& file : files) {
    HANDLE handle = CreateFileA(file.string().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                file == files[0] ? CREATE_NEW : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) continue;
    CloseHandle(handle);
    if (file == files[0]) DeleteFileA(file.string().c_str());
    return true;
  }
  return false;
}

// Runs `starts` in a working directory where nothing can be created or
// written, as on a read-only share, made with the Linux tools under Wine.
// Neither Wine's read-only attribute nor, for root, the Unix permission
// bits keep a program from writing: the immutable flag (chattr +i, root)
// does, the permission bits do for anyone else. Both are set on the
// directory (under Z:\tmp, the Unix /tmp) and everything in it, and taken
// off again after. False, with the directory removed and nothing run, when
// it could not be made read-only.
template <typename Starts>
bool WhileReadOnly(const std::filesystem::path& directory, Starts starts) {
  const std::string path = UnixPath(directory);
  const std::filesystem::path done = directory.string() + ".done";
  // Either may fail: chattr without root, chmod stopping nobody as root.
  RunUnixScript("chmod -R a-w " + path + "; chattr -R +i " + path + " 2>/dev/null", done);
  const bool held = !CanWriteIn(directory);
  if (held) starts();
  RunUnixScript("chattr -R -i " + path + " 2>/dev/null; chmod -R u+w " + path, done);
  if (!held) std::filesystem::remove_all(directory);
  return held;
}

// Runs `start` while this process, to the child host another program,
// holds `files` of `directory` open: sharing nothing, or letting others
// only read. False, with nothing run, when they could not be opened.
template <typename Start>
bool WhileHeld(const std::filesystem::path& directory, const std::vector<std::string>& files, bool othersMayRead,
               Start start) {
  std::vector<HANDLE> handles;
  for (const std::string& file : files)
    handles.push_back(CreateFileA((directory / file).string().c_str(),
                                  GENERIC_READ | (othersMayRead ? 0 : GENERIC_WRITE),
                                  othersMayRead ? FILE_SHARE_READ : 0, nullptr, OPEN_EXISTING, 0, nullptr));
  const bool held = std::count(handles.begin(), handles.end(), INVALID_HANDLE_VALUE) == 0;
  if (held) start();
  for (HANDLE handle : handles)
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  return held;
}

// With the settings stored, and with nothing: at every start the notice
// again, and the directory holds what it held.
TEST(FileFaults, AReadOnlyWorkingDirectoryLosesNothingAndShowsTheNoticeAtEveryStart) {
  const std::string stored = SettingsFileBytes(DueEveryMinute());
  for (const bool withSettings : {true, false}) {
    const std::filesystem::path directory = NewScratchDirectory("readonly", "Z:\\tmp");
    if (withSettings) WriteFileBytes(directory / kSettingsFile, stored);
    const std::string child = withSettings ? "NothingCanBeWritten" : "NothingStoredAndNothingCanBe";
    if (!WhileReadOnly(directory, [&] {
          for (int start = 0; start < 2; ++start) StartHost(child, directory, {"--marker=cannot-be-made"});
        }))
      GTEST_SKIP() << "cannot make a directory read-only here: "
                      "root needs chattr +i on ext2/3/4, anyone else chmod";
    if (withSettings)
      EXPECT_EQ(ReadFileBytes(directory / kSettingsFile), stored);
    else
      EXPECT_TRUE(std::filesystem::is_empty(directory));
    std::filesystem::remove_all(directory);
  }
}

TEST(FileFaults, DirectoriesInTheFilesPlacesAreLeftAlone) {
  const std::filesystem::path directory = NewScratchDirectory("directories");
  std::filesystem::create_directory(directory / kSettingsFile);
  std::filesystem::create_directory(directory / kMarkerFile);
  StartHost("NothingCanBeRead", directory);
  EXPECT_TRUE(std::filesystem::is_directory(directory / kSettingsFile));
  EXPECT_TRUE(std::filesystem::is_empty(directory / kSettingsFile));
  EXPECT_TRUE(std::filesystem::is_directory(directory / kMarkerFile));
  std::filesystem::remove_all(directory);
}

// Held with no sharing, the files can be neither read nor overwritten;
// letting others only read, the settings cannot be written. Once the other
// program lets go, everything works again.
TEST(FileFaults, FilesAnotherProgramHoldsOpenStayAsTheyWere) {
  const struct {
    std::vector<std::string> held;
    bool othersMayRead;
    const char* child;
  } cases[] = {
      {{kSettingsFile, kMarkerFile}, false, "NothingCanBeRead"},
      {{kSettingsFile}, true, "NothingCanBeWritten"},
  };
  const std::string stored = SettingsFileBytes(DueEveryMinute());
  for (const auto& c : cases) {
    const std::filesystem::path directory = NewScratchDirectory("held");
    for (const std::string& file : c.held) WriteFileBytes(directory / file, file == kSettingsFile ? stored : "");
    EXPECT_TRUE(WhileHeld(directory, c.held, c.othersMayRead,
                          [&] { StartHost(c.child, directory, {"--marker=can-be-made"}); }))
        << c.child << ": cannot hold the files open";
    EXPECT_EQ(ReadFileBytes(directory / kSettingsFile), stored) << c.child;
    StartHost("EverythingWorksAgain", directory);
    std::filesystem::remove_all(directory);
  }
}

}  // namespace
}  // namespace matrix

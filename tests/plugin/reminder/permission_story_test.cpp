// The settings file and its folder as a user whom the permissions bind:
// run as root, each story forks and drops to `nobody` in the child, in a
// scratch folder that nobody may enter and read but not write, and drives
// the plug-in there (natively the host's file services are the real
// fopen). The child reports what the user saw through a pipe.
#include "support/key_hook_fixture.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <sstream>
#include <vector>

#include "harness/run_as_user.h"
#include "text/texts.h"

namespace keyhook_test {
namespace {

constexpr char kSkip[] = "skip";

class PermissionStory : public KeyHookTest {
 protected:
  void SetUp() override {
    KeyHookTest::SetUp();
    if (geteuid() != 0) GTEST_SKIP() << "needs root to drop to nobody; as this user the permissions may not bind";
    ASSERT_EQ(chmod(scratch.c_str(), 0755), 0);  // nobody may enter and read, not write
  }

  // What the user saw: "dialog N", "tones N" and each notice's text.
  std::vector<std::string> Seen() const {
    std::vector<std::string> seen;
    for (const std::int32_t number : frontEnd.dialogsRun) seen.push_back("dialog " + std::to_string(number));
    seen.push_back("tones " + std::to_string(frontEnd.tones.size()));
    for (const auto& message : frontEnd.messages) seen.push_back(message.text);
    return seen;
  }

  // Runs `story` as nobody in a child; returns its lines, or {kSkip} when
  // the permissions do not bind there.
  std::vector<std::string> AsNobody(const std::function<void()>& story) {
    const auto run = testing_support::RunAsUser([&](std::string& report) {
      if (access(".", W_OK) == 0 || access("infprz.dat", W_OK) == 0) {
        report = std::string(kSkip) + "\n";
      } else {
        story();
        for (const std::string& line : Seen()) report += line + "\n";
      }
      return 0;
    });
    if (!run.becameUser) return {"could not become nobody"};
    EXPECT_TRUE(run.exited && run.status == 0) << "the child ended badly";
    std::vector<std::string> lines;
    std::istringstream in(run.report);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  // `ls -l` of the file, with full times, as the user would look.
  static std::string Listing(const char* name) {
    const std::string command = std::string("ls -l --time-style=full-iso ") + name + " 2>/dev/null";
    std::FILE* ls = popen(command.c_str(), "r");
    std::string out;
    char buffer[256];
    while (ls != nullptr && std::fgets(buffer, sizeof buffer, ls) != nullptr) out += buffer;
    if (ls != nullptr) pclose(ls);
    return out;
  }
};

const std::string kNotSaved = talvenor::text::kSettingsNotSaved.data();
const std::string kStaysOn = talvenor::text::kReminderStaysOn.data();
const std::string kUnreadable = talvenor::text::kSettingsUnreadable.data();

// Each story leaves infprz.dat byte for byte and stamp for stamp as it was.
// A read-only file: the right password at a due reminder is told that the
// reminder stays on, and it does; an edited configuration is told it was not
// saved. A folder the user cannot write and no file yet: the configuration
// opens empty, and what was typed is said to be lost instead of silently
// gone. A file nobody may read: Shift-F10 says so and opens nothing.
TEST_F(PermissionStory, WhatTheUserIsToldAndTheFileLeftAsItWas) {
  const struct {
    const char* what;
    int fileMode;  // -1: no file
    std::function<void()> story;
    std::vector<std::string> seen;
  } stories[] = {
      {"a read-only file", 0444,
       [this] {
         CheckAt(12, 0, 0);
         frontEnd.dialogActions.push_back(Type("kawa"));
         CheckAt(12, 1, 0);  // due: the right password
         frontEnd.dialogActions.push_back(Leave());
         CheckAt(12, 2, 0);  // one interval later it comes again
         frontEnd.dialogActions.push_back(Type("kawa"));
         EditTheText();
         Press(kShiftF10);
       },
       // 20 tones at each reminder and a second burst for the one left without a password
       {"dialog 3", "dialog 3", "dialog 1", "dialog 2", "tones 60", kStaysOn, kNotSaved}},
      {"an unwritable folder and no file", -1,
       [this] {
         EditTheText();
         Press(kShiftF10);
       },
       {"dialog 2", "tones 0", kNotSaved}},
      {"an unreadable file", 0000, [this] { Press(kShiftF10); }, {"tones 0", kUnreadable}},
  };
  for (const auto& s : stories) {
    SCOPED_TRACE(s.what);
    std::filesystem::remove("infprz.dat");
    if (s.fileMode >= 0) {
      StoreSettings(Settings(Row(kToday, 1), "kawa"));
      ASSERT_EQ(chmod("infprz.dat", static_cast<mode_t>(s.fileMode)), 0);
    }
    const std::string bytes = StoredBytes();
    const std::string listing = Listing("infprz.dat");
    const std::vector<std::string> seen = AsNobody(s.story);
    if (seen == std::vector<std::string>{kSkip}) GTEST_SKIP() << "nobody can write here: the permissions do not bind";
    EXPECT_EQ(seen, s.seen);
    EXPECT_EQ(StoredBytes(), bytes);
    EXPECT_EQ(Listing("infprz.dat"), listing) << "an empty listing: no file";
  }
}

}  // namespace
}  // namespace keyhook_test
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "harness/settings_file_bytes.h"
#include "infprz_run.h"
#include "reminder/reminder_settings.h"
#include "support/test_host.h"

namespace {

using infprz_test::Infprz;
using infprz_test::ShellQuotes;
using namespace testing_support;

const std::vector<std::string> kFullSet = {
    "set", "--text",     "Proszę zapłacić za licencję.\nDział kadr", "--row", "2", "--start-date", "09.12.2026",
    "--interval", "-30", "--from", "08:00:00", "--to", "16:30:00", "--password", "Żółw", "--on", "--create"};

class InfprzCommands : public testing_support::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    ASSERT_EQ(Infprz(kFullSet).status, 0);
  }
};

TEST_F(InfprzCommands, ShowPrintsTheRecordAndTheTextInItsLines) {
  const auto shown = Infprz({"show"});
  EXPECT_EQ(shown.status, 0) << shown.err;
  EXPECT_EQ(shown.out.substr(0, shown.out.find("Today ")),
            "Reminder:  on\n"
            "Password:  set (--show-password shows it)\n"
            "Text:\n"
            "  1 | Proszę zapłacić za licencję.\n"
            "  2 | Dział kadr\n"
            "Schedule:\n"
            "  row  start date  interval    from      to\n"
            "  1    not in use\n"
            "  2    09.12.2026  -30 min     08:00:00  16:30:00\n"
            "  3    not in use\n");
  EXPECT_EQ(shown.err, "");
  EXPECT_NE(Infprz({"show", "--show-password"}).out.find("Password:  \"Żółw\"\n"), std::string::npos);
  EXPECT_EQ(Infprz({"show", "--json"}).out.find("Żółw"), std::string::npos) << "the password only when asked for";
}

TEST_F(InfprzCommands, ImportTakesHandWrittenJsonAndKeepsALeftOutPassword) {
  WriteFileBytes(
      "rollout.json",
      R"({"enabled": false, "text": "Linia\nDruga", "rows": [{"startDate": "1.2.2027", "intervalMinutes": 5}]})");
  ASSERT_EQ(Infprz({"import", "rollout.json"}).status, 0);
  const std::string shown = Infprz({"show", "--show-password"}).out;
  EXPECT_EQ(shown.substr(0, shown.find("Today ")),
            "Reminder:  off\n"
            "Password:  \"Żółw\"\n"
            "Text:\n"
            "  1 | Linia\n"
            "  2 | Druga\n"
            "Schedule:\n"
            "  row  start date  interval    from      to\n"
            "  1    01.02.2027  5 min       -         -\n"
            "  2    not in use\n"
            "  3    not in use\n");
  Infprz({"import", "-"}, R"({"password": ""})");
  EXPECT_NE(Infprz({"show"}).out.find("Password:  none"), std::string::npos);
}

TEST_F(InfprzCommands, EveryRefusedValueExitsWithTwoAndLeavesTheFileAlone) {
  const std::string before = ReadFileBytes("infprz.dat");
  const std::string tooLong(481, 'x');
  std::string nineLines;  // short lines, but each break fills its line: 481 once wrapped
  for (int i = 0; i < 8; ++i) nineLines += "a\n";
  nineLines += "b";
  struct Refusal {
    std::vector<std::string> args;
    std::string message, input = "";  // standard input
  };
  const Refusal refused[] = {
      {{"set", "--text", "Cena 5 €"}, "\"€\" (U+20AC)"},
      {{"set", "--text", tooLong}, "the text does not fit: it is 481 characters, at most 480 (8 lines of 60 columns)"},
      {{"set", "--text", nineLines}, "the text does not fit: it takes 9 lines of 60 columns, at most 8"},
      {{"set", "--text", "a\tb"}, "control character U+0009"},
      {{"set", "--password", "123456789012345678901"}, "at most 20"},
      {{"set", "--password", "€"}, "(U+20AC)"},
      {{"set", "--row", "1", "--interval", "32768"}, "outside -32767 to 32767"},
      {{"set", "--row", "1", "--interval", "-32768"}, "outside -32767 to 32767"},
      {{"set", "--row", "1", "--interval", "5m"}, "not a whole number"},
      {{"set", "--row", "1", "--from", "24:00:00"}, "not a time of day"},
      {{"set", "--row", "1", "--to", "8:0"}, "not a time of day"},
      {{"set", "--row", "1", "--start-date", "30.02.2026"},
       "start date \"30.02.2026\" does not exist: February 2026 has 28 days; nothing written"},
      {{"set", "--row", "1", "--start-date", "1.2.26"}, "\"1.2.26\" is not a date; write DD.MM.YYYY"},
      {{"set", "--row", "1", "--start-date", "2026-13-09"}, "does not exist: there is no month 13: months are 1 to 12"},
      {{"set", "--row", "1", "--start-date", "29.02.2100"}, "does not exist: February 2100 has 28 days"},
      {{"set", "--row", "1", "--start-date", "0.4.2026"}, "does not exist: there is no day 0"},
      {{"set", "--row", "1", "--start-date", "00001231"}, "does not exist: year 0 is outside 1 to 9999"},
      {{"set", "--row", "1", "--from", "8"}, "not a time of day"},
      {{"set", "--password", "--on"}, "--password=--on"},
      {{"set", "--row", "4", "--interval", "5"}, "no row 4"},
      {{"set", "--row", "0", "--interval", "5"}, "no row 0"},
      {{"set", "--interval", "5"}, "requires --row"},
      {{"set", "--row", "1"}, "needs --start-date"},
      {{"set", "--on", "--off"}, "--on and --off cannot be given together"},
      {{"set", "--text", "ok", "--row", "1", "--from", "25:00:00"}, "not a time of day"},
      {{"shwo"},
       ShellQuotes("unknown command \"shwo\"; the commands are show, import, set, clear-password, init and check\n"
                   "infprz: `infprz --help` lists the commands and options")},
      {{}, "a command is needed"},
      {{"--json", "show"}, "--json comes after the command"},
      {{"show", "--foo"}, ShellQuotes("unknown option --foo for show\ninfprz: `infprz show --help` lists its options")},
      {{"show", "--on"}, "unknown option --on for show"},
      {{"show", "-x"}, "unknown option -x for show"},
      {{"set", "--on=yes"}, "--on takes no value"},
      {{"set", "--text"}, "--text needs a value (an empty one: --text=)"},
      {{"set", "--on", "--on"}, "--on is given more than once"},
      {{"set", "--row", "x", "--interval", "5"}, "--row takes a row number, 1 to 3"},
      {{"set", "--text", "a", "--text-file", "b"}, "--text and --text-file cannot be given together"},
      {{"show", "a.dat", "b.dat"}, "unexpected \"b.dat\" (one settings file per command"},
      // A value stands as typed in its quotes; only what the C runtime reads otherwise is escaped.
      {{"show", "C:\\Programy", "Host\\infprz.dat"}, "unexpected \"Host\\infprz.dat\" ("},
      {{"show", "a", "say \"hi\"\\"}, "unexpected \"say \\\"hi\\\"\\\\\" ("},
      {{"show", "a", "tab\there\x1B[2J"}, "unexpected \"tab<U+0009>here<U+001B>[2J\" ("},
      {{"import"}, "import needs the JSON file to read"},
      {{"import", "-"}, "not valid JSON: line 1, column 2", R"({)"},
      {{"import", "-"}, "unknown key \"pasword\"", R"({"pasword": "x"})"},
      {{"import", "-"}, "row 1: \"intervalMinutes\" must be a whole number", R"({"rows": [{"intervalMinutes": "5"}]})"},
      {{"import", "-"}, "row 1: start date", R"({"rows": [{"startDate": "13.13.2026"}]})"},
      {{"import", "-"}, "at most 3 rows", R"({"rows": [{}, {}, {}, {}]})"},
      {{"import", "-"}, "interval 18446744073709551615 is", R"({"rows": [{"intervalMinutes": 18446744073709551615}]})"},
      {{"import", "-"}, "not valid JSON: line 1, column 17: \"}\" was not expected", R"({"text": "żółw",})"},
      {{"import", "-"}, "line 1, column 10: \"ż\" was not expected", R"({"text": ż})"},
      {{"set", "--row=", "--interval", "5"}, "--row takes a row number, 1 to 3"},
  };
  for (const auto& [args, message, input] : refused) {
    const auto run = Infprz(args, input);
    EXPECT_EQ(run.status, 2) << message;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_EQ(ReadFileBytes("infprz.dat"), before) << "refused: " << run.err;
  }
}

// What each value becomes in the record the plug-in loads from the file.
TEST_F(InfprzCommands, EveryAcceptedValueLandsInItsBytes) {
  using namespace std::string_literals;
  const std::string a470(470, 'a'), spaces(10, ' ');
  const std::vector<std::tuple<std::vector<std::string>, std::size_t, std::string>> stored = {
      {{"set", "--text", "Zapłać\nteraz"}, 0, "Zap\x92\x61\x8D" + std::string(54, ' ') + "teraz\0"s},  // flowed
      {{"set", "--text", "a\n\n\n"}, 0, "a\0"s},  // the line breaks that end a text are no layout
      {{"set", "--text", a470 + spaces}, 0, a470 + spaces + '\0'},
      {{"set", "--row", "1", "--start-date", "29.02.2000"}, 481, "20000229\0"s},
      {{"set", "--row", "1", "--start-date", "31.08.2026"}, 481, "20260831\0"s},
      {{"set", "--row", "1", "--start-date="}, 481, std::string(9, '\0')},  // out of use, nothing of the date left
      {{"set", "--row", "3", "--start-date", "20261209"}, 539, "20261209\0"s},
      {{"set", "--row", "3", "--interval", "+5", "--from", "7:30"}, 548, "\x05\0" "07:30:00\0"s},
      {{"set", "--row", "3", "--to", "23:59:59"}, 559, "23:59:59\0"s},
      {{"set", "--password", "hasło"}, 568, "has\x92o\0"s},
      {{"set", "--password=--on"}, 568, "--on\0"s},
      {{"set", "--password", "/?"}, 568, "/?\0"s},  // a value, not a request for help
      {{"set", "--off"}, 589, "\0\0"s},
      {{"import", "crlf.json"}, 0, "a\r" + std::string(58, ' ') + "b\0"s},  // a damaged file's CR before a break kept
      {{"import", "1mb.json"}, 0, "b\0"s},  // input up to the limit, 1 MB, is taken
      {{"set", "--row", "1", "--interval", "32767"}, 490, "\xFF\x7F"s},
      {{"set", "--row", "1", "--interval", "-32767"}, 490, "\x01\x80"s},
  };
  WriteFileBytes("crlf.json", R"({"text": "a\r\nb"})" + std::string(2000, ' '));  // not only small files
  const std::string b = R"({"text": "b"})";
  WriteFileBytes("1mb.json", b + std::string((1 << 20) - b.size(), ' '));
  for (const auto& [args, offset, bytes] : stored) {
    const auto run = Infprz(args);
    EXPECT_EQ(run.status, 0) << run.err;
    talvenor::ReminderSettings record;
    talvenor::LoadReminderSettings(&record);
    EXPECT_EQ(testing_support::RecordBytes(record).substr(offset, bytes.size()), bytes) << args.back();
  }
}

// Each warning, beside a close case where it must not appear, and a
// damaged file shown and repaired; the cases run in turn on the one file,
// `file` written first when given. `err` is all of standard error.
TEST_F(InfprzCommands, EachWarningOnlyWhereItApplies) {
  talvenor::ReminderSettings odd{}, onWithoutADate{}, onAsFFFF{};
  onWithoutADate.enabled = 1;
  onAsFFFF.enabled = -1;  // any nonzero word is on
  std::strcpy(onAsFFFF.schedules[0].startDate, "20260101");
  std::strcpy(onWithoutADate.schedules[0].startDate, "2026XXXX");  // the only start date is none
  std::strcpy(odd.text, "a\x7F" "b");
  std::strcpy(odd.schedules[0].startDate, "2026XXXX");
  std::string damaged = ReadFileBytes("infprz.dat");
  for (int i = 0; i < 481; ++i) damaged[i] = static_cast<char>(~'A');  // text without its NUL
  damaged[0] = static_cast<char>(~'\x1B');                             // an escape must not reach the terminal
  damaged[568 + 5] = static_cast<char>(~'z');                          // right after the password's NUL
  damaged.replace(559, 9, Complemented("12:00:00\x01"));               // row 3's to time without its NUL
  const std::string notInJson =
      ShellQuotes("infprz: warning: the JSON says a password is set but does not hold it (`show --json --show-password` "
                  "writes it); infprz.dat ");
  const std::string controlByte =
      ShellQuotes("infprz: warning: the text holds 1 control byte, shown as '?' (`show --json` writes them as \\u escapes)\n");
  const std::string noStart = ShellQuotes("infprz: warning: the reminder is on but no row has a start date: it never "
                                          "reminds (`set --row 1 --start-date ...`)\n");
  const std::string rewrite = ShellQuotes("infprz: `infprz set infprz.dat` rewrites the file repaired\n");
  struct Case {
    std::string file;
    std::vector<std::string> args;
    std::string input, err, out;
  };
  const Case cases[] = {
      {"", {"set", "--row", "2", "--from", "16:30:01"}, "",
       "infprz: warning: row 2: its window from 16:30:01 lies after its to 16:30:00: on the days it governs the "
       "reminder never comes\n", ""},
      {"", {"set", "--row", "2", "--from", "16:30"}, "", "", ""},
      {"", {"set", "--row", "2", "--start-date="}, "", noStart, ""},
      {"", {"set", "--off"}, "", "", ""},
      {"", {"import", "-"}, R"({"passwordSet": true})", notInJson + "keeps the password it had\n", ""},
      {"", {"import", "-"}, R"({"passwordSet": true, "password": ""})", "", ""},
      {"", {"import", "-"}, R"({"passwordSet": true})",
       notInJson + "has no password, as before: anyone may switch the reminder off\n", ""},
      {SettingsFileBytes(odd), {"show"}, "", controlByte, "  1 | a?b\n"},
      {"", {"show"}, "", controlByte, "\"2026XXXX\" (not a date: the row never governs) 0 min "},
      {"", {"show", "--json"}, "", "", ""},
      {Complemented("Hi"), {"show"}, "",
       "infprz: warning: the file is 2 bytes, not 591: the missing 589 bytes read as zeros\n" + rewrite,
       "  1 | Hi\n"},
      {damaged + "extra", {"show"}, "",
       "infprz: warning: the file is 596 bytes, not 591: only the first 591 count\n"
       "infprz: warning: the text has no terminating NUL: only its first 480 bytes count\n"
       "infprz: warning: row 3: to time has no terminating NUL: only its first 8 bytes count\n"
       "infprz: warning: the password has 1 nonzero byte after its end\n" +
           rewrite + controlByte,
       "  1 | ?" + std::string(59, 'A') + "\n  2 | "},
      {"", {"set"}, "",
       "infprz: repaired infprz.dat: the file is 596 bytes, not 591: only the first 591 count\n"
       "infprz: repaired infprz.dat: the text has no terminating NUL: only its first 480 bytes count\n"
       "infprz: repaired infprz.dat: row 3: to time has no terminating NUL: only its first 8 bytes count\n"
       "infprz: repaired infprz.dat: the password has 1 nonzero byte after its end\n", ""},
      {"", {"show"}, "", controlByte, "  8 | " + std::string(60, 'A') + "\n"},  // what anyone reads stays the same
      {SettingsFileBytes(onWithoutADate), {"show"}, "", noStart, "\"2026XXXX\" (not a date: the row never governs)"},
      {SettingsFileBytes(onAsFFFF), {"show", "--json"}, "", "", "\"enabled\": true"},
  };
  for (const Case& c : cases) {
    if (!c.file.empty()) WriteFileBytes("infprz.dat", c.file);
    const auto run = Infprz(c.args, c.input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, c.err) << c.args.back();
    EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
  }
  EXPECT_EQ(ReadFileBytes("infprz.dat").size(), 591u);
}


TEST_F(InfprzCommands, FileProblemsExitWithOneAndWriteNothing) {
  std::filesystem::create_directory("folder.dat");
  const std::string inside = (std::filesystem::path("folder.dat") / "infprz.dat").string();
  const std::string missing =
      ": no such file (the plug-in reads that as the empty configuration: reminder off, no password)\n";
  const std::string folder = "infprz: folder.dat: this is a folder; give the settings file in it: `infprz init ";
  const std::string toChange = ": no such file; nothing written (`infprz init ";
  const std::string orCreate = "` makes a new one, or give --create)\n";
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
      {{"show", "nowhere.dat"}, "infprz: nowhere.dat" + missing},
      {{"show", "/nowhere/infprz.dat"}, "infprz: /nowhere: no such folder\n"},  // a path, not an option
      {{"show", "--", "-odd.dat"}, "infprz: -odd.dat" + missing},
      {{"init"},
       "infprz: infprz.dat: exists already; `init --force` replaces it with the empty configuration\n"},
      {{"import", "missing.json"}, "infprz: missing.json: no such file\n"},
      // The folder a file is named in is what is missing, before any file is read or made.
      {{"import", "empty.json", "nosuchdir/infprz.dat"}, "infprz: nosuchdir: no such folder\n"},
      {{"import", "nosuchdir/a.json"}, "infprz: nosuchdir: no such folder\n"},
      {{"set", "--create", "--on", "nosuchdir/infprz.dat"}, "infprz: nosuchdir: no such folder\n"},
      {{"init", "a/b/infprz.dat"}, "infprz: a/b: no such folder\n"},
      {{"show", "infprz.dat/x.dat"}, "infprz: infprz.dat: not a folder\n"},
      {{"import", "big.json"}, "infprz: big.json: cannot be read: larger than 1 MB\n"},
      {{"set", "--on", "folder.dat"}, "infprz: folder.dat: cannot be read: it is a folder\n"},
      {{"show", "folder.dat"}, "infprz: folder.dat: cannot be read: it is a folder\n"},
      {{"init", "folder.dat"}, folder + inside + "`\n"},
      {{"init", "--force", "folder.dat"}, folder + inside + "`\n"},
      {{"set", "--on", "nonexist.dat"}, "infprz: nonexist.dat" + toChange + "nonexist.dat" + orCreate},
      {{"clear-password", "nonexist.dat"}, "infprz: nonexist.dat" + toChange + "nonexist.dat" + orCreate},
      {{"set", "--off", "Nowy plik.dat"}, "infprz: Nowy plik.dat" + toChange + "\"Nowy plik.dat\"" + orCreate},
  };
  WriteFileBytes("big.json", std::string((1 << 20) + 1, ' '));
  WriteFileBytes("empty.json", "{}");
  const std::string before = ReadFileBytes("infprz.dat");
  for (const auto& [args, err] : refused) {
    const auto run = Infprz(args);
    EXPECT_EQ(run.status, 1) << err;
    EXPECT_EQ(run.err, ShellQuotes(err)) << args.back();
  }
  EXPECT_EQ(ReadFileBytes("infprz.dat"), before);
  EXPECT_FALSE(std::filesystem::exists("nonexist.dat") || std::filesystem::exists("Nowy plik.dat"));
}

TEST_F(InfprzCommands, WritesReplaceTheFileWholeAndLeaveNothingBeside) {
  ASSERT_EQ(Infprz({"clear-password"}).status, 0);
  ASSERT_EQ(Infprz({"init", "--force"}).status, 0);
  EXPECT_EQ(ReadFileBytes("infprz.dat"), std::string(591, '\xFF'));
  ASSERT_EQ(Infprz({"set", "--on", "--create", "new.dat"}).status, 0) << "set --create makes a missing file";
  ASSERT_EQ(Infprz({"clear-password", "--create", "made.dat"}).status, 0);
#if !defined(_WIN32)
  std::filesystem::create_symlink("infprz.dat", "link.dat");
  ASSERT_EQ(Infprz({"set", "--on", "link.dat"}).status, 0);
  EXPECT_TRUE(std::filesystem::is_symlink("link.dat")) << "a link stays a link; the file it points at changes";
  EXPECT_EQ(ReadFileBytes("infprz.dat").substr(589), "\xFE\xFF");
  std::filesystem::remove("link.dat");
#endif
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(".")) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"infprz.dat", "made.dat", "new.dat"}));
}

TEST_F(InfprzCommands, HelpAsOnWindowsToo) {
  for (const char* ask : {"--help", "-h", "/?", "-?"}) {
    const auto help = Infprz({ask});
    EXPECT_EQ(help.status, 0) << ask;
    EXPECT_NE(help.out.find("Usage: infprz COMMAND [OPTIONS] [FILE]\n"), std::string::npos) << ask;
    const auto setHelp = Infprz({"set", "--row", "1", ask});
    EXPECT_EQ(setHelp.status, 0) << "help wins over a refusal";
    EXPECT_NE(setHelp.out.find("  --start-date DATE     DD.MM.YYYY"), std::string::npos) << setHelp.out;
  }
  EXPECT_NE(Infprz({"show", "/?"}).out.find("Usage: infprz show [OPTIONS] [FILE]\n"), std::string::npos);
  EXPECT_NE(Infprz({"shwo", "/?"}).out.find("Commands:\n"), std::string::npos);
}

}  // namespace

// What the tool keeps and refuses around the file itself: every byte of a
// text through show --json | import, files this user may not write, each
// file's owner and permissions, a missing file, JSON as Windows programs
// save it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "contract/code_page_text.h"
#include "infprz/file_calls.h"
#include "infprz/file_read.h"
#include "infprz/file_replace.h"
#include "infprz/settings_file.h"
#include "infprz/windows_error_text.h"
#include "infprz_run.h"
#include "support/test_host.h"

#if defined(_WIN32)
#include <windows.h>

#include "harness/win32/unix_shell.h"
#else
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "harness/run_as_user.h"
#endif

namespace {

namespace fs = std::filesystem;
using infprz_test::Infprz;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

class InfprzFileRules : public testing_support::HostTest {};

std::string FileWithTextAndPassword(const std::string& text, const std::string& password) {
  infprz::ReminderSettings record{};
  text.copy(record.text, sizeof record.text - 1);
  password.copy(record.password, sizeof record.password - 1);
  return infprz::EncodeSettingsFile(record);
}

TEST_F(InfprzFileRules, EveryByteOfATextSurvivesShowJsonAndImport) {
  // 0x01 to 0xFF but the line feed, which JSON cannot tell from a line break.
  std::string text;
  for (int byte = 1; byte < 256; ++byte)
    if (byte != '\n') text += static_cast<char>(byte);
  for (std::size_t start = 0; start < text.size(); start += 20) {
    WriteFileBytes("infprz.dat", FileWithTextAndPassword(text, text.substr(start, 20)));
    const auto imported = Infprz({"import", "-", "copy.dat"}, Infprz({"show", "--json", "--show-password"}).out);
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(ReadFileBytes("copy.dat"), ReadFileBytes("infprz.dat")) << "password from byte " << start + 1;
  }
  EXPECT_NE(Infprz({"show"}).err.find("control bytes, shown as '?'"), std::string::npos);

  WriteFileBytes("infprz.dat", FileWithTextAndPassword("a\nb", ""));
  const auto json = Infprz({"show", "--json"});
  EXPECT_NE(json.err.find("line feed byte at character 2"), std::string::npos) << "a change is never silent";
}

TEST_F(InfprzFileRules, SetTakesEveryCharacterOfTheCodePage) {
  ASSERT_EQ(Infprz({"init"}).status, 0);
  std::string bytes;
  for (int byte = 0x20; byte < 0x100; ++byte)
    if (byte != 0x7F) bytes += static_cast<char>(byte);  // DEL is a control character
  const auto set = Infprz({"set", "--text", talvenor::text::MazoviaToUtf8(bytes)});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(infprz::DecodeSettingsFile(ReadFileBytes("infprz.dat")).text, bytes);
  for (const char* password : {"é ü ß", "░▒▓", "a\"b\\c"}) {
    const std::string option = std::string("--password=") + password;
    EXPECT_EQ(Infprz({"set", option}).status, 0) << password;
  }
  EXPECT_NE(Infprz({"show", "--show-password"}).out.find(R"(Password:  "a\"b\\c")"), std::string::npos);
}

// `utf8` as Windows programs save it: UTF-8 with Notepad's mark, UTF-16
// little- and big-endian with theirs.
std::vector<std::string> AsWindowsSavesIt(const std::string& utf8) {
  std::string littleEndian = "\xFF\xFE", bigEndian = "\xFE\xFF";
  for (char32_t cp : talvenor::text::DecodeUtf8(utf8)) {
    littleEndian += {static_cast<char>(cp & 0xFF), static_cast<char>(cp >> 8)};
    bigEndian += {static_cast<char>(cp >> 8), static_cast<char>(cp & 0xFF)};
  }
  return {utf8, "\xEF\xBB\xBF" + utf8, littleEndian, bigEndian};
}

TEST_F(InfprzFileRules, ImportAndTextFileReadTextAsWindowsSavesIt) {
  ASSERT_EQ(Infprz({"set", "--create", "--text", "Zażółć gęślą jaźń ░\nDział kadr", "--password", "tajne", "--on", "--row",
                    "2", "--start-date", "09.12.2026", "--interval", "-30", "--from", "8:00", "--to", "16:30"})
                .status,
            0);
  const std::string json = Infprz({"show", "--json", "--show-password"}).out;
  for (const std::string& bytes : AsWindowsSavesIt(json)) {
    fs::remove("copy.dat");
    const auto run = Infprz({"import", "-", "copy.dat"}, bytes);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFileBytes("copy.dat"), ReadFileBytes("infprz.dat"));
  }
  for (const std::string& bytes : AsWindowsSavesIt("Zażółć gęślą jaźń ░\r\nDział kadr\r\n\r\n\r\n")) {
    WriteFileBytes("text.txt", bytes);
    ASSERT_EQ(Infprz({"clear-password", "copy.dat"}).status, 0);
    const auto run = Infprz({"set", "--text-file", "text.txt", "--password", "tajne", "copy.dat"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFileBytes("copy.dat"), ReadFileBytes("infprz.dat"));
  }

  const std::string ansi = "Za\xBF\xF3\xB3\xE6";  // "Zażółć" as Windows-1250, Notepad's ANSI here
  const std::vector<std::pair<std::string, std::string>> refused = {
      {ansi, "not UTF-8 (byte 3); an ANSI file? In Notepad: Save as, Encoding UTF-8; nothing written"},
      {AsWindowsSavesIt("{}")[2].substr(2), "looks like UTF-16 without a byte order mark; save it as UTF-8"},
      {AsWindowsSavesIt("{}")[3].substr(2), "looks like UTF-16 without a byte order mark; save it as UTF-8"},
      {std::string("\xFF\xFE\x00\xD8", 4), "broken UTF-16 (a lone surrogate at byte 3)"},
      {"\xFF\xFE{", "UTF-16 with an odd number of bytes"}};
  for (const auto& [bytes, message] : refused) {
    WriteFileBytes("text.txt", bytes);
    const std::string before = ReadFileBytes("infprz.dat");
    for (const auto& args : {std::vector<std::string>{"set", "--text-file", "text.txt"}, {"import", "text.txt"}}) {
      const auto run = Infprz(args);
      EXPECT_EQ(run.status, 2) << message;
      EXPECT_NE(run.err.find("infprz: text.txt: " + message), std::string::npos) << run.err;
      EXPECT_EQ(ReadFileBytes("infprz.dat"), before);
    }
  }
}

TEST_F(InfprzFileRules, EveryWayOfNamingAFileReplacesIt) {
  std::vector<std::string> names = {"infprz.dat", "./infprz.dat", "sub/infprz.dat", "Dokumenty źródłowe/infprz.dat",
                                    (scratch / "abs.dat").string()};
#if defined(_WIN32)
  names.insert(names.end(), {".\\infprz.dat", "sub\\infprz.dat", "Dokumenty źródłowe\\infprz.dat"});
#endif
  fs::create_directory("sub");
  fs::create_directory(infprz::PathFromUtf8("Dokumenty źródłowe"));
  for (const std::string& name : names) {
    fs::remove(infprz::PathFromUtf8(name));
    for (const std::vector<std::string>& args : {std::vector<std::string>{"set", "--create", "--on", name},
                                                 {"set", "--password", "x", name},
                                                 {"clear-password", name},
                                                 {"import", "-", name},
                                                 {"init", "--force", name}}) {
      const auto run = Infprz(args, R"({"enabled": true})");
      EXPECT_EQ(run.status, 0) << args[0] << " " << name << ": " << run.err;
    }
    EXPECT_EQ(ReadFileBytes(infprz::PathFromUtf8(name)), std::string(591, '\xFF')) << name;
  }
  for (const auto& entry : fs::recursive_directory_iterator(scratch))
    EXPECT_NE(entry.path().extension(), ".tmp") << "left behind: " << entry.path();
}

// The commands name a missing folder before they start; one that goes (or
// turns out to be a file) while the file is replaced is named the same way,
// not as the temporary file it kept from being made.
TEST_F(InfprzFileRules, AFolderGoneAtTheReplacementIsNamed) {
  WriteFileBytes("plain", "x");
  const std::pair<const char*, const char*> rows[] = {{"gone/infprz.dat", "gone: no such folder"},
                                                      {"plain/infprz.dat", "plain: not a folder"}};
  for (const auto& [name, said] : rows) {
    try {
      infprz::ReplaceWholeFile(infprz::PathFromUtf8(name), std::string(591, '\xFF'));
      ADD_FAILURE() << name << ": replaced";
    } catch (const infprz::FileError& e) {
      EXPECT_EQ(std::string(e.what()), said);
    }
  }
}

#if defined(_WIN32)
TEST_F(InfprzFileRules, WindowsErrorsAreSaidInWords) {
  const std::vector<std::pair<unsigned long, std::string>> own = {
      {ERROR_ACCESS_DENIED, "no permission"},
      {ERROR_SHARING_VIOLATION, "it is locked: another program has it open"},
      {ERROR_DISK_FULL, "the disk is full"},
      {ERROR_PATH_NOT_FOUND, "no such folder"},
      {ERROR_WRITE_PROTECT, "the disk is read-only"},
      {0x2000FFFF, "an error the system does not describe (code 536936447)"}};
  for (const auto& [code, text] : own) EXPECT_EQ(infprz::WindowsErrorText(code), text) << code;
  const std::string system = infprz::WindowsErrorText(ERROR_INVALID_FUNCTION);
  EXPECT_FALSE(system.empty());
  EXPECT_EQ(system.find("code 1"), std::string::npos) << "the system's own text: " << system;

  ASSERT_EQ(Infprz({"init"}).status, 0);
  const std::string before = ReadFileBytes("infprz.dat");
  HANDLE held =
      CreateFileW(infprz::SystemPath("infprz.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const auto run = Infprz({"set", "--on"});
  CloseHandle(held);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "infprz: infprz.dat: cannot be read: it is locked: another program has it open\n");
  EXPECT_EQ(ReadFileBytes("infprz.dat"), before);
}
#endif

// A file's Unix mode and owner: natively from the system, under Wine
// through a Unix shell (Win32 there sees neither the group's bits nor
// another owner).
struct Ownership {
  unsigned mode = 0, user = 0, group = 0;
  bool operator==(const Ownership&) const = default;
};
void PrintTo(const Ownership& o, std::ostream* out) {
  char text[40];
  std::snprintf(text, sizeof text, "mode %04o, owner %u:%u", o.mode, o.user, o.group);
  *out << text;
}
constexpr unsigned kRoot = 0;
#if defined(_WIN32)
constexpr unsigned kNobody = 65534;
bool BoundByPermissions() { return testing_support::RunUnixShell("id -u") == "0\n"; }  // under Wine, as root
std::string ShellName(const fs::path& file) {
  std::string quoted = "'";
  quoted += testing_support::UnixFileName(file);
  return quoted += "'";
}
Ownership OwnershipOf(const fs::path& file) {
  Ownership now;
  const auto said = testing_support::RunUnixShell("stat -c '%a %u %g' " + ShellName(file)).value_or("");
  std::sscanf(said.c_str(), "%o %u %u", &now.mode, &now.user, &now.group);
  return now;
}
void Give(const fs::path& file, const Ownership& to) {
  char mode[8];
  std::snprintf(mode, sizeof mode, "%o", to.mode);
  const std::string name = ShellName(file);
  const std::string owner = std::to_string(to.user) + ":" + std::to_string(to.group);
  const std::string command = "chown " + owner + " " + name + " && chmod " + mode + " " + name;
  ASSERT_EQ(testing_support::RunUnixShell(command), "") << file;
}
#else
using testing_support::kNobody;
bool BoundByPermissions() { return geteuid() == 0; }  // root, who runs the tool as nobody
Ownership OwnershipOf(const fs::path& file) {
  struct stat now {};
  if (stat(file.c_str(), &now) != 0) return {};
  return {now.st_mode & 07777u, now.st_uid, now.st_gid};
}
void Give(const fs::path& file, const Ownership& to) {
  ASSERT_EQ(chown(file.c_str(), to.user, to.group), 0);
  fs::permissions(file, fs::perms(to.mode));
}

// Runs the tool as user and group nobody, for whom others' files bind;
// its status is -1 when it did not run. A Windows program cannot: under
// Wine that needs another Wine, in a prefix of nobody's own.
infprz_test::Run AsNobody(const std::vector<std::string>& command) {
  const auto run = testing_support::RunAsUser([&](std::string& report) {
    const auto tool = Infprz(command);
    report = tool.err;
    return tool.status;
  });
  return {run.becameUser && run.exited ? run.status : -1, "", run.report};
}

// An access list beyond the mode bits (setfacl -m u:nobody:r, group none):
// mode 0640, where the 4 is the list's mask, not the group's right.
bool GiveAccessList(const fs::path& file) {
  const auto entry = [](std::uint16_t tag, std::uint16_t rights, std::uint32_t id) {
    std::string bytes(8, '\0');
    std::memcpy(bytes.data(), &tag, 2);
    std::memcpy(bytes.data() + 2, &rights, 2);
    std::memcpy(bytes.data() + 4, &id, 4);
    return bytes;
  };
  constexpr std::uint32_t kNone = 0xFFFFFFFF;
  const std::string list = std::string("\x02\0\0\0", 4) + entry(0x01, 6, kNone) + entry(0x02, 4, kNobody) +
                           entry(0x04, 0, kNone) + entry(0x10, 4, kNone) + entry(0x20, 0, kNone);
  return setxattr(file.c_str(), "system.posix_acl_access", list.data(), list.size(), 0) == 0;
}
std::string AccessListOf(const fs::path& file) {
  std::string list(256, '\0');
  const ssize_t size = getxattr(file.c_str(), "system.posix_acl_access", list.data(), list.size());
  list.resize(size < 0 ? 0 : static_cast<std::size_t>(size));
  return list;
}
#endif

class InfprzPermissions : public InfprzFileRules {
 protected:
  void SetUp() override {
    InfprzFileRules::SetUp();
    if (!BoundByPermissions())
      GTEST_SKIP() << "needs root (natively, or Wine run as root): to give files to nobody and run the tool as nobody";
    ASSERT_EQ(Infprz({"init"}).status, 0);
#if !defined(_WIN32)
    fs::permissions(scratch, fs::perms::all);  // nobody may create files here
    fs::create_directory(scratch / "locked");  // but not in here
    fs::copy_file(scratch / "infprz.dat", scratch / "locked/infprz.dat");
#endif
  }
};

// Root's and nobody's files, changed by nobody and by root: refused and
// left alone when nobody may not write them, written in place when a new
// file could not be given the same owner and permissions, or be made
// beside it; never handed to another owner or given other bits.
TEST_F(InfprzPermissions, EachUserWritesWhatHeMayAndOwnersStay) {
  enum Who { kByRoot, kByNobody };
  struct Case {
    const char* file;
    Ownership ownership;  // mode 0: a file that is not there
    Who who;
    std::vector<std::string> args;
    int status;
    std::string err;          // after the file's name
    bool accessList = false;  // setfacl's: more than the mode says
  };
  const std::string refused = ": cannot be written: no permission; left as it was\n";
  const Ownership roots600{0600, kRoot, kRoot}, nobodys600{0600, kNobody, kNobody};
  const Case cases[] = {
      {"infprz.dat", {0444, kRoot, kRoot}, kByNobody, {"set", "--on"}, 1, refused},
      {"infprz.dat", roots600, kByNobody, {"init", "--force"}, 1, refused},
      {"infprz.dat", {0644, kRoot, kRoot}, kByNobody, {"clear-password"}, 1, refused},
      {"infprz.dat", {0666, kRoot, kRoot}, kByNobody, {"set", "--on"}, 0, ""},
      // each a change of its own, since Wine runs only root's rows
      {"infprz.dat", {0640, kRoot, kRoot}, kByRoot, {"set", "--password", "a"}, 0, ""},
      {"infprz.dat", roots600, kByRoot, {"set", "--password", "b"}, 0, ""},
      {"infprz.dat", {0640, kNobody, kNobody}, kByRoot, {"set", "--password", "c"}, 0, ""},
      {"infprz.dat", nobodys600, kByNobody, {"set", "--password", "sekret"}, 0, ""},
      {"infprz.dat", {0640, kRoot, kRoot}, kByRoot, {"set", "--password", "d"}, 0, "", true},
      {"locked/infprz.dat", {0666, kRoot, kRoot}, kByNobody, {"set", "--on"}, 0, ""},
      {"locked/new.dat", {}, kByNobody, {"set", "--create", "--on"}, 1,
       ": cannot create a file beside new.dat: no permission\n"},
  };
  for (const Case& c : cases) {
#if defined(_WIN32)
    if (c.who == kByNobody || c.accessList) continue;  // natively only (see AsNobody)
#endif
    const fs::path file = scratch / c.file;
    std::vector<std::string> args = c.args;
    args.push_back(file.string());
    if (c.ownership.mode != 0) Give(file, c.ownership);
#if !defined(_WIN32)
    if (c.accessList) {
      ASSERT_TRUE(GiveAccessList(file)) << "no access lists on this file system";
    }
    const std::string list = AccessListOf(file);
#endif
    const std::string before = ReadFileBytes(file);
#if defined(_WIN32)
    const auto run = Infprz(args);
#else
    const auto run = c.who == kByNobody ? AsNobody(args) : Infprz(args);
#endif
    const std::string row = std::string(c.file) + " " + args[0] + (c.who == kByNobody ? " by nobody" : " by root");
    ASSERT_EQ(run.status, c.status) << row << ": " << run.err;
    const fs::path named = c.ownership.mode != 0 ? file : file.parent_path();
    if (c.status != 0) {
      EXPECT_EQ(run.err, "infprz: " + named.string() + c.err);
    }
    if (c.ownership.mode == 0) {
      EXPECT_FALSE(fs::exists(file));
      continue;
    }
    EXPECT_EQ(ReadFileBytes(file) == before, c.status != 0) << row;
    EXPECT_EQ(OwnershipOf(file), c.ownership) << row << ": its owner, group and mode stay";
#if !defined(_WIN32)
    EXPECT_EQ(AccessListOf(file), list) << row << ": its access list stays";
#endif
  }
}

}  // namespace

// infprz check over folders as an administrator may find them: the
// stand-in's MOLRAV.dll whole and lacking one service, a host program that
// exports the services itself, and files that are damaged or no program
// at all. The i686 files are the win32 build's: beside this program on
// Windows, and read from that build natively, where reading needs no
// Windows.
#include <gtest/gtest.h>

#if defined(_WIN32)
#include "harness/win32/program_directory.h"
#endif

#include <cstdint>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "harness/plugin_host.h"
#include "harness/settings_file_bytes.h"
#include "infprz/check_report.h"
#include "infprz/check_sha256.h"
#include "infprz/messages.h"
#include "infprz_run.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

fs::path BuiltFile(const std::string& name) {
#if defined(_WIN32)
  return fs::path(testing_support::ProgramDirectory()) / name;
#else
  return fs::path(TALVENOR_WIN32_BIN) / name;
#endif
}

// Read once: under the sanitizers a whole module takes a while.
const std::string& Built(const std::string& name) {
  static std::map<std::string, std::string> files;
  if (!files.contains(name)) files[name] = ReadFileBytes(BuiltFile(name));
  return files[name];
}
std::string Module() { return Built("MOLRAV.dll"); }
std::string Plugin() { return Built("talvenor.dll"); }
std::string ModuleLacking(const std::string& ordinal) { return Built("matrix-molrav-" + ordinal + "/MOLRAV.dll"); }

std::uint32_t U32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}
void PutU32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<char>(value >> (8 * i));
}

// Offsets into a PE32 file, from its own headers.
std::size_t OptionalHeader(const std::string& image) { return U32(image, 0x3C) + 24; }
std::size_t ExportDirectory(const std::string& image) {
  const std::size_t optional = OptionalHeader(image);
  const std::uint32_t rva = U32(image, optional + 96);
  const std::size_t sections = optional + (static_cast<unsigned char>(image[optional - 4]) |
                                           static_cast<unsigned char>(image[optional - 3]) << 8);
  for (std::size_t s = sections; s + 40 <= image.size(); s += 40) {
    const std::uint32_t address = U32(image, s + 12), size = U32(image, s + 8);
    if (rva >= address && rva < address + size) return U32(image, s + 20) + (rva - address);
  }
  ADD_FAILURE() << "no export directory";
  return 0;
}

using Patch = void (*)(std::string&);
std::string Patched(std::string image, Patch patch) {
  if (image.size() > 0x400) patch(image);
  return image;
}
void ExportsOutside(std::string& image) { PutU32(image, OptionalHeader(image) + 96, 0x7FFFFFF0); }
void HugeOrdinalCount(std::string& image) { PutU32(image, ExportDirectory(image) + 20, 0xFFFFFFFF); }
void SixtyFourBit(std::string& image) { image[OptionalHeader(image)] = 0x0B, image[OptionalHeader(image) + 1] = 0x02; }

// A 16-bit Windows program's start: a DOS header whose new header is "NE".
std::string SixteenBitProgram() {
  std::string bytes(0x80, '\0');
  bytes[0] = 'M', bytes[1] = 'Z', bytes[0x18] = 0x40, bytes[0x3C] = 0x40, bytes[0x40] = 'N', bytes[0x41] = 'E';
  return bytes;
}

struct Folder {
  const char* what;
  std::map<std::string, std::string> (*files)();  // name -> bytes
  int status;
  std::vector<std::string> lines;  // each a whole line of the report
};

const Folder kFolders[] = {
    {"the full module and the shipped plug-in",
     [] { return std::map<std::string, std::string>{{"MOLRAV.dll", Module()}, {"talvenor.dll", Plugin()}}; },
     0,
     {"Host services, found as the plug-in finds them: in MOLRAV.dll", "  52171  HostSound             found",
      "Verdict: the plug-in loads without a box.", "  a 32-bit Windows DLL exporting 30001, 30008 and 30009 by ordinal",
      "  version: 1.0.0.0", "Result: the plug-in will load without a box and can save its settings."}},
    {"HostSound missing: no fallback",
     [] { return std::map<std::string, std::string>{{"MOLRAV.dll", ModuleLacking("52171")}}; },
     1,
     {"  52171  HostSound             MISSING: the box \"POWAŻNY BŁĄD WTYCZKI\" at every start",
      "                               no fallback: Abort or Ignore, the load fails",
      "Verdict: the plug-in cannot load: 52171 HostSound is missing and has no fallback.",
      "Result: something will fail: the plug-in cannot load."}},
    {"HostFileWrite missing: its digits would allow a stub, the settings would be lost",
     [] { return std::map<std::string, std::string>{{"molrav.DLL", ModuleLacking("52308")}}; },
     1,
     {"Host services, found as the plug-in finds them: in molrav.DLL",
      "  52308  HostFileWrite         MISSING: the box \"POWAŻNY BŁĄD WTYCZKI\" at every start",
      "Verdict: the plug-in cannot load: 52308 HostFileWrite is missing and has no fallback."}},
    {"HostService38417 missing: never called, and still no load",
     [] { return std::map<std::string, std::string>{{"MOLRAV.dll", ModuleLacking("38417")}}; },
     1,
     {"  38417  HostService38417      MISSING: the box \"POWAŻNY BŁĄD WTYCZKI\" at every start",
      "Verdict: the plug-in cannot load: 38417 HostService38417 is missing and has no fallback."}},
    {"every service with a fallback missing: one box, then the others silently",
     [] { return std::map<std::string, std::string>{{"MOLRAV.dll", ModuleLacking("fallbacks")}}; },
     1,
     {"  52028  HostMessageBox        MISSING: the box \"POWAŻNY BŁĄD WTYCZKI\" at every start",
      "                               with Ignore it answers 0: no notices: neither \"Przypomnienie wyłączono\", "
      "nor \"Niepoprawne hasło\", nor the first-run notice",
      "  30308  HostNowText           MISSING: after Ignore no further box",
      "Verdict: the plug-in shows 1 box \"POWAŻNY BŁĄD WTYCZKI\" at every start (52028 HostMessageBox); after "
      "Ignore it loads.",
      "Result: something will fail: a box at every start."}},
    {"no module: the host's program file exports the services, other programs beside it",
     [] {
       return std::map<std::string, std::string>{{"host.exe", Built("load_scenario_child.exe")},
                                                 {"notes.exe", "not a program\n"},
                                                 {"talvenor.dll", Plugin()}};
     },
     0,
     {"notes.exe: not a program file (text, or damaged from its first bytes)",
      "Host services, found as the plug-in finds them: no MOLRAV.dll; the program file host.exe exports them itself",
      "  52249  HostSetKeyHook        found", "Verdict: the plug-in loads without a box."}},
    {"no module and no program: the first box, then a service without a fallback",
     [] { return std::map<std::string, std::string>{}; },
     1,
     {"Host services: no MOLRAV.dll, and no program file (*.exe) in the folder exports them",
      "  52029  HostMessageBoxF       MISSING: after Ignore no further box",
      "  52158  HostConvertText       MISSING (the load has failed before it)",
      "Verdict: the plug-in cannot load: 52029 HostMessageBoxF is missing and has no fallback.",
      "Plug-in file: talvenor.dll is not in the folder (not installed yet)"}},
    {"a text file named MOLRAV.dll", [] { return std::map<std::string, std::string>{{"MOLRAV.dll", "MOLRAV\r\n"}}; }, 1,
     {"MOLRAV.dll: not a program file (text, or damaged from its first bytes)",
      "Verdict: the plug-in cannot load: the host's module MOLRAV.dll is unusable.",
      "Settings: infprz.dat is missing: the plug-in reads the empty configuration and makes the file at its first "
      "save"}},
    {"an empty MOLRAV.dll", [] { return std::map<std::string, std::string>{{"MOLRAV.dll", ""}}; }, 1,
     {"MOLRAV.dll: not a program file (text, or damaged from its first bytes)"}},
    {"a MOLRAV.dll cut short in its headers",
     [] { return std::map<std::string, std::string>{{"MOLRAV.dll", Module().substr(0, 0x100)}}; }, 1,
     {"MOLRAV.dll: damaged: the file ends inside its headers (cut short?)"}},
    {"a MOLRAV.dll whose export table points outside it",
     [] { return std::map<std::string, std::string>{{"MOLRAV.dll", Patched(Module(), ExportsOutside)}}; }, 1,
     {"MOLRAV.dll: damaged: its export table points outside the file"}},
    {"a MOLRAV.dll with a huge ordinal count",
     [] { return std::map<std::string, std::string>{{"MOLRAV.dll", Patched(Module(), HugeOrdinalCount)}}; }, 1,
     {"MOLRAV.dll: damaged: its export table counts more entries than ordinals exist"}},
    {"a 64-bit MOLRAV.dll",
     [] { return std::map<std::string, std::string>{{"MOLRAV.dll", Patched(Module(), SixtyFourBit)}}; }, 1,
     {"MOLRAV.dll: a 64-bit program: the 32-bit plug-in cannot run with it"}},
    {"a 16-bit MOLRAV.dll", [] { return std::map<std::string, std::string>{{"MOLRAV.dll", SixteenBitProgram()}}; }, 1,
     {"MOLRAV.dll: a 16-bit program: the 32-bit plug-in cannot run with it"}},
    {"a program, but no DLL, named MOLRAV.dll",
     [] { return std::map<std::string, std::string>{{"MOLRAV.dll", Built("load_scenario_child.exe")}}; }, 1,
     {"MOLRAV.dll: a program file, but no 32-bit Windows DLL"}},
    {"another DLL named talvenor.dll",
     [] { return std::map<std::string, std::string>{{"MOLRAV.dll", Module()}, {"talvenor.dll", Module()}}; }, 1,
     {"  talvenor.dll: a 32-bit Windows DLL, but it does not export 30001, 30008, 30009 by ordinal: not this plug-in",
      "Result: something will fail: talvenor.dll is not the plug-in."}},
    {"a 64-bit talvenor.dll",
     [] {
       return std::map<std::string, std::string>{{"MOLRAV.dll", Module()},
                                                 {"talvenor.dll", Patched(Plugin(), SixtyFourBit)}};
     },
     1, {"  talvenor.dll: a 64-bit program: the 32-bit plug-in cannot run with it"}},
    {"a damaged infprz.dat and the marker: reported, and the plug-in still loads and saves",
     [] {
       return std::map<std::string, std::string>{
           {"MOLRAV.dll", Module()}, {"infprz.dat", std::string(100, '\xFF')}, {"talvenor.xxx", ""}};
     },
     0,
     {"Settings: infprz.dat is damaged ('infprz set' rewrites it repaired):",
      "  the file is 100 bytes, not 591: the missing 491 bytes read as zeros",
      "  talvenor.xxx exists: the first-run notice has been shown"}},
    {"a sound infprz.dat", [] {
       return std::map<std::string, std::string>{{"MOLRAV.dll", Module()}, {"infprz.dat", std::string(591, '\xFF')}};
     }, 0, {"Settings: infprz.dat is sound"}},
};

class CheckFolder : public ::testing::Test {
 protected:
  void SetUp() override {
#if defined(_WIN64)
    GTEST_SKIP() << "the module and the plug-in the check reads are the i686 build's";
#endif
    if (!fs::exists(BuiltFile("matrix-molrav-52171/MOLRAV.dll")) || !fs::exists(BuiltFile("load_scenario_child.exe")))
      GTEST_SKIP() << "no win32 build yet: " << BuiltFile("");
  }
  testing_support::ScratchDirectory scratch{"check", true};  // each check syncs its own file to the disk

  struct Report {
    int status;
    std::string text;
  };
  Report Check(const fs::path& folder, const fs::path& sums = "no-SHA256SUMS.txt") {
    std::ostringstream out;
    const int status = infprz::CheckFolder({folder, sums}, out);
    return {status, out.str()};
  }
};

TEST_F(CheckFolder, SaysWhatThePluginWillDoWithEachFolder) {
  int n = 0;
  for (const Folder& row : kFolders) {
    const fs::path folder = scratch.path() / ("host" + std::to_string(n++));
    fs::create_directory(folder);
    const auto files = row.files();
    for (const auto& [name, bytes] : files) WriteFileBytes(folder / name, bytes);
    const Report report = Check(folder);
    EXPECT_EQ(report.status, row.status) << row.what << "\n" << report.text;
    for (const std::string& line : row.lines)
      EXPECT_NE(("\n" + report.text).find("\n" + line + "\n"), std::string::npos)
          << row.what << ": no line\n" << line << "\nin\n" << report.text;
    EXPECT_NE(report.text.find("\nResult: "), std::string::npos) << row.what << ": the report ends early";
    // Only the check's own temporary file was made, and it is gone.
    std::size_t left = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++left;
    EXPECT_EQ(left, files.size()) << row.what;
  }
}

TEST_F(CheckFolder, ComparesThePluginWithTheChecksumsBesideTheTool) {
  const fs::path folder = scratch.path() / "host";
  fs::create_directory(folder);
  WriteFileBytes(folder / "MOLRAV.dll", Module());
  WriteFileBytes(folder / "talvenor.dll", Plugin());
  const std::string digest = infprz::Sha256Hex(Plugin());
  const std::string other(64, 'a');
  const fs::path sums = scratch.path() / "SHA256SUMS.txt";
  struct Row {
    std::string sums;
    int status;
    std::string line;
  };
  const Row rows[] = {
      {"", 0, "  no SHA256SUMS.txt beside infprz to compare with"},
      {other + "  infprz.exe\r\n" + digest + "  talvenor.dll\r\n", 0,
       "  the same as the talvenor.dll line of " + sums.string()},
      {other + " *TALVENOR.DLL\n", 1, "  NOT the file that " + sums.string() + " names: it gives " + other},
      {other + "  infprz.exe\n", 0, "  " + sums.string() + " has no talvenor.dll line"},
  };
  for (const Row& row : rows) {
    fs::remove(sums);
    if (!row.sums.empty()) WriteFileBytes(sums, row.sums);
    const Report report = Check(folder, sums);
    EXPECT_EQ(report.status, row.status) << row.sums << report.text;
    EXPECT_NE(report.text.find("  SHA-256: " + digest + "\n" + row.line + "\n"), std::string::npos)
        << row.sums << report.text;
  }
}

#if !defined(_WIN32)
// The example of docs/infprz.md, run as printed on such a folder: the
// report the page shows, but for the folder's and the user's names.
TEST_F(CheckFolder, GivesTheReportTheManualShows) {
  const std::string page = ReadFileBytes(fs::path(TALVENOR_SOURCE_DIR) / "docs/infprz.md");
  const std::string commandStart = "```sh\ninfprz check ";
  const std::size_t command = page.find(commandStart);
  ASSERT_NE(command, std::string::npos) << "no check example in docs/infprz.md";
  const std::size_t folderAt = command + commandStart.size();
  const std::string shownFolder = page.substr(folderAt, page.find('\n', folderAt) - folderAt);
  const std::size_t reportAt = page.find("```text\n", folderAt) + 8;
  const std::string shown = page.substr(reportAt, page.find("```", reportAt) - reportAt);

  const fs::path folder = scratch.path() / "host";
  fs::create_directory(folder);
  WriteFileBytes(folder / "MOLRAV.dll", ModuleLacking("52171"));
  const auto run = infprz_test::Infprz({"check", folder.string()});
  EXPECT_EQ(run.status, 1);
  const auto comparable = [](const std::string& report) {
    std::string kept;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);)
      if (!line.starts_with("Folder")) kept += line + "\n";
    return kept;
  };
  EXPECT_EQ(comparable(run.out), comparable(shown));
  EXPECT_NE(shown.find("Folder: " + shownFolder + "\n"), std::string::npos);
}
#endif

TEST(CheckSha256, GivesTheStandardDigests) {
  const std::pair<std::string, std::string> rows[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      // Around the block: the length in the last block, or a block of its own.
      {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
      {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
      {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
      {std::string(119, 'a'), "31eba51c313a5c08226adf18d4a359cfdfd8d2e816b13f4af952f7ea6584dcfb"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& [input, digest] : rows) EXPECT_EQ(infprz::Sha256Hex(input), digest) << input.size() << " bytes";
}

}  // namespace

// infprz: the settings tool's program. Everything else is in infprz_cli.
#include <iostream>
#include <string>
#include <vector>

#include "infprz_cli.h"
#include "messages.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <streambuf>

namespace {

// Output to a console window goes through WriteConsoleW as UTF-16, so
// Polish letters show whatever the console's code page is, and that code
// page is never changed. Output to a file or pipe stays UTF-8 bytes.
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) {}

 protected:
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) pending_ += static_cast<char>(c);
    if (c == '\n') sync();
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    pending_.append(s, static_cast<std::size_t>(n));
    if (pending_.find('\n') != std::string::npos) sync();
    return n;
  }
  int sync() override {
    // Only whole UTF-8 sequences: a character split across two writes
    // waits for its other bytes.
    std::size_t whole = pending_.size();
    for (std::size_t back = 1; back <= 3 && back <= pending_.size(); ++back) {
      const auto byte = static_cast<unsigned char>(pending_[pending_.size() - back]);
      if ((byte & 0xC0) == 0x80) continue;
      const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
      if (length > back) whole = pending_.size() - back;
      break;
    }
    if (whole == 0) return 0;
    const int units = MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(whole), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(whole), wide.data(), units);
    DWORD written = 0;
    const bool ok = WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    pending_.erase(0, whole);
    return ok ? 0 : -1;
  }

 private:
  HANDLE console_;
  std::string pending_;
};

// Points `stream` at the console when `handle` is one; true then.
bool UseConsole(std::ostream& stream, DWORD handle, ConsoleBuffer*& buffer) {
  HANDLE console = GetStdHandle(handle);
  DWORD mode = 0;
  if (console == INVALID_HANDLE_VALUE || console == nullptr || !GetConsoleMode(console, &mode)) return false;
  buffer = new ConsoleBuffer(console);  // lives as long as the program
  stream.rdbuf(buffer);
  return true;
}

std::string Utf8(const wchar_t* wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string text(size > 0 ? static_cast<std::size_t>(size - 1) : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
  return text;
}

}  // namespace

// The arguments come as UTF-16, whatever the ANSI code page.
int wmain(int argc, wchar_t** argv) {
  // JSON from a pipe or PowerShell's UTF-16 comes in as bytes, untranslated.
  _setmode(_fileno(stdin), _O_BINARY);
  ConsoleBuffer* outBuffer = nullptr;
  ConsoleBuffer* errBuffer = nullptr;
  UseConsole(std::cout, STD_OUTPUT_HANDLE, outBuffer);
  UseConsole(std::cerr, STD_ERROR_HANDLE, errBuffer);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Utf8(argv[i]));
  infprz::UseLanguage(infprz::SystemLanguage());
  const int status = infprz::RunInfprz(args, std::cin, std::cout, std::cerr);
  std::cout.flush();
  std::cerr.flush();
  return status;
}
#else
int main(int argc, char** argv) {
  infprz::UseLanguage(infprz::SystemLanguage());
  return infprz::RunInfprz({argv + 1, argv + argc}, std::cin, std::cout, std::cerr);
}
#endif

// infprz: the settings tool's program. Everything else is in infprz_cli.
#include <iostream>
#include <string>
#include <vector>

#include "infprz_cli.h"

#if defined(_WIN32)
#include <windows.h>

// The arguments come as UTF-16, whatever the ANSI code page; the tool works
// in UTF-8 and the console is told so.
int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, arg.data(), size, nullptr, nullptr);
    args.push_back(arg);
  }
  return infprz::RunInfprz(args, std::cin, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
  return infprz::RunInfprz({argv + 1, argv + argc}, std::cin, std::cout, std::cerr);
}
#endif

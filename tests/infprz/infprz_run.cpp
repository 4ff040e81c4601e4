#include "infprz_run.h"

#include <sstream>

#include "infprz/infprz_cli.h"

namespace infprz_test {

std::string ShellQuotes(std::string text) {
  std::string out;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const std::size_t end = text[at] == '`' ? text.find('`', at + 1) : std::string::npos;
    if (end == std::string::npos) {
      out += text[at];
      continue;
    }
    const std::string command = text.substr(at + 1, end - at - 1);
#if defined(_WIN32)
    const std::string quote = command.find('"') == std::string::npos ? "\"" : "";
#else
    const std::string quote = "'";
#endif
    out += quote + command + quote;
    at = end;
  }
  return out;
}

Run Infprz(const std::vector<std::string>& args, const std::string& standardInput, infprz::Language language) {
  infprz::UseLanguage(language);
  std::istringstream in(standardInput);
  std::ostringstream out, err;
  const int status = infprz::RunInfprz(args, in, out, err);
  infprz::UseLanguage(infprz::Language::kEnglish);
  return {status, out.str(), err.str()};
}

}  // namespace infprz_test

#include "infprz_run.h"

#include <sstream>

#include "infprz/infprz_cli.h"

namespace infprz_test {

Run Infprz(const std::vector<std::string>& args, const std::string& standardInput, infprz::Language language) {
  infprz::UseLanguage(language);
  std::istringstream in(standardInput);
  std::ostringstream out, err;
  const int status = infprz::RunInfprz(args, in, out, err);
  infprz::UseLanguage(infprz::Language::kEnglish);
  return {status, out.str(), err.str()};
}

}  // namespace infprz_test

#include "quoted.h"

#include <nlohmann/json.hpp>

#include "contract/mazovia.h"

namespace infprz {

std::string Quoted(std::string_view utf8) {
  constexpr std::size_t kShown = 40;
  std::size_t cut = 0, shown = 0;
  while (cut < utf8.size() && shown < kShown) {
    talvenor::text::DecodeUtf8(utf8.data(), utf8.size(), cut);
    ++shown;
  }
  std::string quoted =
      nlohmann::json(std::string(utf8.substr(0, cut))).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  if (cut < utf8.size()) {
    std::size_t total = shown;
    for (std::size_t i = cut; i < utf8.size(); ++total) talvenor::text::DecodeUtf8(utf8.data(), utf8.size(), i);
    quoted += "... (" + std::to_string(total) + " characters)";
  }
  return quoted;
}

std::string InQuotes(std::string_view text) {
  std::string quoted = "\"";  // appended piecewise: GCC 12 warns falsely on a + chain here
  quoted += text;
  quoted += '"';
  return quoted;
}

std::string CommandLineWord(std::string_view name) {
  if (name.find_first_of(" \t&;'()") == std::string_view::npos) return std::string(name);
  return InQuotes(name);
}

}  // namespace infprz

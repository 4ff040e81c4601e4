#pragma once
// The bytes of a JSON file as Windows programs write them: UTF-8 with or
// without a byte order mark, or UTF-16 with one (PowerShell 5's `>`).
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace infprz {

// Throws InvalidInput naming `source`, and for a syntax error the line and
// column, in words.
nlohmann::json ParseJsonInput(std::string_view bytes, const std::string& source);

}  // namespace infprz

#pragma once
// Lining up UTF-8 texts in a terminal: a Polish letter takes two bytes but
// one column.
#include <cstddef>
#include <string>
#include <string_view>

namespace infprz {

// The columns `utf8` takes: one per character.
std::size_t Columns(std::string_view utf8);

// `utf8` followed by spaces up to `width` columns; at least one space
// when it is as wide already.
std::string PadRight(std::string_view utf8, std::size_t width);

}  // namespace infprz

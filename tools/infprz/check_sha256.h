#pragma once
// SHA-256 of a file's bytes, as SHA256SUMS.txt and certutil write it.
#include <string>
#include <string_view>

namespace infprz {

// The digest as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

}  // namespace infprz

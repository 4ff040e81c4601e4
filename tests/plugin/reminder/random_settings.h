#pragma once
// Settings files as the soak swaps them in under the key hook: sound ones
// as the configuration dialog or the settings tool would leave them, and
// damaged ones (cut short, overlong, bytes flipped, noise, none at all).
#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace soak {

using Random = std::mt19937_64;

// A whole number in [0, n).
inline std::uint64_t Below(Random& random, std::uint64_t n) { return random() % n; }
// True once in `n` times.
inline bool OneIn(Random& random, std::uint64_t n) { return Below(random, n) == 0; }

struct SettingsFile {
  std::optional<std::string> bytes;  // nothing: no file at all
  bool damaged = false;
};

// Start dates lie around `today` (days since 1970-01-01), some ahead of it.
SettingsFile RandomSettingsFile(Random& random, std::int64_t today);

// A password of 1 to 20 characters, Mazovia letters included, never NUL.
std::string RandomPassword(Random& random);

}  // namespace soak

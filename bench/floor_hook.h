#pragma once
// The least a key hook can cost: what any hook must do on every key.
#include <cstdint>

namespace bench {

// Hands the key to talvenor::previousHook and reads the tick count twice,
// through the same platform seam as KeyHook; nothing else.
std::uint32_t FloorHook(std::uint32_t key);

}  // namespace bench

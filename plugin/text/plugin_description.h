#pragma once
// The plug-in's one description text: handed to the host at attach and
// named in the plug-in's own messages.
#include <cstddef>

#include "contract/abi/calling_convention.h"
#include "text/texts.h"

namespace talvenor {

// 124 characters in three lines, stored with its NUL: 125 bytes.
inline constexpr const auto& PluginDescription = text::kPluginDescription;
inline constexpr std::size_t kPluginDescriptionSize = sizeof PluginDescription;
static_assert(kPluginDescriptionSize == 125);

// Copies all 125 bytes, NUL included, to `buffer` (at least that large;
// not checked) and returns `buffer`.
char* TALVENOR_CALLEE_POPS CopyDescription(char* buffer);

}  // namespace talvenor

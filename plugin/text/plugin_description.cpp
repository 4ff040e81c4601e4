#include "text/plugin_description.h"

#include <cstring>

namespace talvenor {

char* TALVENOR_CALLEE_POPS CopyDescription(char* buffer) {
  std::memcpy(buffer, PluginDescription.data(), kPluginDescriptionSize);
  return buffer;
}

}  // namespace talvenor

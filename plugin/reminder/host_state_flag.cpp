#include "host_state_flag.h"

#include "shell/service_slots.h"

namespace talvenor {

std::int32_t HoldHostStateFlag() {
  const std::int32_t savedBit = HostGetStateFlags() & kPluginStateFlag;
  if (savedBit == 0) HostSetStateFlag(kPluginStateFlag, 1);
  return savedBit;
}

void ReleaseHostStateFlag(std::int32_t savedBit) {
  if (savedBit == 0) HostSetStateFlag(kPluginStateFlag, 0);
}

}  // namespace talvenor

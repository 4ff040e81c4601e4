#include "refused_open.h"

#include <cstring>

#include "shell/service_slots.h"

namespace testing_support {

namespace {

const char* g_refusedMode = "";
int g_refusals = 0;
int g_refusalsLeft = -1;
talvenor::HostFileOpenFn g_realOpen = nullptr;

talvenor::HostFile TALVENOR_CALLEE_POPS OpenRefusing(const char* name, const char* mode, std::int32_t share,
                                                     std::int32_t reserved1, std::int32_t reserved2) {
  if (std::strcmp(mode, g_refusedMode) == 0 && g_refusalsLeft != 0) {
    ++g_refusals;
    if (g_refusalsLeft > 0) --g_refusalsLeft;
    return nullptr;
  }
  return g_realOpen(name, mode, share, reserved1, reserved2);
}

}  // namespace

void RefuseFileOpens(const char* mode, int times) {
  void*& slot = serviceSlots[talvenor::HostFileOpenSlot];
  if (slot != reinterpret_cast<void*>(&OpenRefusing)) g_realOpen = reinterpret_cast<talvenor::HostFileOpenFn>(slot);
  g_refusedMode = mode;
  g_refusals = 0;
  g_refusalsLeft = times;
  slot = reinterpret_cast<void*>(&OpenRefusing);
}

int RefusedFileOpens() { return g_refusals; }

}  // namespace testing_support

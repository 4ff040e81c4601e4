#include "service_slots.h"

#include "first_call_entries.h"

// Each slot starts at its service's first-call entry; the load-time probes
// bind them all. Tests may fill them themselves.
void* serviceSlots[talvenor::kServiceCount] = {
#define TALVENOR_INITIAL_SLOT(name, ordinal, pops, bytes, result, params) \
  reinterpret_cast<void*>(&TalvenorFirstCall##name),
    TALVENOR_HOST_SERVICES(TALVENOR_INITIAL_SLOT)
#undef TALVENOR_INITIAL_SLOT
};

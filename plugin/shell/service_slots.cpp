#include "service_slots.h"

// Filled by the binding at load; tests may fill it themselves.
void* serviceSlots[talvenor::kServiceCount] = {};

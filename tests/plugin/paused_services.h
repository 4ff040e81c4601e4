#pragma once
// The stand-in host's 17 services, each wrapped so that what it allocates
// (its call log, fopen's buffer, the front end's record) is not counted
// against the plug-in.
#include <cstdint>

namespace noheap {

// The wrapped export of `ordinal`; null when the stand-in has none.
void* PausedService(std::uint32_t ordinal);

}  // namespace noheap

#pragma once
// HostConvertText's conversion between the host's code pages: Mazovia (the
// host's own) and Windows-1250 (what MessageBoxA shows on a Polish Windows).
#include <cstdint>

namespace standin {

// In place allowed (source == destination). Only the Polish letters change;
// every other byte passes unchanged; unknown codes copy the text as it is.
void ConvertText(const char* source, char* destination, std::int32_t fromCode, std::int32_t toCode);

}  // namespace standin

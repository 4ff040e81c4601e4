#pragma once
// Host services as a real host may behave and the stand-in does not, for
// the tests to put into the plug-in's slots: natively `serviceSlots`, in
// the real talvenor.dll the row FindServiceSlotRow finds. No state of the
// plug-in is touched here, so the tests of the real DLL link it too.
#include <cstddef>
#include <string>
#include <vector>

#include "contract/abi/host_services.h"

namespace testing_support {

// HostTodayText filling all 12 bytes of the plug-in's buffer, no NUL among
// them: the host date `today` (8 digits), then "1234".
void SetFullBufferToday(const std::string& today);
std::int32_t TALVENOR_CALLEE_POPS TodayFillingItsBuffer(char* buffer);

// HostDaysBetween answering from the first 8 characters of each date, and
// noting how many characters date1 held before its NUL (64 at most are
// looked at, so a date left unterminated is noted as longer than any).
std::int32_t TALVENOR_CALLEE_POPS DaysBetweenNotingDate1(const char* date1, const char* date2);
std::vector<std::size_t>& Date1Lengths();

// HostFileOpen as a read-only directory answers it: never a file.
talvenor::HostFile TALVENOR_CALLEE_POPS OpenRefusingAll(const char* name, const char* mode, std::int32_t share,
                                                        std::int32_t reserved1, std::int32_t reserved2);

}  // namespace testing_support

// Japan's public holidays as the law stood in each year the calendar shows (1970-2038): the named
// days and their moves to Mondays, the equinox days, substitute holidays, the citizens' holiday
// between two holidays, and the one-off days. Years after the last change follow today's law.
#pragma once
#include <array>
#include <cstdint>

// Bit d of element m is set when day d of month m (1-12) is a holiday; element 0 is unused.
using CHolidayMonths = std::array<uint32_t, 13>;

CHolidayMonths HolidaysOfYear(int nYear);
bool IsPublicHoliday(int nYear, int nMonth, int nDay);

// The equinox days by the astronomical approximation the holidays are announced from (1900-2099).
int VernalEquinoxDay(int nYear);
int AutumnalEquinoxDay(int nYear);

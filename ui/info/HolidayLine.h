#pragma once
#include "CString.h"
#include "Time.h"

// "Feiertage am <day>. <month>:" and, on the second line, the countries whose national holiday falls
// on that local date.
CString FormatHolidayLine(CTime time);
CString GetHolidayLine();

#include "HolidayLine.h"
#include "HolidayTable.h"

namespace {

constexpr int kMonthCount = 12;
constexpr const char* kMonthNames[kMonthCount] = {
    "Jänner", "Februar", "März", "April", "Mai", "Juni",
    "Juli", "August", "September", "Oktober", "November", "Dezember"
};

} // namespace

CString FormatHolidayLine(CTime time)
{
    CString line("Feiertage am ");
    line += time.Format("%d. ");
    const int month = time.GetMonth();
    if (month >= 1 && month <= kMonthCount)
        line += kMonthNames[month - 1];
    line += ":\n";

    const int day = time.GetDay();
    bool matched = false;
    for (int i = 0; i < HolidayTable::kEntryCount; ++i) {
        if (HolidayTable::kDays[i] != day || HolidayTable::kMonths[i] != month)
            continue;
        if (matched)
            line += ", ";
        line += HolidayTable::kNames[i];
        matched = true;
    }
    if (!matched)
        line += "<leider keiner>";
    return line;
}

CString GetHolidayLine()
{
    return FormatHolidayLine(CTime::GetCurrentTime());
}

#pragma once
#include "CString.h"
#include <ctime>

// windows.h maps GetCurrentTime() onto GetTickCount(), which would rename the member of that name.
#undef GetCurrentTime

// A point in time; its calendar fields are read in the machine's time zone.
class CTime {
public:
    explicit CTime(time_t time) : m_time(time) {}
    // Daylight saving time is left to the C runtime, as for any local wall-clock time.
    CTime(int year, int month, int day, int hour, int minute, int second);

    static CTime GetCurrentTime();

    int GetDay() const;
    int GetMonth() const;
    CString Format(const char* format) const;

private:
    tm GetLocalTm() const;

    time_t m_time;
};

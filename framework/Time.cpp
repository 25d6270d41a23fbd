#include "Time.h"

namespace {

constexpr size_t kMaxFormatted = 256;

} // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second)
{
    tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    // cppcheck-suppress useInitializationList ; the broken-down time is filled in first
    m_time = std::mktime(&local);
}

CTime CTime::GetCurrentTime()
{
    return CTime(std::time(nullptr));
}

int CTime::GetDay() const
{
    return GetLocalTm().tm_mday;
}

int CTime::GetMonth() const
{
    return GetLocalTm().tm_mon + 1;
}

CString CTime::Format(const char* format) const
{
    const tm local = GetLocalTm();
    char buffer[kMaxFormatted];
    const size_t length = std::strftime(buffer, sizeof buffer, format, &local);
    return CString(buffer, static_cast<int>(length));
}

tm CTime::GetLocalTm() const
{
    // A copy, because the runtime's result lives in storage that the next conversion overwrites.
    const tm* local = std::localtime(&m_time);
    return local ? *local : tm{};
}

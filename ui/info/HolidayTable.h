#pragma once

// National holidays by country: entry i of the three arrays is one holiday. The order is the order in
// which a date's line names its countries. Day 0 matches no date.
namespace HolidayTable {
constexpr int kEntryCount = 278;
extern const int kDays[kEntryCount];
extern const int kMonths[kEntryCount];
extern const char* const kNames[kEntryCount];
} // namespace HolidayTable

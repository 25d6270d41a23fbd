// The holiday line on dates in the local time zone.
#include "HolidayLine.h"
#include <gtest/gtest.h>
#include <string>

namespace {

// Matches come in table order, also where it runs against the days; a leading zero on the day;
// the German names in Windows-1252.
TEST(HolidayLineTest, NamesTheDateAndItsCountries)
{
    const struct {
        int month, day;
        const char* line;
    } rows[] = {
        { 1, 1, "01. J\xE4nner:\nHaiti, Kuba, Samoa, Slowakei, Sudan" },
        { 2, 29, "29. Februar:\n<leider keiner>" },
        { 7, 12, "12. Juli:\nMongolei, Kiribati, S\xE3o Tom\xE9 und Pr\xEDncipe" },
        { 10, 26, "26. Oktober:\nNauru, \xD6sterreich" },
        { 12, 31, "31. Dezember:\n<leider keiner>" },
    };
    // Noon keeps the date clear of daylight-saving shifts.
    for (const auto& row : rows)
        EXPECT_EQ(std::string("Feiertage am ") + row.line,
                  FormatHolidayLine(CTime(2024, row.month, row.day, 12, 0, 0)).str());
}

} // namespace

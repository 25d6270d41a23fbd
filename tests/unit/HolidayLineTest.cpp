// The holiday table and the line built from it, on dates in the local time zone.
#include "HolidayLine.h"
#include "HolidayTable.h"
#include <gtest/gtest.h>
#include <cstring>
#include <iterator>
#include <set>
#include <string>

namespace {

// Noon keeps the date clear of daylight-saving shifts.
CTime Noon(int year, int month, int day)
{
    return CTime(year, month, day, 12, 0, 0);
}

std::string FirstLine(const CString& line)
{
    return line.str().substr(0, line.str().find('\n'));
}

std::string SecondLine(const CString& line)
{
    const size_t lineFeed = line.str().find('\n');
    return lineFeed == std::string::npos ? std::string() : line.str().substr(lineFeed + 1);
}

int CountNames(const std::string& countries)
{
    int names = 1;
    for (size_t at = countries.find(", "); at != std::string::npos; at = countries.find(", ", at + 2))
        ++names;
    return names;
}

int CountEntries(const char* name)
{
    int count = 0;
    for (const char* entry : HolidayTable::kNames)
        count += std::strcmp(entry, name) == 0;
    return count;
}

int FirstEntry(const char* name)
{
    for (int i = 0; i < HolidayTable::kEntryCount; ++i)
        if (std::strcmp(HolidayTable::kNames[i], name) == 0)
            return i;
    return -1;
}

// ---- The table ----

TEST(HolidayTableTest, HasTheEntryCountInAllThreeArrays)
{
    EXPECT_EQ(278, HolidayTable::kEntryCount);
    EXPECT_EQ(278u, std::size(HolidayTable::kDays));
    EXPECT_EQ(278u, std::size(HolidayTable::kMonths));
    EXPECT_EQ(278u, std::size(HolidayTable::kNames));
}

TEST(HolidayTableTest, StoresEachDistinctNameOnce)
{
    const std::set<const char*> pointers(std::begin(HolidayTable::kNames), std::end(HolidayTable::kNames));
    std::set<std::string> texts;
    for (const char* name : HolidayTable::kNames)
        texts.insert(name);
    EXPECT_EQ(193u, pointers.size());
    EXPECT_EQ(193u, texts.size());
}

TEST(HolidayTableTest, HoldsEachMonthsEntryCount)
{
    const int expected[12] = { 11, 15, 15, 17, 20, 23, 36, 27, 30, 32, 30, 22 };
    int counted[12] = {};
    for (int month : HolidayTable::kMonths) {
        ASSERT_GE(month, 1);
        ASSERT_LE(month, 12);
        ++counted[month - 1];
    }
    for (int month = 0; month < 12; ++month)
        EXPECT_EQ(expected[month], counted[month]) << "month " << month + 1;
}

struct TableEntry {
    int index;
    int day;
    int month;
    const char* name;
};

void PrintTo(const TableEntry& entry, std::ostream* out)
{
    *out << "entry " << entry.index;
}

class HolidayTableEntryTest : public testing::TestWithParam<TableEntry> {};

TEST_P(HolidayTableEntryTest, HoldsDayMonthAndName)
{
    const TableEntry& entry = GetParam();
    EXPECT_EQ(entry.day, HolidayTable::kDays[entry.index]);
    EXPECT_EQ(entry.month, HolidayTable::kMonths[entry.index]);
    EXPECT_STREQ(entry.name, HolidayTable::kNames[entry.index]);
}

INSTANTIATE_TEST_SUITE_P(Ends, HolidayTableEntryTest, testing::Values(
    TableEntry{ 0, 1, 1, "Haiti" },
    TableEntry{ 277, 28, 12, "Nepal" }));

// Where a later day stands before an earlier one.
INSTANTIATE_TEST_SUITE_P(OutOfOrder, HolidayTableEntryTest, testing::Values(
    TableEntry{ 117, 13, 7, "Mongolei" },
    TableEntry{ 118, 12, 7, "Kiribati" },
    TableEntry{ 198, 1, 10, "Salomonen" }));

struct SpelledName {
    const char* name;
    int firstIndex;
    int entries;
};

void PrintTo(const SpelledName& spelled, std::ostream* out)
{
    *out << "name at " << spelled.firstIndex;
}

class HolidayTableSpellingTest : public testing::TestWithParam<SpelledName> {};

TEST_P(HolidayTableSpellingTest, KeepsTheNameAsItStands)
{
    const SpelledName& spelled = GetParam();
    EXPECT_EQ(spelled.firstIndex, FirstEntry(spelled.name));
    EXPECT_EQ(spelled.entries, CountEntries(spelled.name));
}

INSTANTIATE_TEST_SUITE_P(Tricky, HolidayTableSpellingTest, testing::Values(
    SpelledName{ "Weißrußland", 105, 1 },
    SpelledName{ "Antigua und Barbadu", 227, 1 },
    SpelledName{ "St. Vincent und die Grenadien", 220, 1 },
    SpelledName{ "Kongo (Dem. Rep.)", 100, 2 },
    SpelledName{ "São Tomé und Príncipe", 119, 1 },
    SpelledName{ "Äquatorialguinea", 30, 1 },
    SpelledName{ "Russische Föderation", 42, 5 },
    SpelledName{ "Guinea-Bissau", 191, 1 }));

// ---- The line ----

struct DatedLine {
    int month;
    int day;
    const char* firstLine;
    const char* secondLine;
};

void PrintTo(const DatedLine& dated, std::ostream* out)
{
    *out << dated.day << "." << dated.month << ".";
}

class HolidayLineTest : public testing::TestWithParam<DatedLine> {};

TEST_P(HolidayLineTest, NamesTheDateAndItsCountries)
{
    const DatedLine& dated = GetParam();
    const CString line = FormatHolidayLine(Noon(2024, dated.month, dated.day));
    EXPECT_EQ(std::string(dated.firstLine) + ":\n" + dated.secondLine, line.str());
}

// Matches come in table order, also where it runs against the days; a leading zero on the day.
INSTANTIATE_TEST_SUITE_P(Worked, HolidayLineTest, testing::Values(
    DatedLine{ 1, 1, "Feiertage am 01. Jänner", "Haiti, Kuba, Samoa, Slowakei, Sudan" },
    DatedLine{ 7, 12, "Feiertage am 12. Juli", "Mongolei, Kiribati, São Tomé und Príncipe" },
    DatedLine{ 7, 26, "Feiertage am 26. Juli", "Kuba, Liberia, Malediven" },
    DatedLine{ 10, 2, "Feiertage am 02. Oktober", "Palau, Guinea" },
    DatedLine{ 2, 29, "Feiertage am 29. Februar", "<leider keiner>" },
    DatedLine{ 12, 31, "Feiertage am 31. Dezember", "<leider keiner>" }));

TEST(HolidayLineMonthTest, NamesEachMonthInGerman)
{
    const char* const names[12] = { "Jänner", "Februar", "März", "April", "Mai", "Juni",
                                    "Juli", "August", "September", "Oktober", "November", "Dezember" };
    for (int month = 1; month <= 12; ++month) {
        const CString line = FormatHolidayLine(Noon(2023, month, 20));
        EXPECT_EQ(std::string("Feiertage am 20. ") + names[month - 1] + ":", FirstLine(line));
    }
}

// The dialog shows 8-bit text in Windows-1252, whatever the source's encoding.
TEST(HolidayLineEncodingTest, WritesUmlautsInTheCodePage)
{
    EXPECT_EQ("Feiertage am 26. Oktober:\nNauru, \xD6sterreich", FormatHolidayLine(Noon(2024, 10, 26)).str());
    EXPECT_EQ("Feiertage am 05. J\xE4nner:", FirstLine(FormatHolidayLine(Noon(2024, 1, 5))));
}

TEST(HolidayLineYearTest, CoversEveryNonZeroEntryOnceOverALeapYear)
{
    const time_t first = Noon(2024, 1, 1).GetTime();
    std::set<std::pair<int, int>> dates;
    int datesWithEntries = 0;
    int namesShown = 0;
    for (int dayOfYear = 0; dayOfYear < 366; ++dayOfYear) {
        const CTime date(first + static_cast<time_t>(dayOfYear) * 24 * 60 * 60);
        dates.insert({ date.GetMonth(), date.GetDay() });
        const std::string countries = SecondLine(FormatHolidayLine(date));
        ASSERT_FALSE(countries.empty());
        if (countries == "<leider keiner>")
            continue;
        ++datesWithEntries;
        namesShown += CountNames(countries);
        EXPECT_EQ(std::string::npos, countries.find("Großbritannien")) << date.GetDay() << "." << date.GetMonth();
        EXPECT_EQ(std::string::npos, countries.find("Jamaika")) << date.GetDay() << "." << date.GetMonth();
        if (date.GetMonth() != 4 || date.GetDay() != 25) {
            EXPECT_EQ(std::string::npos, countries.find("Italien")) << date.GetDay() << "." << date.GetMonth();
        }
    }
    EXPECT_EQ(366u, dates.size());
    EXPECT_EQ(187, datesWithEntries);
    EXPECT_EQ(275, namesShown);
}

TEST(HolidayLineNowTest, ShowsTodaysLine)
{
    const CString before = FormatHolidayLine(CTime::GetCurrentTime());
    const CString line = GetHolidayLine();
    const CString after = FormatHolidayLine(CTime::GetCurrentTime());
    EXPECT_TRUE(line == before || line == after) << line.str();
}

} // namespace

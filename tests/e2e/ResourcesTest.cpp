// The resources as they are built into Velmora.exe.
#include "ProgramSession.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct InitRecord {
    WORD control;
    WORD message;
    DWORD length;
    std::string text;
};

TEST(ResourcesTest, CreditsRowsAreInitDataRecordsForTheCreditsList)
{
    const HMODULE exe = LoadLibraryExA(ProgramSession::ExecutablePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(exe);
    const HRSRC found = FindResourceA(exe, MAKEINTRESOURCEA(100), MAKEINTRESOURCEA(240));
    ASSERT_TRUE(found);
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(exe, found)));
    const DWORD size = SizeofResource(exe, found);
    std::vector<InitRecord> records;
    DWORD at = 0;
    for (;;) {
        ASSERT_LE(at + 2, size);
        WORD control = 0;
        std::memcpy(&control, data + at, 2);
        if (control == 0)
            break;
        ASSERT_LE(at + 8, size);
        InitRecord record{ control, 0, 0, {} };
        std::memcpy(&record.message, data + at + 2, 2);
        std::memcpy(&record.length, data + at + 4, 4);
        ASSERT_LE(at + 8 + record.length, size);
        ASSERT_EQ(0, data[at + 8 + record.length - 1]) << "each text ends in a zero byte";
        record.text = reinterpret_cast<const char*>(data + at + 8);
        records.push_back(record);
        at += 8 + record.length;
    }
    ASSERT_EQ(7u, records.size());
    const DWORD lengths[] = { 9, 0, 17, 0, 20, 16, 34 };
    const char* texts[] = { "Danke an", nullptr, "  für das Testen", nullptr, "  für Codebeispiele", "- alle anderen ",
                            "  für die Benutzung des Programms" };
    for (size_t row = 0; row < records.size(); ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(1011, records[row].control);
        EXPECT_EQ(0x0403, records[row].message);
        EXPECT_EQ(records[row].text.size() + 1, records[row].length);
        if (texts[row]) {
            EXPECT_EQ(lengths[row], records[row].length);
            EXPECT_EQ(texts[row], records[row].text);
        } else {
            EXPECT_EQ("- ", records[row].text.substr(0, 2));
        }
    }
    FreeLibrary(exe);
}

} // namespace

// The settings store against the real registry of the test prefix.
#include "RawSettings.h"
#include "RegistryApi.h"
#include "Settings.h"
#include "WinApp.h"
#include <gtest/gtest.h>
#include <string>

namespace {

using RawSettings::kCompany;

LONG WINAPI RefuseKey(HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY, LPDWORD)
{
    return ERROR_ACCESS_DENIED;
}

// Defaults that no caller passes: a read that falls back to its default shows it.
constexpr int kDefaultNumber = 7;
constexpr const char* kDefaultText = "<default>";

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RawSettings::DeleteBranch();
        m_app.SetRegistryKey(kCompany);
    }
    void TearDown() override { RawSettings::DeleteBranch(); }

    // What the program's read gives, a switch as its number.
    std::string Read(const Setting& setting) const
    {
        if (setting.isSwitch)
            return std::to_string(m_app.GetProfileInt(Settings::kSection, setting.name, kDefaultNumber));
        return m_app.GetProfileString(Settings::kSection, setting.name, kDefaultText).str();
    }
    static std::string DefaultOf(const Setting& setting)
    {
        return setting.isSwitch ? std::to_string(kDefaultNumber) : kDefaultText;
    }
    // A value of its proper type in every setting, each a different one, as the program reads it.
    static std::string DistinctValue(const Setting& setting)
    {
        const auto index = &setting - RawSettings::kAll;
        return setting.isSwitch ? std::to_string(10 + index) : std::string("Wert ") + setting.name;
    }
    static void StoreDistinctValues()
    {
        for (const Setting& setting : RawSettings::kAll)
            RawSettings::Store(setting.name, setting.isSwitch ? RawSettings::Number(std::stoul(DistinctValue(setting)))
                                                             : RawSettings::Text(DistinctValue(setting)));
    }

    CWinApp m_app{ "Velmora" };
};

TEST_F(ProfileTest, FirstRunReadsEveryDefaultAndLeavesTheKeyPathCreated)
{
    EXPECT_FALSE(RawSettings::SectionExists("Velmora"));
    for (const Setting& setting : RawSettings::kAll)
        EXPECT_EQ(DefaultOf(setting), Read(setting)) << setting.name;
    EXPECT_TRUE(RawSettings::SectionExists("Velmora"));
}

TEST_F(ProfileTest, WritesLandAsDwordAndStringUnderTheExactPath)
{
    m_app.WriteProfileInt("Config", "ParamAsk", 1);
    m_app.WriteProfileString("Config", "OracleSrv", "OracleServiceORCL");
    EXPECT_EQ(RawSettings::Number(1), RawSettings::Read("ParamAsk"));
    EXPECT_EQ(RawSettings::Text("OracleServiceORCL"), RawSettings::Read("OracleSrv"));
    EXPECT_EQ(CString("OracleServiceORCL"), m_app.GetProfileString("Config", "OracleSrv", ""));
}

TEST_F(ProfileTest, AStoredValueReadsWithinItsDataAndLeavesTheOtherSettingsAlone)
{
    const std::string big(100 * 1024, 'x');
    std::string high;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        high += static_cast<char>(byte);
    const DWORD one = 1;
    const std::string oneAsBytes(reinterpret_cast<const char*>(&one), sizeof(one));
    struct Row {
        const char* entry;
        RawValue stored;
        const char* expected; // nullptr: the caller's default
    };
    const Row rows[] = {
        // A switch holds only a four-byte REG_DWORD; anything else reads as the caller's default.
        { "ParamStop", { REG_SZ, std::string("1\0", 2) }, nullptr },
        { "ParamStart", { REG_BINARY, oneAsBytes }, nullptr },
        { "ParamEnde", { REG_QWORD, oneAsBytes + std::string(4, '\0') }, nullptr },
        { "ParamAsk", { REG_DWORD, oneAsBytes.substr(0, 2) }, nullptr },
        { "ParamMin", { REG_DWORD, oneAsBytes + oneAsBytes }, nullptr },
        { "ParamMin", RawSettings::Number(2), "2" },
        { "ParamStart", RawSettings::Number(0xFFFFFFFF), "4294967295" },
        // A name holds only a REG_SZ, read up to its first zero or the end of its data.
        { "OracleSrv", { REG_DWORD, oneAsBytes }, nullptr },
        { "OracleTns", { REG_BINARY, "abc" }, nullptr },
        { "OracleSrv", { REG_EXPAND_SZ, std::string("abc\0", 4) }, nullptr },
        { "InfoText", { REG_MULTI_SZ, std::string("a\0b\0\0", 5) }, nullptr },
        { "InfoText", { REG_SZ, "abc" }, "abc" },
        { "OracleTns", { REG_SZ, std::string("ab\0cd", 6) }, "ab" },
        { "InfoText", { REG_SZ, "" }, "" },
        { "InfoText", RawSettings::Text(big), big.c_str() },
        { "OracleSrv", RawSettings::Text(big), big.c_str() },
        // Bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) among the others.
        { "InfoText", RawSettings::Text(high), high.c_str() },
        { "OracleSrv", RawSettings::Text("\\\\.\\Oracle Dienst\\ "), "\\\\.\\Oracle Dienst\\ " },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.entry << ", " << row.stored);
        StoreDistinctValues();
        RawSettings::Store(row.entry, row.stored);
        for (const Setting& setting : RawSettings::kAll) {
            const bool isRow = std::string(setting.name) == row.entry;
            const std::string expected = !isRow ? DistinctValue(setting) : row.expected ? row.expected : DefaultOf(setting);
            EXPECT_EQ(expected, Read(setting)) << setting.name;
        }
    }
}

TEST_F(ProfileTest, TextKeepsItsWindows1252BytesThroughTheStoreAndAWindow)
{
    const char text[] = "Rückfrage \x81\x8D\x8F\x90\x9D Ende";
    ASSERT_EQ(static_cast<char>(0xFC), text[1]);
    m_app.WriteProfileString("Config", "InfoText", text);
    EXPECT_EQ(RawSettings::Text(text), RawSettings::Read("InfoText"));
    const CString back = m_app.GetProfileString("Config", "InfoText", "");
    EXPECT_STREQ(text, back);

    // Through a window's text as well, the A-functions keep the bytes.
    HWND edit = CreateWindowExA(0, "EDIT", back, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(edit);
    char shown[64] = {};
    GetWindowTextA(edit, shown, sizeof(shown));
    DestroyWindow(edit);
    EXPECT_STREQ(text, shown);
}

TEST_F(ProfileTest, AnotherApplicationNameUsesItsOwnBranch)
{
    m_app.WriteProfileString("Config", "OracleSrv", "A");
    CWinApp other("VelmoraCopy");
    other.SetRegistryKey(kCompany);
    EXPECT_EQ(CString(""), other.GetProfileString("Config", "OracleSrv", ""));
    other.WriteProfileString("Config", "OracleSrv", "B");
    EXPECT_EQ(CString("A"), m_app.GetProfileString("Config", "OracleSrv", ""));
    EXPECT_TRUE(RawSettings::SectionExists("VelmoraCopy"));
}

TEST_F(ProfileTest, AKeyThatCannotBeOpenedGivesEveryDefaultAndWritesNothing)
{
    StoreDistinctValues();
    RegistryApi saved = Registry();
    Registry().createKey = &RefuseKey;
    for (const Setting& setting : RawSettings::kAll) {
        EXPECT_EQ(DefaultOf(setting), Read(setting)) << setting.name;
        EXPECT_FALSE(setting.isSwitch ? m_app.WriteProfileInt("Config", setting.name, 1)
                                      : m_app.WriteProfileString("Config", setting.name, "X"))
            << setting.name;
    }
    Registry() = saved;
    for (const Setting& setting : RawSettings::kAll)
        EXPECT_EQ(DistinctValue(setting), Read(setting)) << setting.name;
}

} // namespace

// The settings store against the real registry of the test prefix.
#include "RegistryKey.h"
#include "Settings.h"
#include "WinApp.h"
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr const char* kCompany = "Orvik Velmora";

LONG WINAPI RefuseKey(HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY, LPDWORD)
{
    return ERROR_ACCESS_DENIED;
}

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteBranch();
        m_app.SetRegistryKey(kCompany);
    }
    void TearDown() override { DeleteBranch(); }

    static std::string SectionPath(const char* appName)
    {
        return std::string("Software\\") + kCompany + "\\" + appName + "\\" + Settings::kSection;
    }
    static void DeleteBranch() { RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompany).c_str()); }

    static RegistryKey OpenSection(const char* appName)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(appName).c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
            return RegistryKey();
        return RegistryKey(key);
    }
    static void StoreRaw(const char* entry, DWORD type, const void* data, DWORD size)
    {
        HKEY raw = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath("Velmora").c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &raw, nullptr));
        const RegistryKey key(raw);
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.get(), entry, 0, type, static_cast<const BYTE*>(data), size));
    }

    CWinApp m_app{ "Velmora" };
};

TEST_F(ProfileTest, FirstRunReadsEveryDefaultAndLeavesTheKeyPathCreated)
{
    using namespace Settings;
    EXPECT_FALSE(OpenSection("Velmora"));
    EXPECT_EQ(CString(""), m_app.GetProfileString(kSection, kOracleSrv, ""));
    EXPECT_EQ(CString(""), m_app.GetProfileString(kSection, kOracleTns, ""));
    EXPECT_EQ(CString(""), m_app.GetProfileString(kSection, kInfoText, ""));
    for (const char* key : { kParamStop, kParamStart, kParamEnde, kParamAsk, kParamMin })
        EXPECT_EQ(0u, m_app.GetProfileInt(kSection, key, 0)) << key;
    EXPECT_TRUE(OpenSection("Velmora"));
}

TEST_F(ProfileTest, WritesLandAsDwordAndStringUnderTheExactPath)
{
    m_app.WriteProfileInt("Config", "ParamAsk", 1);
    m_app.WriteProfileString("Config", "OracleSrv", "OracleServiceORCL");

    const RegistryKey key = OpenSection("Velmora");
    ASSERT_TRUE(key);
    DWORD type = 0, value = 0, size = sizeof(value);
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key.get(), "ParamAsk", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(1u, value);
    char text[64] = {};
    size = sizeof(text);
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key.get(), "OracleSrv", nullptr, &type, reinterpret_cast<BYTE*>(text), &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_STREQ("OracleServiceORCL", text);
    EXPECT_EQ(CString("OracleServiceORCL"), m_app.GetProfileString("Config", "OracleSrv", ""));
}

TEST_F(ProfileTest, ValuesOfTheWrongTypeReadAsTheDefault)
{
    StoreRaw("ParamStop", REG_SZ, "1", 2);
    const DWORD one = 1;
    StoreRaw("OracleSrv", REG_DWORD, &one, sizeof(one));
    StoreRaw("OracleTns", REG_BINARY, "abc", 3);
    EXPECT_EQ(0u, m_app.GetProfileInt("Config", "ParamStop", 0));
    EXPECT_EQ(CString(""), m_app.GetProfileString("Config", "OracleSrv", ""));
    EXPECT_EQ(CString(""), m_app.GetProfileString("Config", "OracleTns", ""));
}

TEST_F(ProfileTest, SwitchesHoldingOtherValuesThanOneReadBackAsStored)
{
    m_app.WriteProfileInt("Config", "ParamMin", 2);
    m_app.WriteProfileInt("Config", "ParamStart", -1);
    EXPECT_EQ(2u, m_app.GetProfileInt("Config", "ParamMin", 0));
    EXPECT_NE(1u, m_app.GetProfileInt("Config", "ParamStart", 0));
}

TEST_F(ProfileTest, AHundredKilobyteStringComesBackWhole)
{
    std::string text(100 * 1024, 'x');
    text[0] = 'A';
    text.back() = 'Z';
    m_app.WriteProfileString("Config", "InfoText", text.c_str());
    EXPECT_EQ(text, m_app.GetProfileString("Config", "InfoText", "").str());
}

TEST_F(ProfileTest, AStringWithoutTerminatingZeroIsReadToItsEndAndNoFurther)
{
    StoreRaw("InfoText", REG_SZ, "abcdef", 3);
    EXPECT_EQ(CString("abc"), m_app.GetProfileString("Config", "InfoText", ""));
    StoreRaw("OracleTns", REG_SZ, "ab\0cd", 6);
    EXPECT_EQ(CString("ab"), m_app.GetProfileString("Config", "OracleTns", ""));
}

TEST_F(ProfileTest, GermanTextKeepsItsWindows1252Bytes)
{
    const char* text = "Rückfrage vor Programmende";
    ASSERT_EQ(static_cast<char>(0xFC), text[1]);
    m_app.WriteProfileString("Config", "InfoText", text);
    const RegistryKey key = OpenSection("Velmora");
    char raw[64] = {};
    DWORD size = sizeof(raw);
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key.get(), "InfoText", nullptr, nullptr, reinterpret_cast<BYTE*>(raw), &size));
    EXPECT_STREQ(text, raw);
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

TEST_F(ProfileTest, BytesOutsideWindows1252PassThroughUnchanged)
{
    const char text[] = { 'a', static_cast<char>(0x81), static_cast<char>(0x8D), static_cast<char>(0x9D), 'z', 0 };
    m_app.WriteProfileString("Config", "InfoText", text);
    EXPECT_STREQ(text, m_app.GetProfileString("Config", "InfoText", ""));
}

TEST_F(ProfileTest, AnotherApplicationNameUsesItsOwnBranch)
{
    m_app.WriteProfileString("Config", "OracleSrv", "A");
    CWinApp other("VelmoraCopy");
    other.SetRegistryKey(kCompany);
    EXPECT_EQ(CString(""), other.GetProfileString("Config", "OracleSrv", ""));
    other.WriteProfileString("Config", "OracleSrv", "B");
    EXPECT_EQ(CString("A"), m_app.GetProfileString("Config", "OracleSrv", ""));
    EXPECT_TRUE(OpenSection("VelmoraCopy"));
}

TEST_F(ProfileTest, AFailingKeyGivesDefaultsAndWritesNothing)
{
    RegistryApi saved = Registry();
    Registry().createKey = &RefuseKey;
    EXPECT_FALSE(m_app.WriteProfileString("Config", "OracleSrv", "X"));
    EXPECT_EQ(CString(""), m_app.GetProfileString("Config", "OracleSrv", ""));
    EXPECT_EQ(0u, m_app.GetProfileInt("Config", "ParamAsk", 0));
    Registry() = saved;
    EXPECT_EQ(CString(""), m_app.GetProfileString("Config", "OracleSrv", ""));
}

} // namespace

// The settings store against the real registry of the test prefix.
#include "FakeSeamsFixture.h"
#include "RawSettings.h"
#include "RegistryApi.h"

namespace {

using ProfileTest = FakeSeamsFixture;

// Whatever a value holds, a read stays within its data, and a value of the wrong kind reads as
// the caller's default. What a write stores is the settings dialog's test's.
TEST_F(ProfileTest, StoredValuesReadWithinTheirDataOrAsTheDefault)
{
    const std::string one = RawSettings::Number(1).data;
    const struct {
        const char* label;
        RawSettings::Value stored;
        const char* expected;
    } rows[] = {
        { "dword", RawSettings::Number(7), "7|<default>" },
        { "text", RawSettings::Text("R\xFC" "ckfrage"), "5|R\xFC" "ckfrage" },
        { "text without its zero", { REG_SZ, "abc" }, "5|abc" },
        { "text with an inner zero", { REG_SZ, std::string("ab\0cd", 6) }, "5|ab" },
        { "long text", RawSettings::Text(std::string(100000, 'x')), nullptr },
        { "expandable text", { REG_EXPAND_SZ, std::string("abc\0", 4) }, "5|<default>" },
        { "binary", { REG_BINARY, one }, "5|<default>" },
        { "short dword", { REG_DWORD, one.substr(0, 2) }, "5|<default>" },
    };
    for (const auto& row : rows) {
        RawSettings::Store("Value", row.stored);
        const std::string read = std::to_string(m_app.GetProfileInt("Config", "Value", 5)) + "|"
            + m_app.GetProfileString("Config", "Value", "<default>").str();
        EXPECT_EQ(row.expected ? row.expected : "5|" + std::string(100000, 'x'), read) << row.label;
    }
}

LONG WINAPI RefuseKey(HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY, LPDWORD)
{
    return ERROR_ACCESS_DENIED;
}

TEST_F(ProfileTest, AKeyThatCannotBeOpenedGivesTheDefaultsAndWritesNothing)
{
    Registry().createKey = &RefuseKey;
    EXPECT_EQ(3u, m_app.GetProfileInt("Config", "ParamMin", 3));
    EXPECT_EQ(CString("-"), m_app.GetProfileString("Config", "OracleSrv", "-"));
    EXPECT_FALSE(m_app.WriteProfileInt("Config", "ParamMin", 1));
    Registry() = RegistryApi();
    EXPECT_EQ(std::nullopt, RawSettings::Read("ParamMin"));
}

} // namespace

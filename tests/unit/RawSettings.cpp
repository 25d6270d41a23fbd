#include "RawSettings.h"
#include "RegistryKey.h"
#include "Settings.h"
#include <gtest/gtest.h>
#include <vector>

namespace RawSettings {

const Setting kAll[8] = {
    { Settings::kOracleSrv, false }, { Settings::kOracleTns, false }, { Settings::kParamStop, true },
    { Settings::kParamStart, true }, { Settings::kParamEnde, true },  { Settings::kParamAsk, true },
    { Settings::kParamMin, true },   { Settings::kInfoText, false },
};

namespace {

std::string SectionPath(const char* application)
{
    return std::string("Software\\") + kCompany + "\\" + application + "\\" + Settings::kSection;
}

RegistryKey OpenSection(const char* application)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(application).c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

} // namespace

RawValue Text(const std::string& text)
{
    return { REG_SZ, text + '\0' };
}

RawValue Number(DWORD number)
{
    return { REG_DWORD, std::string(reinterpret_cast<const char*>(&number), sizeof(number)) };
}

void DeleteBranch()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompany).c_str());
}

bool SectionExists(const char* application)
{
    return static_cast<bool>(OpenSection(application));
}

void Store(const char* entry, const RawValue& value)
{
    HKEY raw = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath("Velmora").c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &raw, nullptr));
    const RegistryKey key(raw);
    // A zero right behind a text's data is counted as its terminator, as NT does: a byte other
    // than zero there keeps a text without one.
    const std::string bytes = value.data + '\x01';
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.get(), entry, 0, value.type, reinterpret_cast<const BYTE*>(bytes.data()),
                                            static_cast<DWORD>(value.data.size())));
    ASSERT_EQ(value, Read(entry)) << entry << " is stored as given";
}

std::optional<RawValue> Read(const char* entry)
{
    const RegistryKey key = OpenSection("Velmora");
    DWORD type = 0;
    DWORD size = 0;
    if (!key || RegQueryValueExA(key.get(), entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    // A spare byte, so that an empty value too is read into a buffer rather than only measured.
    std::vector<char> data(size + 1);
    if (RegQueryValueExA(key.get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return RawValue{ type, std::string(data.data(), size) };
}

} // namespace RawSettings

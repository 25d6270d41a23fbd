#include "RawSettings.h"
#include "RegistryKey.h"
#include <gtest/gtest.h>
#include <vector>

namespace RawSettings {

namespace {

constexpr const char* kSectionPath = "Software\\Orvik Velmora\\Velmora\\Config";

} // namespace

Value Text(const std::string& text)
{
    return { REG_SZ, text + '\0' };
}

Value Number(DWORD number)
{
    return { REG_DWORD, std::string(reinterpret_cast<const char*>(&number), sizeof(number)) };
}

void DeleteBranch()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompany).c_str());
}

void Store(const char* entry, const Value& value)
{
    HKEY raw = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kSectionPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &raw, nullptr));
    const RegistryKey key(raw);
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.get(), entry, 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                                            static_cast<DWORD>(value.data.size())));
}

std::optional<Value> Read(const char* entry)
{
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSectionPath, 0, KEY_READ, &raw) != ERROR_SUCCESS)
        return std::nullopt;
    const RegistryKey key(raw);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<char> data(size + 1);
    RegQueryValueExA(key.get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    return Value{ type, std::string(data.data(), size) };
}

} // namespace RawSettings

#include "RawSettings.h"
#include "Settings.h"
#include <gtest/gtest.h>

namespace RawSettings {

namespace {

const std::string kCompanyPath = std::string("Software\\") + Settings::kCompany;
const std::string kSectionPath = kCompanyPath + "\\Velmora\\" + Settings::kSection;
constexpr DWORD kAsStored = RRF_RT_ANY | RRF_NOEXPAND;

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
    RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyPath.c_str());
}

void Store(const char* entry, const Value& value)
{
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueA(HKEY_CURRENT_USER, kSectionPath.c_str(), entry, value.type,
                                             value.data.data(), static_cast<DWORD>(value.data.size())));
}

std::optional<Value> Read(const char* entry)
{
    Value value{ REG_NONE, std::string(1024, '\0') };
    auto size = static_cast<DWORD>(value.data.size());
    if (RegGetValueA(HKEY_CURRENT_USER, kSectionPath.c_str(), entry, kAsStored, &value.type, value.data.data(), &size))
        return std::nullopt;
    value.data.resize(size);
    return value;
}

} // namespace RawSettings

#include "RegistryProfile.h"
#include "RegistryKey.h"
#include <vector>

RegistryApi& Registry()
{
    static RegistryApi api;
    return api;
}

namespace {

// Every access creates the whole path, reads included, so the branch exists after the first run;
// one call creates every missing key of it, as the settings are read at every refresh.
RegistryKey OpenSection(const CString& company, const CString& application, const char* section)
{
    const CString path = "Software\\" + company + "\\" + application + "\\" + section;
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (Registry().createKey(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                             nullptr, &key, &disposition) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

} // namespace

UINT RegistryProfile::GetInt(const char* section, const char* entry, int defaultValue) const
{
    const RegistryKey key = OpenSection(m_company, m_application, section);
    if (!key)
        return static_cast<UINT>(defaultValue);
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (Registry().queryValue(key.get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS
        || type != REG_DWORD || size != sizeof(value))
        return static_cast<UINT>(defaultValue);
    return value;
}

CString RegistryProfile::GetString(const char* section, const char* entry, const char* defaultValue) const
{
    const RegistryKey key = OpenSection(m_company, m_application, section);
    if (!key)
        return defaultValue;
    // The settings dialog writes every value back, so a text is read whole whatever its length:
    // ask for the size, and ask again if the value grew in between.
    DWORD type = REG_NONE;
    DWORD size = 0;
    LONG result = Registry().queryValue(key.get(), entry, nullptr, &type, nullptr, &size);
    std::vector<BYTE> buffer;
    while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        if (type != REG_SZ)
            return defaultValue;
        buffer.resize(size + 1);
        DWORD got = size;
        result = Registry().queryValue(key.get(), entry, nullptr, &type, buffer.data(), &got);
        if (result == ERROR_SUCCESS && type == REG_SZ) {
            // A value stored without its zero ends at its last byte, never past it.
            buffer.resize(got);
            size_t length = 0;
            while (length < buffer.size() && buffer[length] != 0)
                ++length;
            return CString(reinterpret_cast<const char*>(buffer.data()), static_cast<int>(length));
        }
        if (result == ERROR_MORE_DATA)
            size = got;
    }
    return defaultValue;
}

BOOL RegistryProfile::WriteInt(const char* section, const char* entry, int value) const
{
    const RegistryKey key = OpenSection(m_company, m_application, section);
    if (!key)
        return FALSE;
    const DWORD data = static_cast<DWORD>(value);
    return Registry().setValue(key.get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data))
           == ERROR_SUCCESS;
}

BOOL RegistryProfile::WriteString(const char* section, const char* entry, const char* value) const
{
    const RegistryKey key = OpenSection(m_company, m_application, section);
    if (!key)
        return FALSE;
    const CString text(value);
    return Registry().setValue(key.get(), entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(static_cast<const char*>(text)),
                               static_cast<DWORD>(text.GetLength() + 1))
           == ERROR_SUCCESS;
}

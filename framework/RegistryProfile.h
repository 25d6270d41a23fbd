#pragma once
// Settings under HKEY_CURRENT_USER\Software\<company>\<application>\<section>.
#include "CString.h"

class RegistryProfile {
public:
    RegistryProfile(CString company, CString application)
        : m_company(std::move(company)), m_application(std::move(application)) {}

    UINT GetInt(const char* section, const char* entry, int defaultValue) const;
    CString GetString(const char* section, const char* entry, const char* defaultValue) const;
    BOOL WriteInt(const char* section, const char* entry, int value) const;
    BOOL WriteString(const char* section, const char* entry, const char* value) const;

private:
    CString m_company;
    CString m_application;
};

#include "WinApp.h"
#include <vector>

namespace {

CWinApp* g_app = nullptr;

// Without an application-title resource the name is the executable's file name without its extension.
CString ExecutableBaseName()
{
    // Room for the longest path Windows has.
    std::vector<char> path(32768);
    GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::string name = path.data();
    name = name.substr(name.find_last_of("\\/") + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name.c_str();
}

} // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName ? CString(appName) : ExecutableBaseName())
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::SetRegistryKey(const char* company)
{
    m_profile = std::make_unique<RegistryProfile>(company, m_pszAppName);
}

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const
{
    return m_profile ? m_profile->GetInt(section, entry, defaultValue) : static_cast<UINT>(defaultValue);
}

CString CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue) const
{
    return m_profile ? m_profile->GetString(section, entry, defaultValue) : CString(defaultValue);
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value) const
{
    return m_profile && m_profile->WriteInt(section, entry, value);
}

BOOL CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) const
{
    return m_profile && m_profile->WriteString(section, entry, value);
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

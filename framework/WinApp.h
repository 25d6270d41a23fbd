#pragma once
#include "CString.h"
#include "MessageMap.h"
#include "RegistryProfile.h"
#include <memory>

class CWnd;

// The framework's help command (the F1 key in a dialog).
constexpr UINT ID_HELP = 57670;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return FALSE; }

    void SetRegistryKey(const char* company);
    // The classic 3-D look is what current Windows shows anyway.
    void Enable3dControlsStatic() {}

    UINT GetProfileInt(const char* section, const char* entry, int defaultValue) const;
    CString GetProfileString(const char* section, const char* entry, const char* defaultValue = "") const;
    BOOL WriteProfileInt(const char* section, const char* entry, int value) const;
    BOOL WriteProfileString(const char* section, const char* entry, const char* value) const;

    // An icon of the program's resources; it is shared and never destroyed.
    HICON LoadIcon(UINT id) const { return ::LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

    // No help file ships with the program, so asking for help shows nothing.
    void OnHelp() {}

    CWnd* m_pMainWnd = nullptr;
    CString m_pszAppName;

private:
    std::unique_ptr<RegistryProfile> m_profile;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

#include "LiveRegions.h"

namespace {

// UI Automation's LiveSetting property and its value Polite.
const GUID kLiveSettingProperty = { 0xc12bcd8e, 0x2a8e, 0x4950, { 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb } };
constexpr LONG kPolite = 1;

} // namespace

void LiveRegions::Mark(HWND text)
{
    if (!m_bComStarted) {
        m_bComStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        if (m_bComStarted)
            CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                             reinterpret_cast<void**>(&m_pServices));
    }
    if (!m_pServices)
        return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    const DWORD client = static_cast<DWORD>(OBJID_CLIENT);
    if (SUCCEEDED(m_pServices->SetHwndProp(text, client, CHILDID_SELF, kLiveSettingProperty, polite)))
        m_marked.push_back(text);
}

void LiveRegions::Clear()
{
    MSAAPROPID property = kLiveSettingProperty;
    for (const HWND text : m_marked)
        m_pServices->ClearHwndProps(text, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &property, 1);
    m_marked.clear();
    if (m_pServices)
        m_pServices->Release();
    m_pServices = nullptr;
    if (m_bComStarted)
        CoUninitialize();
    m_bComStarted = false;
}

#include "HelperCommand.h"
#include "MonitorDlg.h"
#include "ShellNotifyApi.h"
#include "WinApp.h"
#include <string>

namespace {

// As long as the service manager itself lets a service take to answer a start.
constexpr DWORD kHelperWaitMs = 30000;

CString HelperBesideProgram()
{
    std::string folder = AfxGetExecutablePath().str();
    folder.erase(folder.find_last_of('\\') + 1);
    return CString(folder.c_str()) + kHelperProgram;
}

} // namespace

// Windows asks for the administrator's consent; once the helper has sent, the refresh watches
// those services exactly as if the window had sent the requests itself.
void CMonitorDlg::OfferHelper(int request, const std::vector<MonitoredService>& refused)
{
    const bool start = request == REQUEST_START;
    if (m_bQuestionOpen
        || !Ask(start ? "Zum Starten der Datenbank werden Administratorrechte benötigt.\nMit Administratorrechten starten?"
                      : "Zum Beenden der Datenbank werden Administratorrechte benötigt.\nMit Administratorrechten beenden?"))
        return;
    std::vector<CString> names;
    for (const MonitoredService& service : refused)
        names.push_back(service.name);
    const CString file = HelperBesideProgram();
    const CString parameters = HelperParameters(request, names);
    SHELLEXECUTEINFOA launch{};
    launch.cbSize = sizeof(launch);
    // A declined consent or a missing helper leaves everything as it was, without a box of the shell's.
    launch.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOCLOSEPROCESS;
    launch.hwnd = m_hWnd;
    launch.lpVerb = "runas";
    launch.lpFile = file;
    launch.lpParameters = parameters;
    launch.nShow = SW_HIDE;
    if (!ShellNotify().execute(&launch))
        return;
    // The helper ends as soon as it has sent, as the window's own calls return: a refresh before
    // that would take a start not yet sent for one that failed.
    if (launch.hProcess) {
        WaitForSingleObject(launch.hProcess, kHelperWaitMs);
        CloseHandle(launch.hProcess);
    }
    // The helper's own handles closed as it ended: nothing is kept.
    for (const MonitoredService& service : refused)
        service.Sent(request, ServiceHandle());
}

#include "KernelHandle.h"
#include "MonitorDlg.h"
#include "ServiceAccess.h"
#include "ShellNotifyApi.h"
#include <utility>

namespace {

// sc.exe ends as soon as it has set the list; Windows asked for the consent before it started.
constexpr DWORD kToolWaitMs = 10000;

// Windows' own tool, from the system folder and never from a search path, so that what Windows
// elevates is signed by Windows and shows its command line in the consent.
CString ServiceControlTool()
{
    char folder[MAX_PATH] = "";
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? CString(folder) + "\\sc.exe" : CString();
}

enum class Outcome { Set, Failed, Declined };

// Sets the service's list through sc.exe with an administrator's consent.
Outcome SetWithConsent(HWND owner, const AccessGrant& grant)
{
    const CString tool = ServiceControlTool();
    if (tool.IsEmpty())
        return Outcome::Failed;
    const CString parameters = SdsetParameters(grant);
    SHELLEXECUTEINFOA launch{};
    launch.cbSize = sizeof(launch);
    // A declined consent leaves everything as it was, without a box of the shell's.
    launch.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOCLOSEPROCESS;
    launch.hwnd = owner;
    launch.lpVerb = "runas";
    launch.lpFile = tool;
    launch.lpParameters = parameters;
    launch.nShow = SW_HIDE;
    if (!ShellNotify().execute(&launch))
        return GetLastError() == ERROR_CANCELLED ? Outcome::Declined : Outcome::Failed;
    const KernelHandle process(launch.hProcess);
    DWORD exitCode = 1;
    return process && ShellNotify().waitForEnd(process.get(), kToolWaitMs) == WAIT_OBJECT_0
            && ShellNotify().exitCodeOf(process.get(), &exitCode) && exitCode == 0
        ? Outcome::Set
        : Outcome::Failed;
}

} // namespace

// Refused services that one more entry in their access list would open to this user are
// offered once; each one granted gets the request again, which the refresh then watches as its
// own. A refusal of that second send asks nothing more, and a consent declined for one service
// is not asked again for the other.
void CMonitorDlg::OfferGrant(int request, const std::vector<ServiceView>& refused)
{
    if (m_bQuestionOpen)
        return;
    std::vector<std::pair<ServiceView, AccessGrant>> grantable;
    for (const ServiceView& service : refused)
        if (std::optional<AccessGrant> grant = ProposeGrant(m_hSCManager.get(), service.name))
            grantable.emplace_back(service, std::move(*grant));
    const CString question = CString("Windows erlaubt diesem Benutzer nicht, die Datenbank zu ")
        + (request == REQUEST_START ? "starten" : "beenden")
        + ".\nSoll Windows ihm das Starten und Beenden der Datenbankdienste dauerhaft erlauben? Dazu fragt "
          "Windows je Dienst einmal nach der Zustimmung eines Administrators.";
    if (grantable.empty() || !Ask(question))
        return;
    for (auto& [service, grant] : grantable) {
        const Outcome outcome = SetWithConsent(m_hWnd, grant);
        if (outcome == Outcome::Declined)
            return;
        if (outcome == Outcome::Set)
            Send(service, request);
    }
}

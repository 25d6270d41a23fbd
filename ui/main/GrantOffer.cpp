#include "ElevatedRun.h"
#include "MonitorDlg.h"
#include "ServiceAccess.h"
#include <string>

namespace {

// Windows' own tool, from the system folder and never from a search path, so that what Windows
// elevates is signed by Windows, as its consent shows.
CString ServiceControlTool()
{
    char folder[MAX_PATH] = "";
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? CString(folder) + "\\sc.exe" : CString();
}

CString NumberText(DWORD number)
{
    return CString(std::to_string(number).c_str());
}

// What became of one service's grant, and what the user is told when it was not set. A run
// given up on counts as declined: the program is asked to end.
struct Outcome {
    enum Kind { Set, Declined, LaunchFailed, Failed };
    Kind kind;
    CString message;
};

Outcome NotChanged(Outcome::Kind kind, const char* name, const CString& reason)
{
    return { kind, CString("Windows hat die Erlaubnis für den Dienst „") + name + "“ nicht geändert: " + reason };
}

// Sets the service's list through sc.exe with an administrator's consent, built from the list
// as it is just before, and checks afterwards that it holds all that it was built from.
Outcome GrantWithConsent(CDialog& dialog, SC_HANDLE manager, const char* name)
{
    const CString tool = ServiceControlTool();
    if (tool.IsEmpty())
        return NotChanged(Outcome::LaunchFailed, name, "sc.exe wurde nicht gefunden.");
    const std::optional<AccessGrant> grant = ProposeGrant(manager, name);
    if (!grant)
        return NotChanged(Outcome::Failed, name, "seine Zugriffsliste hat sich seit der Frage geändert.");
    const ElevatedRun run = RunElevated(dialog, tool, SdsetParameters(*grant));
    if (run.result == ElevatedRun::Declined || run.result == ElevatedRun::GivenUp)
        return { Outcome::Declined, {} };
    if (run.result == ElevatedRun::NotStarted)
        return NotChanged(Outcome::LaunchFailed, name,
                          run.code == ERROR_ACCESS_DENIED
                              ? CString("Windows hat die Rückfrage abgelehnt.")
                              : "sc.exe konnte nicht gestartet werden (Fehler " + NumberText(run.code) + ").");
    if (run.code != 0)
        return NotChanged(Outcome::Failed, name, "sc.exe meldete Fehler " + NumberText(run.code) + ".");
    if (!GrantInPlace(manager, *grant))
        return { Outcome::Failed,
                 CString("Die Zugriffsliste des Dienstes „") + name
                     + "“ ist nach sc.exe nicht die vorgeschlagene: Velmora sendet den Auftrag deshalb nicht. "
                       "Ein Administrator kann sie mit „sc sdshow "
                     + grant->keyName + "“ prüfen." };
    return { Outcome::Set, {} };
}

// Holds the window's question guard from the question to the last request sent again.
class OfferUnderway {
public:
    explicit OfferUnderway(BOOL& questionOpen) : m_questionOpen(questionOpen) { m_questionOpen = TRUE; }
    OfferUnderway(const OfferUnderway&) = delete;
    OfferUnderway& operator=(const OfferUnderway&) = delete;
    ~OfferUnderway() { m_questionOpen = FALSE; }

private:
    BOOL& m_questionOpen;
};

} // namespace

// Refused services that one more entry in their access list would open to this user are
// offered once; each one granted gets the request again, which the refresh then watches as its
// own. A refusal of that second send asks nothing more; a consent declined, or a launch Windows
// refused, for one service is not tried again for the other.
void CMonitorDlg::OfferGrant(int request, const std::vector<ServiceView>& refused)
{
    const OfferUnderway underway(m_bQuestionOpen);
    std::vector<ServiceView> grantable;
    for (const ServiceView& service : refused)
        if (ProposeGrant(m_hSCManager.get(), service.name))
            grantable.push_back(service);
    const CString question = CString("Windows erlaubt diesem Benutzer nicht, die Datenbank zu ")
        + (request == REQUEST_START ? "starten" : "beenden")
        + ".\nSoll Windows ihm das Starten und Beenden der Datenbankdienste dauerhaft erlauben? Dazu fragt "
          "Windows je Dienst einmal nach der Zustimmung eines Administrators.";
    if (grantable.empty() || !Ask(question))
        return;
    for (ServiceView& service : grantable) {
        const Outcome outcome = GrantWithConsent(*this, m_hSCManager.get(), service.name);
        if (outcome.kind == Outcome::Set)
            Send(service, request);
        else if (outcome.kind != Outcome::Declined)
            MessageBox(outcome.message, "Velmora", MB_OK);
        if (outcome.kind == Outcome::Declined || outcome.kind == Outcome::LaunchFailed)
            return;
    }
}

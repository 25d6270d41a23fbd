#include "StatusTexts.h"
#include "ServiceState.h"

namespace {

const char* const kStateTexts[][7] = {
    { "Oracle ist beendet.", "Oracle wird gestartet.", "Oracle wird beendet.", "Oracle ist gestartet.",
      "Oracle wird fortgesetzt.", "Oracle wird unterbrochen.", "Oracle ist unterbrochen." },
    { "TNS-Listener ist beendet.", "TNS-Listener wird gestartet.", "TNS-Listener wird beendet.",
      "TNS-Listener ist gestartet.", "TNS-Listener wird fortgesetzt.", "TNS-Listener wird unterbrochen.",
      "TNS-Listener ist unterbrochen." },
};

// The two failed queries of the database read alike but for one word; the listener's do not.
const FailureTexts kDatabaseFailures = { "Dienst für Oracle konnte nicht geöffnet werden.",
                                         "Status für Oracle kann nicht herausgefunden werden.",
                                         "Status von Oracle kann nicht herausgefunden werden." };
const FailureTexts kListenerFailures = { "Dienst für TNS-Listener konnte nicht geöffnet werden.",
                                         "Status von TNS-Listener kann nicht herausgefunden werden.",
                                         "Status von TNS-Listener kann nicht herausgefunden werden." };

} // namespace

CString StatusTextOf(DWORD state, int kind)
{
    if ((kind != KIND_ORACLE && kind != KIND_TNS) || state < SERVICE_STOPPED || state > SERVICE_PAUSED)
        return "Unbekannter Status.";
    return kStateTexts[kind - 1][state - 1];
}

const FailureTexts& FailureTextsOf(int kind)
{
    return kind == KIND_TNS ? kListenerFailures : kDatabaseFailures;
}

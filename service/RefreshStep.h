#pragma once
// One service's step of the status refresh, from what the open and the query found to what the
// main window keeps, shows and closes.
#include "CString.h"
#include "ServiceState.h"
#include <windows.h>

enum class QueryOutcome { OpenFailed, QueryFailed, Found };

constexpr int kNoState = -1;

struct RefreshStep {
    ServiceProgress progress;
    CString stateLine;
    int foundState = kNoState; // the state the query found
    bool active = false;       // a state other than stopped was found
    bool closeStart = false;   // the kept handle of a start request has served
    bool closeStop = false;    // the kept handle of a stop request has served
    bool autoStartFailed = false;
};

// `state` counts only when the outcome is Found.
RefreshStep StepRefresh(int kind, const ServiceProgress& before, QueryOutcome outcome, DWORD state);

// A start or stop request has just been sent: the refresh now watches it come to rest.
ServiceProgress RequestSent(const ServiceProgress& before, int request);

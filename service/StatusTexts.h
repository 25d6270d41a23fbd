#pragma once
// The German lines that stand for a service's state or for a failure to learn it.
#include "CString.h"
#include <windows.h>

// The line for `state` (SERVICE_STOPPED to SERVICE_PAUSED) of a service of `kind`.
CString StatusTextOf(DWORD state, int kind);

struct FailureTexts {
    const char* openFailed;
    const char* queryFailed;      // in the refresh
    const char* startQueryFailed; // after a start request
};

// The failure lines of a service of `kind` (the database's for any other value).
const FailureTexts& FailureTextsOf(int kind);

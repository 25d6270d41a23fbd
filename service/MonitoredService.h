#pragma once
#include "CString.h"
#include "ServiceHandle.h"

// Values of a service's request state.
enum : int { REQUEST_START = 1, REQUEST_STOP = 2, REQUEST_STARTED = 4, REQUEST_STOPPED = 5, REQUEST_NONE = 10 };
// Values of a service's summary: the class of the state its last query found.
enum : int { SUMMARY_FAILED = 0, SUMMARY_RUNNING = 1, SUMMARY_STOPPED = 2, SUMMARY_OTHER = 10 };
// Kinds of service, which pick the wording of a state line.
enum : int { KIND_ORACLE = 1, KIND_TNS = 2 };

// The main window's members that belong to one watched service, so that the database and the
// listener go through the very same steps.
struct MonitoredService {
    int kind;
    const CString& name;
    CString& stateLine;
    CString& nameLine;
    ServiceHandle& query;
    ServiceHandle& start;
    ServiceHandle& stop;
    int& dots;
    int& request;
    int& summary;
    const char* openFailedText;
    const char* queryFailedText;      // in the refresh
    const char* startQueryFailedText; // after a start request
};

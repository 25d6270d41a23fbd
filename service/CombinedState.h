#pragma once
// What the refresh decides once both services were asked: the icon, the commands, and whether
// the program ends or asks.
#include "ServiceState.h"
#include "resource.h"
#include <windows.h>

enum class CombinedState { Running, Mixed, Stopped };

// A service without a name counts with whatever it last had.
struct WatchedPair {
    bool hasDatabase;
    ServiceProgress database;
    bool hasListener;
    ServiceProgress listener;
};

CombinedState Combine(const WatchedPair& pair);

struct CombinedView {
    UINT icon; // the traffic light: IDI_STOPPED, IDI_MIXED or IDI_RUNNING
    bool enableStart;
    bool enableStop;
    bool markActive;      // the services have been seen active
    bool checkFailedStop; // a stop before exit may have failed
    bool exitIfParamStop; // stopped after having been active: ParamStop ends the program
};

// `foundActive`: a service found in this refresh in a state other than stopped.
CombinedView ViewOf(CombinedState state, bool foundActive, bool wasActive);

// A stop before exit counts as failed unless the database was found stopping or stopped.
bool StopBeforeExitFailed(const WatchedPair& pair, bool stopOnExit, bool exitConfirmed, int databaseState);

// Every named service's request has reached `request`.
bool AllNamedReached(const WatchedPair& pair, int request);

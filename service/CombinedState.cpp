#include "CombinedState.h"

// At least one of the two summaries must show the state itself, so two unnamed services are mixed.
CombinedState Combine(const WatchedPair& pair)
{
    const int database = pair.database.summary;
    const int listener = pair.listener.summary;
    const auto all = [&](int summary) {
        return (!pair.hasDatabase || database == summary) && (!pair.hasListener || listener == summary)
            && (database == summary || listener == summary);
    };
    if (all(SUMMARY_RUNNING))
        return CombinedState::Running;
    if (all(SUMMARY_STOPPED))
        return CombinedState::Stopped;
    return CombinedState::Mixed;
}

CombinedView ViewOf(CombinedState state, bool foundActive, bool wasActive)
{
    switch (state) {
    case CombinedState::Running:
        // Only a service seen in this run counts: an unnamed or unreachable one proves nothing.
        return { IDI_RUNNING, false, true, foundActive, false, false };
    case CombinedState::Mixed:
        return { IDI_MIXED, true, true, foundActive, true, false };
    case CombinedState::Stopped:
    default:
        return { IDI_STOPPED, true, false, false, false, wasActive };
    }
}

bool StopBeforeExitFailed(const WatchedPair& pair, bool stopOnExit, bool exitConfirmed, int databaseState)
{
    if (!stopOnExit || !exitConfirmed || (!pair.hasDatabase && !pair.hasListener))
        return false;
    return pair.database.summary == SUMMARY_FAILED
        || (databaseState != SERVICE_STOP_PENDING && databaseState != SERVICE_STOPPED);
}

bool AllNamedReached(const WatchedPair& pair, int request)
{
    return (!pair.hasDatabase || pair.database.request == request)
        && (!pair.hasListener || pair.listener.request == request);
}

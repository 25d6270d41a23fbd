// The refresh's logic, without a window: each row starts from a fresh state.
#include "CombinedState.h"
#include "RefreshStep.h"
#include "StatusTexts.h"
#include <gtest/gtest.h>

namespace {

TEST(StatusTextTest, NamesEveryStateOfEitherKind)
{
    const char* const expected[][8] = {
        { "Unbekannter Status.", "Oracle ist beendet.", "Oracle wird gestartet.", "Oracle wird beendet.",
          "Oracle ist gestartet.", "Oracle wird fortgesetzt.", "Oracle wird unterbrochen.", "Oracle ist unterbrochen." },
        { "Unbekannter Status.", "TNS-Listener ist beendet.", "TNS-Listener wird gestartet.",
          "TNS-Listener wird beendet.", "TNS-Listener ist gestartet.", "TNS-Listener wird fortgesetzt.",
          "TNS-Listener wird unterbrochen.", "TNS-Listener ist unterbrochen." },
    };
    for (int kind = KIND_ORACLE; kind <= KIND_TNS; ++kind)
        for (DWORD state = 0; state <= SERVICE_PAUSED; ++state)
            EXPECT_EQ(CString(expected[kind - 1][state]), StatusTextOf(state, kind)) << kind << "/" << state;
    EXPECT_EQ(CString("Unbekannter Status."), StatusTextOf(SERVICE_PAUSED + 1, KIND_ORACLE));
    EXPECT_EQ(CString("Unbekannter Status."), StatusTextOf(SERVICE_RUNNING, 0));
    EXPECT_EQ(CString("Unbekannter Status."), StatusTextOf(SERVICE_RUNNING, 3));
    EXPECT_STREQ("Status für Oracle kann nicht herausgefunden werden.", FailureTextsOf(KIND_ORACLE).queryFailed);
    EXPECT_STREQ("Status von TNS-Listener kann nicht herausgefunden werden.", FailureTextsOf(KIND_TNS).startQueryFailed);
}

struct StepRow {
    const char* label;
    ServiceProgress before;
    QueryOutcome outcome;
    DWORD state;
    ServiceProgress after;
    const char* line;
    bool closeStart;
    bool closeStop;
    bool autoStartFailed;
};

constexpr auto Found = QueryOutcome::Found;
const std::string k49Dots(49, '.');

const StepRow kSteps[] = {
    { "open failed", { 3, REQUEST_START, SUMMARY_OTHER }, QueryOutcome::OpenFailed, 0,
      { 3, REQUEST_START, SUMMARY_FAILED }, "Dienst für Oracle konnte nicht geöffnet werden.", false, false, false },
    { "query failed", { 0, REQUEST_NONE, SUMMARY_RUNNING }, QueryOutcome::QueryFailed, 0,
      { 0, REQUEST_NONE, SUMMARY_FAILED }, "Status für Oracle kann nicht herausgefunden werden.", false, false, false },
    { "pending without a request", { 0, REQUEST_NONE, SUMMARY_STOPPED }, Found, SERVICE_START_PENDING,
      { 0, REQUEST_NONE, SUMMARY_OTHER }, "Oracle wird gestartet.", false, false, false },
    { "first refresh of a start", { 1, REQUEST_START, SUMMARY_STOPPED }, Found, SERVICE_START_PENDING,
      { 2, REQUEST_START, SUMMARY_OTHER }, "Oracle wird gestartet..", false, false, false },
    { "stop under way", { 3, REQUEST_STOP, SUMMARY_RUNNING }, Found, SERVICE_STOP_PENDING,
      { 4, REQUEST_STOP, SUMMARY_OTHER }, "Oracle wird beendet....", false, false, false },
    { "longest row of dots", { 49, REQUEST_START, SUMMARY_OTHER }, Found, SERVICE_START_PENDING,
      { 50, REQUEST_START, SUMMARY_OTHER }, nullptr, false, false, false },
    { "dots start again", { 50, REQUEST_START, SUMMARY_OTHER }, Found, SERVICE_START_PENDING,
      { 51, REQUEST_START, SUMMARY_OTHER }, "Oracle wird gestartet.", false, false, false },
    { "start completed", { 5, REQUEST_START, SUMMARY_OTHER }, Found, SERVICE_RUNNING,
      { 0, REQUEST_STARTED, SUMMARY_RUNNING }, "Oracle ist gestartet.", true, false, false },
    { "start failed", { 5, REQUEST_START, SUMMARY_OTHER }, Found, SERVICE_STOPPED,
      { 0, REQUEST_NONE, SUMMARY_STOPPED }, "Oracle ist beendet.", true, false, true },
    { "start paused", { 5, REQUEST_START, SUMMARY_OTHER }, Found, SERVICE_PAUSED,
      { 0, REQUEST_NONE, SUMMARY_OTHER }, "Oracle ist unterbrochen.", true, false, true },
    { "stop completed", { 2, REQUEST_STOP, SUMMARY_OTHER }, Found, SERVICE_STOPPED,
      { 0, REQUEST_STOPPED, SUMMARY_STOPPED }, "Oracle ist beendet.", false, true, false },
    { "stop failed", { 2, REQUEST_STOP, SUMMARY_OTHER }, Found, SERVICE_RUNNING,
      { 0, REQUEST_NONE, SUMMARY_RUNNING }, "Oracle ist gestartet.", false, true, false },
    { "completed stays completed", { 0, REQUEST_STARTED, SUMMARY_RUNNING }, Found, SERVICE_STOPPED,
      { 0, REQUEST_STARTED, SUMMARY_STOPPED }, "Oracle ist beendet.", false, false, false },
};

TEST(RefreshStepTest, FollowsTheRequestFromWhatTheQueryFound)
{
    for (const StepRow& row : kSteps) {
        SCOPED_TRACE(row.label);
        const RefreshStep step = StepRefresh(KIND_ORACLE, row.before, row.outcome, row.state);
        EXPECT_EQ(row.after.dots, step.progress.dots);
        EXPECT_EQ(row.after.request, step.progress.request);
        EXPECT_EQ(row.after.summary, step.progress.summary);
        EXPECT_EQ(row.line ? std::string(row.line) : "Oracle wird gestartet." + k49Dots, step.stateLine.str());
        EXPECT_EQ(row.outcome == Found ? static_cast<int>(row.state) : kNoState, step.foundState);
        EXPECT_EQ(row.outcome == Found && row.state != SERVICE_STOPPED, step.active);
        EXPECT_EQ(row.closeStart, step.closeStart);
        EXPECT_EQ(row.closeStop, step.closeStop);
        EXPECT_EQ(row.autoStartFailed, step.autoStartFailed);
    }
}

TEST(RefreshStepTest, ASentRequestStartsItsRowOfDots)
{
    const ServiceProgress after = RequestSent({ 7, REQUEST_STARTED, SUMMARY_RUNNING }, REQUEST_STOP);
    EXPECT_EQ(1, after.dots);
    EXPECT_EQ(REQUEST_STOP, after.request);
    EXPECT_EQ(SUMMARY_RUNNING, after.summary);
}

WatchedPair Pair(bool hasDatabase, int databaseSummary, bool hasListener, int listenerSummary)
{
    return { hasDatabase, { 0, REQUEST_NONE, databaseSummary }, hasListener, { 0, REQUEST_NONE, listenerSummary } };
}

TEST(CombinedStateTest, BothNamedMustAgreeAndOneSummaryMustShowTheState)
{
    const struct {
        const char* label;
        WatchedPair pair;
        CombinedState expected;
    } rows[] = {
        { "both running", Pair(true, SUMMARY_RUNNING, true, SUMMARY_RUNNING), CombinedState::Running },
        { "both stopped", Pair(true, SUMMARY_STOPPED, true, SUMMARY_STOPPED), CombinedState::Stopped },
        { "one running", Pair(true, SUMMARY_RUNNING, true, SUMMARY_STOPPED), CombinedState::Mixed },
        { "one pending", Pair(true, SUMMARY_OTHER, true, SUMMARY_STOPPED), CombinedState::Mixed },
        { "one failed", Pair(true, SUMMARY_RUNNING, true, SUMMARY_FAILED), CombinedState::Mixed },
        { "listener unnamed", Pair(true, SUMMARY_STOPPED, false, SUMMARY_RUNNING), CombinedState::Stopped },
        { "database unnamed", Pair(false, SUMMARY_STOPPED, true, SUMMARY_RUNNING), CombinedState::Running },
        { "unnamed keeps its last", Pair(true, SUMMARY_FAILED, false, SUMMARY_RUNNING), CombinedState::Mixed },
        { "neither named", Pair(false, SUMMARY_RUNNING, false, SUMMARY_RUNNING), CombinedState::Running },
        { "neither named, never asked", Pair(false, SUMMARY_OTHER, false, SUMMARY_OTHER), CombinedState::Mixed },
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, Combine(row.pair)) << row.label;
}

TEST(CombinedStateTest, PicksTheIconTheCommandsAndWhatMayEndTheProgram)
{
    const struct {
        CombinedState state;
        bool foundActive, wasActive;
        CombinedView expected;
    } rows[] = {
        { CombinedState::Running, true, false, { ICON_RUNNING, false, true, true, false, false } },
        { CombinedState::Running, false, false, { ICON_RUNNING, false, true, false, false, false } },
        { CombinedState::Mixed, true, true, { ICON_MIXED, true, true, true, true, false } },
        { CombinedState::Mixed, false, false, { ICON_MIXED, true, true, false, true, false } },
        { CombinedState::Stopped, false, true, { ICON_STOPPED, true, false, false, false, true } },
        { CombinedState::Stopped, true, false, { ICON_STOPPED, true, false, false, false, false } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(row.state) << row.foundActive << row.wasActive);
        const CombinedView view = ViewOf(row.state, row.foundActive, row.wasActive);
        EXPECT_EQ(row.expected.icon, view.icon);
        EXPECT_EQ(row.expected.enableStart, view.enableStart);
        EXPECT_EQ(row.expected.enableStop, view.enableStop);
        EXPECT_EQ(row.expected.markActive, view.markActive);
        EXPECT_EQ(row.expected.checkFailedStop, view.checkFailedStop);
        EXPECT_EQ(row.expected.exitIfParamStop, view.exitIfParamStop);
    }
}

TEST(CombinedStateTest, AStopBeforeExitFailsUnlessTheDatabaseIsStoppingOrStopped)
{
    const WatchedPair both = Pair(true, SUMMARY_OTHER, true, SUMMARY_RUNNING);
    EXPECT_FALSE(StopBeforeExitFailed(both, true, true, SERVICE_STOP_PENDING));
    EXPECT_FALSE(StopBeforeExitFailed(both, true, true, SERVICE_STOPPED));
    EXPECT_TRUE(StopBeforeExitFailed(both, true, true, SERVICE_RUNNING));
    EXPECT_TRUE(StopBeforeExitFailed(both, true, true, kNoState));
    EXPECT_TRUE(StopBeforeExitFailed(Pair(true, SUMMARY_FAILED, true, SUMMARY_RUNNING), true, true, SERVICE_STOPPED));
    EXPECT_FALSE(StopBeforeExitFailed(both, false, true, SERVICE_RUNNING)) << "no stop on exit";
    EXPECT_FALSE(StopBeforeExitFailed(both, true, false, SERVICE_RUNNING)) << "no exit confirmed";
    EXPECT_FALSE(StopBeforeExitFailed(Pair(false, SUMMARY_OTHER, false, SUMMARY_OTHER), true, true, kNoState));
    EXPECT_TRUE(StopBeforeExitFailed(Pair(false, SUMMARY_OTHER, true, SUMMARY_OTHER), true, true, kNoState));
}

TEST(CombinedStateTest, ARequestIsReachedWhenEveryNamedServiceReachedIt)
{
    WatchedPair pair = Pair(true, SUMMARY_RUNNING, true, SUMMARY_RUNNING);
    pair.listener.request = REQUEST_STARTED;
    EXPECT_FALSE(AllNamedReached(pair, REQUEST_STARTED));
    pair.listener.request = REQUEST_NONE;
    pair.database.request = REQUEST_STARTED;
    EXPECT_FALSE(AllNamedReached(pair, REQUEST_STARTED));
    pair.listener.request = REQUEST_STARTED;
    EXPECT_TRUE(AllNamedReached(pair, REQUEST_STARTED));
    EXPECT_FALSE(AllNamedReached(pair, REQUEST_STOPPED));
    pair.hasListener = false;
    pair.listener.request = REQUEST_NONE;
    EXPECT_TRUE(AllNamedReached(pair, REQUEST_STARTED)) << "an unnamed service does not count";
}

} // namespace

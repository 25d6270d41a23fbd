// The refresh's logic, without a window: each row starts from a fresh state.
#include "CombinedState.h"
#include "RefreshStep.h"
#include "StatusTexts.h"
#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(StatusTextTest, AStateOrKindOutOfRangeIsUnknownAndEachKindHasItsFailures)
{
    for (const auto& [state, kind] : { std::pair<DWORD, int>{ 0, KIND_ORACLE }, { SERVICE_PAUSED + 1, KIND_TNS },
                                       { SERVICE_RUNNING, KIND_TNS + 1 } })
        EXPECT_EQ("Unbekannter Status.", StatusTextOf(state, kind).str()) << state << "/" << kind;
    EXPECT_STREQ("Status von TNS-Listener kann nicht herausgefunden werden.", FailureTextsOf(KIND_TNS).startQueryFailed);
}

struct StepRow {
    const char* name;
    ServiceProgress before;
    QueryOutcome outcome;
    DWORD state; // counts only when the service was found
    ServiceProgress after;
    std::string stateLine;
    bool closeStart, closeStop, autoStartFailed;
};

class RefreshStepTest : public ::testing::TestWithParam<StepRow> {};

TEST_P(RefreshStepTest, FollowsTheRequestFromWhatTheQueryFound)
{
    const StepRow& row = GetParam();
    const RefreshStep step = StepRefresh(KIND_ORACLE, row.before, row.outcome, row.state);
    EXPECT_EQ(std::make_tuple(row.after.dots, row.after.request, row.after.summary, row.stateLine),
              std::make_tuple(step.progress.dots, step.progress.request, step.progress.summary, step.stateLine.str()));
    EXPECT_EQ(std::make_tuple(row.closeStart, row.closeStop, row.autoStartFailed),
              std::make_tuple(step.closeStart, step.closeStop, step.autoStartFailed));
}

const std::string kStarting = "Oracle wird gestartet.";
const StepRow kStepRows[] = {
    { "OpenFailed", { 3, REQUEST_START, SUMMARY_OTHER }, QueryOutcome::OpenFailed, 0,
      { 3, REQUEST_START, SUMMARY_FAILED }, "Dienst für Oracle konnte nicht geöffnet werden.", false, false, false },
    { "QueryFailed", { 0, REQUEST_NONE, SUMMARY_RUNNING }, QueryOutcome::QueryFailed, 0,
      { 0, REQUEST_NONE, SUMMARY_FAILED }, "Status für Oracle kann nicht herausgefunden werden.", false, false, false },
    { "PendingWithoutRequest", { 0, REQUEST_NONE, SUMMARY_STOPPED }, QueryOutcome::Found, SERVICE_START_PENDING,
      { 0, REQUEST_NONE, SUMMARY_OTHER }, kStarting, false, false, false },
    { "AStartsFirstRefresh", { 1, REQUEST_START, SUMMARY_STOPPED }, QueryOutcome::Found, SERVICE_START_PENDING,
      { 2, REQUEST_START, SUMMARY_OTHER }, kStarting + ".", false, false, false },
    { "AStopUnderWay", { 3, REQUEST_STOP, SUMMARY_RUNNING }, QueryOutcome::Found, SERVICE_STOP_PENDING,
      { 4, REQUEST_STOP, SUMMARY_OTHER }, "Oracle wird beendet....", false, false, false },
    { "LongestRow", { 49, REQUEST_START, SUMMARY_OTHER }, QueryOutcome::Found, SERVICE_START_PENDING,
      { 50, REQUEST_START, SUMMARY_OTHER }, kStarting + std::string(49, '.'), false, false, false },
    { "RowStartsAgain", { 50, REQUEST_START, SUMMARY_OTHER }, QueryOutcome::Found, SERVICE_START_PENDING,
      { 51, REQUEST_START, SUMMARY_OTHER }, kStarting, false, false, false },
    { "StartCompleted", { 5, REQUEST_START, SUMMARY_OTHER }, QueryOutcome::Found, SERVICE_RUNNING,
      { 0, REQUEST_STARTED, SUMMARY_RUNNING }, "Oracle ist gestartet.", true, false, false },
    { "StartFailed", { 5, REQUEST_START, SUMMARY_OTHER }, QueryOutcome::Found, SERVICE_PAUSED,
      { 0, REQUEST_NONE, SUMMARY_OTHER }, "Oracle ist unterbrochen.", true, false, true },
    { "StopCompleted", { 2, REQUEST_STOP, SUMMARY_OTHER }, QueryOutcome::Found, SERVICE_STOPPED,
      { 0, REQUEST_STOPPED, SUMMARY_STOPPED }, "Oracle ist beendet.", false, true, false },
    { "StopFailed", { 2, REQUEST_STOP, SUMMARY_OTHER }, QueryOutcome::Found, SERVICE_RUNNING,
      { 0, REQUEST_NONE, SUMMARY_RUNNING }, "Oracle ist gestartet.", false, true, false },
    { "CompletedStays", { 0, REQUEST_STARTED, SUMMARY_RUNNING }, QueryOutcome::Found, SERVICE_STOPPED,
      { 0, REQUEST_STARTED, SUMMARY_STOPPED }, "Oracle ist beendet.", false, false, false },
};
INSTANTIATE_TEST_SUITE_P(Rows, RefreshStepTest, ::testing::ValuesIn(kStepRows),
                         [](const ::testing::TestParamInfo<StepRow>& info) { return std::string(info.param.name); });

TEST(RequestSentTest, StartsOneDotForTheNewRequestAndKeepsTheSummary)
{
    const ServiceProgress sent = RequestSent({ 7, REQUEST_STARTED, SUMMARY_RUNNING }, REQUEST_STOP);
    EXPECT_EQ(std::make_tuple(1, REQUEST_STOP, SUMMARY_RUNNING), std::make_tuple(sent.dots, sent.request, sent.summary));
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
        { "one failed", Pair(true, SUMMARY_RUNNING, true, SUMMARY_FAILED), CombinedState::Mixed },
        { "listener unnamed", Pair(true, SUMMARY_STOPPED, false, SUMMARY_RUNNING), CombinedState::Stopped },
        { "database unnamed", Pair(false, SUMMARY_STOPPED, true, SUMMARY_RUNNING), CombinedState::Running },
        { "neither named, never asked", Pair(false, SUMMARY_OTHER, false, SUMMARY_OTHER), CombinedState::Mixed },
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, Combine(row.pair)) << row.label;
}

TEST(CombinedStateTest, AStopBeforeExitFailsUnlessTheDatabaseIsStoppingOrStopped)
{
    const WatchedPair both = Pair(true, SUMMARY_OTHER, true, SUMMARY_RUNNING);
    EXPECT_FALSE(StopBeforeExitFailed(both, true, true, SERVICE_STOP_PENDING));
    EXPECT_FALSE(StopBeforeExitFailed(both, true, true, SERVICE_STOPPED));
    EXPECT_TRUE(StopBeforeExitFailed(both, true, true, SERVICE_RUNNING));
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
    pair.database.request = REQUEST_STARTED;
    EXPECT_TRUE(AllNamedReached(pair, REQUEST_STARTED));
    pair.listener.request = REQUEST_NONE;
    EXPECT_FALSE(AllNamedReached(pair, REQUEST_STARTED));
    pair.hasListener = false;
    EXPECT_TRUE(AllNamedReached(pair, REQUEST_STARTED)) << "an unnamed service does not count";
}

} // namespace

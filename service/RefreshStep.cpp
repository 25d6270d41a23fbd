#include "RefreshStep.h"
#include "StatusTexts.h"

namespace {

// After this many refreshes of one request the row of dots starts again.
constexpr int kDotCycle = 50;

int SummaryOf(DWORD state)
{
    switch (state) {
    case SERVICE_RUNNING:
        return SUMMARY_RUNNING;
    case SERVICE_STOPPED:
        return SUMMARY_STOPPED;
    default:
        return SUMMARY_OTHER;
    }
}

} // namespace

RefreshStep StepRefresh(int kind, const ServiceProgress& before, QueryOutcome outcome, DWORD state)
{
    RefreshStep step;
    step.progress = before;
    if (outcome != QueryOutcome::Found) {
        const FailureTexts& texts = FailureTextsOf(kind);
        step.stateLine = outcome == QueryOutcome::OpenFailed ? texts.openFailed : texts.queryFailed;
        step.progress.summary = SUMMARY_FAILED;
        return step;
    }
    ServiceProgress& progress = step.progress;
    step.foundState = static_cast<int>(state);
    step.active = state != SERVICE_STOPPED;
    progress.summary = SummaryOf(state);
    step.stateLine = StatusTextOf(state, kind);
    if (state == SERVICE_START_PENDING || state == SERVICE_STOP_PENDING) {
        for (int dot = 0; dot < progress.dots % kDotCycle; ++dot)
            step.stateLine += '.';
        if (progress.dots > 0)
            ++progress.dots;
        return step;
    }
    // At rest: a request under way has come to an end, well or not.
    progress.dots = 0;
    if (progress.request == REQUEST_START) {
        progress.request = state == SERVICE_RUNNING ? REQUEST_STARTED : REQUEST_NONE;
        step.autoStartFailed = progress.request == REQUEST_NONE;
        step.closeStart = true;
    } else if (progress.request == REQUEST_STOP) {
        progress.request = state == SERVICE_STOPPED ? REQUEST_STOPPED : REQUEST_NONE;
        step.closeStop = true;
    }
    return step;
}

ServiceProgress RequestSent(const ServiceProgress& before, int request)
{
    ServiceProgress after = before;
    after.dots = 1;
    after.request = request;
    return after;
}

#pragma once
// The plain integers the refresh keeps per service between its runs.

// Values of a service's request state.
enum : int { REQUEST_START = 1, REQUEST_STOP = 2, REQUEST_STARTED = 4, REQUEST_STOPPED = 5, REQUEST_NONE = 10 };
// Values of a service's summary: the class of the state its last query found.
enum : int { SUMMARY_FAILED = 0, SUMMARY_RUNNING = 1, SUMMARY_STOPPED = 2, SUMMARY_OTHER = 10 };
// Kinds of service, which pick the wording of a state line.
enum : int { KIND_ORACLE = 1, KIND_TNS = 2 };

// What the refresh carries over for one service.
struct ServiceProgress {
    int dots = 0; // 0: no row of dots; else one more each refresh while the request is under way
    int request = REQUEST_NONE;
    int summary = SUMMARY_OTHER;
};

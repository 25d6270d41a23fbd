#pragma once
#include "Dialog.h"
#include <windows.h>

// How a program run with an administrator's consent came out.
struct ElevatedRun {
    enum Result { Ended, Declined, NotStarted, GivenUp };
    Result result;
    DWORD code; // the exit code once it ended, why it did not start, else 0
};

// Runs `file` with `parameters` after Windows' consent prompt, owned by `dialog`, and waits for
// its end while the thread's messages are handled, so that Windows never takes the dialog for
// hung.
ElevatedRun RunElevated(CDialog& dialog, const char* file, const char* parameters);

#pragma once
// Starting a program through the shell, waiting for it to end and reading its exit code, reached
// through one place so that a test can play the program: refuse its start, keep it running while
// the window works on, end it with a code.
#include <windows.h>
#include <shellapi.h>

struct ProcessLaunchApi {
    decltype(&::ShellExecuteExA) execute = &::ShellExecuteExA;
    decltype(&::MsgWaitForMultipleObjects) waitForEndOrMessage = &::MsgWaitForMultipleObjects;
    decltype(&::GetExitCodeProcess) exitCodeOf = &::GetExitCodeProcess;
};

ProcessLaunchApi& ProcessLaunch();

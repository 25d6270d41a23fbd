#include "ElevatedRun.h"
#include "KernelHandle.h"
#include "ProcessLaunchApi.h"

ProcessLaunchApi& ProcessLaunch()
{
    static ProcessLaunchApi api;
    return api;
}

namespace {

// False when a quit request ends the wait first; it is passed on to the loop that owns it.
bool WaitHandlingMessages(CDialog& dialog, HANDLE process)
{
    while (ProcessLaunch().waitForEndOrMessage(1, &process, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg{};
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return false;
            }
            dialog.DispatchLoopMessage(msg);
        }
    }
    return true;
}

} // namespace

ElevatedRun RunElevated(CDialog& dialog, const char* file, const char* parameters)
{
    SHELLEXECUTEINFOA launch{};
    launch.cbSize = sizeof(launch);
    // A declined consent leaves everything as it was, without a box of the shell's.
    launch.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOCLOSEPROCESS;
    launch.hwnd = dialog.m_hWnd;
    launch.lpVerb = "runas";
    launch.lpFile = file;
    launch.lpParameters = parameters;
    launch.nShow = SW_HIDE;
    if (!ProcessLaunch().execute(&launch)) {
        const DWORD error = GetLastError();
        return { error == ERROR_CANCELLED ? ElevatedRun::Declined : ElevatedRun::NotStarted, error };
    }
    const KernelHandle process(launch.hProcess);
    // Without its handle the end cannot be seen; after a quit request it is not waited for.
    if (!process || !WaitHandlingMessages(dialog, process.get()))
        return { ElevatedRun::GivenUp, 0 };
    DWORD exitCode = STILL_ACTIVE;
    ProcessLaunch().exitCodeOf(process.get(), &exitCode);
    return { ElevatedRun::Ended, exitCode };
}

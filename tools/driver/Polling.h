// Waiting for something another process does: there is no event to wait on, so the
// condition is re-checked at a short interval until a deadline.
#pragma once

#include <windows.h>

namespace driver {

constexpr DWORD kPollIntervalMs = 50;

template <typename Condition>
bool PollUntil(Condition isMet, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (isMet())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(kPollIntervalMs);
    }
}

} // namespace driver

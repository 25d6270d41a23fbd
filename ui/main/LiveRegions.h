#pragma once
#include <windows.h>
#include <oleacc.h>
#include <vector>

// Static texts marked as polite live regions: a screen reader tells of their new text when the
// program says they changed, after what it is saying. Windows 8 and later honour the mark;
// where the service that keeps it is missing, nothing is marked and nothing fails.
class LiveRegions {
public:
    LiveRegions() = default;
    LiveRegions(const LiveRegions&) = delete;
    LiveRegions& operator=(const LiveRegions&) = delete;
    ~LiveRegions() { Clear(); }

    void Mark(HWND text);
    // Takes the marks off, while the texts still exist.
    void Clear();

private:
    bool m_bComStarted = false;
    IAccPropServices* m_pServices = nullptr;
    std::vector<HWND> m_marked;
};

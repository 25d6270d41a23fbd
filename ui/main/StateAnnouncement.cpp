#include "MonitorDlg.h"

// Windows 8's event; older systems let it pass unheard.
#ifndef EVENT_OBJECT_LIVEREGIONCHANGED
#define EVENT_OBJECT_LIVEREGIONCHANGED 0x8019
#endif

// A screen reader is told when a state line says something new: a start begins, a service comes
// up or goes down. The dots a pending request grows at every refresh are no news.
void CMonitorDlg::AnnounceStateLine(int id, const CString& line, CString& announced)
{
    std::string news = line.str();
    news.erase(news.find_last_not_of('.') + 1);
    if (news == announced.str())
        return;
    announced = news.c_str();
    if (!news.empty())
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, GetDlgItem(id), OBJID_CLIENT, CHILDID_SELF);
}

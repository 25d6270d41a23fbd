#include "MessageMap.h"

const CRuntimeClass CCmdTarget::classCCmdTarget = { "CCmdTarget", nullptr };

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, nullptr, nullptr } };
    static const AFX_MSGMAP map = { nullptr, entries };
    return &map;
}

bool CCmdTarget::DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    UINT code = 0;
    UINT id = 0;
    if (message == WM_COMMAND) {
        id = LOWORD(wParam);
        // Menus and accelerators carry no control window; both count as plain commands.
        code = lParam ? HIWORD(wParam) : 0;
    }
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->entries; entry->thunk; ++entry) {
            const UINT entryMessage = entry->registeredMessage ? *entry->registeredMessage : entry->message;
            if (entryMessage != 0 && entryMessage == message && entry->code == code && id >= entry->id && id <= entry->lastId) {
                result = entry->thunk(this, wParam, lParam);
                return true;
            }
        }
    }
    return false;
}

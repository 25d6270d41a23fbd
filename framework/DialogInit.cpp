#include "DialogInit.h"
#include <cstring>

namespace {

constexpr WORD kInitDataType = 240;
// The 16-bit code the resource compiler stores for adding a row to a combobox, the only kind of
// control whose rows this program's dialogs carry.
constexpr WORD kComboAddString = 0x0403;

template <typename Value>
bool Read(const BYTE*& at, const BYTE* end, Value& value)
{
    if (static_cast<size_t>(end - at) < sizeof(Value))
        return false;
    std::memcpy(&value, at, sizeof(Value));
    at += sizeof(Value);
    return true;
}

} // namespace

bool ExecuteDialogInit(HWND dialog, UINT templateId)
{
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(kInitDataType));
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const BYTE* at = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!at)
        return false;
    const BYTE* const end = at + SizeofResource(module, found);
    WORD controlId = 0;
    // Every record is checked against the resource's end: a damaged one stops the rows there.
    while (Read(at, end, controlId) && controlId != 0) {
        WORD message = 0;
        DWORD length = 0;
        if (!Read(at, end, message) || !Read(at, end, length) || length == 0 || length > static_cast<DWORD>(end - at)
            || at[length - 1] != 0)
            break;
        if (message == kComboAddString)
            SendDlgItemMessageA(dialog, controlId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(at));
        at += length;
    }
    return true;
}

#pragma once
#include "CString.h"
#include "Wnd.h"

// The controls of a dialog that the program binds to members.

// A combobox of a dialog. An owner-drawn one draws its rows in DrawItem.
class CComboBox : public CWnd {
public:
    int AddString(const char* text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int DeleteString(UINT index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
    int GetCurSel() { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    DWORD GetEditSel() { return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)); }
    void SetEditSel(int start, int end) { SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(start, end)); }
    // The text of row `index`; empty for a row that does not exist.
    void GetLBText(int index, CString& text);

    virtual void DrawItem(LPDRAWITEMSTRUCT) {}

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class CButton : public CWnd {};

class CEdit : public CWnd {};

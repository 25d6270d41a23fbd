#pragma once
#include "CString.h"
#include <windows.h>

class CWnd;

// One transfer between a dialog's members and its controls; saveAndValidate means towards the members.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    HWND Control(int id) const;

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

void DDX_Text(CDataExchange* exchange, int id, CString& value);
// Towards the control: the first row that begins with the text, ignoring case, else the text itself.
void DDX_CBString(CDataExchange* exchange, int id, CString& value);
// 1 is ticked; anything else is shown clear, and a value outside 0 to 2 is first set to 0.
void DDX_Check(CDataExchange* exchange, int id, int& value);
// Makes `control` the object of the dialog's control `id`.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

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
// Makes `control` the object of the dialog's control `id`.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

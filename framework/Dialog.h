#pragma once
#include "Wnd.h"

// A dialog made from a template in the program's resources, run modally or, for tests, modeless.
class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
    DECLARE_MESSAGE_MAP()
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDHelp(templateId), m_pParentWnd(parent) {}

    // --- What a subclass overrides ---
    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // --- What a subclass and its users call ---
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(int result);
    // Hands on one message that a loop run for this dialog took from the queue: the dialog's
    // keyboard navigation first, then the window it is meant for.
    void DispatchLoopMessage(MSG& msg);

    // What the last EndDialog passed, -1 while the dialog has not been ended.
    int m_nModalResult = -1;

protected:
    // --- Internal: OK and Cancel without a map entry, and the template's help id ---
    bool OnUnmappedCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnHelpRequest(WPARAM, LPARAM);

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();

    UINT m_nIDHelp;
    CWnd* m_pParentWnd;
    bool m_bEnded = false;
};

// CDialog: a modal dialog run from a dialog template resource.
//
// Without a parent the dialog is owned by the application's main window, so that window takes no
// input while the dialog is up. OK and Cancel (also Esc and the close box) end the dialog unless
// a derived class's command table handles them.
#pragma once

#include <windows.h>

#include "framework/wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr) : m_templateId(templateId), m_parent(parent) {}

    // Runs the dialog; answers the value it ended with, or -1 when it could not be created.
    virtual INT_PTR DoModal();

protected:
    // Message handlers
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/) { return false; }
    virtual void OnOK() { EndDialog(m_hWnd, IDOK); }
    virtual void OnCancel() { EndDialog(m_hWnd, IDCANCEL); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    int m_templateId;
    CWnd* m_parent;
};

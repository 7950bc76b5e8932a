// CPropertyPage: one page of a property sheet, made by comctl32 from a dialog template the first
// time its tab comes to the front.
//
// The page finds its object through PROPSHEETPAGEA::lParam on WM_INITDIALOG and keeps it in
// DWLP_USER. Derived pages bind members to controls in DoDataExchange and route control
// notifications through a command table (see command_table.h).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/data_exchange.h"
#include "framework/wnd.h"

class CPropertyPage : public CWnd {
public:
    explicit CPropertyPage(int templateId);

    // What comctl32 needs to make the page.
    const PROPSHEETPAGEA& Descriptor() const { return m_descriptor; }

    // Runs DoDataExchange in the given direction; does nothing before the page window exists.
    void UpdateData(DataDirection direction);

protected:
    // First initialisation: shows the members in the controls. Derived pages call it first.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange& /*dx*/) {}
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/) { return false; }

private:
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    PROPSHEETPAGEA m_descriptor{};
};

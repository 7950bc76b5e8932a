// CPropertySheet: a tabbed property sheet over comctl32's PropertySheetA, run modally.
//
// comctl32 runs the sheet modeless and the framework runs the modal loop, so that ending the run
// with a result is the framework's. The sheet window is subclassed as it is created, which puts
// OnInitDialog in front of comctl32's own initialisation: a derived class may refuse (end the run
// and return FALSE) before any page exists, or change the standard buttons first.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "framework/property_page.h"
#include "framework/wnd.h"

class CPropertySheet : public CWnd {
public:
    CPropertySheet(int captionStringId, CWnd* parent = nullptr, int selectPage = 0);

    // Pages appear as tabs in the order they are added.
    void AddPage(CPropertyPage& page) { m_pages.push_back(&page); }

    // Creates the sheet and runs it until it closes; answers the id of the button that closed it
    // (or the result given to EndModalLoop), or -1 when the sheet could not be created.
    virtual INT_PTR DoModal();
    // Ends the modal run with `result`; the sheet closes when control is back in the loop.
    void EndModalLoop(int result);

protected:
    // The initialisation hook; this base version is comctl32's standard sheet initialisation.
    virtual BOOL OnInitDialog();
    // Command table of a derived sheet: a command it handles never reaches comctl32.
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/) { return false; }

private:
    // A standard button as it stands at one moment, in the sheet's client coordinates.
    struct ButtonState {
        int id = 0;
        HWND hwnd = nullptr;
        RECT rect{};
        LONG style = 0;
    };
    using ButtonStates = std::array<ButtonState, 4>;

    static LRESULT CALLBACK SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) noexcept;
    ButtonStates CaptureButtons() const;
    void ReapplyButtonChanges(const ButtonStates& before, const ButtonStates& after) const;
    bool PlatformMayHandle(UINT message) const;
    void KeepFocusInSight() const;

    std::string m_caption;
    CWnd* m_parent;
    int m_startPage;
    std::vector<CPropertyPage*> m_pages;

    WNDPROC m_platformProc = nullptr;
    WPARAM m_initWParam = 0;
    LPARAM m_initLParam = 0;
    ButtonStates m_buttonsBeforeHook{};
    bool m_platformInitialised = false;
    bool m_modalEnded = false;
    int m_modalResult = -1;
    int m_closingCommand = 0;
};

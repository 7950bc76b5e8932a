// CWinApp: the program's single application object and its start-up hook.
//
// The one object of a class derived from CWinApp is a program-wide object; the framework's entry
// point finds it, calls InitInstance once, and runs a message loop only if that returns true.
#pragma once

#include <windows.h>

#include "framework/wnd.h"

class CWinApp {
public:
    // `name` is the caption of the messages that the framework shows before any window exists.
    explicit CWinApp(const char* name);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // Start-up. Returning false ends the program without a message loop.
    virtual bool InitInstance() = 0;
    // The message loop, for programs whose start-up returns true; answers the exit code.
    virtual int Run();

    // Asks for the three-dimensional look of dialog controls in the dialogs the framework runs.
    void Enable3dControls() { m_3dControls = true; }
    bool Uses3dControls() const { return m_3dControls; }

    // The window that owns dialogs run without a parent (the program's main window).
    CWnd* m_pMainWnd = nullptr;

    const char* Name() const { return m_name; }
    static CWinApp* Current() { return s_current; }
    HINSTANCE Instance() const { return m_instance; }
    void SetInstance(HINSTANCE instance) { m_instance = instance; }

private:
    static CWinApp* s_current;
    const char* m_name;
    HINSTANCE m_instance = nullptr;
    bool m_3dControls = false;
};

// The application object's main window handle, or none.
HWND MainWindowHandle();

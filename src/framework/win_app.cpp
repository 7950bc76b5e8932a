// The application object and the program's entry point.
#include "framework/win_app.h"

#include <commctrl.h>

CWinApp* CWinApp::s_current = nullptr;

CWinApp::CWinApp() {
    s_current = this;
}

CWinApp::~CWinApp() {
    if (s_current == this)
        s_current = nullptr;
}

int CWinApp::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

HWND MainWindowHandle() {
    CWinApp* app = CWinApp::Current();
    return app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = CWinApp::Current();
    if (!app)
        return 1;
    app->SetInstance(instance);
    // Registers the common control classes (the sheet's tab control among them).
    InitCommonControls();
    if (!app->InitInstance())
        return 0;
    return app->Run();
}

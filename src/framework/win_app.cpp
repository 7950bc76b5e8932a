// The application object and the program's entry point.
#include "framework/win_app.h"

#include <string>

#include "system/system_library.h"
#include "system/system_reason.h"
#include "system/system_reason_win.h"

CWinApp* CWinApp::s_current = nullptr;

CWinApp::CWinApp(const char* name) : m_name(name) {
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

namespace {

// The sheet is comctl32's: without comctl32, or without a function of it that the program calls,
// the program says why and ends.
const CommonControlsFunctions* LoadCommonControls(const CWinApp& app) {
    const char kLibrary[] = "comctl32.dll";
    DWORD error = 0;
    if (const CommonControlsFunctions* comctl32 = CommonControls(&error))
        return comctl32;
    const std::string path = SystemLibraryPath(kLibrary);
    const std::string text = "The program cannot start: the system library " +
                             (path.empty() ? kLibrary : path) + " could not be loaded.\r\n" +
                             SystemReasonText(SystemMessage(error), error);
    MessageBoxA(nullptr, text.c_str(), app.Name(), MB_OK | MB_ICONERROR);
    return nullptr;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Before anything opens a file: a path on a drive without media (a floppy, a CD drive, a card
    // reader, a drive letter that is gone) then simply fails to open, and the page or the save that
    // opened it says so, instead of Windows stopping the program behind a "no disk in the drive"
    // box before the sheet is even up. Faults still reach Windows' error reporting.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // Before anything loads a library.
    RestrictLibrarySearch();
    CWinApp* app = CWinApp::Current();
    if (!app)
        return 1;
    app->SetInstance(instance);
    const CommonControlsFunctions* comctl32 = LoadCommonControls(*app);
    if (!comctl32)
        return 1;
    // Registers the common control classes (the sheet's tab control among them).
    comctl32->InitCommonControls();
    if (!app->InitInstance())
        return 0;
    return app->Run();
}

// The application object and the program's entry point.
#include "framework/win_app.h"

#include <commctrl.h>

#include <string>

#include "framework/system_library.h"

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

// The system's text for `error`, without its line end; the number where the system has no text.
std::string SystemReason(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length != 0 && text ? std::string(text, length) : std::string();
    LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
        reason.pop_back();
    return reason.empty() ? "Error " + std::to_string(error) + "." : reason;
}

// The sheet is comctl32's: without comctl32 the program says why and ends.
bool LoadCommonControls(const CWinApp& app) {
    const char kLibrary[] = "comctl32.dll";
    DWORD error = 0;
    if (LoadSystemLibrary(kLibrary, &error) != nullptr)
        return true;
    const std::string path = SystemLibraryPath(kLibrary);
    const std::string text = "The program cannot start: the system library " +
                             (path.empty() ? kLibrary : path) + " could not be loaded.\r\n" +
                             SystemReason(error);
    MessageBoxA(nullptr, text.c_str(), app.Name(), MB_OK | MB_ICONERROR);
    return false;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Before anything loads a library.
    RestrictLibrarySearch();
    CWinApp* app = CWinApp::Current();
    if (!app)
        return 1;
    app->SetInstance(instance);
    if (!LoadCommonControls(*app))
        return 1;
    // Registers the common control classes (the sheet's tab control among them).
    InitCommonControls();
    if (!app->InitInstance())
        return 0;
    return app->Run();
}

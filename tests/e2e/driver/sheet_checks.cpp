// Checks of the sheet that several scenarios share.
#include "sheet_checks.h"

#include <cstdio>

#include "report/report.h"
#include "resource.h"
#include "scenarios.h"

namespace {

std::string Describe(const RECT& r) {
    char text[64];
    std::snprintf(text, sizeof(text), "(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right, r.bottom);
    return text;
}

// Whether the screen shows `icon` in `control`: the icon drawn on the control's own background
// gives the same pixels.
bool ShowsIcon(HWND control, LPCSTR icon) {
    RECT rect{};
    GetWindowRect(control, &rect);
    BITMAPINFOHEADER header{};
    const std::string shown = CaptureScreen(rect, header);
    HDC screen = GetDC(nullptr);
    const COLORREF background = GetPixel(screen, rect.left, rect.top);
    ReleaseDC(nullptr, screen);

    BITMAPINFO info{};
    info.bmiHeader = header;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const RECT all{0, 0, header.biWidth, header.biHeight};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, LoadIconA(nullptr, icon), header.biWidth, header.biHeight, 0, nullptr,
               DI_NORMAL);
    GdiFlush();
    const bool same = std::string(static_cast<const char*>(bits), shown.size()) == shown;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return same;
}

bool HasPageWindow(const Vittrel& app) {
    for (HWND top : app.TopLevelWindows())
        for (HWND child : ChildWindows(top))
            if (ClassOf(child) == "#32770")
                return true;
    return false;
}

} // namespace

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int ScaledForSheet(HWND sheet, int pixels) {
    RECT help{};
    GetWindowRect(GetDlgItem(sheet, IDC_SHEET_HELP), &help);
    return MulDiv(pixels, help.right - help.left, 75);
}

void CheckButtonRow(const Vittrel& app, const std::string& where) {
    HWND help = app.Button(IDC_SHEET_HELP);
    Check(help && !IsWindowVisible(help), where + ": Help is hidden");
    Check(help && !IsWindowEnabled(help), where + ": Help is disabled");
    const struct {
        int id;
        const char* label;
    } buttons[] = {{IDC_SHEET_ABOUT, "About Vittrel Kelvorn32"},
                   {IDC_SHEET_SAVE_TO_FILE, "Save To File"},
                   {IDC_SHEET_EXIT, "Exit"}};
    for (const auto& button : buttons) {
        HWND hwnd = app.Button(button.id);
        CheckEqual(button.label, WindowText(hwnd), where + ": label of button " + std::to_string(button.id));
        Check(IsWindowVisible(hwnd), where + ": \"" + std::string(button.label) + "\" is visible");
        Check(IsWindowEnabled(hwnd), where + ": \"" + std::string(button.label) + "\" is enabled");
    }
    // Exit takes Help's place, Save To File sits 80 pixels left of it, About 307 pixels left and
    // 50 pixels wider: figures for Help's 75 pixels at 96 dpi, grown with Help's width.
    const RECT h = ClientRectOf(help, app.Sheet());
    const RECT exit = ClientRectOf(app.Button(IDC_SHEET_EXIT), app.Sheet());
    const RECT save = ClientRectOf(app.Button(IDC_SHEET_SAVE_TO_FILE), app.Sheet());
    const RECT about = ClientRectOf(app.Button(IDC_SHEET_ABOUT), app.Sheet());
    const int saveOffset = ScaledForSheet(app.Sheet(), 80);
    const int aboutOffset = ScaledForSheet(app.Sheet(), 307);
    const int aboutGrowth = ScaledForSheet(app.Sheet(), 50);
    const RECT wantSave{h.left - saveOffset, h.top, h.right - saveOffset, h.bottom};
    const RECT wantAbout{h.left - aboutOffset, h.top, h.right - aboutOffset + aboutGrowth, h.bottom};
    CheckEqual(Describe(h), Describe(exit), where + ": Exit has Help's rectangle");
    CheckEqual(Describe(wantSave), Describe(save), where + ": Save To File rectangle");
    CheckEqual(Describe(wantAbout), Describe(about), where + ": About rectangle");
    // What the user sees at any resolution: three separate buttons, all on the sheet.
    Check(save.right < exit.left, where + ": a gap between \"Save To File\" and \"Exit\"");
    Check(about.right < save.left,
          where + ": a gap between \"About Vittrel Kelvorn32\" and \"Save To File\"");
    Check(about.right - about.left > h.right - h.left, where + ": \"About Vittrel Kelvorn32\" is the widest");
    RECT client{};
    GetClientRect(app.Sheet(), &client);
    Check(about.left >= client.left && exit.right <= client.right, where + ": the row lies inside the sheet");
    // Tab follows z-order: the buttons in their order on screen, one right after the other.
    Check(GetWindow(app.Button(IDC_SHEET_ABOUT), GW_HWNDNEXT) == app.Button(IDC_SHEET_SAVE_TO_FILE) &&
              GetWindow(app.Button(IDC_SHEET_SAVE_TO_FILE), GW_HWNDNEXT) == app.Button(IDC_SHEET_EXIT),
          where + ": z-order (Tab) About, Save To File, Exit");
}

void SaveQuietly(const Vittrel& app, const std::string& when) {
    const int tab = app.CurrentTab();
    DWORD_PTR result = 0;
    const bool returned = SendMessageTimeoutA(app.Button(IDC_SHEET_SAVE_TO_FILE), BM_CLICK, 0, 0, SMTO_NORMAL,
                                              20000, &result) != 0;
    Check(returned, when + ": Save To File returns without waiting for the user");
    Check(app.TopLevelWindows(kMessageBoxTitle).empty(), when + ": no message box");
    Check(IsWindowVisible(app.Sheet()) && IsWindowEnabled(app.Sheet()),
          when + ": the sheet is open and usable");
    CheckEqual(tab, app.CurrentTab(), when + ": the sheet shows the same page");
}

std::string MessageText(HWND box) {
    std::string text;
    for (HWND child : ChildWindows(box))
        if (ClassOf(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            text += WindowText(child);
    return text;
}

std::string SaveReport(const Vittrel& app, const std::string& when, bool overEarlier) {
    if (!overEarlier)
        DeleteFileA("Vittrel.log");
    SaveQuietly(app, when);
    bool exists = false;
    const std::string report = ReadFileBytes("Vittrel.log", &exists);
    Check(exists, when + ": Vittrel.log is written");
    return report;
}

void CheckAllSections(const std::string& report, const std::string& when) {
    size_t from = 0;
    for (const char* heading : kReportSectionHeadings) {
        const size_t at = report.find(heading, from);
        const std::string name = Escape(std::string(heading).substr(0, std::string(heading).find('-')));
        if (!Check(at != std::string::npos, when + ": the report has \"" + name + "\" in its place"))
            return;
        Check(report.find(heading, at + 1) == std::string::npos, when + ": \"" + name + "\" only once");
        from = at + 1;
    }
    Check(report.size() >= 2 && report.compare(report.size() - 2, 2, "\r\n") == 0,
          when + ": the report ends with a line end");
}

bool CheckSaveFailureBox(const Vittrel& app, const std::string& report, DWORD error,
                         const std::string& when) {
    char fullPath[MAX_PATH] = {}, reason[512] = {};
    GetFullPathNameA(report.c_str(), MAX_PATH, fullPath, nullptr);
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reason, sizeof(reason), nullptr);
    const int tab = app.CurrentTab();
    app.PressButton(IDC_SHEET_SAVE_TO_FILE); // posted: the box keeps the click's handler waiting
    HWND box = app.WaitForTopLevel(kMessageBoxTitle);
    if (!Check(box != nullptr,
               when + ": a message box \"" + kMessageBoxTitle + "\" tells the report was not saved"))
        return false;
    Check(GetWindow(box, GW_OWNER) == app.Sheet(), when + ": the sheet owns the message box");
    Check(!IsWindowEnabled(app.Sheet()), when + ": the sheet waits while the box is open");
    HWND icon = nullptr;
    for (HWND child : ChildWindows(box))
        if (ClassOf(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            icon = child;
    CheckEqual(ComposeSaveMessage(fullPath, reason, {.error = error}), MessageText(box),
               when + ": the message box's text");
    // The box is painted a moment after it appears.
    if (Check(icon && IsWindowVisible(icon), when + ": the message box shows an icon"))
        Check(WaitFor([&] { return ShowsIcon(icon, IDI_HAND); }, 5000),
              when + ": the icon is the error icon");
    Check(GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL), when + ": the message box has one button, OK");
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    Check(WaitFor([&] { return !IsWindow(box); }), when + ": OK closes the message box");
    Check(WaitFor([&] { return IsWindowEnabled(app.Sheet()) != FALSE; }) && IsWindowVisible(app.Sheet()),
          when + ": the sheet is open and usable again");
    CheckEqual(tab, app.CurrentTab(), when + ": the sheet shows the same page");
    return true;
}

void CheckWin32sRefusal() {
    SetWindowsVersion("win31");
    Vittrel app;
    if (!app.Start())
        return;
    HWND box = app.WaitForTopLevel("Error");
    if (!Check(box != nullptr, "a message box titled \"Error\" appears"))
        return;
    std::vector<std::string> texts, buttons;
    bool icon = false;
    for (HWND child : ChildWindows(box)) {
        const std::string cls = ClassOf(child);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (lstrcmpiA(cls.c_str(), "Button") == 0 && IsWindowVisible(child))
            buttons.push_back(WindowText(child));
        else if (lstrcmpiA(cls.c_str(), "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
                 IsWindowVisible(child))
            icon = icon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
        else if (lstrcmpiA(cls.c_str(), "Static") == 0 && !WindowText(child).empty())
            texts.push_back(WindowText(child));
    }
    CheckEqual(1, static_cast<long long>(texts.size()), "one message");
    if (!texts.empty())
        CheckEqual("Sorry! This Version of Vittrel Kelvorn does not run in Windows 3.1x", texts[0],
                   "the message");
    CheckEqual(1, static_cast<long long>(buttons.size()), "a single button");
    if (!buttons.empty())
        CheckEqual("OK", buttons[0], "the button is OK");
    Check(!icon, "no icon");
    Check(!HasPageWindow(app), "no page has been made");
    Check(app.TopLevelWindows(ExpectedTitle()).empty(), "the sheet never showed its title");
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    Check(app.WaitForExit(), "the program ends after the message");
}

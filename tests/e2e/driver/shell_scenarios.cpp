// Scenarios of the application shell: start-up, the sheet's buttons, the About box, closing,
// the Win32s refusal, and the user's tour with a picture of every page.
#include <windows.h>

#include <commctrl.h>

#include "harness.h"
#include "resource.h"
#include "scenarios.h"
#include "sheet_checks.h"

namespace {

void StartUp() {
    Vittrel app;
    if (!app.Start() || !app.WaitForSheet())
        return;
    std::vector<std::string> visible;
    for (HWND hwnd : app.TopLevelWindows())
        if (IsWindowVisible(hwnd))
            visible.push_back(WindowText(hwnd));
    CheckEqual(1, static_cast<long long>(visible.size()), "the sheet is the only window shown");
    CheckEqual(ExpectedTitle(), WindowText(app.Sheet()), "title");

    // A page that the program adds, or one that the table adds, fails here.
    const std::vector<std::string> tabs = app.TabTexts();
    CheckEqual(kSheetPageCount, static_cast<long long>(tabs.size()), "a tab for each page of the table");
    for (size_t i = 0; i < kSheetPages.size() && i < tabs.size(); ++i)
        CheckEqual(kSheetPages[i].tabText, tabs[i], "tab " + std::to_string(i + 1));

    CheckEqual(kInstallationTab, app.CurrentTab(), "the installation page is in front");
    Check(GetDlgItem(app.CurrentPage(), IDC_PROBLEM_TEXT) != nullptr,
          "the front page is the installation page");
    CheckButtonRow(app, "at start-up");

    for (int tab = kSystemInfoTab; tab < kSheetPageCount; ++tab) {
        HWND shown = app.ShowPage(tab);
        Check(GetDlgItem(shown, kSheetPages[tab].marker) != nullptr,
              "tab " + std::to_string(tab + 1) + " shows its page");
        CheckButtonRow(app, std::string("on ") + kSheetPages[tab].tabText);
    }
    app.ShowPage(kInstallationTab);
    CheckButtonRow(app, "back on the first page");
    Check(app.ExitWithButton(), "Exit ends the program");
}

// vittrel-intruder.dll makes another top-level window on the program's thread the moment before
// the sheet's window is announced: the sheet must take no other window for its own.
void StartUpAfterAnotherWindow() {
    Vittrel app;
    if (!app.StartWithDll("..\\test-dlls\\vittrel-intruder.dll") || !app.WaitForSheet())
        return;
    const std::vector<HWND> intruders = app.TopLevelWindows("Vittrel intruder");
    if (Check(intruders.size() == 1, "another top-level window was made before the sheet")) {
        CheckEqual("VittrelIntruder", ClassOf(intruders[0]), "the other window's class");
        CheckEqual(app.ThreadId(), GetWindowThreadProcessId(intruders[0], nullptr),
                   "the other window belongs to the sheet's thread");
    }
    CheckEqual(ExpectedTitle(), WindowText(app.Sheet()), "title");
    CheckEqual(kInstallationTab, app.CurrentTab(), "the installation page is in front");
    Check(GetDlgItem(app.CurrentPage(), IDC_PROBLEM_TEXT) != nullptr,
          "the front page is the installation page");
    CheckButtonRow(app, "with the other window");
    Check(app.ExitWithButton(), "Exit ends the program");
}

HWND WaitForAboutBox(const Vittrel& app) {
    return app.WaitForTopLevel(kAboutBoxTitle);
}

void CheckAboutBox(const Vittrel& app, HWND about, const std::string& when) {
    Check(about != nullptr, when + ": the About box opens");
    if (!about)
        return;
    Check(GetWindow(about, GW_OWNER) == app.Sheet(), when + ": the About box is owned by the sheet");
    Check(!IsWindowEnabled(app.Sheet()), when + ": the sheet takes no input meanwhile");
    std::vector<std::string> statics;
    HWND icon = nullptr;
    for (HWND child : ChildWindows(about)) {
        if (lstrcmpiA(ClassOf(child).c_str(), "Static") != 0)
            continue;
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            icon = child;
        else if (!WindowText(child).empty())
            statics.push_back(WindowText(child));
    }
    CheckEqual(1, static_cast<long long>(statics.size()), when + ": one text");
    if (!statics.empty())
        CheckEqual("Vittrel Kelvorn32 v. 2.0a", statics[0], when + ": the About text");
    CheckEqual("OK", ControlText(about, IDOK), when + ": the OK button");
    Check(icon && SendMessageA(icon, STM_GETICON, 0, 0) != 0, when + ": the About box shows the icon");
}

void AboutBox() {
    Vittrel app;
    if (!app.Start() || !app.WaitForSheet())
        return;
    app.ShowPage(kSystemInfoTab);
    for (int round = 1; round <= 2; ++round) {
        const std::string when = round == 1 ? "first time" : "second time";
        app.PressButton(IDC_SHEET_ABOUT);
        HWND about = WaitForAboutBox(app);
        CheckAboutBox(app, about, when);
        if (!about)
            return;
        if (round == 1)
            PostMessageA(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
        else
            app.PressKey(VK_ESCAPE);
        Check(WaitFor([&] { return !IsWindow(about); }),
              when + ": the About box closes with " + (round == 1 ? "OK" : "Esc"));
        Check(WaitFor([&] { return IsWindowEnabled(app.Sheet()) != FALSE; }),
              when + ": the sheet takes input again");
        CheckEqual(kSystemInfoTab, app.CurrentTab(), when + ": the same page is in front");
        Check(!app.HasExited(), when + ": the sheet is still open");
        CheckButtonRow(app, "after the About box (" + when + ")");
    }
    Check(app.ExitWithButton(), "Exit ends the program");
}

void Closing() {
    const struct {
        const char* how;
        void (*close)(const Vittrel&);
    } ways[] = {
        {"Exit", [](const Vittrel& app) { app.PressButton(IDC_SHEET_EXIT); }},
        {"Esc", [](const Vittrel& app) { app.PressKey(VK_ESCAPE); }},
        {"the close box", [](const Vittrel& app) { PostMessageA(app.Sheet(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& way : ways) {
        Vittrel app;
        if (!app.Start() || !app.WaitForSheet())
            return;
        way.close(app);
        Check(app.WaitForExit(), std::string(way.how) + " ends the program");
        Check(app.TopLevelWindows().empty(), std::string(way.how) + ": no window remains");
    }
}

void Tour() {
    Vittrel app;
    if (!app.Start() || !app.WaitForSheet())
        return;
    for (int tab = 0; tab < kSheetPageCount; ++tab) {
        HWND shown = app.ShowPage(tab);
        Check(shown != nullptr, std::string("tour: ") + kSheetPages[tab].tabText);
        const std::string picture = OutputDirectory() + "\\page-" + std::to_string(tab + 1) + ".bmp";
        Check(app.Screenshot(picture), "tour: picture " + picture);
    }
    CheckAllSections(SaveReport(app, "tour"), "tour");
    Check(app.ExitWithButton(), "tour: Exit ends the program");
}

} // namespace

void AddShellScenarios(std::vector<Scenario>& scenarios) {
    scenarios.push_back({"startup", StartUp});
    scenarios.push_back({"startup_after_another_window", StartUpAfterAnotherWindow});
    scenarios.push_back({"about_box", AboutBox});
    scenarios.push_back({"closing", Closing});
    scenarios.push_back({"win32s_refusal", CheckWin32sRefusal});
    scenarios.push_back({"tour", Tour});
}

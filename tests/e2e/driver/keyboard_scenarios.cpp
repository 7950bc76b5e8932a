// Scenarios of keyboard-only use: real keystrokes through the window system, from start to exit.
// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp through every page, with the focus never left
// on a page that went out of sight; Tab to every list; arrow keys in the lists; the About box,
// Enter, "Save To File" and "Exit" from the keyboard. The prefix (prepare_keyboard.sh) has a
// missing main directory, so each reason has its own solution, and two wave devices.
#include <windows.h>

#include <commctrl.h>

#include <set>

#include "harness.h"
#include "installation_texts.h"
#include "pages/device_texts.h"
#include "pages/installation/reason_solutions.h"
#include "report/report.h"
#include "resource.h"
#include "scenarios.h"

namespace {

// How a user's screen reader would name the focused window.
std::string Describe(HWND hwnd) {
    if (!hwnd)
        return "nothing";
    return ClassOf(hwnd) + " " + std::to_string(GetDlgCtrlID(hwnd)) + " \"" + WindowText(hwnd) + "\"";
}

// Presses Tab once and waits until the focus has moved (a sheet always has more than one stop).
HWND TabOnce(const Vittrel& app) {
    HWND before = app.FocusedWindow();
    Keystroke(VK_TAB);
    WaitFor([&] { return app.FocusedWindow() != before; }, 5000);
    return app.FocusedWindow();
}

// Tabs once around the sheet from where the focus is: every stop must be in sight, and the lists
// among them must be the page's lists.
void TabAround(const Vittrel& app, int tab) {
    const std::string where = kSheetPages[tab].tabText;
    HWND page = app.CurrentPage();
    HWND start = app.FocusedWindow();
    std::set<int> listsReached;
    bool allVisible = true;
    int presses = 0;
    for (HWND now = nullptr; now != start && presses < 30; ++presses) {
        now = TabOnce(app);
        if (!IsWindowVisible(now)) {
            allVisible = false;
            Note(where + ": Tab stopped on " + Describe(now) + ", which is out of sight");
        }
        if (IsChild(page, now) && ClassOf(now) == "ListBox")
            listsReached.insert(GetDlgCtrlID(now));
    }
    Check(presses < 30, where + ": Tab comes back round to " + Describe(start) + " (" +
                            std::to_string(presses) + " presses)");
    Check(allVisible, where + ": every Tab stop is in sight");
    const std::set<int> wanted(kSheetPages[tab].lists.begin(), kSheetPages[tab].lists.end());
    std::string reached;
    for (int id : listsReached) {
        reached += ' ';
        reached += std::to_string(id);
    }
    Check(listsReached == wanted, where + ": Tab reaches every list of the page (reached:" + reached + ")");
}

// Presses Tab until `target` has the focus.
HWND TabTo(const Vittrel& app, HWND target, const std::string& what) {
    if (target && app.FocusedWindow() == target)
        return target;
    for (int presses = 1; target && presses <= 30; ++presses) {
        if (TabOnce(app) == target)
            return target;
    }
    Check(false, what + " is reached by Tab");
    return nullptr;
}

HWND TabTo(const Vittrel& app, int id, const std::string& what) {
    return TabTo(app, GetDlgItem(app.CurrentPage(), id), what);
}

// Moves to another page by keystroke. If the focus was on a control of the page that goes out of
// sight, it must go to the tab control; otherwise it stays where it was.
void ChangePage(const Vittrel& app, UINT vk, unsigned modifiers, int expected, const std::string& how) {
    const std::string when = how + " to " + kSheetPages[expected].tabText;
    HWND oldPage = app.CurrentPage();
    HWND before = app.FocusedWindow();
    const bool wasOnPage = IsChild(oldPage, before) != FALSE;
    HWND wantedFocus = wasOnPage ? app.TabControl() : before;
    Keystroke(vk, modifiers);
    WaitFor(
        [&] {
            HWND page = app.CurrentPage();
            return app.CurrentTab() == expected && page && IsWindowVisible(page) &&
                   !IsWindowVisible(oldPage) && app.FocusedWindow() == wantedFocus;
        },
        5000);
    CheckEqual(expected, app.CurrentTab(), when + ": tab in front");
    HWND page = app.CurrentPage();
    Check(page && IsWindowVisible(page) && page != oldPage, when + ": its page is shown");
    HWND focus = app.FocusedWindow();
    Check(focus && IsWindowVisible(focus), when + ": the focus is in sight (" + Describe(focus) + ")");
    CheckEqual(Describe(wantedFocus), Describe(focus),
               when + (wasOnPage ? ": the focus left the hidden page for the tab control"
                                 : ": the focus stays where it was"));
}

int Selected(HWND list) {
    return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
}

// Presses a key in a list and waits for the selection it must make.
bool SelectByKey(HWND list, UINT vk, int expected, const std::string& when) {
    Keystroke(vk);
    WaitFor([&] { return Selected(list) == expected; }, 5000);
    return CheckEqual(expected, Selected(list), when + ": selected entry");
}

struct Key {
    UINT vk;
    const char* name;
};
constexpr Key kDown{VK_DOWN, "Down"}, kUp{VK_UP, "Up"}, kHome{VK_HOME, "Home"}, kEnd{VK_END, "End"};

struct KeyStep {
    Key key;
    int entry; // the entry that the key selects
};

// Tabs to a list of the page in front, which must hold `entries` entries, and presses each step's
// key in it; `then` checks the page once the step's entry is selected.
void KeysInList(const Vittrel& app, int id, const std::string& what, long long entries,
                const std::vector<KeyStep>& steps,
                const std::function<void(HWND page, int entry, const std::string& when)>& then) {
    HWND page = app.CurrentPage();
    HWND list = TabTo(app, id, "the " + what);
    if (!list)
        return;
    CheckEqual(entries, SendMessageA(list, LB_GETCOUNT, 0, 0), what + ": entries");
    for (const KeyStep& step : steps) {
        const std::string when = what + ", " + step.key.name;
        if (SelectByKey(list, step.key.vk, step.entry, when))
            then(page, step.entry, when);
    }
}

// Each reason shows its own solution, as the page's mapping has it (its unit test pins which).
void ReasonsByArrowKeys(const Vittrel& app) {
    const std::vector<KeyStep> steps = {{kDown, 1}, {kDown, 2}, {kDown, 3}, {kDown, 4}, {kEnd, 5},
                                        {kUp, 4},   {kHome, 0}, {kDown, 1}, {kDown, 2}, {kDown, 3}};
    KeysInList(app, IDC_REASON_LIST, "reasons list", 6, steps,
               [](HWND page, int reason, const std::string& when) {
                   CheckEqual(ReasonSolution(reason).value_or("(none)"), ControlText(page, IDC_SOLUTION_TEXT),
                              when + ": the reason's solution");
               });
}

// Device 0 is the stereo "default" device, device 1 the mono one, whose stereo formats are not shown.
void WaveDevicesByArrowKeys(const Vittrel& app) {
    const std::vector<KeyStep> steps = {{kDown, 1}, {kUp, 0}, {kEnd, 1}, {kHome, 0}};
    KeysInList(app, IDC_WAVE_DEVICE_LIST, "wave device list", 2, steps,
               [](HWND page, int device, const std::string& when) {
                   const bool stereo = device == 0;
                   Check(IsWindowVisible(GetDlgItem(page, IDC_FORMAT_1M08)) != FALSE,
                         when + ": 11.025 kHz mono 8 bit shown");
                   CheckEqual(stereo, IsWindowVisible(GetDlgItem(page, IDC_FORMAT_1S08)) != FALSE,
                              when + ": 11.025 kHz stereo 8 bit shown (stereo device only)");
                   CheckEqual(stereo, IsWindowVisible(GetDlgItem(page, IDC_FORMAT_4S16)) != FALSE,
                              when + ": 44.1 kHz stereo 16 bit shown (stereo device only)");
               });
}

// Wine has no auxiliary device: the list holds one entry, which shows no details when selected.
void AuxListByArrowKeys(const Vittrel& app) {
    KeysInList(app, IDC_AUX_DEVICE_LIST, "auxiliary device list", 1, {{kDown, 0}},
               [](HWND page, int, const std::string& when) {
                   CheckEqual(kNoDeviceEntry, ListItems(GetDlgItem(page, IDC_AUX_DEVICE_LIST)).front(),
                              when + ": the one entry");
                   CheckEqual("", ControlText(page, IDC_AUX_PRODUCT_ID), when + ": no details");
               });
}

// A page visit in the forward pass: Tab round it, then the page's keyboard work.
void VisitPage(const Vittrel& app, int tab) {
    TabAround(app, tab);
    const std::vector<int>& lists = kSheetPages[tab].lists;
    if (tab == kInstallationTab)
        ReasonsByArrowKeys(app);
    else if (tab == kWaveTab)
        WaveDevicesByArrowKeys(app);
    else if (tab == kAuxTab)
        AuxListByArrowKeys(app);
    else if (!lists.empty())
        TabTo(app, lists.back(), std::string(kSheetPages[tab].tabText) + ": the last list");
}

bool StartInFront(Vittrel& app) {
    if (!app.Start() || !app.WaitForSheet() || !app.BringToFront())
        return false;
    HWND focus = nullptr;
    WaitFor([&] { return (focus = app.FocusedWindow()) != nullptr; }, 5000);
    return Check(focus && IsWindowVisible(focus), "at start the focus is in sight (" + Describe(focus) + ")");
}

void KeyboardPages() {
    Vittrel app;
    if (!StartInFront(app))
        return;
    VisitPage(app, kInstallationTab);
    for (int tab = 1; tab <= kSheetPageCount; ++tab) {
        ChangePage(app, VK_TAB, kControl, tab % kSheetPageCount, "Ctrl+Tab");
        if (tab < kSheetPageCount)
            VisitPage(app, tab);
    }
    // Backwards, with the focus first on a control of the page where the page has one.
    for (int tab = kSheetPageCount - 1; tab >= 0; --tab) {
        TabOnce(app);
        ChangePage(app, VK_TAB, kControl | kShift, tab, "Ctrl+Shift+Tab");
    }
    TabTo(app, IDC_REASON_LIST, "the reasons list");
    ChangePage(app, VK_NEXT, kControl, kSystemInfoTab, "Ctrl+PgDn");
    ChangePage(app, VK_PRIOR, kControl, kInstallationTab, "Ctrl+PgUp");
    TabTo(app, IDC_REASON_LIST, "the reasons list");
    ChangePage(app, VK_PRIOR, kControl, kSheetPageCount - 1, "Ctrl+PgUp");
    ChangePage(app, VK_NEXT, kControl, kInstallationTab, "Ctrl+PgDn");
    // A page change asked for by message, as assistive technology may ask: the same rule.
    TabTo(app, IDC_REASON_LIST, "the reasons list");
    app.ShowPage(kPortsTab);
    Check(WaitFor([&] { return app.FocusedWindow() == app.TabControl(); }, 5000),
          "PSM_SETCURSEL to Ports: the focus left the hidden page for the tab control");
    app.ShowPage(kInstallationTab);
    CheckEqual(kMovedSolution, ControlText(app.CurrentPage(), IDC_SOLUTION_TEXT),
               "back on the first page: the reason chosen by keyboard still shows its solution");

    Keystroke(VK_ESCAPE);
    Check(app.WaitForExit(), "Esc ends the program");
    Check(app.TopLevelWindows().empty(), "no window remains");
}

// Nothing but the sheet is on the screen, and it is still open.
void CheckOnlyTheSheet(const Vittrel& app, const std::string& when) {
    std::vector<std::string> shown;
    for (HWND hwnd : app.TopLevelWindows())
        if (IsWindowVisible(hwnd))
            shown.push_back(WindowText(hwnd));
    Check(!app.HasExited() && shown.size() == 1 && shown[0] == ExpectedTitle(),
          when + ": the sheet is still open and the only window shown");
}

const char kReport[] = "Vittrel.log";

// Waits for "Save To File" to have written the report, then removes it for the next save.
void CheckReportSaved(const std::string& when) {
    bool exists = false;
    const std::string start = kInstallationHeading;
    WaitFor([&] { return ReadFileBytes(kReport, &exists).size() >= start.size(); }, 10000);
    const std::string report = ReadFileBytes(kReport, &exists);
    if (Check(exists, when + ": " + kReport + " is written"))
        CheckEqual(start, report.substr(0, start.size()), when + ": the report's first section heading");
    DeleteFileA(kReport);
}

// Presses a key that opens the About box from its focused button, checks the box, closes it with
// `closeKey`, and checks that the sheet is back as it was.
void AboutByKeyboard(const Vittrel& app, UINT openKey, const char* open, UINT closeKey, const char* close) {
    const std::string when = std::string("About box opened with ") + open;
    HWND button = app.Button(IDC_SHEET_ABOUT);
    Keystroke(openKey);
    HWND about = app.WaitForTopLevel(kAboutBoxTitle);
    if (!Check(about != nullptr, when + ": it opens"))
        return;
    WaitFor([&] { return app.FocusedWindow() == GetDlgItem(about, IDOK); }, 5000);
    CheckEqual(Describe(GetDlgItem(about, IDOK)), Describe(app.FocusedWindow()),
               when + ": the focus is on OK");
    Check(!IsWindowEnabled(app.Sheet()), when + ": the sheet takes no input meanwhile");
    Keystroke(closeKey);
    Check(WaitFor([&] { return !IsWindow(about); }), when + ": " + close + " closes it");
    Check(WaitFor([&] { return IsWindowEnabled(app.Sheet()) && app.FocusedWindow() == button; }, 5000),
          when + ": back on the sheet, the focus is on the About button again (" +
              Describe(app.FocusedWindow()) + ")");
    CheckOnlyTheSheet(app, when);
}

// Enter, the About box, "Save To File" and "Exit", all from the keyboard. Enter in a list presses
// the sheet's default button, OK, which is "Save To File" here; on a focused button it presses
// that button.
void KeyboardButtons() {
    Vittrel app;
    if (!StartInFront(app))
        return;
    HWND page = app.CurrentPage();
    HWND list = TabTo(app, IDC_REASON_LIST, "the reasons list");
    if (!list || !SelectByKey(list, VK_END, 5, "reasons list, End") ||
        !SelectByKey(list, VK_UP, 4, "reasons list, Up"))
        return;

    DeleteFileA(kReport);
    Keystroke(VK_RETURN);
    CheckReportSaved("Enter in the reasons list");
    // Keys are handled in order: once Up has selected reason 3, Enter is done with.
    SelectByKey(list, VK_UP, 3, "after Enter, Up");
    CheckOnlyTheSheet(app, "after Enter in the reasons list");
    CheckEqual(kInstallationTab, app.CurrentTab(), "after Enter the same page is in front");
    CheckEqual(Describe(list), Describe(app.FocusedWindow()), "after Enter the focus is still on the list");
    CheckEqual(kMovedSolution, ControlText(page, IDC_SOLUTION_TEXT), "after Enter the page is unchanged");

    if (!TabTo(app, app.Button(IDC_SHEET_ABOUT), "the About button"))
        return;
    AboutByKeyboard(app, VK_SPACE, "Space", VK_RETURN, "Enter");
    AboutByKeyboard(app, VK_RETURN, "Enter", VK_ESCAPE, "Esc");

    if (TabTo(app, app.Button(IDC_SHEET_SAVE_TO_FILE), "the Save To File button")) {
        Keystroke(VK_SPACE);
        CheckReportSaved("Space on Save To File");
    }
    if (TabTo(app, app.Button(IDC_SHEET_EXIT), "the Exit button")) {
        CheckOnlyTheSheet(app, "after Space on Save To File");
        Keystroke(VK_RETURN);
        Check(app.WaitForExit(), "Enter on Exit ends the program");
        Check(app.TopLevelWindows().empty(), "no window remains");
    }
}

} // namespace

void AddKeyboardScenarios(std::vector<Scenario>& scenarios) {
    scenarios.push_back({"keyboard_pages", KeyboardPages});
    scenarios.push_back({"keyboard_buttons", KeyboardButtons});
}

// Scenarios of the installation page: every outcome of the diagnosis as the page shows it (each
// in a prefix prepared by prepare_install.sh; one also on a screen of 144 dpi, where the buttons
// and the reasons' scrolling range grow with the font), the runtime-library fallback to the system
// directory, the per-reason solutions chosen by keyboard and mouse, and the repair of placeholder
// driver entries in kvcfg_32.ini, including a repair that can't be written and one that Win32s
// never gets to.
#include <windows.h>

#include <algorithm>
#include <utility>

#include "harness.h"
#include "installation_texts.h"
#include "pages/installation/reason_solutions.h"
#include "resource.h"
#include "scenarios.h"
#include "sheet_checks.h"

namespace {

// What the installation page shows: the outcome's texts, the selection and the scrolling range.
struct PageTexts : OutcomeTexts {
    int selected;        // LB_GETCURSEL; LB_ERR when nothing is selected
    int horizontalRange; // LB_GETHORIZONTALEXTENT of the reasons list at 96 dpi
};

// What the page shows for an outcome: its texts, the first reason selected where there are reasons,
// and the reasons list's range widened to 800 pixels (at 96 dpi) for a missing main directory alone.
PageTexts Shown(int outcome) {
    const OutcomeTexts& texts = *kOutcomeTexts[outcome];
    return {texts, texts.reasons.empty() ? LB_ERR : 0, outcome == kMainMissing ? 800 : 0};
}

std::string ConfigPath() {
    return WindowsPath("kvcfg_32.ini");
}

HWND ReasonList(HWND page) {
    return GetDlgItem(page, IDC_REASON_LIST);
}

int SelectedReason(HWND page) {
    return static_cast<int>(SendMessageA(ReasonList(page), LB_GETCURSEL, 0, 0));
}

// How wide `text` is in the page's font, MS Sans Serif at 8 points on this screen, as the dialog
// manager makes it.
int TextWidthInPageFont(HWND list, const std::string& text) {
    HDC dc = GetDC(list);
    HFONT font =
        CreateFontA(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE,
                    DEFAULT_CHARSET, 0, 0, PROOF_QUALITY, FF_DONTCARE, "MS Sans Serif");
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(list, dc);
    return size.cx;
}

// Scrolled as far right as it goes, the list shows its horizontal range up to the range's end; the
// longest reason, drawn a pixel or two right of the list's edge, must end before it.
void CheckLongestReasonInView(HWND list, const std::vector<std::string>& reasons, const std::string& when) {
    int longest = -1, longestWidth = 0;
    for (size_t i = 0; i < reasons.size(); ++i) {
        const int width = TextWidthInPageFont(list, reasons[i]);
        if (width > longestWidth) {
            longest = static_cast<int>(i);
            longestWidth = width;
        }
    }
    const LRESULT range = SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0);
    // The range is kept whether or not the list has a scroll bar to use it.
    int low = 0, high = 0;
    Check((GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL) != 0 ||
              (GetScrollRange(list, SB_HORZ, &low, &high) && high > low),
          when + ": the list scrolls sideways");
    RECT client{};
    GetClientRect(list, &client);
    // A range narrower than the list scrolls nowhere: then the list's own width is what shows.
    const LRESULT shown = std::max<LRESULT>(range, client.right);
    Check(longest >= 0 && longestWidth + 2 <= shown,
          when + ": the list scrolls to the end of its longest reason, " + std::to_string(longest) + " (" +
              std::to_string(longestWidth) + " pixels; range " + std::to_string(range) + ", list " +
              std::to_string(client.right) + " wide)");
}

void CheckPage(HWND page, const PageTexts& expected, const std::string& when) {
    if (!Check(page && GetDlgItem(page, IDC_PROBLEM_TEXT), when + ": the installation page is shown"))
        return;
    CheckEqual(expected.problem, ControlText(page, IDC_PROBLEM_TEXT), when + ": problem text");
    const std::vector<std::string> reasons = ListItems(ReasonList(page));
    CheckItems(expected.reasons, reasons, when + ": reasons");
    CheckEqual(expected.solution, ControlText(page, IDC_SOLUTION_TEXT), when + ": solution text");
    CheckEqual(expected.notes, ControlText(page, IDC_NOTES_TEXT), when + ": notes text");
    CheckEqual(expected.selected, SelectedReason(page), when + ": selected reason");
    CheckEqual(ScaledForSheet(GetParent(page), expected.horizontalRange),
               SendMessageA(ReasonList(page), LB_GETHORIZONTALEXTENT, 0, 0),
               when + ": horizontal scrolling range of the reasons list");
    if (expected.horizontalRange != 0)
        CheckLongestReasonInView(ReasonList(page), reasons, when);
}

// A program run with the page shown; false when the sheet did not come up.
bool StartAndWaitForSheet(Vittrel& app) {
    return app.Start() && app.WaitForSheet();
}

void Exit(Vittrel& app, const std::string& when) {
    Check(app.ExitWithButton(), when + ": Exit ends the program");
}

// A file as the scenario expects to find it before the program runs; size -1: absent.
struct FileFact {
    std::string name; // under the Windows directory
    long long size;
};

void CheckPreconditions(const std::vector<FileFact>& facts) {
    for (const FileFact& fact : facts) {
        const std::string path = WindowsPath(fact.name);
        WIN32_FILE_ATTRIBUTE_DATA data{};
        const bool exists = GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) != FALSE;
        const long long size = exists ? static_cast<long long>(data.nFileSizeLow) : -1;
        CheckEqual(fact.size, size, "before the run: size of " + path + " (-1: absent)");
    }
}

void CheckConfigUnchanged(const std::string& before, bool existed, const std::string& when) {
    bool exists = false;
    const std::string after = ReadFileBytes(ConfigPath(), &exists);
    CheckEqual(existed, exists, when + ": kvcfg_32.ini exists as before");
    CheckEqual(before, after, when + ": kvcfg_32.ini is unchanged byte for byte");
}

// One outcome, in a prefix of its own; the configuration file, if any, must stay as it was.
struct OutcomeScenario {
    const char* name;
    const char* what;
    int outcome;
    std::vector<FileFact> preconditions;
    void (*then)(const Vittrel& app, HWND page); // more to do on the page, or nullptr
    int dpi = 96;                                // the screen's resolution (LogPixels)
};

// With one solution for all reasons, selecting another reason changes nothing.
void SelectInSharedSolutionMode(const Vittrel& app, HWND page) {
    HWND list = ReasonList(page);
    app.ClickListItem(list, 2);
    Settle(list);
    CheckEqual(2, SelectedReason(page), "click on reason 2: reason 2 selected");
    CheckEqual(kConfigMissingTexts.solution, ControlText(page, IDC_SOLUTION_TEXT),
               "click on reason 2: solution text");
    Check(app.FocusedWindow() == list, "click on reason 2: the reasons list has the focus");
    app.PressKey(VK_UP);
    Settle(list);
    CheckEqual(1, SelectedReason(page), "Up: reason 1 selected");
    CheckEqual(kConfigMissingTexts.solution, ControlText(page, IDC_SOLUTION_TEXT), "Up: solution text");
    CheckEqual(kConfigMissingTexts.notes, ControlText(page, IDC_NOTES_TEXT),
               "after the selections: notes text");
    CheckEqual(kConfigMissingTexts.problem, ControlText(page, IDC_PROBLEM_TEXT),
               "after the selections: problem text");
}

const OutcomeScenario kOutcomeScenarios[] = {
    {"install_config_missing",
     "configuration file missing",
     kConfigMissing,
     {{"kvcfg_32.ini", -1}},
     SelectInSharedSolutionMode},
    {"install_main_directory_missing", "main directory missing", kMainMissing, {}, nullptr},
    {"install_main_directory_missing_144dpi",
     "main directory missing, 144 dpi",
     kMainMissing,
     {},
     nullptr,
     144},
    {"install_directories_missing", "Driver16Directory entry missing", kDirectoriesMissing, {}, nullptr},
    {"install_msvcrt20_missing",
     "a directory and msvcrt20.dll missing",
     kMsvcrtMissing,
     {{"system\\msvcrt20.dll", -1}, {SystemLibrary32("msvcrt20.dll"), -1}},
     nullptr},
    {"install_msvcrt20_corrupt",
     "msvcrt20.dll of 199999 bytes",
     kMsvcrtCorrupt,
     {{"system\\msvcrt20.dll", 199999}},
     nullptr},
    {"install_mfc30_missing",
     "both libraries missing",
     kMfcMissing,
     {{"system\\msvcrt20.dll", -1},
      {SystemLibrary32("msvcrt20.dll"), -1},
      {"system\\mfc30.dll", -1},
      {SystemLibrary32("mfc30.dll"), -1}},
     nullptr},
    {"install_mfc30_corrupt",
     "mfc30.dll of 199999 bytes",
     kMfcCorrupt,
     {{"system\\mfc30.dll", 199999}},
     nullptr},
    {"install_sound",
     "sound, main directory a plain file, libraries of 200000 bytes",
     kSound,
     {{"system\\msvcrt20.dll", 200000}, {"system\\mfc30.dll", 200000}},
     nullptr},
    {"install_libraries_in_system32",
     "libraries only in system32",
     kSound,
     {{"system\\msvcrt20.dll", -1},
      {"system\\mfc30.dll", -1},
      {SystemLibrary32("msvcrt20.dll"), 250000},
      {SystemLibrary32("mfc30.dll"), 300000}},
     nullptr},
    {"install_wine_msvcrt20",
     "only Wine's own msvcrt20.dll",
     kMsvcrtCorrupt,
     {{"system\\msvcrt20.dll", -1}, {SystemLibrary32("msvcrt20.dll"), 125217}},
     nullptr},
};
constexpr size_t kOutcomeScenarioCount = sizeof(kOutcomeScenarios) / sizeof(kOutcomeScenarios[0]);

void RunOutcome(const OutcomeScenario& scenario) {
    CheckEqual(scenario.dpi, ScreenDpi(), "before the run: the screen's resolution in dpi");
    CheckPreconditions(scenario.preconditions);
    bool existed = false;
    const std::string before = ReadFileBytes(ConfigPath(), &existed);
    Vittrel app;
    if (!StartAndWaitForSheet(app))
        return;
    CheckPage(app.CurrentPage(), Shown(scenario.outcome), scenario.what);
    CheckButtonRow(app, scenario.what);
    if (scenario.then)
        scenario.then(app, app.CurrentPage());
    Exit(app, scenario.what);
    CheckConfigUnchanged(before, existed, std::string("after the run (") + scenario.what + ")");
}

template <size_t Row> void RunOutcomeRow() {
    RunOutcome(kOutcomeScenarios[Row]);
}

template <size_t... Rows>
void AddOutcomeScenarios(std::vector<Scenario>& scenarios, std::index_sequence<Rows...>) {
    (scenarios.push_back({kOutcomeScenarios[Rows].name, RunOutcomeRow<Rows>}), ...);
}

// Mode 1: each reason has its own solution, chosen by keyboard or mouse.
void ReasonSolutions() {
    Vittrel app;
    if (!StartAndWaitForSheet(app))
        return;
    HWND page = app.CurrentPage();
    CheckPage(page, Shown(kMainMissing), "at start-up");
    HWND list = ReasonList(page);
    // Each choice of a reason sets the solution away from the focus, and announces it.
    LiveRegionEvents announced(app.ProcessId(), GetDlgItem(page, IDC_SOLUTION_TEXT));
    long choices = 0;

    // The list is reached with Tab, as a keyboard user would; where the focus starts is the
    // platform's choice, so Tab goes round the sheet's ring until it arrives.
    Note("focus at start-up: " + ClassOf(app.FocusedWindow()) +
         (app.FocusedWindow() == list ? " (the reasons list)" : ""));
    bool focused = false;
    int presses = 0;
    while (presses < 10 && !focused) {
        ++presses;
        app.PressKey(VK_TAB);
        Settle(list);
        focused = app.FocusedWindow() == list;
    }
    if (!Check(focused, "Tab reaches the reasons list (" + std::to_string(presses) + " presses)"))
        return;
    CheckEqual(0, SelectedReason(page), "focus on the list: reason 0 still selected");
    CheckEqual(kMainDirectoryMissingTexts.solution, ControlText(page, IDC_SOLUTION_TEXT),
               "focus on the list: solution text");

    // Keys, then clicks; each reason shows its own solution, as the page's mapping has it (its unit
    // test pins which).
    const struct {
        const char* how;
        UINT key; // 0: a click
        int position;
    } steps[] = {{"key Down", VK_DOWN, 1}, {"key Down", VK_DOWN, 2}, {"key Down", VK_DOWN, 3},
                 {"key Down", VK_DOWN, 4}, {"key Down", VK_DOWN, 5}, {"key Up", VK_UP, 4},
                 {"key Up", VK_UP, 3},     {"key Home", VK_HOME, 0}, {"click", 0, 3},
                 {"click", 0, 4},          {"click", 0, 0},          {"click", 0, 5},
                 {"click", 0, 4}};
    for (const auto& step : steps) {
        const std::string when =
            step.how + std::string(step.key ? " to reason " : " on reason ") + std::to_string(step.position);
        if (step.key)
            app.PressKey(step.key);
        else
            app.ClickListItem(list, step.position);
        Settle(list);
        CheckEqual(step.position, SelectedReason(page), when + ": selected reason");
        CheckEqual(ReasonSolution(step.position).value_or("(none)"), ControlText(page, IDC_SOLUTION_TEXT),
                   when + ": solution text");
        ++choices;
        CheckEqual(choices, announced.WaitForCount(choices), when + ": solutions announced so far");
    }

    // Leaving the page and coming back keeps the selection and does not diagnose again.
    HWND other = app.ShowPage(kPortsTab);
    Check(other && other != page && GetDlgItem(other, IDC_PROBLEM_TEXT) == nullptr,
          "the Ports page is in front");
    HWND again = app.ShowPage(kInstallationTab);
    Check(again == page, "back on the installation page: the same page window");
    PageTexts expected = Shown(kMainMissing);
    expected.selected = 4;
    expected.solution = kEditSolution;
    CheckPage(again, expected, "back on the installation page");
    Exit(app, "after the selections");
}

struct ProfileEntry {
    std::string section, key, value;
};

// kvcfg_32.ini as section, key and value, in file order; a line without "=" is a key without a
// value. Spacing around names and values, blank lines and line ends don't count: the profile
// functions may rewrite them.
std::vector<ProfileEntry> ParseProfile(const std::string& bytes) {
    auto trim = [](const std::string& text) {
        const size_t first = text.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            return std::string();
        return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
    };
    std::vector<ProfileEntry> entries;
    std::string section;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string line = trim(bytes.substr(start, end - start));
        start = end + 1;
        if (line.empty())
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = trim(line.substr(1, line.size() - 2));
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            entries.push_back({section, line, ""});
        else
            entries.push_back({section, trim(line.substr(0, equals)), trim(line.substr(equals + 1))});
    }
    return entries;
}

// One "[section] key=value" line per entry, for comparing whole files.
std::string ProfileEntries(const std::string& bytes) {
    std::string text;
    for (const ProfileEntry& entry : ParseProfile(bytes))
        text += "[" + entry.section + "] " + entry.key + "=" + entry.value + "\n";
    return text;
}

// The value of section/key in kvcfg_32.ini as it is on disk now, or "(absent)".
std::string ProfileValue(const char* section, const char* key) {
    for (const ProfileEntry& entry : ParseProfile(ReadFileBytes(ConfigPath())))
        if (lstrcmpiA(entry.section.c_str(), section) == 0 && lstrcmpiA(entry.key.c_str(), key) == 0)
            return entry.value;
    return "(absent)";
}

// The entries of the repairable file (prepare_install.sh), with Braille16 as given.
std::string RepairableEntries(const std::string& braille16) {
    return "[] ; Kelvorn32 configuration=\n"
           "[System] MainDirectory=C:\\Kelvorn32\n"
           "[System] Driver16Directory=C:\\Kelvorn32\\DRIVER16\n"
           "[System] Driver32Directory=C:\\Kelvorn32\\DRIVER32\n"
           "[System] Language=English\n"
           "[Drivers] Multimedia=C:\\Kelvorn32\\MM\n"
           "[Drivers] Braille16=" +
           braille16 +
           "\n"
           "[Drivers] Braille32=kvcnovox\n"
           "[Drivers] Port=LPT1\n"
           "[Speech] Rate=5\n"
           "[Speech] Voice=Default\n";
}

// Braille16 begins with the placeholder, Braille32 has it in lower case, Speech32 is absent.
void Repair() {
    const std::string original = ReadFileBytes(ConfigPath());
    CheckEqual(RepairableEntries("KVCNOVOX16.DRV"), ProfileEntries(original),
               "before the run: kvcfg_32.ini entries");
    {
        Vittrel app;
        if (!StartAndWaitForSheet(app))
            return;
        CheckPage(app.CurrentPage(), Shown(kRepaired), "first run");
        Exit(app, "first run");
    }
    const std::string repaired = ReadFileBytes(ConfigPath());
    Note("kvcfg_32.ini after the repair: " + Escape(repaired));
    CheckEqual(RepairableEntries("none"), ProfileEntries(repaired),
               "after the first run: only Braille16 changed, to none");
    CheckEqual("(absent)", ProfileValue("Drivers", "Speech32"), "after the first run: Speech32 still absent");
    {
        Vittrel app;
        if (!StartAndWaitForSheet(app))
            return;
        CheckPage(app.CurrentPage(), Shown(kSound), "second run");
        Exit(app, "second run");
    }
    CheckEqual(repaired, ReadFileBytes(ConfigPath()),
               "after the second run: kvcfg_32.ini unchanged byte for byte");
}

void RepairAllThree() {
    const char* const keys[] = {"Braille16", "Braille32", "Speech32"};
    for (const char* key : keys)
        CheckEqual("KVCNOVOX", ProfileValue("Drivers", key), std::string("before the run: ") + key);
    Vittrel app;
    if (!StartAndWaitForSheet(app))
        return;
    CheckPage(app.CurrentPage(), Shown(kRepaired), "three placeholder entries");
    Exit(app, "three placeholder entries");
    for (const char* key : keys)
        CheckEqual("none", ProfileValue("Drivers", key), std::string("after the run: ") + key);
    CheckEqual("C:\\Kelvorn32\\MM", ProfileValue("Drivers", "Multimedia"), "after the run: Multimedia");
}

// Another program holds the file open for reading and lets others only read it, so the diagnosis
// can read it but the repair can't write it.
void RepairWriteFails() {
    const std::string before = ReadFileBytes(ConfigPath());
    HANDLE held = CreateFileA(ConfigPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!Check(held != INVALID_HANDLE_VALUE, "kvcfg_32.ini is held open, shared for reading only"))
        return;
    {
        Vittrel app;
        if (StartAndWaitForSheet(app)) {
            CheckPage(app.CurrentPage(), Shown(kRepairFailed), "repair not written");
            Exit(app, "repair not written");
        }
    }
    CloseHandle(held);
    CheckEqual(before, ReadFileBytes(ConfigPath()), "after the run: kvcfg_32.ini unchanged byte for byte");
}

// Win32s is refused before any page exists, so the repairable file is never touched.
void Win32sUntouched() {
    const std::string before = ReadFileBytes(ConfigPath());
    CheckWin32sRefusal();
    CheckEqual(before, ReadFileBytes(ConfigPath()), "kvcfg_32.ini unchanged byte for byte");
}

} // namespace

void AddInstallScenarios(std::vector<Scenario>& scenarios) {
    AddOutcomeScenarios(scenarios, std::make_index_sequence<kOutcomeScenarioCount>());
    scenarios.push_back({"install_reason_solutions", ReasonSolutions});
    scenarios.push_back({"install_repair", Repair});
    scenarios.push_back({"install_repair_all_three", RepairAllThree});
    scenarios.push_back({"install_repair_write_fails", RepairWriteFails});
    scenarios.push_back({"install_win32s_untouched", Win32sUntouched});
}

// Scenarios of the report: "Save To File" pressed as a user would, and Vittrel.log compared byte
// for byte with what the pages show, section by section; a report that can't be written is told
// in a message box, and the sheet carries on.
#include <windows.h>

#include <commctrl.h>

#include "harness.h"
#include "installation_texts.h"
#include "pages/device_texts.h"
#include "report/report.h"
#include "resource.h"
#include "scenarios.h"
#include "sheet_checks.h"

namespace {

const char kReportFile[] = "Vittrel.log";

HWND PageWindow(const Vittrel& app, int tab) {
    return reinterpret_cast<HWND>(SendMessageA(app.Sheet(), PSM_INDEXTOHWND, static_cast<WPARAM>(tab), 0));
}

std::vector<std::string> PageList(const Vittrel& app, int tab, int id) {
    return ListItems(GetDlgItem(PageWindow(app, tab), id));
}

std::string First(const std::vector<std::string>& items) {
    return items.empty() ? "(no item)" : items.front();
}

// Which sections a report should hold beyond the two that every report has.
struct Sections {
    int32_t solutionMode = 0; // 1: the main directory is missing, each reason has its own solution
    bool wave = false, aux = false, ports = false, braille = false;
};

// The report composed from what the pages' controls show now; the file must hold exactly this.
// (How each section is laid out is the unit tests' business; here it is what goes into them.)
std::string ExpectedReport(const Vittrel& app, const Sections& sections) {
    HWND install = PageWindow(app, kInstallationTab);
    HWND system = PageWindow(app, kSystemInfoTab);
    const auto text = [&](int id) { return ControlText(system, id); };
    ReportSnapshot shown;
    shown.installation = {ControlText(install, IDC_PROBLEM_TEXT), ControlText(install, IDC_SOLUTION_TEXT),
                          ControlText(install, IDC_NOTES_TEXT), sections.solutionMode,
                          PageList(app, kInstallationTab, IDC_REASON_LIST)};
    shown.systemInfo = {text(IDC_OS_NAME),         text(IDC_OS_VERSION),     text(IDC_OS_BUILD),
                        text(IDC_PROCESSOR_COUNT), text(IDC_PROCESSOR_TYPE), text(IDC_MODEL_VALUE),
                        text(IDC_STEP_VALUE),      text(IDC_TOTAL_PHYSICAL), text(IDC_AVAILABLE_PHYSICAL),
                        text(IDC_TOTAL_VIRTUAL),   text(IDC_MEMORY_LOAD),    text(IDC_RAM_VERDICT)};
    if (sections.wave)
        shown.waveDevices = PageList(app, kWaveTab, IDC_WAVE_DEVICE_LIST);
    if (sections.aux)
        shown.auxDevices = PageList(app, kAuxTab, IDC_AUX_DEVICE_LIST);
    if (sections.ports)
        shown.ports = PortsSnapshot{PageList(app, kPortsTab, IDC_COMM_PORT_LIST),
                                    PageList(app, kPortsTab, IDC_PRINTER_PORT_LIST),
                                    PageList(app, kPortsTab, IDC_PORT_SUMMARY_LIST)};
    if (sections.braille)
        shown.brailleStatus = ControlText(PageWindow(app, kBrailleTab), IDC_BRAILLE_STATUS);
    return ComposeReport(shown);
}

// Without a kvcfg_32.ini (three reasons, one solution for all), an older and longer report in
// the current directory, and an ALSA null device behind the one wave device
// (prepare_report_sections).
void ReportSections() {
    bool existed = false;
    const std::string old = ReadFileBytes(kReportFile, &existed);
    Check(existed && old.size() > 10000, "before the run: a longer Vittrel.log is in the current directory");
    Vittrel app;
    if (!app.Start() || !app.WaitForSheet())
        return;
    SaveQuietly(app, "right after start");
    const std::string first = ReadFileBytes(kReportFile);

    for (int tab = 0; tab < kSheetPageCount; ++tab)
        app.ShowPage(tab);
    app.ShowPage(kAuxTab);
    SaveQuietly(app, "after every page");
    const std::string second = ReadFileBytes(kReportFile);

    CheckEqual(3, static_cast<long long>(PageList(app, kInstallationTab, IDC_REASON_LIST).size()),
               "three reasons on the installation page");
    const std::vector<std::string> wave = PageList(app, kWaveTab, IDC_WAVE_DEVICE_LIST);
    Check(wave.size() == 1 && wave[0] != kNoDeviceEntry, "the wave page lists one device: " + First(wave));
    CheckEqual(kNoDeviceEntry, First(PageList(app, kAuxTab, IDC_AUX_DEVICE_LIST)),
               "the auxiliary page lists no device");
    CheckEqual(ExpectedReport(app, {}), first, "the first report: installation and system information only");
    CheckEqual(ExpectedReport(app, {.wave = true, .aux = true, .ports = true, .braille = true}), second,
               "the second report: every section in order, nothing of the first or older report");
    Check(app.ExitWithButton(), "Exit ends the program");
}

// The main directory is missing, so each of the six reasons has a solution line of its own by
// position, whichever is selected (prepare_report_file_held); no ALSA configuration, so no wave
// device. Another program holds an earlier Vittrel.log open, sharing nothing, when "Save To File"
// is pressed; then a viewer holds it, letting others write; then the ports page is shown, and
// only then the Braille and speech page, each followed by a save.
void ReportFileHeld() {
    Vittrel app;
    if (!app.Start() || !app.WaitForSheet())
        return;
    HWND page = app.CurrentPage();
    app.ClickListItem(GetDlgItem(page, IDC_REASON_LIST), 3);
    Check(WaitFor([&] { return ControlText(page, IDC_SOLUTION_TEXT) == kMovedSolution; }),
          "reason 4 selected: the page shows its solution");
    app.ShowPage(kSystemInfoTab);
    Check(app.ShowPage(kWaveTab) != nullptr, "the wave page is in front");
    HANDLE held = CreateFileA(kReportFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!Check(held != INVALID_HANDLE_VALUE, "the driver holds Vittrel.log open, sharing nothing"))
        return;
    const std::string earlier = "An earlier report.\r\n";
    DWORD written = 0;
    WriteFile(held, earlier.data(), static_cast<DWORD>(earlier.size()), &written, nullptr);
    CheckSaveFailureBox(app, kReportFile, ERROR_SHARING_VIOLATION, "Vittrel.log held, sharing nothing");
    CloseHandle(held);
    CheckEqual(earlier, ReadFileBytes(kReportFile), "the earlier report is as it was");
    Check(FolderEntries(".") == std::vector<std::string>{kReportFile}, "no other file is left in the folder");

    // The report is written into the file that the viewer holds, which shows it at once.
    HANDLE viewer = CreateFileA(kReportFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    Check(app.ShowPage(kInstallationTab) != nullptr, "the sheet still changes pages");
    SaveQuietly(app, "while a viewer holds the file");
    std::string seen(65536, '\0');
    DWORD read = 0;
    ReadFile(viewer, seen.data(), static_cast<DWORD>(seen.size()), &read, nullptr);
    seen.resize(read);
    CloseHandle(viewer);
    CheckEqual(6, static_cast<long long>(PageList(app, kInstallationTab, IDC_REASON_LIST).size()),
               "six reasons on the installation page");
    CheckEqual(kNoDeviceEntry, First(PageList(app, kWaveTab, IDC_WAVE_DEVICE_LIST)),
               "the wave page lists no device");
    CheckEqual(ExpectedReport(app, {.solutionMode = 1, .wave = true}), seen,
               "the report the viewer sees: each reason's own solution by position");
    Check(FolderEntries(".") == std::vector<std::string>{kReportFile}, "no other file is left in the folder");

    app.ShowPage(kPortsTab);
    SaveQuietly(app, "after the ports page");
    CheckEqual(ExpectedReport(app, {.solutionMode = 1, .wave = true, .ports = true}),
               ReadFileBytes(kReportFile),
               "the report after the ports page: its section, none of Braille and speech");
    app.ShowPage(kBrailleTab);
    SaveQuietly(app, "after the Braille and speech page");
    CheckEqual(ExpectedReport(app, {.solutionMode = 1, .wave = true, .ports = true, .braille = true}),
               ReadFileBytes(kReportFile), "the report after the Braille and speech page too");
    Check(app.ExitWithButton(), "Exit ends the program");
}

} // namespace

void AddReportScenarios(std::vector<Scenario>& scenarios) {
    scenarios.push_back({"report_sections", ReportSections});
    scenarios.push_back({"report_file_held", ReportFileHeld});
}

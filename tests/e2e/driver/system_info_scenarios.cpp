// Scenarios of the system information page: what it shows under Windows 95 and Windows NT 4.0,
// set against the figures that the driver reads from the same machine.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "harness.h"
#include "pages/system_info/system_info.h"
#include "resource.h"
#include "scenarios.h"

namespace {

constexpr double kMegabyte = 1048576.0;

// Free memory moves with every allocation on the machine, which is shared with builds and other
// tests. The program reads it between the driver's two readings; the margin covers what other
// processes allocate and give back in that second or two. It stays far below the faults the check
// is there for: a count cut to 32 bits is off by multiples of 4096 MB, a unit slip by a factor of
// 1024, and the total page file instead of the free one by the machine's used memory.
constexpr double kFreeMemoryMarginMb = 256.0;
// The load is a whole percentage; the same movement shifts it by a point or two.
constexpr double kLoadMarginPoints = 3.0;

// The page's texts, read from its controls.
SystemTexts ReadPage(HWND page) {
    const auto text = [&](int id) { return ControlText(page, id); };
    return {{text(IDC_AVAILABLE_PHYSICAL), text(IDC_MEMORY_LOAD), text(IDC_TOTAL_PHYSICAL),
             text(IDC_TOTAL_VIRTUAL), text(IDC_RAM_VERDICT)},
            text(IDC_OS_BUILD),
            text(IDC_OS_NAME),
            text(IDC_OS_VERSION),
            text(IDC_PROCESSOR_COUNT),
            {text(IDC_PROCESSOR_TYPE), text(IDC_MODEL_CAPTION), text(IDC_MODEL_VALUE), text(IDC_STEP_CAPTION),
             text(IDC_STEP_VALUE)}};
}

std::string Format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof(text), pattern, value);
    return text;
}

std::string Decimal(long long value) {
    return std::to_string(value);
}

std::string Hex4(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%04X", value);
    return text;
}

MEMORYSTATUSEX ReadMemory() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    GlobalMemoryStatusEx(&status);
    return status;
}

// A free-memory figure: the page's text in its pattern, its value between the driver's readings
// taken before the program started and after the page was read.
void CheckMovingMegabytes(const std::string& text, ULONGLONG before, ULONGLONG after,
                          const std::string& what) {
    const double shown = std::strtod(text.c_str(), nullptr);
    CheckEqual(Format("%.2f MB", shown), text, what + " is written as megabytes with two decimals");
    const double low = static_cast<double>(before < after ? before : after) / kMegabyte - kFreeMemoryMarginMb;
    const double high =
        static_cast<double>(before < after ? after : before) / kMegabyte + kFreeMemoryMarginMb;
    Check(shown >= low && shown <= high, what + " " + text + " lies within " + Format("%.2f", low) + " to " +
                                             Format("%.2f MB", high) + " (the driver's readings, widened)");
}

// The processor as the page's decoding names it (its unit tests pin that decoding), from the
// figures that the driver reads from the same machine.
void CheckProcessor(const SystemTexts& page, const SYSTEM_INFO& info, bool nt) {
    CheckEqual(Decimal(info.dwNumberOfProcessors), page.processorCount,
               "Number of Processors \"" + Decimal(info.dwNumberOfProcessors) + "\"");
    Note("the machine reports architecture " + Decimal(info.wProcessorArchitecture) + ", type " +
         Decimal(info.dwProcessorType) + ", level " + Decimal(info.wProcessorLevel) + ", revision " +
         Hex4(info.wProcessorRevision));
    ProcessorTexts expected;
    DescribeProcessor(nt ? kPlatformWin32Nt : kPlatformWin32Windows,
                      {info.wProcessorArchitecture, info.dwNumberOfProcessors, info.dwProcessorType,
                       info.wProcessorLevel, info.wProcessorRevision},
                      expected);
    const ProcessorTexts& shown = page.processor;
    CheckEqual(expected.processorType, shown.processorType,
               "Processor Type \"" + expected.processorType + "\"");
    CheckEqual(expected.modelCaption, shown.modelCaption,
               "first detail's caption \"" + expected.modelCaption + "\"");
    CheckEqual(expected.modelValue, shown.modelValue, "first detail \"" + expected.modelValue + "\"");
    CheckEqual(expected.stepCaption, shown.stepCaption,
               "second detail's caption \"" + expected.stepCaption + "\"");
    CheckEqual(expected.stepValue, shown.stepValue, "second detail \"" + expected.stepValue + "\"");
}

void CheckMemory(const MemoryTexts& page, const MEMORYSTATUSEX& before, const MEMORYSTATUSEX& after) {
    // The total does not move, and decides the verdict: as the page's decoding has them.
    const MemoryTexts fixed = FormatMemoryTexts({0, after.ullTotalPhys, 0, 0});
    CheckEqual(fixed.totalPhysical, page.totalPhysical,
               "Total Physical Memory \"" + fixed.totalPhysical + "\"");
    CheckEqual(fixed.ramVerdict, page.ramVerdict, "the RAM verdict");
    CheckMovingMegabytes(page.availablePhysical, before.ullAvailPhys, after.ullAvailPhys,
                         "Available Physical Memory");
    CheckMovingMegabytes(page.totalVirtual, before.ullAvailPageFile, after.ullAvailPageFile,
                         "Total Virtual Memory (the free page file)");

    const double load = std::strtod(page.memoryLoad.c_str(), nullptr);
    CheckEqual(Format("%.2f %%", static_cast<double>(static_cast<long long>(load))), page.memoryLoad,
               "Percent Memory Load is a whole percentage with two decimals, a blank and a percent sign");
    const double low = static_cast<double>(before.dwMemoryLoad < after.dwMemoryLoad ? before.dwMemoryLoad
                                                                                    : after.dwMemoryLoad) -
                       kLoadMarginPoints;
    const double high = static_cast<double>(before.dwMemoryLoad < after.dwMemoryLoad ? after.dwMemoryLoad
                                                                                     : before.dwMemoryLoad) +
                        kLoadMarginPoints;
    Check(load >= low && load <= high, "Percent Memory Load " + page.memoryLoad + " lies within " +
                                           Format("%.0f", low < 0 ? 0 : low) + " to " + Format("%.0f", high) +
                                           " (the driver's readings, widened)");
}

struct Platform {
    const char* version;
    const char* osName;
    const char* osVersion;
    const char* osBuild;
    bool nt;
};

void RunSystemInformation(const Platform& platform) {
    SetWindowsVersion(platform.version);
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    const MEMORYSTATUSEX before = ReadMemory();

    Vittrel app;
    if (!app.Start() || !app.WaitForSheet())
        return;
    CheckEqual(kInstallationTab, app.CurrentTab(), "the sheet opens on the installation page");
    // The page gathered while the sheet was built: its texts are there the moment it first shows.
    HWND page = app.ShowPage(kSystemInfoTab);
    if (!Check(page && GetDlgItem(page, IDC_OS_NAME), "the System Information tab shows its page"))
        return;
    const SystemTexts shown = ReadPage(page);
    const MEMORYSTATUSEX after = ReadMemory();

    CheckEqual(platform.osName, shown.osName, std::string("O/S \"") + platform.osName + "\"");
    CheckEqual(platform.osVersion, shown.osVersion, std::string("Version \"") + platform.osVersion + "\"");
    CheckEqual(platform.osBuild, shown.osBuild, std::string("Build \"") + platform.osBuild + "\"");
    CheckProcessor(shown, info, platform.nt);
    CheckMemory(shown.memory, before, after);

    // Within one sheet the texts never change, free memory included.
    app.ShowPage(kInstallationTab);
    page = app.ShowPage(kSystemInfoTab);
    const SystemTexts again = ReadPage(page);
    CheckEqual(shown.memory.availablePhysical, again.memory.availablePhysical,
               "Available Physical Memory on the second visit");
    CheckEqual(shown.memory.totalVirtual, again.memory.totalVirtual,
               "Total Virtual Memory on the second visit");
    CheckEqual(shown.osName + "/" + shown.processor.processorType + "/" + shown.memory.totalPhysical,
               again.osName + "/" + again.processor.processorType + "/" + again.memory.totalPhysical,
               "O/S, processor and total memory on the second visit");

    Check(app.ExitWithButton(), "Exit ends the program");
}

void SystemInfoWin95() {
    RunSystemInformation({"win95", "Windows 95", "4.0", "950", false});
}

void SystemInfoNt40() {
    RunSystemInformation({"nt40", "Windows NT", "4.0", "1381", true});
}

} // namespace

void AddSystemInfoScenarios(std::vector<Scenario>& scenarios) {
    scenarios.push_back({"system_info_win95", SystemInfoWin95});
    scenarios.push_back({"system_info_nt40", SystemInfoNt40});
}

// Scenarios of the system information page: what it shows under Windows 95 and Windows NT 4.0,
// set against the figures that the driver reads from the same machine.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "harness.h"
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

struct PageTexts {
    std::string osName, osVersion, osBuild;
    std::string processorCount, processorType, modelCaption, modelValue, stepCaption, stepValue;
    std::string totalPhysical, availablePhysical, totalVirtual, memoryLoad, ramVerdict;
};

PageTexts ReadPage(HWND page) {
    PageTexts t;
    t.osName = ControlText(page, IDC_OS_NAME);
    t.osVersion = ControlText(page, IDC_OS_VERSION);
    t.osBuild = ControlText(page, IDC_OS_BUILD);
    t.processorCount = ControlText(page, IDC_PROCESSOR_COUNT);
    t.processorType = ControlText(page, IDC_PROCESSOR_TYPE);
    t.modelCaption = ControlText(page, IDC_MODEL_CAPTION);
    t.modelValue = ControlText(page, IDC_MODEL_VALUE);
    t.stepCaption = ControlText(page, IDC_STEP_CAPTION);
    t.stepValue = ControlText(page, IDC_STEP_VALUE);
    t.totalPhysical = ControlText(page, IDC_TOTAL_PHYSICAL);
    t.availablePhysical = ControlText(page, IDC_AVAILABLE_PHYSICAL);
    t.totalVirtual = ControlText(page, IDC_TOTAL_VIRTUAL);
    t.memoryLoad = ControlText(page, IDC_MEMORY_LOAD);
    t.ramVerdict = ControlText(page, IDC_RAM_VERDICT);
    return t;
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

struct ProcessorTexts {
    std::string type, modelCaption, modelValue, stepCaption, stepValue;
};

// What the page must say about this machine's processor, decided only for what a host that Wine
// runs on can report: an Intel-architecture processor of level 5 or of a later family, which the
// 64-bit build sees as an x64 processor.
bool ExpectedProcessor(const SYSTEM_INFO& info, bool nt, ProcessorTexts& texts) {
    if (info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 && info.wProcessorLevel >= 6) {
        // Windows 95 knows no processor but Intel's; NT names the x64 family without details.
        texts = {nt ? "x64" : "Other", "", "", "", ""};
        return true;
    }
    if (info.wProcessorArchitecture != PROCESSOR_ARCHITECTURE_INTEL)
        return false;
    if (!nt) {
        // Windows 95 names the type from the type number and decodes nothing else.
        switch (info.dwProcessorType) {
        case PROCESSOR_INTEL_386:
            texts.type = "386.";
            break;
        case PROCESSOR_INTEL_486:
            texts.type = "486.";
            break;
        case PROCESSOR_INTEL_PENTIUM:
            texts.type = "Pentium.";
            break;
        default:
            texts.type = "Other Intel.";
            break;
        }
        return true;
    }
    if (info.wProcessorLevel == 3 || info.wProcessorLevel == 4)
        return false;
    if (info.wProcessorLevel == 5) {
        texts = {"Pentium.", "Model:", Decimal(info.wProcessorRevision >> 8),
                 "Stepping ID:", Decimal(info.wProcessorRevision & 0xFF)};
        return true;
    }
    // Later families have no row of their own: only the type, "Other", and no details.
    texts = {"Other", "", "", "", ""};
    return true;
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

void CheckProcessor(const PageTexts& page, const SYSTEM_INFO& info, bool nt) {
    CheckEqual(Decimal(info.dwNumberOfProcessors), page.processorCount,
               "Number of Processors \"" + Decimal(info.dwNumberOfProcessors) + "\"");
    ProcessorTexts expected;
    if (!Check(ExpectedProcessor(info, nt, expected),
               "this machine's processor (architecture " + Decimal(info.wProcessorArchitecture) + ", level " +
                   Decimal(info.wProcessorLevel) + ") is one these checks decide"))
        return;
    Note("the machine reports type " + Decimal(info.dwProcessorType) + ", level " +
         Decimal(info.wProcessorLevel) + ", revision " + Hex4(info.wProcessorRevision));
    CheckEqual(expected.type, page.processorType, "Processor Type \"" + expected.type + "\"");
    CheckEqual(expected.modelCaption, page.modelCaption,
               "first detail's caption \"" + expected.modelCaption + "\"");
    CheckEqual(expected.modelValue, page.modelValue, "first detail \"" + expected.modelValue + "\"");
    CheckEqual(expected.stepCaption, page.stepCaption,
               "second detail's caption \"" + expected.stepCaption + "\"");
    CheckEqual(expected.stepValue, page.stepValue, "second detail \"" + expected.stepValue + "\"");
}

void CheckMemory(const PageTexts& page, const MEMORYSTATUSEX& before, const MEMORYSTATUSEX& after) {
    // The total does not move: rounded up to whole megabytes, from the full 64-bit count.
    const ULONGLONG wholeMegabytes = (after.ullTotalPhys + 0xFFFFF) >> 20;
    const std::string total = Format("%.1f MB", static_cast<double>(wholeMegabytes));
    CheckEqual(total, page.totalPhysical, "Total Physical Memory \"" + total + "\"");
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

    const bool enough = (after.ullTotalPhys & ~0xFFFFFULL) >= 0x700000ULL;
    CheckEqual(
        enough ? " You have enough RAM to run Kelvorn32."
               : " You do not seem to have enough RAM to\r\n run Kelvorn32. It is recommended that you\r\n"
                 " you have at least 8MB of RAM and 12MB \r\n Virtual Memory.",
        page.ramVerdict, std::string("the RAM verdict \"") + (enough ? "enough" : "not enough") + "\"");
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
    const PageTexts shown = ReadPage(page);
    const MEMORYSTATUSEX after = ReadMemory();

    CheckEqual(platform.osName, shown.osName, std::string("O/S \"") + platform.osName + "\"");
    CheckEqual(platform.osVersion, shown.osVersion, std::string("Version \"") + platform.osVersion + "\"");
    CheckEqual(platform.osBuild, shown.osBuild, std::string("Build \"") + platform.osBuild + "\"");
    CheckProcessor(shown, info, platform.nt);
    CheckMemory(shown, before, after);

    // Within one sheet the texts never change, free memory included.
    app.ShowPage(kInstallationTab);
    page = app.ShowPage(kSystemInfoTab);
    const PageTexts again = ReadPage(page);
    CheckEqual(shown.availablePhysical, again.availablePhysical,
               "Available Physical Memory on the second visit");
    CheckEqual(shown.totalVirtual, again.totalVirtual, "Total Virtual Memory on the second visit");
    CheckEqual(shown.osName + "/" + shown.processorType + "/" + shown.totalPhysical,
               again.osName + "/" + again.processorType + "/" + again.totalPhysical,
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

// The benchmark's timing driver: starts each given program in turn, takes it through the same tour
// (every tab in order, then the Cancel/Exit button; with "+save" it presses "Save To File" once
// before closing) and times every run with the performance counter, from CreateProcess to the end
// of the process as WaitForSingleObject sees it.
//   bench-driver.exe <runs> <name>=<exe>[+save] ...
// Runs alternate between the programs (a, b, a, b, ...) after one untimed run of each; prints every
// run, the medians of each phase, and each program's median against the first program's.
// Exits non-zero when a run failed.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "sheet_pages.h"

namespace {

constexpr int kSaveToFile = 1; // IDOK: the program's "Save To File"
constexpr DWORD kTimeoutMs = 60000;
const char kReportFile[] = "Vittrel.log";

// Milliseconds between the moments of one run, each measured from the launch.
struct RunTimes {
    double sheetShown = 0; // the sheet and its first page visible, their painting done
    double toured = 0;     // every tab shown and painted
    double saved = 0;      // the save returned (equal to toured when there is none)
    double ended = 0;      // the process has ended
    bool ok = false;
};

LARGE_INTEGER g_frequency;

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
           static_cast<double>(g_frequency.QuadPart);
}

bool Fail(const std::string& what) {
    std::printf("run failed: %s\n", what.c_str());
    std::fflush(stdout);
    return false;
}

// Polls every millisecond: the driver's share of the machine stays small, its resolution fine.
template <typename Condition> bool PollUntil(Condition condition) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > kTimeoutMs)
            return false;
        Sleep(1);
    }
    return true;
}

HWND CurrentPage(HWND sheet) {
    DWORD_PTR page = 0;
    SendMessageTimeoutA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_NORMAL, kTimeoutMs, &page);
    return reinterpret_cast<HWND>(page);
}

struct SheetSearch {
    DWORD processId;
    HWND found;
};

// The process's visible dialog window whose current page is visible.
BOOL CALLBACK FindShownSheet(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<SheetSearch*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    char className[16] = {};
    GetClassNameA(hwnd, className, sizeof(className));
    if (processId != search->processId || std::string(className) != "#32770" || !IsWindowVisible(hwnd))
        return TRUE;
    HWND page = CurrentPage(hwnd);
    if (!page || !IsWindowVisible(page))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

// Pending painting of the window and its children, done by its own thread before this returns.
void FinishPainting(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool ShowPage(HWND sheet, int index) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_NORMAL, kTimeoutMs,
                             &result))
        return false;
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    const bool shown = PollUntil([&] {
        HWND page = CurrentPage(sheet);
        return SendMessageA(tab, TCM_GETCURSEL, 0, 0) == index && page && IsWindowVisible(page);
    });
    FinishPainting(sheet);
    return shown;
}

bool Tour(const PROCESS_INFORMATION& process, bool save, const LARGE_INTEGER& start, RunTimes& times) {
    // Blocks until the program first waits for input, so that polling starts near the sheet's
    // appearance instead of competing with the program's start-up.
    WaitForInputIdle(process.hProcess, kTimeoutMs);
    SheetSearch search{process.dwProcessId, nullptr};
    if (!PollUntil([&] {
            EnumWindows(FindShownSheet, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        }))
        return Fail("no sheet appeared");
    HWND sheet = search.found;
    FinishPainting(sheet);
    times.sheetShown = MillisecondsSince(start);

    for (int page = 0; page < kSheetPageCount; ++page)
        if (!ShowPage(sheet, page))
            return Fail("page " + std::to_string(page + 1) + " did not show");
    times.toured = MillisecondsSince(start);

    if (save) {
        DWORD_PTR result = 0;
        // Sent: the click returns once the report has been written.
        if (!SendMessageTimeoutA(GetDlgItem(sheet, kSaveToFile), BM_CLICK, 0, 0, SMTO_NORMAL, kTimeoutMs,
                                 &result))
            return Fail("Save To File did not return");
    }
    times.saved = MillisecondsSince(start);

    PostMessageA(GetDlgItem(sheet, IDCANCEL), BM_CLICK, 0, 0);
    if (WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0)
        return Fail("the process did not end");
    times.ended = MillisecondsSince(start);
    return true;
}

RunTimes TimeRun(const std::string& exe, bool save) {
    RunTimes times;
    if (save)
        DeleteFileA(kReportFile);
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        Fail("cannot start " + exe);
        return times;
    }
    times.ok = Tour(process, save, start, times);
    if (!times.ok) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, kTimeoutMs);
    }
    if (times.ok && save && GetFileAttributesA(kReportFile) == INVALID_FILE_ATTRIBUTES)
        times.ok = Fail(std::string("the save wrote no ") + kReportFile);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return times;
}

struct Series {
    std::string name;
    std::string exe;
    bool save;
    std::vector<RunTimes> runs;

    double Median(double RunTimes::*end, double RunTimes::*begin = nullptr) const {
        std::vector<double> values;
        for (const RunTimes& run : runs)
            values.push_back(run.*end - (begin ? run.*begin : 0));
        std::sort(values.begin(), values.end());
        const size_t n = values.size();
        return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    }
    double Fastest() const {
        double fastest = runs.front().ended;
        for (const RunTimes& run : runs)
            fastest = std::min(fastest, run.ended);
        return fastest;
    }
};

void PrintPhases(const char* label, const std::string& name, double toSheet, double tour, double save,
                 double close, double total) {
    std::printf("%-7s %-16s %9.1f %9.1f %9.1f %9.1f %9.1f\n", label, name.c_str(), toSheet, tour, save, close,
                total);
    std::fflush(stdout);
}

// "name=exe" or "name=exe+save": the program, and whether the tour presses "Save To File".
bool ParseSeries(const std::string& argument, Series& series) {
    const size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0)
        return false;
    series.name = argument.substr(0, equals);
    series.exe = argument.substr(equals + 1);
    const std::string suffix = "+save";
    series.save = series.exe.size() > suffix.size() &&
                  series.exe.compare(series.exe.size() - suffix.size(), suffix.size(), suffix) == 0;
    if (series.save)
        series.exe.resize(series.exe.size() - suffix.size());
    return !series.exe.empty();
}

} // namespace

int main(int argc, char** argv) {
    std::vector<Series> series;
    for (int i = 2; i < argc; ++i) {
        Series one;
        if (!ParseSeries(argv[i], one)) {
            series.clear();
            break;
        }
        series.push_back(one);
    }
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    if (runs < 1 || series.empty()) {
        std::printf("usage: bench-driver.exe <runs> <name>=<exe>[+save] ...\n"
                    "  the first program is the baseline of the ratios\n");
        return 2;
    }
    QueryPerformanceFrequency(&g_frequency);

    // One untimed run of each first: the first start of a program loads what later ones find cached.
    for (Series& s : series)
        if (!TimeRun(s.exe, s.save).ok)
            return 1;

    std::printf("%-7s %-16s %9s %9s %9s %9s %9s   (ms)\n", "run", "program", "to sheet", "tour", "save",
                "close", "total");
    for (int i = 0; i < runs; ++i) {
        for (Series& s : series) {
            const RunTimes t = TimeRun(s.exe, s.save);
            if (!t.ok)
                return 1;
            s.runs.push_back(t);
            PrintPhases(std::to_string(i + 1).c_str(), s.name, t.sheetShown, t.toured - t.sheetShown,
                        t.saved - t.toured, t.ended - t.saved, t.ended);
        }
    }
    for (const Series& s : series)
        PrintPhases("median", s.name, s.Median(&RunTimes::sheetShown),
                    s.Median(&RunTimes::toured, &RunTimes::sheetShown),
                    s.Median(&RunTimes::saved, &RunTimes::toured),
                    s.Median(&RunTimes::ended, &RunTimes::saved), s.Median(&RunTimes::ended));
    const std::string ratioTo = "ratio to " + series.front().name;
    std::printf("\n%-16s %14s %16s %14s %14s\n", "program", "median total", "median to sheet",
                ratioTo.c_str(), "fastest total");
    const double baseline = series.front().Median(&RunTimes::ended);
    for (const Series& s : series)
        std::printf("%-16s %11.1f ms %13.1f ms %14.3f %11.1f ms\n", s.name.c_str(),
                    s.Median(&RunTimes::ended), s.Median(&RunTimes::sheetShown),
                    s.Median(&RunTimes::ended) / baseline, s.Fastest());
    std::printf("ratio %s/%s: %.3f\n", series.back().name.c_str(), series.front().name.c_str(),
                series.back().Median(&RunTimes::ended) / baseline);
    return 0;
}

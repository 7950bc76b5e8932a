// Scenarios that prove the whole: every Windows version that Wine offers, profile files full of
// garbage, spooler ports with very long names, reports that cannot be saved, the repair run
// twenty times over, and libraries planted beside the program.
#include <windows.h>

#include <mmsystem.h>

#include <cstdint>
#include <cstdio>
#include <regex>
#include <utility>

#include "braille_texts.h"
#include "harness.h"
#include "installation_texts.h"
#include "report/report.h"
#include "resource.h"
#include "scenarios.h"
#include "sheet_checks.h"
#include "system/system_reason.h"

namespace {

using namespace std::string_literals;

// Brings every tab to the front in order; true when each showed its own page.
bool VisitEveryPage(const Vittrel& app, const std::string& when) {
    bool all = true;
    for (int tab = 0; tab < kSheetPageCount; ++tab) {
        HWND page = app.ShowPage(tab);
        all = Check(page && GetDlgItem(page, kSheetPages[tab].marker),
                    when + ": tab " + std::to_string(tab + 1) + " shows its page") &&
              all;
    }
    return all;
}

void CheckSaveFails(const Vittrel& app, const std::string& report, DWORD error, const std::string& when);

// ---- The program's file calls ----

const char kFileCalls[] =
    "SetErrorMode;CreateFileA;WriteFile;FlushFileBuffers;CloseHandle;MoveFileExA;MoveFileA;DeleteFileA";

// The traced calls of one process after the trace's first `from` bytes, in order: each the
// function's name, then its text arguments, and the flags of MoveFileExA and SetErrorMode.
std::vector<std::string> TracedCalls(DWORD process, size_t from) {
    char pid[8];
    std::snprintf(pid, sizeof(pid), "%04lx", static_cast<unsigned long>(process));
    const std::regex call("\n" + std::string(pid) + R"(:\w+:Call \w+\.(\w+)\((.*)\) ret=)"), quoted("\"[^\"]*\"");
    const std::string trace = "\n" + ReadFileBytes(TracePath()).substr(from);
    std::vector<std::string> calls;
    for (std::sregex_iterator it(trace.begin(), trace.end(), call), end; it != end; ++it) {
        const std::string name = (*it)[1], arguments = (*it)[2];
        std::string line = name;
        for (std::sregex_iterator text(arguments.begin(), arguments.end(), quoted); text != end; ++text)
            line.append(" ").append(text->str());
        if (name == "MoveFileExA" || name == "SetErrorMode")
            line.append(" ").append(arguments.substr(arguments.rfind(',') + 1));
        calls.push_back(line);
    }
    return calls;
}

// The lines, each ended by CR LF.
std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Saves over the report that is there, and checks the file calls that the save made in their
// order: the new file written, flushed and closed before it takes Vittrel.log's name; in one step
// on Windows NT, by renames on the Windows 95 family, whose MoveFileEx does nothing.
void CheckSaveCalls(const Vittrel& app, bool nt, const std::string& when) {
    const size_t from = ReadFileBytes(TracePath()).size();
    SaveReport(app, when + ": a second save", true);
    const std::vector<std::string> calls = TracedCalls(app.ProcessId(), from);
    // The names that the save chose: the new file's, and where the earlier report waits.
    const std::string created = calls.empty() ? "" : calls[0].substr(calls[0].find(' ') + 1);
    const std::string aside = calls.size() > 4 ? calls[4].substr(calls[4].rfind(' ') + 1) : "";
    std::vector<std::string> expected = {"CreateFileA " + created, "WriteFile", "FlushFileBuffers", "CloseHandle"};
    if (nt) {
        expected.push_back("MoveFileExA " + created + " \"Vittrel.log\" 00000009");
    } else {
        expected.push_back("MoveFileA \"Vittrel.log\" " + aside);
        expected.push_back("MoveFileA " + created + " \"Vittrel.log\"");
        expected.push_back("DeleteFileA " + aside);
    }
    CheckEqual(Lines(expected), Lines(calls), when + ": the save's file calls, in order");
}

// No "no disk in the drive" box, ever: the program fails critical errors itself before it opens
// its first file.
void CheckErrorModeFirst(const Vittrel& app, const std::string& when) {
    std::string first;
    for (const std::string& call : TracedCalls(app.ProcessId(), 0))
        if (first.empty() && (call.rfind("SetErrorMode", 0) == 0 || call.rfind("CreateFileA", 0) == 0))
            first = call;
    CheckEqual("SetErrorMode 00008001", first, when + ": the error mode is set before any file is opened");
}

// ---- Every Windows version ----

struct VersionRow {
    const char* version;
    bool nt;
    const char* osVersion;
    const char* osBuild;
};

const VersionRow kVersions[] = {
    {"win95", false, "4.0", "950"},   {"win98", false, "4.10", "2222"}, {"winme", false, "4.90", "3000"},
    {"nt40", true, "4.0", "1381"},    {"win2k", true, "5.0", "2195"},   {"winxp", true, "5.1", "2600"},
    {"win2003", true, "5.2", "3790"}, {"vista", true, "6.0", "6002"},   {"win7", true, "6.1", "7601"},
    {"win8", true, "6.2", "9200"},    {"win81", true, "6.3", "9600"},   {"win10", true, "10.0", "18362"},
};
constexpr size_t kVersionCount = sizeof(kVersions) / sizeof(kVersions[0]);

void RunVersion(const VersionRow& row) {
    SetWindowsVersion(row.version);
    TraceCalls(kFileCalls);
    Vittrel app;
    const bool started = app.Start();
    TraceCalls(kFileCalls, false);
    if (!started || !app.WaitForSheet())
        return;
    CheckErrorModeFirst(app, row.version);
    CheckEqual(ExpectedTitle(), WindowText(app.Sheet()), "title");
    if (!VisitEveryPage(app, row.version))
        return;
    HWND system = app.ShowPage(kSystemInfoTab);
    CheckEqual(row.nt ? "Windows NT" : "Windows 95", ControlText(system, IDC_OS_NAME),
               "O/S by platform family");
    CheckEqual(row.osVersion, ControlText(system, IDC_OS_VERSION), "version");
    CheckEqual(row.osBuild, ControlText(system, IDC_OS_BUILD), "build");
    Check(!ControlText(system, IDC_PROCESSOR_TYPE).empty(), "a processor type is named");

    HWND braille = app.ShowPage(kBrailleTab);
    const std::vector<std::string> entries = ListItems(GetDlgItem(braille, IDC_BRAILLE_DEVICE_LIST));
    const std::string status = ControlText(braille, IDC_BRAILLE_STATUS);
    if (row.nt) {
        CheckEqual(0, static_cast<long long>(entries.size()), "Braille page: no device listed");
        CheckEqual(kBrailleNtStatus, status, "Braille page: nothing to check");
    } else {
        CheckEqual(1, static_cast<long long>(entries.size()), "Braille page: one device listed");
        CheckEqual(kBrailleNotFoundStatus, status, "Braille page: the check ran");
    }
    const std::string report = SaveReport(app, row.version);
    CheckAllSections(report, row.version);
    Check(report.find("  O/S: " + std::string(row.nt ? "Windows NT" : "Windows 95") + "\r\n  Version: " +
                      row.osVersion + "\r\n  Build: " + row.osBuild + "\r\n") != std::string::npos,
          "the report names the system as the page does");
    Check(report.find(status + "\r\n") != std::string::npos, "the report has the Braille status");
    CheckSaveCalls(app, row.nt, row.version);
    // Under Wine a file without write permission reads as read-only, even for root.
    SetFileAttributesA("Vittrel.log", FILE_ATTRIBUTE_READONLY);
    CheckSaveFails(app, "Vittrel.log", ERROR_ACCESS_DENIED, row.version + ": read-only Vittrel.log"s);
    Check(app.ExitWithButton(), "Exit ends the program");
}

template <size_t Row> void RunVersionRow() {
    RunVersion(kVersions[Row]);
}

template <size_t... Rows>
void AddVersionScenarios(std::vector<Scenario>& scenarios, std::index_sequence<Rows...>) {
    static const std::string names[] = {std::string("version_") + kVersions[Rows].version...};
    (scenarios.push_back({names[Rows].c_str(), RunVersionRow<Rows>}), ...);
}

// ---- Garbage in the profile files ----

// Bytes from a fixed seed, so that every run sees the same garbage.
std::string Garbage(size_t size, uint32_t seed) {
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<char>(seed >> 24);
    }
    return bytes;
}

// The 49-character main directory, ending in a backslash, that the Braille check finds its
// driver under (prepare_hostile_profiles).
const std::string kMainDirectory = "C:\\" + std::string(45, 'K') + "\\";
const std::string kDriver16 = kMainDirectory + "DRIVER16";

struct ConfigVariant {
    const char* name;
    std::string bytes; // "" with directory: kvcfg_32.ini is a directory
    bool directory;
    std::string problem; // the installation page's problem text
    const char* braille; // the Braille status; nullptr: the driver was found at LPT1
};

// Windows 95, a SYSTEM.INI of garbage around the display's 5,000-character port value, and a
// product directory of 49 characters. Each variant of kvcfg_32.ini opens the sheet, lets every
// page be visited and the report be saved, and stays as it was.
void HostileProfiles() {
    SetWindowsVersion("win95");
    const std::string systemIni = Garbage(65536, 7) + "\r\n[ABTW]\r\nlpt_port=LPT1" + std::string(4996, 'x') +
                                  "\r\n" + Garbage(4096, 8);
    WriteFileBytes(WindowsPath("system.ini"), systemIni);
    const std::string system = "[System]\r\nMainDirectory=" + kMainDirectory + "\r\n";
    const std::string withNuls = "[Sys\0tem]\r\nMain\xE9\0Directory=C:\\\xFF\r\n[System]\r\nMainDirectory="s +
                                 kMainDirectory + "\r\nDriver16Directory=\x80\x81\0\xFE\r\n"s;
    const ConfigVariant variants[] = {
        {"5 MB of random bytes", Garbage(5 * 1024 * 1024, 1), false, kMainDirectoryMissingTexts.problem,
         kBrailleNotFoundStatus.c_str()},
        {"a 10,000-character MainDirectory", "[System]\r\nMainDirectory=" + std::string(10000, 'C') + "\r\n",
         false, kMainDirectoryMissingTexts.problem, kBrailleNotFoundStatus.c_str()},
        {"NUL bytes and bytes 128-255 in keys and values", withNuls, false, kDirectoriesMissingTexts.problem,
         nullptr},
        {"a directory, not a file", "", true, kConfigMissingTexts.problem, kBrailleNotFoundStatus.c_str()},
        {"sections repeated, keys without =, a repair due",
         Lines({"[System]", "MainDirectory=" + kMainDirectory, "Driver16Directory=" + kDriver16,
                "Driver32Directory=" + kDriver16, "Language", "[Drivers]", "Multimedia=" + kDriver16,
                "Braille16=KVCNOVOX", "Port", "[System]", "MainDirectory=C:\\Elsewhere", "[Drivers]",
                "Speech32=KVCNOVOX", "garbage line", "="}),
         false, kRepairedTexts.problem, nullptr},
    };
    const std::string config = WindowsPath("kvcfg_32.ini");
    for (const ConfigVariant& variant : variants) {
        const std::string when = std::string("kvcfg_32.ini with ") + variant.name;
        DeleteFileA(config.c_str());
        RemoveDirectoryA(config.c_str());
        if (variant.directory)
            CreateDirectoryA(config.c_str(), nullptr);
        else
            WriteFileBytes(config, variant.bytes);
        Vittrel app;
        if (!app.Start() || !app.WaitForSheet())
            return;
        CheckEqual(variant.problem, ControlText(app.CurrentPage(), IDC_PROBLEM_TEXT),
                   when + ": problem found");
        VisitEveryPage(app, when);
        CheckEqual(variant.braille ? variant.braille : BrailleFoundStatus("LPT1"),
                   ControlText(app.ShowPage(kBrailleTab), IDC_BRAILLE_STATUS), when + ": Braille status");
        CheckAllSections(SaveReport(app, when), when);
        Check(app.ExitWithButton(), when + ": Exit ends the program");
        if (variant.directory) {
            Check((GetFileAttributesA(config.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0,
                  when + ": still a directory");
        } else {
            bool exists = false;
            const std::string after = ReadFileBytes(config, &exists);
            std::string expected = variant.bytes;
            // The only repair due: the first [Drivers] section's Braille16; the second section is
            // never read, so its Speech32 stays.
            const size_t repair = expected.find("Braille16=KVCNOVOX");
            if (repair != std::string::npos)
                expected.replace(repair, 18, "Braille16=none");
            const std::string what = when + (repair != std::string::npos ? ": only the repaired value differs"
                                                                         : ": unchanged byte for byte");
            // Megabytes of garbage are not worth printing when they differ.
            if (expected.size() > 4096)
                Check(exists && after == expected, what);
            else
                CheckEqual(expected, exists ? after : "(absent)", what);
        }
    }
    Check(ReadFileBytes(WindowsPath("system.ini")) == systemIni, "SYSTEM.INI unchanged byte for byte");
}

// ---- The repair, run after run ----

// A repairable file; the first run repairs it, every later run finds the installation sound.
void RepeatRepair() {
    const std::string config = WindowsPath("kvcfg_32.ini");
    const std::string original = ReadFileBytes(config);
    std::string repaired;
    for (int run = 1; run <= 20; ++run) {
        const std::string when = "run " + std::to_string(run);
        Vittrel app;
        if (!app.Start() || !app.WaitForSheet())
            return;
        CheckEqual(run == 1 ? kRepairedTexts.problem : kSoundTexts.problem,
                   ControlText(app.CurrentPage(), IDC_PROBLEM_TEXT), when + ": problem found");
        if (!Check(app.ExitWithButton(), when + ": Exit ends the program"))
            return;
        const std::string now = ReadFileBytes(config);
        if (run == 1) {
            repaired = now;
            Check(now != original && now.find("Braille16=none") != std::string::npos &&
                      now.find("KVCNOVOX") == std::string::npos,
                  "run 1 repaired the file");
        } else {
            Check(now == repaired, when + ": the file is as the first run left it");
        }
    }
}

// ---- Very long spooler port names ----

// Spooler ports whose names make summary lines longer than 255 characters, and one so long that
// Wine's spooler does not return it.
void HostileSpooler() {
    const std::string longCom = "COM" + std::string(240, 'c') + ":";
    const std::string longLpt = "LPT" + std::string(240, 'l') + ":";
    // Wine's spooler stops its list at a name it cannot return: this one sorts last.
    const std::string tooLong = "LPT" + std::string(600, 'z') + ":";
    HKEY key = nullptr;
    if (!Check(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports",
                               0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS,
               "the spooler's port list can be written"))
        return;
    for (const std::string& name : {longCom, longLpt, tooLong})
        RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    RegCloseKey(key);

    Vittrel app;
    if (!app.Start() || !app.WaitForSheet())
        return;
    HWND page = app.ShowPage(kPortsTab);
    const std::vector<std::string> summary = ListItems(GetDlgItem(page, IDC_PORT_SUMMARY_LIST));
    const std::string tail = " Local Monitor. It is a Local Port.";
    for (const std::string& name : {longCom, longLpt}) {
        bool listed = false;
        for (const std::string& line : summary)
            listed = listed || line == name + tail;
        Check(listed,
              "the summary lists the " + std::to_string((name + tail).size()) + "-character line whole");
    }
    VisitEveryPage(app, "long port names");
    const std::string report = SaveReport(app, "long port names");
    CheckAllSections(report, "long port names");
    for (const std::string& line : summary)
        Check(report.find("  " + line + "\r\n") != std::string::npos,
              "the report has the summary line of " + std::to_string(line.size()) + " characters whole");
    Check(app.ExitWithButton(), "Exit ends the program");
}

// ---- Reports that cannot be saved ----

// Asks the scenario's shell (prepare_hostile_save) to do what only the host can, and waits until
// it has: "lock" and "unlock" the current directory or ("lock-file", "unlock-file") the
// Vittrel.log in it, "free" the full volume and "fill" it again.
bool AskHost(const std::string& action) {
    const std::string done = OutputDirectory() + "\\done-" + action;
    DeleteFileA(done.c_str());
    WriteFileBytes(OutputDirectory() + "\\request-" + action, "");
    return Check(WaitFor([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }),
                 "the host did \"" + action + "\"");
}

// "Save To File" fails with `error`: the message box tells it, then the sheet is usable, and the
// report's folder holds what it held before, an earlier report byte for byte.
void CheckSaveFails(const Vittrel& app, const std::string& report, DWORD error, const std::string& when) {
    const std::string folder =
        report.find('\\') == std::string::npos ? "." : report.substr(0, report.rfind('\\'));
    const std::vector<std::string> entries = FolderEntries(folder);
    const std::string earlier = ReadFileBytes(report);
    if (!CheckSaveFailureBox(app, report, error, when))
        return;
    const int tab = app.CurrentTab();
    Check(app.ShowPage((tab + 1) % kSheetPageCount) != nullptr && app.ShowPage(tab) != nullptr,
          when + ": the sheet still changes pages");
    Check(entries == FolderEntries(folder), when + ": no file left behind, none gone");
    CheckEqual(earlier, ReadFileBytes(report), when + ": the earlier report is as it was");
}

// Saves and compares with a save that can write: the file must be a whole report.
void CheckSaveWorks(const Vittrel& app, const std::string& report, const std::string& when) {
    SaveQuietly(app, when);
    CheckAllSections(ReadFileBytes(report), when);
}

// A read-only Vittrel.log, then also in a current directory where nothing can be created, then
// writable there (it is written in place); then no Vittrel.log in that directory; then a run whose
// current directory is a full volume, with no report and with a whole one. Each failure is told,
// and once the cause is gone the same sheet saves.
void HostileSave() {
    Vittrel app;
    if (!app.Start() || !app.WaitForSheet())
        return;
    VisitEveryPage(app, "before saving");
    // Wine runs as root here, who may write a file whatever its mode: the host also makes it
    // immutable, so that it is read-only for everyone, as the attribute alone makes it on Windows.
    WriteFileBytes("Vittrel.log", "an older report");
    SetFileAttributesA("Vittrel.log", FILE_ATTRIBUTE_READONLY);
    if (AskHost("lock-file"))
        CheckSaveFails(app, "Vittrel.log", ERROR_ACCESS_DENIED, "read-only Vittrel.log");
    if (AskHost("lock"))
        CheckSaveFails(app, "Vittrel.log", ERROR_ACCESS_DENIED, "read-only Vittrel.log, locked directory");
    AskHost("unlock-file");
    SetFileAttributesA("Vittrel.log", FILE_ATTRIBUTE_NORMAL);
    CheckSaveWorks(app, "Vittrel.log", "writable Vittrel.log, locked directory");
    AskHost("unlock");
    CheckSaveWorks(app, "Vittrel.log", "Vittrel.log writable again");

    DeleteFileA("Vittrel.log");
    if (AskHost("lock")) {
        CheckSaveFails(app, "Vittrel.log", ERROR_ACCESS_DENIED, "read-only current directory");
        if (AskHost("unlock"))
            CheckSaveWorks(app, "Vittrel.log", "current directory writable again");
    }
    Check(app.ExitWithButton(), "Exit ends the program");

    const std::string full = OutputDirectory() + "\\full";
    const std::string report = full + "\\Vittrel.log";
    Vittrel onFull;
    if (!onFull.Start(full) || !onFull.WaitForSheet())
        return;
    VisitEveryPage(onFull, "on a full volume");
    CheckSaveFails(onFull, report, ERROR_DISK_FULL, "full volume");
    if (AskHost("free"))
        CheckSaveWorks(onFull, report, "volume with room again");
    if (AskHost("fill")) {
        CheckSaveFails(onFull, report, ERROR_DISK_FULL, "full volume, a whole earlier report");
        if (AskHost("free"))
            CheckSaveWorks(onFull, report, "volume with room again");
    }
    Check(onFull.ExitWithButton(), "Exit ends the program");
}

// ---- Libraries planted beside the program ----

// Whether a process loaded the marker library at `path`: it leaves "<path>.loaded".
bool MarkerLoaded(const std::string& path) {
    return GetFileAttributesA((path + ".loaded").c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The tour of every page and the report, with what winmm and winspool answered on their pages.
void TourWithSystemLibraries(Vittrel& app) {
    WAVEOUTCAPSA wine{};
    waveOutGetDevCapsA(0, &wine, sizeof(wine));
    VisitEveryPage(app, "libraries planted");
    const std::vector<std::string> wave = ListItems(GetDlgItem(app.ShowPage(kWaveTab), IDC_WAVE_DEVICE_LIST));
    CheckEqual(wine.szPname, wave.empty() ? "" : wave.front(), "the wave page lists Wine's device (winmm)");
    Check(!ListItems(GetDlgItem(app.ShowPage(kPortsTab), IDC_PORT_SUMMARY_LIST)).empty(),
          "the ports page lists the spooler's ports (winspool)");
    CheckAllSections(SaveReport(app, "libraries planted"), "libraries planted");
    Check(app.ExitWithButton(), "Exit ends the program");
}

// Marker libraries named comctl32.dll, winmm.dll and winspool.drv lie beside vittrel.exe and in its
// current folder, searched first for it (prepare_planted_libraries). The program takes the tour and
// saves its report with the system's libraries, and loads none of the markers.
void PlantedLibraries() {
    const std::string marker = BesideDriver("vittrel-marker.dll");
    HMODULE loaded = LoadLibraryA(marker.c_str());
    Check(loaded != nullptr && MarkerLoaded(marker), "a marker library that is loaded leaves its file");
    if (loaded)
        FreeLibrary(loaded);
    {
        Vittrel app;
        if (app.Start() && app.WaitForSheet())
            TourWithSystemLibraries(app);
    }
    // Without comctl32 there is no sheet: the program names the library and the system's reason
    // (on Windows "The specified module could not be found."), and ends.
    Check(SetWineValue("Software\\Wine\\AppDefaults\\vittrel.exe\\DllOverrides", "comctl32", ""),
          "comctl32 is disabled for vittrel.exe");
    Vittrel bare;
    HWND box = bare.Start() ? bare.WaitForTopLevel(kMessageBoxTitle) : nullptr;
    if (Check(box != nullptr, "without comctl32: a message box says why the program cannot start")) {
        char system[MAX_PATH] = {}, reason[256] = {};
        GetSystemDirectoryA(system, MAX_PATH);
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_MOD_NOT_FOUND, 0, reason, sizeof(reason), nullptr);
        CheckEqual("The program cannot start: the system library "s + system + "\\comctl32.dll could not be loaded.\r\n" +
                       SystemReasonText(reason, ERROR_MOD_NOT_FOUND),
                   MessageText(box), "without comctl32: the library and the system's reason");
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        Check(bare.WaitForExit(), "without comctl32: the program ends after the message");
    }
    // Also after a failed start: a program that loaded a marker may never show its sheet.
    for (const char* name : {"comctl32.dll", "winmm.dll", "winspool.drv"}) {
        Check(!MarkerLoaded(BesideDriver(name)), std::string(name) + " beside vittrel.exe was never loaded");
        Check(!MarkerLoaded(name), std::string(name) + " in its current folder was never loaded");
    }
}

} // namespace

void AddHardeningScenarios(std::vector<Scenario>& scenarios) {
    AddVersionScenarios(scenarios, std::make_index_sequence<kVersionCount>());
    scenarios.push_back({"hostile_profiles", HostileProfiles});
    scenarios.push_back({"hostile_spooler", HostileSpooler});
    scenarios.push_back({"repeat_repair", RepeatRepair});
    scenarios.push_back({"hostile_save", HostileSave});
    scenarios.push_back({"planted_libraries", PlantedLibraries});
}

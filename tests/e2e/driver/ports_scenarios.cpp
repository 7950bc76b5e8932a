// Scenarios of the ports page: ports that open, ports that are missing, ports that another
// program holds, and the spooler's serial and parallel ports in the summary.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "harness.h"
#include "port_texts.h"
#include "resource.h"
#include "scenarios.h"

namespace {

const char kSpoolerPortsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
// Every port the local spooler keeps in its registry list is reported with these texts.
const char kLocalPortTexts[] = " Local Monitor. It is a Local Port.";
// The platform's text for ERROR_SHARING_VIOLATION, without the CR LF it ends in.
const char kSharingViolationText[] = "Sharing violation.";

std::string SummaryLine(const std::string& port) {
    return port + kLocalPortTexts;
}

// Adds ports to the spooler's list, as an installed printer driver or the user would.
bool AddSpoolerPorts(const std::vector<std::string>& names) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSpoolerPortsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return Check(false, "the spooler's port list can be written");
    bool written = true;
    for (const std::string& name : names)
        written = RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1) ==
                      ERROR_SUCCESS &&
                  written;
    RegCloseKey(key);
    return Check(written, std::to_string(names.size()) + " port(s) added to the spooler's list");
}

// Opens a port the way a program that uses it would, keeping everyone else out.
HANDLE HoldPort(const char* name) {
    HANDLE handle = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Check(handle != INVALID_HANDLE_VALUE, std::string("another program holds ") + name);
    return handle;
}

void Release(HANDLE handle) {
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
}

// How many bytes the spooler asks for to return its port list (level 2), read the way the
// program reads it. 0 when the spooler cannot be asked.
DWORD SpoolerBytesNeeded() {
    using EnumPortsFunction = BOOL(WINAPI*)(LPSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD);
    HMODULE winspool = LoadLibraryA("winspool.drv");
    if (!winspool)
        return 0;
    auto enumPorts = reinterpret_cast<EnumPortsFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(winspool, "EnumPortsA")));
    DWORD needed = 0, returned = 0;
    if (enumPorts)
        enumPorts(nullptr, 2, nullptr, 0, &needed, &returned);
    FreeLibrary(winspool);
    return needed;
}

// A list as the user sees it: its lines and which one is selected.
struct ShownList {
    std::vector<std::string> lines;
    LRESULT selection;
};

ShownList ReadList(HWND page, int id) {
    HWND list = GetDlgItem(page, id);
    return {ListItems(list), SendMessageA(list, LB_GETCURSEL, 0, 0)};
}

bool SameList(const ShownList& a, const ShownList& b) {
    return a.lines == b.lines && a.selection == b.selection;
}

HWND ShowPortsPage(const Vittrel& app) {
    HWND page = app.ShowPage(kPortsTab);
    Check(page && GetDlgItem(page, IDC_COMM_PORT_LIST), "the Ports tab shows its page");
    return page;
}

// COM1 and LPT2 lead to devices that open, COM2 and LPT1 are held by another program, the rest
// have no device behind them (prepare_ports_lines). The spooler lists serial and parallel ports
// in every spelling that the summary takes and some that it leaves out.
void PortsLines() {
    {
        char text[240] = {};
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       ERROR_SHARING_VIOLATION, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof(text),
                       nullptr);
        CheckEqual(std::string(kSharingViolationText) + "\r\n", text,
                   "the platform's text for a sharing violation (what the lines below expect)");
    }
    if (!AddSpoolerPorts({"com7:", "Com6:", "Lpt5:", "lpt8:", "cOM9:", "LpT7:", "\\\\server\\laser", "NUL:"}))
        return;

    HANDLE com2 = HoldPort("COM2");
    Vittrel app;
    if (!app.Start() || !app.WaitForSheet()) {
        Release(com2);
        return;
    }
    // Taken only now, while the sheet is up: the page must find it held when the tab first opens.
    HANDLE lpt1 = HoldPort("LPT1");
    HWND page = ShowPortsPage(app);
    const ShownList comm = ReadList(page, IDC_COMM_PORT_LIST);
    const ShownList printer = ReadList(page, IDC_PRINTER_PORT_LIST);
    const ShownList summary = ReadList(page, IDC_PORT_SUMMARY_LIST);

    std::vector<std::string> commLines = {"COM1: OK.", std::string("COM2: ") + kSharingViolationText};
    for (int n = 3; n <= 8; ++n)
        commLines.push_back(ComMissingLine("COM" + std::to_string(n)));
    CheckItems(commLines, comm.lines, "Communication Ports");
    CheckEqual(0, comm.selection, "Communication Ports: the first line is selected");

    // The platform's text ends in a full stop and CR LF: the line ends there, so a single full stop.
    CheckItems({std::string("LPT1: ") + kSharingViolationText, "LPT2: OK.", PrinterMissingLine("LPT3"),
                PrinterMissingLine("LPT4")},
               printer.lines, "Printer Ports");
    CheckEqual(0, printer.selection, "Printer Ports: the first line is selected");

    // Case aside, in order; FILE:, the network printer, NUL: and the odd spellings cOM9: and LpT7:
    // are not serial or parallel ports to the summary.
    CheckItems({SummaryLine("COM1:"), SummaryLine("COM2:"), SummaryLine("COM3:"), SummaryLine("COM4:"),
                SummaryLine("Com6:"), SummaryLine("com7:"), SummaryLine("LPT1:"), SummaryLine("LPT2:"),
                SummaryLine("LPT3:"), SummaryLine("Lpt5:"), SummaryLine("lpt8:")},
               summary.lines, "Total Ports Summary");
    CheckEqual(LB_ERR, summary.selection, "Total Ports Summary: no line is selected");

    // Probed once per sheet: the ports are free now, yet the page shows what it found first.
    Release(com2);
    Release(lpt1);
    app.ShowPage(kInstallationTab);
    page = ShowPortsPage(app);
    Check(SameList(comm, ReadList(page, IDC_COMM_PORT_LIST)),
          "Communication Ports unchanged on the second visit");
    Check(SameList(printer, ReadList(page, IDC_PRINTER_PORT_LIST)),
          "Printer Ports unchanged on the second visit");
    Check(SameList(summary, ReadList(page, IDC_PORT_SUMMARY_LIST)),
          "Total Ports Summary unchanged on the second visit");

    Check(app.ExitWithButton(), "Exit ends the program");
}

// Sixty more ports than a new machine has: the spooler's records no longer fit the first block
// the page offers it, and the summary must still list them all.
void PortsLongSpoolerList() {
    std::vector<std::string> added;
    for (int n = 10; n <= 69; ++n)
        added.push_back((n < 40 ? "lpt" : "LPT") + std::to_string(n) + ":");
    if (!AddSpoolerPorts(added))
        return;
    const DWORD needed = SpoolerBytesNeeded();
    Check(needed > 2000,
          "the spooler needs " + std::to_string(needed) + " bytes for its list, more than 2000");

    std::vector<std::string> expected;
    for (const char* port : {"COM1:", "COM2:", "COM3:", "COM4:", "LPT1:", "LPT2:", "LPT3:"})
        expected.push_back(SummaryLine(port));
    for (const std::string& port : added)
        expected.push_back(SummaryLine(port));
    // The order the list box keeps: the platform's comparison without regard to case.
    std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
        return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
               CSTR_LESS_THAN;
    });

    Vittrel app;
    if (!app.Start() || !app.WaitForSheet())
        return;
    HWND page = ShowPortsPage(app);
    const ShownList summary = ReadList(page, IDC_PORT_SUMMARY_LIST);
    CheckEqual(67, static_cast<long long>(summary.lines.size()), "Total Ports Summary: 67 lines");
    CheckEqual(SummaryLine("COM1:"), summary.lines.empty() ? "" : summary.lines.front(),
               "Total Ports Summary: first line");
    CheckEqual(SummaryLine("LPT69:"), summary.lines.empty() ? "" : summary.lines.back(),
               "Total Ports Summary: last line");
    // LPT1: sorts before lpt10:, which the spooler returns first; case aside, lpt39: before LPT40:.
    const auto at = [&](size_t i) { return i < summary.lines.size() ? summary.lines[i] : std::string(); };
    CheckEqual(SummaryLine("LPT1:"), at(4), "Total Ports Summary line 5");
    CheckEqual(SummaryLine("lpt10:"), at(5), "Total Ports Summary line 6");
    Check(summary.lines == expected, "Total Ports Summary: every line, in order");
    CheckEqual(LB_ERR, summary.selection, "Total Ports Summary: no line is selected");

    const ShownList comm = ReadList(page, IDC_COMM_PORT_LIST);
    const ShownList printer = ReadList(page, IDC_PRINTER_PORT_LIST);
    CheckEqual(8, static_cast<long long>(comm.lines.size()), "Communication Ports: 8 lines");
    CheckEqual(4, static_cast<long long>(printer.lines.size()), "Printer Ports: 4 lines");
    Check(app.ExitWithButton(), "Exit ends the program");
}

} // namespace

void AddPortScenarios(std::vector<Scenario>& scenarios) {
    scenarios.push_back({"ports_lines", PortsLines});
    scenarios.push_back({"ports_long_spooler_list", PortsLongSpoolerList});
}

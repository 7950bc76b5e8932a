// The report writer: reads the pages' members and list boxes, writes the composed file whole and
// checks every step, so that a report that could not be saved never looks saved.
#include "report/report_writer_win.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report/report.h"
#include "sheet/my_property_sheet.h"
#include "sheet/page_flags.h"

namespace {

const char kReportFileName[] = "Vittrel.log";
const char kMessageCaption[] = "Vittrel Kelvorn32";

// A list's items in list order; a list that answers its count with an error reads as empty.
std::vector<std::string> ItemsOf(const CListBox& list) {
    std::vector<std::string> items;
    const int count = list.GetCount();
    for (int position = 0; position < count; ++position)
        items.push_back(list.GetText(position));
    return items;
}

// Only pages whose flag is set have windows and lists to read.
ReportSnapshot TakeSnapshot(const CMyPropertySheet& sheet) {
    ReportSnapshot snapshot;
    if (g_page1Shown != 0) {
        const CMyPropertyPage1& page = sheet.m_page1;
        snapshot.installation =
            InstallationSnapshot{page.m_problemText, page.m_solutionText, page.m_notesText,
                                 page.m_solutionMode, ItemsOf(page.m_reasonList)};
    }
    if (g_page2Shown != 0) {
        const CMyPropertyPage2& page = sheet.m_page2;
        snapshot.systemInfo =
            SystemInfoSnapshot{page.m_osName,         page.m_osVersion,     page.m_osBuild,
                               page.m_processorCount, page.m_processorType, page.m_modelValue,
                               page.m_stepValue,      page.m_totalPhysical, page.m_availablePhysical,
                               page.m_totalVirtual,   page.m_memoryLoad,    page.m_ramVerdict};
    }
    if (g_page4Shown != 0)
        snapshot.waveDevices = ItemsOf(sheet.m_page4.m_waveDeviceList);
    if (g_page5Shown != 0)
        snapshot.auxDevices = ItemsOf(sheet.m_page5.m_auxDeviceList);
    if (g_page7Shown != 0) {
        const CMyPropertyPage7& page = sheet.m_page7;
        snapshot.ports = PortsSnapshot{ItemsOf(page.m_commPortList), ItemsOf(page.m_printerPortList),
                                       ItemsOf(page.m_portSummaryList)};
    }
    if (g_page6Shown != 0)
        snapshot.brailleStatus = sheet.m_page6.m_brailleStatus;
    return snapshot;
}

// The error of the call that just failed; a call that failed without saying why still failed.
DWORD LastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

// Creates the file anew and writes all of the bytes; ERROR_SUCCESS, or the error of the first
// step that failed. A file that could not be created is left alone: it is another program's.
DWORD WriteNewFile(const char* name, const std::string& bytes) {
    HANDLE file = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return LastErrorOr(ERROR_OPEN_FAILED);
    DWORD error = ERROR_SUCCESS;
    size_t done = 0;
    while (error == ERROR_SUCCESS && done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 0x100000));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr))
            error = LastErrorOr(ERROR_WRITE_FAULT);
        else if (written == 0)
            error = ERROR_DISK_FULL; // a write that stores nothing: the volume has no room left
        done += written;
    }
    if (!CloseHandle(file) && error == ERROR_SUCCESS)
        error = LastErrorOr(ERROR_WRITE_FAULT);
    // A cut-off report must not lie there looking like a whole one (the disk filled up midway).
    if (error != ERROR_SUCCESS)
        DeleteFileA(name);
    return error;
}

std::string FullPathOf(const char* name) {
    const DWORD needed = GetFullPathNameA(name, 0, nullptr, nullptr);
    if (needed == 0)
        return name;
    std::vector<char> path(needed, '\0');
    const DWORD length = GetFullPathNameA(name, needed, path.data(), nullptr);
    if (length == 0 || length >= needed)
        return name;
    return std::string(path.data(), length);
}

std::string SystemMessage(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length != 0 && text ? std::string(text, length) : std::string();
    LocalFree(text);
    return message;
}

} // namespace

void SaveReport(const CMyPropertySheet& sheet) {
    const DWORD error = WriteNewFile(kReportFileName, ComposeReport(TakeSnapshot(sheet)));
    if (error == ERROR_SUCCESS)
        return;
    const std::string text =
        ComposeSaveFailureMessage(FullPathOf(kReportFileName), SystemMessage(error), error);
    MessageBoxA(sheet.GetSafeHwnd(), text.c_str(), kMessageCaption, MB_OK | MB_ICONERROR);
}

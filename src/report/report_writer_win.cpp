// The report writer: reads the pages' members and list boxes, and saves the composed file through
// the kernel's file calls, checking every one, so that a report that could not be saved never
// looks saved.
#include "report/report_writer_win.h"

#include <windows.h>

#include <string>
#include <vector>

#include "system/system_reason_win.h"
#include "report/report.h"
#include "report/report_file.h"
#include "sheet/my_property_sheet.h"
#include "sheet/os_version_win.h"
#include "sheet/page_flags.h"

namespace {

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

// The error of the call that just failed; a call that failed without saying why still failed, but
// is not taken for a refusal.
DWORD LastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

// ERROR_SUCCESS, or the error of the call that just failed.
uint32_t ResultOf(BOOL succeeded, DWORD fallback) {
    return succeeded ? ERROR_SUCCESS : LastErrorOr(fallback);
}

// The current directory's files through the kernel's file calls.
class WindowsReportFiles : public ReportFiles {
public:
    ~WindowsReportFiles() override {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(m_file);
    }
    uint32_t CreateNew(const std::string& name) override { return Open(name, 0, CREATE_NEW); }
    uint32_t OpenExisting(const std::string& name) override {
        return Open(name, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    }
    uint32_t ReadAll(std::string& bytes) override {
        if (const uint32_t error = Rewind())
            return error;
        bytes.clear();
        for (;;) {
            char chunk[4096];
            DWORD read = 0;
            if (!ReadFile(m_file, chunk, sizeof(chunk), &read, nullptr))
                return LastErrorOr(ERROR_READ_FAULT);
            if (read == 0)
                return ERROR_SUCCESS;
            bytes.append(chunk, read);
        }
    }
    uint32_t Write(const char* data, uint32_t size, uint32_t& written) override {
        DWORD done = 0;
        const BOOL succeeded = WriteFile(m_file, data, size, &done, nullptr);
        written = done;
        return ResultOf(succeeded, ERROR_WRITE_FAULT);
    }
    uint32_t Rewind() override {
        return SetFilePointer(m_file, 0, nullptr, FILE_BEGIN) == 0 ? ERROR_SUCCESS : LastErrorOr(ERROR_SEEK);
    }
    uint32_t EndHere() override { return ResultOf(SetEndOfFile(m_file), ERROR_WRITE_FAULT); }
    uint32_t Flush() override { return ResultOf(FlushFileBuffers(m_file), ERROR_WRITE_FAULT); }
    uint32_t Close() override {
        const BOOL closed = CloseHandle(m_file);
        m_file = INVALID_HANDLE_VALUE;
        return ResultOf(closed, ERROR_WRITE_FAULT);
    }
    uint32_t Replace(const std::string& from, const std::string& to) override {
        return ResultOf(
            MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH),
            ERROR_GEN_FAILURE);
    }
    uint32_t Rename(const std::string& from, const std::string& to) override {
        return ResultOf(MoveFileA(from.c_str(), to.c_str()), ERROR_GEN_FAILURE);
    }
    uint32_t Remove(const std::string& name) override {
        return ResultOf(DeleteFileA(name.c_str()), ERROR_GEN_FAILURE);
    }

private:
    uint32_t Open(const std::string& name, DWORD sharing, DWORD disposition) {
        m_file = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, sharing, nullptr, disposition,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        return m_file == INVALID_HANDLE_VALUE ? LastErrorOr(ERROR_OPEN_FAILED) : ERROR_SUCCESS;
    }

    HANDLE m_file = INVALID_HANDLE_VALUE;
};

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

// The outcome with every file it names given by its full path.
SaveOutcome WithFullPaths(SaveOutcome outcome) {
    for (std::string* name : {&outcome.leftOverFile, &outcome.earlierReportFile, &outcome.newReportFile})
        if (!name->empty())
            *name = FullPathOf(name->c_str());
    return outcome;
}

} // namespace

void SaveReport(const CMyPropertySheet& sheet) {
    WindowsReportFiles files;
    const SaveOutcome outcome = WithFullPaths(
        SaveReportFile(files, ComposeReport(TakeSnapshot(sheet)), GetCurrentProcessId(), QueryOsVersion()));
    const std::string text =
        ComposeSaveMessage(FullPathOf(kReportFileName), SystemMessage(outcome.error), outcome);
    if (!text.empty())
        MessageBoxA(sheet.GetSafeHwnd(), text.c_str(), kMessageCaption,
                    MB_OK | (outcome.error != ERROR_SUCCESS ? MB_ICONERROR : MB_ICONWARNING));
}

// The report writer: saves the report composed from a snapshot through the kernel's file calls,
// checking every one, so that a report that could not be saved never looks saved.
#include "report/report_writer_win.h"

#include <windows.h>

#include <string>
#include <vector>

#include "report/report_file.h"
#include "system/os_version_win.h"
#include "system/system_reason_win.h"

namespace {

const char kMessageCaption[] = "Vittrel Kelvorn32";

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
    bool IsReadOnly(const std::string& name) override {
        const DWORD attributes = GetFileAttributesA(name.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
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

void SaveReport(HWND owner, const ReportSnapshot& snapshot) {
    WindowsReportFiles files;
    const SaveOutcome outcome = WithFullPaths(
        SaveReportFile(files, ComposeReport(snapshot), GetCurrentProcessId(), QueryOsVersion()));
    const std::string text =
        ComposeSaveMessage(FullPathOf(kReportFileName), SystemMessage(outcome.error), outcome);
    if (!text.empty())
        MessageBoxA(owner, text.c_str(), kMessageCaption,
                    MB_OK | (outcome.error != ERROR_SUCCESS ? MB_ICONERROR : MB_ICONWARNING));
}

// The steps of a save and what each failure leaves: the earlier Vittrel.log as it was, and no new
// file.
#include "report/report_file.h"

#include <algorithm>
#include <cstdio>

ReportFiles::~ReportFiles() = default;

namespace {

constexpr uint32_t kNameAttempts = 16;
constexpr uint32_t kWriteChunk = 0x100000;

// A short name (8.3), so that every file system of the Windows 95 family takes it as it is.
std::string NewFileName(uint32_t number) {
    char name[16];
    std::snprintf(name, sizeof(name), "~vtl%04X.tmp", static_cast<unsigned>(number & 0xFFFF));
    return name;
}

bool IsNameTaken(uint32_t error) {
    return error == kErrorFileExists || error == kErrorAlreadyExists;
}

// What another program's rights or handles refuse; anything else (a full volume, a failed write)
// would fail in place too, and there it would cost the earlier report.
bool IsRefusal(uint32_t error) {
    return error == kErrorAccessDenied || error == kErrorSharingViolation;
}

// Writes the bytes at the position. A write that stores nothing and says nothing failed means that
// the volume has no room left; asked again, it would answer the same forever.
uint32_t WriteAll(ReportFiles& files, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const uint32_t chunk = static_cast<uint32_t>(std::min<size_t>(bytes.size() - done, kWriteChunk));
        uint32_t written = 0;
        if (const uint32_t error = files.Write(bytes.data() + done, chunk, written))
            return error;
        if (written == 0)
            return kErrorDiskFull;
        done += std::min(written, chunk);
    }
    return 0;
}

// Closes the open file: a file that did not close may not hold what was written.
uint32_t CloseAfter(ReportFiles& files, uint32_t error) {
    const uint32_t closeError = files.Close();
    return error != 0 ? error : closeError;
}

// Rewrites an existing Vittrel.log from its start, keeping its earlier bytes to put back when the
// new ones cannot be written whole.
uint32_t WriteInPlace(ReportFiles& files, const std::string& bytes) {
    if (const uint32_t error = files.OpenExisting(kReportFileName))
        return error;
    std::string earlier;
    uint32_t error = files.ReadAll(earlier);
    if (error == 0)
        error = files.Rewind();
    if (error == 0) {
        error = WriteAll(files, bytes);
        if (error == 0)
            error = files.EndHere();
        // Over the file's own room, so that no new space is needed.
        if (error != 0 && files.Rewind() == 0 && WriteAll(files, earlier) == 0)
            files.EndHere();
    }
    return CloseAfter(files, error);
}

// After a refusal: the report in place, or the refusal itself when there is no Vittrel.log.
uint32_t WriteInPlaceAfter(ReportFiles& files, const std::string& bytes, uint32_t refusal) {
    const uint32_t error = WriteInPlace(files, bytes);
    return error == kErrorFileNotFound ? refusal : error;
}

// Vittrel.log replaced by the finished new file: in one step, or where the system cannot do that
// (the Windows 95 family), by removing the old file and renaming the new one.
uint32_t PutInPlace(ReportFiles& files, const std::string& newFile) {
    uint32_t error = files.Replace(newFile, kReportFileName);
    if (error != kErrorCallNotImplemented)
        return error;
    error = files.Remove(kReportFileName);
    return error == 0 || error == kErrorFileNotFound ? files.Rename(newFile, kReportFileName) : error;
}

} // namespace

SaveOutcome SaveReportFile(ReportFiles& files, const std::string& bytes, uint32_t uniqueNumber) {
    std::string newFile;
    uint32_t error = kErrorFileExists;
    for (uint32_t attempt = 0; attempt < kNameAttempts && IsNameTaken(error); ++attempt) {
        newFile = NewFileName(uniqueNumber + attempt);
        error = files.CreateNew(newFile);
    }
    if (error != 0)
        return {IsRefusal(error) ? WriteInPlaceAfter(files, bytes, error) : error, {}};

    error = CloseAfter(files, WriteAll(files, bytes));
    if (error == 0) {
        error = PutInPlace(files, newFile);
        if (error == 0)
            return {};
        if (IsRefusal(error))
            error = WriteInPlaceAfter(files, bytes, error);
    }
    const bool removed = files.Remove(newFile) == 0;
    return {error, removed ? std::string() : newFile};
}

// The steps of a save and what each failure leaves: the earlier Vittrel.log as it was and no new
// file, or else every whole report under a name that the outcome gives.
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

// Gives `take` the names of the save's own pattern from `first` on until one is not taken, and
// keeps the last in `name`.
template <typename Take> uint32_t TakeFreeName(uint32_t first, std::string& name, Take take) {
    uint32_t error = kErrorFileExists;
    for (uint32_t attempt = 0; attempt < kNameAttempts && IsNameTaken(error); ++attempt) {
        name = NewFileName(first + attempt);
        error = take(name);
    }
    return error;
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
// new ones cannot be written whole. Should that fail too, the file holds parts of both.
SaveOutcome WriteInPlace(ReportFiles& files, const std::string& bytes) {
    if (const uint32_t error = files.OpenExisting(kReportFileName))
        return {error};
    std::string earlier;
    uint32_t error = files.ReadAll(earlier);
    if (error == 0)
        error = files.Rewind();
    bool mixed = false;
    if (error == 0) {
        error = WriteAll(files, bytes);
        if (error == 0)
            error = files.EndHere();
        if (error == 0)
            error = files.Flush();
        // Over the file's own room, so that no new space is needed.
        mixed = error != 0 && !(files.Rewind() == 0 && WriteAll(files, earlier) == 0 && files.EndHere() == 0);
    }
    return {.error = CloseAfter(files, error), .reportMayBeIncomplete = mixed};
}

// After a refusal: the report in place, or the refusal itself when there is no Vittrel.log.
SaveOutcome WriteInPlaceAfter(ReportFiles& files, const std::string& bytes, uint32_t refusal) {
    SaveOutcome outcome = WriteInPlace(files, bytes);
    if (outcome.error == kErrorFileNotFound)
        outcome.error = refusal;
    return outcome;
}

// Vittrel.log replaced by the finished new file. The Windows 95 family cannot do that in one step
// (its MoveFileEx is a stub): there the earlier report is renamed aside until the new one has its
// name, and named back if the new one cannot take it.
SaveOutcome PutInPlace(ReportFiles& files, const std::string& newFile, uint32_t firstAsideNumber,
                       const OsVersion& version) {
    if (!IsWindows95Family(version))
        return {files.Replace(newFile, kReportFileName)};
    std::string aside;
    uint32_t error = TakeFreeName(firstAsideNumber, aside, [&](const std::string& name) {
        return files.Rename(kReportFileName, name);
    });
    if (error == kErrorFileNotFound)
        aside.clear(); // a first report
    else if (error != 0)
        return {error};
    error = files.Rename(newFile, kReportFileName);
    if (error == 0)
        return {0, aside.empty() || files.Remove(aside) == 0 ? "" : aside};
    if (aside.empty() || files.Rename(aside, kReportFileName) == 0)
        return {error};
    return {error, "", aside, newFile};
}

} // namespace

SaveOutcome SaveReportFile(ReportFiles& files, const std::string& bytes, uint32_t uniqueNumber,
                           const OsVersion& version) {
    // A read-only Vittrel.log is the user's protection of the earlier report. The NT family refuses
    // to replace it or to write into it, but the 95 family lets it be renamed aside: refused alike
    // on both, before any file is made.
    if (files.IsReadOnly(kReportFileName))
        return {kErrorAccessDenied};
    std::string newFile;
    const uint32_t created =
        TakeFreeName(uniqueNumber, newFile, [&](const std::string& name) { return files.CreateNew(name); });
    if (created != 0)
        return IsRefusal(created) ? WriteInPlaceAfter(files, bytes, created) : SaveOutcome{created};

    uint32_t error = WriteAll(files, bytes);
    if (error == 0)
        error = files.Flush(); // before it takes Vittrel.log's name, which may reach the disk first
    SaveOutcome outcome{CloseAfter(files, error)};
    if (outcome.error == 0) {
        outcome = PutInPlace(files, newFile, uniqueNumber + kNameAttempts, version);
        if (outcome.error == 0 || !outcome.newReportFile.empty())
            return outcome;
        if (IsRefusal(outcome.error))
            outcome = WriteInPlaceAfter(files, bytes, outcome.error);
    }
    if (outcome.reportMayBeIncomplete)
        outcome.newReportFile = newFile; // now the only whole report
    else if (files.Remove(newFile) != 0)
        outcome.leftOverFile = newFile;
    return outcome;
}

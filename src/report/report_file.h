// Saving the composed report as "Vittrel.log" so that a save that fails never costs the earlier
// report. Portable; the platform is reached through ReportFiles.
#pragma once

#include <cstdint>
#include <string>

#include "system/os_version.h"

inline constexpr char kReportFileName[] = "Vittrel.log";

// The system's error codes that saving tells apart.
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorSharingViolation = 32;
inline constexpr uint32_t kErrorFileExists = 80;
inline constexpr uint32_t kErrorDiskFull = 112;
inline constexpr uint32_t kErrorAlreadyExists = 183;

// The files of the current directory as saving uses them. Each call answers 0 or the system's
// error code; at most one file is open at a time, and the calls without a name act on it.
class ReportFiles {
public:
    virtual ~ReportFiles();

    // Creates the file and opens it for writing, sharing nothing; fails when the name is taken.
    virtual uint32_t CreateNew(const std::string& name) = 0;
    // Opens a file that exists, as it is, for reading and writing; others that hold it open for
    // reading or writing may go on doing so.
    virtual uint32_t OpenExisting(const std::string& name) = 0;
    // The whole file, read from its start; the position is then its end.
    virtual uint32_t ReadAll(std::string& bytes) = 0;
    // Writes at the position and moves past what it wrote; `written` may fall short of `size`.
    virtual uint32_t Write(const char* data, uint32_t size, uint32_t& written) = 0;
    virtual uint32_t Rewind() = 0;  // the position back to the start
    virtual uint32_t EndHere() = 0; // the file ends at the position
    virtual uint32_t Flush() = 0;   // what was written is on the disk, not only in the cache
    virtual uint32_t Close() = 0;

    // `to` replaced by `from` in one step (not on the Windows 95 family, whose system cannot).
    virtual uint32_t Replace(const std::string& from, const std::string& to) = 0;
    virtual uint32_t Rename(const std::string& from, const std::string& to) = 0; // `to` must not exist
    virtual uint32_t Remove(const std::string& name) = 0;
    // Whether the file exists with the read-only attribute.
    virtual bool IsReadOnly(const std::string& name) = 0;
};

// What a save left. A file named here is one that the user is told about.
struct SaveOutcome {
    uint32_t error = 0;              // 0: Vittrel.log holds the whole new report
    std::string leftOverFile{};      // a file of the save's own, needed by nobody, that it could not remove
    std::string earlierReportFile{}; // holds the earlier report, which is no longer in Vittrel.log
    std::string newReportFile{};     // holds the whole new report, which Vittrel.log does not
    bool reportMayBeIncomplete = false; // Vittrel.log may hold parts of both reports
};

// Writes `bytes` to a new file in the report's folder, named from `uniqueNumber` (one that differs
// between processes) so that it takes no other file's name, and only once it is whole, on the disk
// and closed puts it in Vittrel.log's place. Only a refusal to create the new file or to replace
// Vittrel.log by it (access denied, a sharing violation) writes into Vittrel.log itself instead,
// and only into one that exists; the earlier bytes are put back if the new ones cannot be written
// whole. A failure leaves Vittrel.log as it was and removes the new file, unless one of them then
// holds no whole report: the outcome names where the reports are. A read-only Vittrel.log is never
// replaced: the save ends with access denied. `version` is the system's own: the Windows 95 family
// cannot replace a file in one step, and there the new file takes Vittrel.log's name by renames.
SaveOutcome SaveReportFile(ReportFiles& files, const std::string& bytes, uint32_t uniqueNumber,
                           const OsVersion& version);

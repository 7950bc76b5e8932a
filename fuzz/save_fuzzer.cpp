// Saves over an in-memory folder whose failing calls, and their errors, come from the input:
//   earlier=<bytes>        Vittrel.log before the first save
//   file:<name>=<bytes>    another file in the folder (one of the names the save makes, say)
//   fail:<call>=<error>    a call that fails, named as the fake names it ("write#2", "rename
//                          Vittrel.log"); the error "nothing": writes that store nothing
//   readonly               Vittrel.log has the read-only attribute
//   room=<bytes>  size=<bytes of each new report>  saves=<1 to 3>
// Each input runs on both platforms. After every save, either Vittrel.log holds the new report and
// the save says so, or a whole report is under Vittrel.log or a name that the message gives; a
// read-only Vittrel.log is never replaced.
#include "report/report.h"
#include "report/report_file.h"

#include "fake_input.h"
#include "memory_report_files.h"

#include <algorithm>

namespace {

constexpr char kFullPath[] = "C:\\run\\Vittrel.log";

bool Holds(const Folder& folder, const std::string& name, const std::string& bytes) {
    const auto file = folder.find(name);
    return file != folder.end() && file->second == bytes;
}

void CheckSave(const Folder& before, const MemoryReportFiles& files, const std::string& report,
               const SaveOutcome& outcome, const OsVersion& version, bool readOnly) {
    const Folder& after = files.files;
    FUZZ_CHECK(!files.misused && !files.unflushedRenamed);
    bool renamed = false;
    for (const std::string& call : files.calls)
        renamed = renamed || call.rfind("rename ", 0) == 0;
    FUZZ_CHECK(IsWindows95Family(version) ? !files.calls.count("replace") : !renamed);

    // Each file named holds what the message says of it, and appears in the message; besides
    // those and Vittrel.log, the folder is as it was.
    const auto earlier = before.find(kReportFileName);
    const std::string message = ComposeSaveMessage(kFullPath, "", outcome);
    FUZZ_CHECK(message.empty() == (outcome.error == 0 && outcome.leftOverFile.empty()));
    Folder others = after, othersBefore = before;
    others.erase(kReportFileName);
    othersBefore.erase(kReportFileName);
    for (const std::string* name :
         {&outcome.leftOverFile, &outcome.earlierReportFile, &outcome.newReportFile}) {
        if (name->empty())
            continue;
        FUZZ_CHECK(after.count(*name) && message.find(*name) != std::string::npos);
        others.erase(*name);
    }
    FUZZ_CHECK(others == othersBefore);
    FUZZ_CHECK(outcome.earlierReportFile.empty() ||
               (earlier != before.end() && Holds(after, outcome.earlierReportFile, earlier->second)));
    FUZZ_CHECK(outcome.newReportFile.empty() || Holds(after, outcome.newReportFile, report));
    FUZZ_CHECK(outcome.reportMayBeIncomplete == (message.find(" may be incomplete.") != std::string::npos));
    if (readOnly)
        FUZZ_CHECK(outcome.error != 0 && Holds(after, kReportFileName, earlier->second));

    if (outcome.error == 0) {
        FUZZ_CHECK(Holds(after, kReportFileName, report) && !outcome.reportMayBeIncomplete);
        FUZZ_CHECK(outcome.earlierReportFile.empty() && outcome.newReportFile.empty());
    } else if (outcome.reportMayBeIncomplete) {
        // Only where no new file could be made is there no whole report left.
        FUZZ_CHECK(files.created.empty() || !outcome.newReportFile.empty());
    } else if (!after.count(kReportFileName)) {
        FUZZ_CHECK(earlier == before.end() || !outcome.earlierReportFile.empty());
    } else {
        FUZZ_CHECK(Holds(after, kReportFileName, report) ||
                   (earlier != before.end() && Holds(after, kReportFileName, earlier->second)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Folder start;
    std::map<std::string, uint32_t> failures;
    size_t room = 100000, reportSize = 30;
    uint32_t saves = 1;
    bool readOnly = false;
    for (const FuzzRecord& record : ParseFuzzRecords(data, size)) {
        const std::optional<uint32_t> number = ParseFuzzNumber(record.value);
        if (record.name == "earlier")
            start[kReportFileName] = record.value;
        else if (record.name.rfind("file:", 0) == 0)
            start[record.name.substr(5)] = record.value;
        else if (record.name.rfind("fail:", 0) == 0)
            failures[record.name.substr(5)] = record.value == "nothing" ? kStoresNothing : number.value_or(0);
        else if (record.name == "readonly")
            readOnly = true;
        else if (record.name == "room" && number)
            room = *number;
        else if (record.name == "size" && number)
            reportSize = std::min<uint32_t>(*number, 5000);
        else if (record.name == "saves" && number)
            saves = std::clamp<uint32_t>(*number, 1, 3);
    }
    size_t used = 0;
    for (const auto& file : start)
        used += file.second.size();

    const OsVersion nt40 = {true, 4, 0, 1381, kPlatformWin32Nt}, win95 = {true, 4, 0, 950, kPlatformWin32Windows};
    for (const OsVersion& version : {nt40, win95}) {
        MemoryReportFiles files;
        files.files = start;
        files.failures = failures;
        if (readOnly)
            files.readOnly = {kReportFileName};
        files.room = std::max(room, used);
        for (uint32_t save = 1; save <= saves; ++save) {
            const Folder before = files.files;
            const std::string report(reportSize, static_cast<char>('0' + save));
            files.calls.clear();
            files.created.clear();
            const bool readOnly = files.IsReadOnly(kReportFileName);
            CheckSave(before, files, report, SaveReportFile(files, report, 0x4D2, version), version, readOnly);
        }
    }
    return 0;
}

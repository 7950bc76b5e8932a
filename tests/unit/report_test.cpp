// The report file byte for byte, from snapshots of the pages; what a save leaves in the folder,
// whichever step fails; and the text of a failed save.
#include "report/report.h"
#include "report/report_file.h"

#include "memory_report_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

const SystemInfoSnapshot kSystemInfo = {"Windows NT", "4.0",        "1381",  "2",
                                        "Pentium",    "3",          "9",     "512 MB",
                                        "200.50 MB",  "1024.00 MB", " 61 %", "Your RAM is sufficient."};
const char kSystemInfoSection[] =
    "\r\nSYSTEM INFORMATION.\r\n-------------------\r\n"
    "Operating System:\r\n  O/S: Windows NT\r\n  Version: 4.0\r\n  Build: 1381\r\n"
    "CPU:\r\n  Number of Processors: 2\r\n  Processor Type: Pentium\r\n"
    "  Model: 3\r\n  Step: 9\r\n"
    "Memory:\r\n  Total Memory: 512 MB\r\n  Available Memory: 200.50 MB\r\n"
    "  Virtual Memory: 1024.00 MB\r\n  Percent Used:  61 %\r\n"
    "Your RAM is sufficient.\r\n";

const std::vector<std::string> kSevenReasons = {"r0", "r1", "r2", "r3", "r4", "r5", "r6"};
InstallationSnapshot Installation(int32_t mode, size_t reasons) {
    return {
        "Problem.", "Shared solution.", "Notes", mode,
        std::vector<std::string>(kSevenReasons.begin(), kSevenReasons.begin() + static_cast<long>(reasons))};
}

const char kReportInstallLine[] = "   SOLUTION: Install Kelvorn32.\r\n";
const char kReportMovedLines[] =
    "   SOLUTION: 1. Create the directory if it does not exist and Move all files\r\n"
    "   from your original directory to this directory.2. Edit the kvcfg_32.ini file and\r\n"
    "    change the MainDirectory entry to the directorywhere kelvorn is installed.\r\n"
    "   Also change all references to the other directoryto the directory where kelvorn is installed.\r\n";
const char kReportEditLines[] =
    "   SOLUTION: Edit the kvcfg_32.ini file and change the MainDirectory entry to the directory\r\n"
    "   where Kelvorn32 is installed. Also change all references to the other directory\r\n"
    "   to the directory where Kelvorn32 is installed.\r\n";
const char kInstallHeader[] = "KELVORN32 DIRECTORY:\r\n--------------------\r\nProblem Found: Problem.\r\n"
                              "Possible Reasons:\r\n";
const std::string kSixReasonLines =
    std::string("Reason 1 -- r0\r\n") + kReportInstallLine + "Reason 2 -- r1\r\n" + kReportInstallLine +
    "Reason 3 -- r2\r\n" + kReportInstallLine + "Reason 4 -- r3\r\n" + kReportMovedLines +
    "Reason 5 -- r4\r\n" + kReportEditLines + "Reason 6 -- r5\r\n" + kReportInstallLine;

const char kSharedLine[] = "   SOLUTION: Shared solution.\r\n";
const std::string kLong(300, 'x'); // longer than any buffer a list item was ever read into

TEST(ComposeReport, WholeFile) {
    const struct {
        const char* what;
        ReportSnapshot snapshot;
        std::string expected;
    } cases[] = {
        {"nothing gathered", {}, ""},
        {"right after start: installation without reasons, system information",
         {.installation = InstallationSnapshot{"None found.", "N/A.", "None.", 0, {}},
          .systemInfo = kSystemInfo},
         std::string("KELVORN32 DIRECTORY:\r\n--------------------\r\nProblem Found: None found.\r\n"
                     "Possible Reasons:\r\nN/A.\r\nSOLUTIONS:N/A.\r\nNOTES:None..\r\n\r\n") +
             kSystemInfoSection},
        {"mode 0, two reasons share the one solution",
         {.installation = Installation(0, 2)},
         std::string(kInstallHeader) + "Reason 1 -- r0\r\n" + kSharedLine + "Reason 2 -- r1\r\n" +
             kSharedLine + "NOTES: Notes\r\n"},
        {"mode 1, six reasons",
         {.installation = Installation(1, 6)},
         kInstallHeader + kSixReasonLines + "NOTES: Notes\r\n"},
        {"mode 1, seven reasons: the seventh has no solution",
         {.installation = Installation(1, 7)},
         kInstallHeader + kSixReasonLines + "Reason 7 -- r6\r\nNOTES: Notes\r\n"},
        {"another mode: no reason lines",
         {.installation = Installation(2, 3)},
         std::string(kInstallHeader) + "NOTES: Notes\r\n"},
        {"no wave device, two aux devices",
         {.waveDevices = {{"<None>"}}, .auxDevices = {{"CD Audio", "Line In"}}},
         "\r\nWAVE DEVICES.\r\n-------------\r\nDevices: <None>\r\n"
         "\r\nAUXILIARY OUTPUT DEVICES.\r\n------------------------\r\n"
         "Device #1: CD Audio.\r\nDevice #2: Line In.\r\n"},
        {"an empty name and a near miss of <None> are devices; a long name is written whole",
         {.waveDevices = {{"", "<None"}}, .auxDevices = {{"<none>", kLong}}},
         "\r\nWAVE DEVICES.\r\n-------------\r\nDevice #1: .\r\nDevice #2: <None.\r\n"
         "\r\nAUXILIARY OUTPUT DEVICES.\r\n------------------------\r\n"
         "Device #1: <none>.\r\nDevice #2: " +
             kLong + ".\r\n"},
        {"device lists that could not be read: headers alone",
         {.waveDevices = std::vector<std::string>{}, .auxDevices = std::vector<std::string>{}},
         "\r\nWAVE DEVICES.\r\n-------------\r\n\r\nAUXILIARY OUTPUT "
         "DEVICES.\r\n------------------------\r\n"},
        {"ports, the printer list unreadable",
         {.ports = PortsSnapshot{{"COM1: OK.", "COM2: x"}, {}, {kLong}}},
         "\r\nPORTS.\r\n------\r\nCOM Ports.\r\n  COM1: OK.\r\n  COM2: x\r\nPrinter Ports.\r\n"
         "Total Ports Summary.\r\n  " +
             kLong + "\r\n"},
        {"every section, in order",
         {.installation = Installation(0, 1),
          .systemInfo = kSystemInfo,
          .waveDevices = {{"Wave"}},
          .auxDevices = {{"<None>"}},
          .ports = PortsSnapshot{{"c"}, {"p"}, {"s"}},
          .brailleStatus = "Windows NT: No need to check for Devices"},
         std::string(kInstallHeader) + "Reason 1 -- r0\r\n" + kSharedLine + "NOTES: Notes\r\n" +
             kSystemInfoSection + "\r\nWAVE DEVICES.\r\n-------------\r\nDevice #1: Wave.\r\n" +
             "\r\nAUXILIARY OUTPUT DEVICES.\r\n------------------------\r\nDevices: <None>\r\n" +
             "\r\nPORTS.\r\n------\r\nCOM Ports.\r\n  c\r\nPrinter Ports.\r\n  p\r\nTotal Ports Summary.\r\n "
             " s\r\n" +
             "\r\nBRAILLE AND SPEECH DEVICES.\r\n---------------------------\r\n"
             "Windows NT: No need to check for Devices\r\n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(row.expected, ComposeReport(row.snapshot));
    }
}

constexpr OsVersion kWin95 = {true, 4, 0, 950, kPlatformWin32Windows}, kNt40 = {true, 4, 0, 1381, kPlatformWin32Nt};

TEST(SaveReportFile, EarlierReportKeptWhicheverStepFails) {
    // An earlier report longer than the new one, but for one that must leave the new one short of room.
    const std::string report(30, 'r'), earlier(40, 'e'), newFile = "~vtl04D2.tmp", aside = "~vtl04E2.tmp";
    const Folder none, before = {{kReportFileName, earlier}}, after = {{kReportFileName, report}};
    const Folder shorter = {{kReportFileName, std::string(20, 'e')}}, mine = {{newFile, "mine"}};
    const Folder leftOver = {{kReportFileName, earlier}, {newFile, report}};
    const uint32_t kFull = kErrorDiskFull;
    const std::map<std::string, uint32_t> stuck = {{"close", 29}, {"remove " + newFile, 5}};
    const std::map<std::string, uint32_t> held95 = {{"rename Vittrel.log", 32}, {"open", 32}};
    const std::map<std::string, uint32_t> notPutBack = {{"replace", 5}, {"end", 29}};
    const std::map<std::string, uint32_t> notRemoved = {{"replace", 5}, {"remove " + newFile, 5}};
    const std::map<std::string, uint32_t> renamesFail = {{"rename " + newFile, 29}, {"rename " + aside, 29}};
    const Folder both = {{kReportFileName, report}, {newFile, report}},
                 apart = {{aside, earlier}, {newFile, report}};
    const SaveOutcome mixed = {29, "", "", newFile, true}, apartNamed = {29, "", aside, newFile};
    const struct {
        const char* what;
        std::string way; // how it takes Vittrel.log's place: "replaces", or "renames" on Windows 95
        Folder folder;
        std::map<std::string, uint32_t> failures;
        size_t room;
        SaveOutcome outcome;
        Folder expected;
        std::set<std::string> readOnly = {};
    } cases[] = {
        {"replaces the earlier report", "replaces", before, {}, 70, {0}, after},
        {"a user's file of the new file's name", "replaces", mine, {}, 1000, {0},
         {{newFile, "mine"}, *after.begin()}},
        {"writes that store nothing", "replaces", before, {{"write", kStoresNothing}}, 1000, {kFull}, before},
        {"the new file does not close", "replaces", before, {{"close", 29}}, 1000, {29}, before},
        {"the new file is not flushed", "replaces", before, {{"flush", 29}}, 1000, {29}, before},
        {"... nor removed: it is named", "replaces", before, stuck, 1000, {29, newFile}, leftOver},
        {"no new file may be made: in place", "replaces", before, {{"create", 5}}, 1000, {0}, after},
        {"in place, full volume: earlier bytes put back", "replaces", shorter, {{"create", 5}}, 29, {kFull},
         shorter},
        {"in place, not put back: new file named", "replaces", before, notPutBack, 1000, mixed, leftOver},
        {"in place, the new file not removed: named", "replaces", before, notRemoved, 1000, {0, newFile},
         both},
        {"no room for the new file: never in place", "replaces", before, {{"create", kFull}}, 1000, {kFull},
         before},
        {"a read-only Vittrel.log: refused", "replaces", before, {}, 1000, {5}, before, {kReportFileName}},
        {"renamed aside, renamed, removed", "renames", before, {}, 1000, {0}, after},
        {"a first report", "renames", none, {}, 1000, {0}, after},
        {"held open, sharing nothing", "renames", before, held95, 1000, {32}, before},
        {"held open, shared: in place", "renames", before, {{"rename Vittrel.log", 32}}, 1000, {0}, after},
        {"nor renamed back: both named", "renames", before, renamesFail, 1000, apartNamed, apart},
        {"a read-only Vittrel.log: refused", "renames", before, {}, 1000, {5}, before, {kReportFileName}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what + (" (" + row.way + ")"));
        MemoryReportFiles files;
        files.files = row.folder;
        files.failures = row.failures;
        files.room = row.room;
        files.readOnly = row.readOnly;
        const OsVersion& version = row.way == "renames" ? kWin95 : kNt40;
        const SaveOutcome outcome = SaveReportFile(files, report, 0x304D2, version);
        EXPECT_EQ(row.outcome.error, outcome.error);
        EXPECT_EQ(row.outcome.leftOverFile, outcome.leftOverFile);
        EXPECT_EQ(row.outcome.earlierReportFile, outcome.earlierReportFile);
        EXPECT_EQ(row.outcome.newReportFile, outcome.newReportFile);
        EXPECT_EQ(row.outcome.reportMayBeIncomplete, outcome.reportMayBeIncomplete);
        EXPECT_EQ(row.expected, files.files);
        EXPECT_FALSE(files.misused || files.unflushedRenamed);
        // The Windows 95 family's MoveFileEx is a stub; elsewhere Vittrel.log is never without a report.
        const bool renamed = std::any_of(files.calls.begin(), files.calls.end(),
                                         [](const std::string& call) { return call.rfind("rename ", 0) == 0; });
        EXPECT_FALSE(row.way == "renames" ? files.calls.count("replace") != 0 : renamed);
    }
}

TEST(ComposeSaveMessage, PathSystemMessageAndFiles) {
    const struct {
        const char* systemMessage;
        SaveOutcome outcome;
        const char* expected;
    } cases[] = {
        {"Sharing violation.\r\n",
         {32},
         "The report could not be saved to C:\\run\\Vittrel.log.\r\nSharing violation."},
        {"Access denied.", {5}, "The report could not be saved to C:\\run\\Vittrel.log.\r\nAccess denied."},
        {"", {1234}, "The report could not be saved to C:\\run\\Vittrel.log.\r\nError 1234."},
        {"Disk full.\r\n",
         {112, "C:\\run\\~vtl04D2.tmp"},
         "The report could not be saved to C:\\run\\Vittrel.log.\r\nDisk full.\r\n"
         "The file C:\\run\\~vtl04D2.tmp was left behind and can be deleted."},
        {"", {0}, ""},
        {"",
         {0, "C:\\run\\~vtl04E2.tmp"},
         "The file C:\\run\\~vtl04E2.tmp was left behind and can be deleted."},
        {"Gone.",
         {29, "", "C:\\run\\~vtl04E2.tmp", "C:\\run\\~vtl04D2.tmp"},
         "The report could not be saved to C:\\run\\Vittrel.log.\r\nGone.\r\n"
         "The earlier report is in the file C:\\run\\~vtl04E2.tmp.\r\n"
         "The new report is in the file C:\\run\\~vtl04D2.tmp."},
        {"Gone.",
         {29, "", "", "", true},
         "The report could not be saved to C:\\run\\Vittrel.log.\r\nGone.\r\n"
         "The file C:\\run\\Vittrel.log may be incomplete."},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(row.expected, ComposeSaveMessage("C:\\run\\Vittrel.log", row.systemMessage, row.outcome));
    }
}

} // namespace

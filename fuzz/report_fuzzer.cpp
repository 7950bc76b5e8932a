// The report's composition from a snapshot whose every text and list item comes from the input:
//   installation problem= solution= notes= mode=<n, may be negative> reason=   (reason repeats)
//   system  os= version= build= processors= type= model= step= total= available= virtual= load= ram=
//   wave  wave-device=      aux  aux-device=      ports  com= printer= summary=      braille=<status>
// A section is in the snapshot when any of its names appears, a bare section name included.
// The message of a failed save takes save-path=, save-message= and save-code=.
#include "report/report.h"

#include "fake_input.h"

#include <map>

namespace {

// The system information texts by their input names.
const std::map<std::string, std::string SystemInfoSnapshot::*> kSystemFields = {
    {"os", &SystemInfoSnapshot::osName},
    {"version", &SystemInfoSnapshot::osVersion},
    {"build", &SystemInfoSnapshot::osBuild},
    {"processors", &SystemInfoSnapshot::processorCount},
    {"type", &SystemInfoSnapshot::processorType},
    {"model", &SystemInfoSnapshot::modelValue},
    {"step", &SystemInfoSnapshot::stepValue},
    {"total", &SystemInfoSnapshot::totalPhysical},
    {"available", &SystemInfoSnapshot::availablePhysical},
    {"virtual", &SystemInfoSnapshot::totalVirtual},
    {"load", &SystemInfoSnapshot::memoryLoad},
    {"ram", &SystemInfoSnapshot::ramVerdict},
};

struct FuzzSnapshot {
    ReportSnapshot snapshot;
    std::vector<std::string> texts; // every text and item of the snapshot
    std::string savePath, saveMessage;
    uint32_t saveCode = 0;

    explicit FuzzSnapshot(const std::vector<FuzzRecord>& records) {
        for (const FuzzRecord& record : records)
            Take(record.name, record.value);
    }

    void Take(const std::string& name, const std::string& value) {
        ReportSnapshot& s = snapshot;
        if (name == "installation" || name == "problem" || name == "solution" || name == "notes" ||
            name == "mode" || name == "reason") {
            InstallationSnapshot& page = s.installation ? *s.installation : s.installation.emplace();
            if (name == "problem")
                page.problemText = value;
            else if (name == "solution")
                page.solutionText = value;
            else if (name == "notes")
                page.notesText = value;
            else if (name == "reason")
                page.reasons.push_back(value);
            else if (name == "mode")
                page.solutionMode = ParseMode(value);
        } else if (name == "system" || kSystemFields.count(name) != 0) {
            SystemInfoSnapshot& page = s.systemInfo ? *s.systemInfo : s.systemInfo.emplace();
            if (name != "system")
                page.*kSystemFields.at(name) = value;
        } else if (name == "wave" || name == "wave-device") {
            std::vector<std::string>& list = s.waveDevices ? *s.waveDevices : s.waveDevices.emplace();
            if (name != "wave")
                list.push_back(value);
        } else if (name == "aux" || name == "aux-device") {
            std::vector<std::string>& list = s.auxDevices ? *s.auxDevices : s.auxDevices.emplace();
            if (name != "aux")
                list.push_back(value);
        } else if (name == "ports" || name == "com" || name == "printer" || name == "summary") {
            PortsSnapshot& page = s.ports ? *s.ports : s.ports.emplace();
            if (name == "com")
                page.commPorts.push_back(value);
            else if (name == "printer")
                page.printerPorts.push_back(value);
            else if (name == "summary")
                page.portSummary.push_back(value);
        } else if (name == "braille") {
            s.brailleStatus = value;
        } else if (name == "save-path" || name == "save-message" || name == "save-code") {
            if (name == "save-path")
                savePath = value;
            else if (name == "save-message")
                saveMessage = value;
            else
                saveCode = ParseFuzzNumber(value).value_or(0);
            return;
        } else {
            return;
        }
        if (name != "mode")
            texts.push_back(value);
    }

    static int32_t ParseMode(const std::string& value) {
        const bool negative = !value.empty() && value[0] == '-';
        const int64_t number = ParseFuzzNumber(negative ? value.substr(1) : value).value_or(0);
        return static_cast<int32_t>(negative ? -number : number);
    }
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzSnapshot input(ParseFuzzRecords(data, size));
    const ReportSnapshot& snapshot = input.snapshot;
    const std::string report = ComposeReport(snapshot);

    bool textsHaveLineBreaks = false;
    std::string allTexts;
    for (const std::string& text : input.texts) {
        textsHaveLineBreaks |= Contains(text, "\r") || Contains(text, "\n");
        allTexts += text + '\x01';
    }

    // The sections of the pages that gathered, in the pages' order. (A text may itself hold a
    // section's heading; then that heading proves nothing about its section.)
    const bool present[] = {snapshot.installation.has_value(), snapshot.systemInfo.has_value(),
                            snapshot.waveDevices.has_value(),  snapshot.auxDevices.has_value(),
                            snapshot.ports.has_value(),        snapshot.brailleStatus.has_value()};
    static_assert(std::size(present) == std::size(kReportSectionHeadings));
    size_t cursor = 0;
    for (size_t section = 0; section < std::size(present); ++section) {
        const std::string heading = kReportSectionHeadings[section];
        const size_t at = report.find(heading, cursor);
        if (present[section]) {
            FUZZ_CHECK(at != std::string::npos);
            cursor = at + heading.size();
        } else if (!Contains(allTexts, heading)) {
            FUZZ_CHECK(!Contains(report, heading));
        }
    }
    if (snapshot.installation)
        FUZZ_CHECK(report.rfind(kInstallationHeading, 0) == 0);

    // Every line the report makes ends in CR LF, the last one included: with texts that hold no
    // line break, every CR and LF in the file is one of those line ends.
    if (!textsHaveLineBreaks) {
        FUZZ_CHECK(report.empty() ||
                   (report.size() >= 2 && report.compare(report.size() - 2, 2, "\r\n") == 0));
        for (size_t i = 0; i < report.size(); ++i) {
            if (report[i] == '\r')
                FUZZ_CHECK(i + 1 < report.size() && report[i + 1] == '\n');
            if (report[i] == '\n')
                FUZZ_CHECK(i > 0 && report[i - 1] == '\r');
        }
    }

    // Every text and item is written whole.
    if (const auto& page = snapshot.installation) {
        FUZZ_CHECK(Contains(report, "Problem Found: " + page->problemText + "\r\n"));
        FUZZ_CHECK(Contains(report, page->notesText));
        const bool reasonLines =
            !page->reasons.empty() && (page->solutionMode == 0 || page->solutionMode == 1);
        for (size_t i = 0; i < page->reasons.size() && reasonLines; ++i)
            FUZZ_CHECK(
                Contains(report, "Reason " + std::to_string(i + 1) + " -- " + page->reasons[i] + "\r\n"));
        if (reasonLines && page->solutionMode == 0)
            FUZZ_CHECK(Contains(report, "   SOLUTION: " + page->solutionText + "\r\n"));
    }
    if (const auto& page = snapshot.systemInfo) {
        for (const auto& [name, field] : kSystemFields)
            FUZZ_CHECK(Contains(report, (*page).*field + "\r\n"));
    }
    for (const auto* list : {&snapshot.waveDevices, &snapshot.auxDevices}) {
        if (!*list || (*list)->empty())
            continue;
        if ((*list)->front() == "<None>") {
            FUZZ_CHECK(Contains(report, "Devices: <None>\r\n"));
            continue;
        }
        for (size_t i = 0; i < (*list)->size(); ++i)
            FUZZ_CHECK(Contains(report, "Device #" + std::to_string(i + 1) + ": " + (**list)[i] + ".\r\n"));
    }
    if (const auto& page = snapshot.ports) {
        for (const auto* lines : {&page->commPorts, &page->printerPorts, &page->portSummary}) {
            for (const std::string& line : *lines)
                FUZZ_CHECK(Contains(report, "  " + line + "\r\n"));
        }
    }
    if (snapshot.brailleStatus)
        FUZZ_CHECK(Contains(report, *snapshot.brailleStatus + "\r\n"));

    // A failed save names the file and gives the system's message without its trailing line
    // break, or the error code when that leaves nothing; a save that succeeded says nothing.
    const std::string failure = ComposeSaveMessage(input.savePath, input.saveMessage, {input.saveCode});
    if (input.saveCode == 0) {
        FUZZ_CHECK(failure.empty());
        return 0;
    }
    const std::string opening = "The report could not be saved to " + input.savePath + ".\r\n";
    FUZZ_CHECK(failure.compare(0, opening.size(), opening) == 0);
    const std::string reason = failure.substr(opening.size());
    FUZZ_CHECK(!reason.empty() && reason.back() != '\r' && reason.back() != '\n' && reason.back() != ' ');
    if (reason != "Error " + std::to_string(input.saveCode) + ".") {
        FUZZ_CHECK(input.saveMessage.compare(0, reason.size(), reason) == 0);
        FUZZ_CHECK(input.saveMessage.find_first_not_of("\r\n ", reason.size()) == std::string::npos);
    } else {
        FUZZ_CHECK(input.saveMessage.find_first_not_of("\r\n ") == std::string::npos ||
                   input.saveMessage.compare(0, reason.size(), reason) == 0);
    }
    return 0;
}

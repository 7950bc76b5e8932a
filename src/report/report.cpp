// Composition of "Vittrel.log": one section per page that has gathered its data, in a fixed order.
#include "report/report.h"

#include "system/system_reason.h"
#include "pages/device_texts.h"

namespace {

// The report's own wordings of the per-reason solutions, by reason position.
const char kInstallSolutionLine[] = "   SOLUTION: Install Kelvorn32.\r\n";
const char kMovedSolutionLines[] =
    "   SOLUTION: 1. Create the directory if it does not exist and Move all files\r\n"
    "   from your original directory to this directory.2. Edit the kvcfg_32.ini file and\r\n"
    "    change the MainDirectory entry to the directorywhere kelvorn is installed.\r\n"
    "   Also change all references to the other directoryto the directory where kelvorn is installed.\r\n";
const char kEditSolutionLines[] =
    "   SOLUTION: Edit the kvcfg_32.ini file and change the MainDirectory entry to the directory\r\n"
    "   where Kelvorn32 is installed. Also change all references to the other directory\r\n"
    "   to the directory where Kelvorn32 is installed.\r\n";

const char* ReasonSolutionLines(size_t position) {
    switch (position) {
    case 0:
    case 1:
    case 2:
    case 5:
        return kInstallSolutionLine;
    case 3:
        return kMovedSolutionLines;
    case 4:
        return kEditSolutionLines;
    default:
        return "";
    }
}

void AppendInstallation(std::string& out, const InstallationSnapshot& page) {
    out += kInstallationHeading;
    out += "Problem Found: " + page.problemText + "\r\n";
    out += "Possible Reasons:\r\n";
    if (page.reasons.empty()) {
        out += "N/A.\r\nSOLUTIONS:N/A.\r\nNOTES:" + page.notesText + ".\r\n\r\n";
        return;
    }
    if (page.solutionMode == 0 || page.solutionMode == 1) {
        for (size_t i = 0; i < page.reasons.size(); ++i) {
            out += "Reason " + std::to_string(i + 1) + " -- " + page.reasons[i] + "\r\n";
            if (page.solutionMode == 0)
                out += "   SOLUTION: " + page.solutionText + "\r\n";
            else
                out += ReasonSolutionLines(i);
        }
    }
    out += "NOTES: " + page.notesText + "\r\n";
}

void AppendSystemInfo(std::string& out, const SystemInfoSnapshot& page) {
    out += kSystemInfoHeading;
    out += "Operating System:\r\n  O/S: " + page.osName + "\r\n  Version: " + page.osVersion +
           "\r\n  Build: " + page.osBuild + "\r\n";
    out += "CPU:\r\n  Number of Processors: " + page.processorCount +
           "\r\n  Processor Type: " + page.processorType + "\r\n  Model: " + page.modelValue +
           "\r\n  Step: " + page.stepValue + "\r\n";
    out += "Memory:\r\n  Total Memory: " + page.totalPhysical +
           "\r\n  Available Memory: " + page.availablePhysical +
           "\r\n  Virtual Memory: " + page.totalVirtual + "\r\n  Percent Used: " + page.memoryLoad + "\r\n";
    out += page.ramVerdict + "\r\n";
}

// A device list: "<None>" alone says there is no device; any other first item, an empty name
// included, is a device like the rest.
void AppendDevices(std::string& out, const char* header, const std::vector<std::string>& devices) {
    out += header;
    if (devices.empty())
        return;
    if (devices.front() == kNoDeviceEntry) {
        out += "Devices: <None>\r\n";
        return;
    }
    for (size_t i = 0; i < devices.size(); ++i)
        out += "Device #" + std::to_string(i + 1) + ": " + devices[i] + ".\r\n";
}

void AppendPortList(std::string& out, const char* heading, const std::vector<std::string>& lines) {
    out += heading;
    for (const std::string& line : lines)
        out += "  " + line + "\r\n";
}

void AppendPorts(std::string& out, const PortsSnapshot& page) {
    out += kPortsHeading;
    AppendPortList(out, "COM Ports.\r\n", page.commPorts);
    AppendPortList(out, "Printer Ports.\r\n", page.printerPorts);
    AppendPortList(out, "Total Ports Summary.\r\n", page.portSummary);
}

} // namespace

std::string ComposeReport(const ReportSnapshot& snapshot) {
    std::string out;
    if (snapshot.installation)
        AppendInstallation(out, *snapshot.installation);
    if (snapshot.systemInfo)
        AppendSystemInfo(out, *snapshot.systemInfo);
    if (snapshot.waveDevices)
        AppendDevices(out, kWaveDevicesHeading, *snapshot.waveDevices);
    if (snapshot.auxDevices)
        AppendDevices(out, kAuxDevicesHeading, *snapshot.auxDevices);
    if (snapshot.ports)
        AppendPorts(out, *snapshot.ports);
    if (snapshot.brailleStatus)
        out += kBrailleHeading + *snapshot.brailleStatus + "\r\n";
    return out;
}

std::string ComposeSaveMessage(const std::string& fullPath, const std::string& systemMessage,
                               const SaveOutcome& outcome) {
    std::vector<std::string> lines;
    if (outcome.error != 0)
        lines = {"The report could not be saved to " + fullPath + ".",
                 SystemReasonText(systemMessage, outcome.error)};
    if (!outcome.earlierReportFile.empty())
        lines.push_back("The earlier report is in the file " + outcome.earlierReportFile + ".");
    if (!outcome.newReportFile.empty())
        lines.push_back("The new report is in the file " + outcome.newReportFile + ".");
    if (outcome.reportMayBeIncomplete)
        lines.push_back("The file " + fullPath + " may be incomplete.");
    if (!outcome.leftOverFile.empty())
        lines.push_back("The file " + outcome.leftOverFile + " was left behind and can be deleted.");
    std::string message;
    for (const std::string& line : lines)
        message += (message.empty() ? "" : "\r\n") + line;
    return message;
}

// The diagnostic report "Vittrel.log": a snapshot of what the pages hold and the file composed
// from it, byte for byte, for sending to support.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/report_file.h"

// The installation page's diagnosis result as the page holds it.
struct InstallationSnapshot {
    std::string problemText;
    std::string solutionText;
    std::string notesText;
    int32_t solutionMode = 0;         // 1: each reason position has a solution of its own
    std::vector<std::string> reasons; // the reasons list's items in list order
};

// The system information page's texts (not its two captions).
struct SystemInfoSnapshot {
    std::string osName, osVersion, osBuild;
    std::string processorCount, processorType, modelValue, stepValue;
    std::string totalPhysical, availablePhysical, totalVirtual, memoryLoad;
    std::string ramVerdict;
};

// The ports page's three lists, each in the list's own sorted order.
struct PortsSnapshot {
    std::vector<std::string> commPorts, printerPorts, portSummary;
};

// What the report is made of. A section is present when its page's flag is set; a list that
// could not be read is held as an empty list.
struct ReportSnapshot {
    std::optional<InstallationSnapshot> installation{};
    std::optional<SystemInfoSnapshot> systemInfo{};
    std::optional<std::vector<std::string>> waveDevices{};
    std::optional<std::vector<std::string>> auxDevices{};
    std::optional<PortsSnapshot> ports{};
    std::optional<std::string> brailleStatus{};
};

// Each section begins with its page's heading; the headings after the first set their sections off
// by an empty line.
inline constexpr char kInstallationHeading[] = "KELVORN32 DIRECTORY:\r\n--------------------\r\n";
inline constexpr char kSystemInfoHeading[] = "\r\nSYSTEM INFORMATION.\r\n-------------------\r\n";
inline constexpr char kWaveDevicesHeading[] = "\r\nWAVE DEVICES.\r\n-------------\r\n";
inline constexpr char kAuxDevicesHeading[] = "\r\nAUXILIARY OUTPUT DEVICES.\r\n------------------------\r\n";
inline constexpr char kPortsHeading[] = "\r\nPORTS.\r\n------\r\n";
inline constexpr char kBrailleHeading[] =
    "\r\nBRAILLE AND SPEECH DEVICES.\r\n---------------------------\r\n";
// The headings in the order of the sections.
inline constexpr const char* kReportSectionHeadings[] = {kInstallationHeading, kSystemInfoHeading,
                                                         kWaveDevicesHeading,  kAuxDevicesHeading,
                                                         kPortsHeading,        kBrailleHeading};

// The whole file: CR LF line ends, no terminating NUL, every text and item written whole.
std::string ComposeReport(const ReportSnapshot& snapshot);

// What the user is told after a save, "" when there is nothing to tell. A failed save: the file's
// full path and the system's message for the error (its trailing line break dropped), or the code
// itself when the system has no message for it. Then, after any save, a line for each file that
// the outcome names (by full path) and for a Vittrel.log that may be incomplete, so that the user
// knows where each report is and which file can be deleted.
std::string ComposeSaveMessage(const std::string& fullPath, const std::string& systemMessage,
                               const SaveOutcome& outcome);

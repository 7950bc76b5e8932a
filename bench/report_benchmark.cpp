// Time to compose "Vittrel.log" from a snapshot of the pages: what a user's tour on a typical
// machine gathers, and a machine at the limits of every list.
#include <benchmark/benchmark.h>

#include <string>

#include "pages/device_texts.h"
#include "report/report.h"

namespace {

ReportSnapshot TourSnapshot() {
    ReportSnapshot snapshot;
    InstallationSnapshot installation;
    installation.problemText = "The kelvorn INI file could not be found.";
    installation.reasons = {"The previous install has failed at some point.",
                            "The installation process has been interrupted at some point.",
                            "Kelvorn32 has NOT been installed."};
    installation.solutionMode = 1;
    installation.solutionText = "Install Kelvorn32.";
    installation.notesText =
        "If a Kelvorn32 directory is indeed located in your computer remove it and then install Kelvorn32.";
    snapshot.installation = installation;
    snapshot.systemInfo = SystemInfoSnapshot{"Windows NT",
                                             "6.1",
                                             "7601",
                                             "2",
                                             "Other",
                                             "",
                                             "",
                                             "16384.00 MB",
                                             "12288.00 MB",
                                             "22992.59 MB",
                                             "4.00 %",
                                             "You have enough RAM to run Kelvorn32."};
    snapshot.waveDevices = std::vector<std::string>{"Speakers (High Definition Audio Device)"};
    snapshot.auxDevices = std::vector<std::string>{kNoDeviceEntry};
    PortsSnapshot ports;
    for (int i = 1; i <= 8; ++i)
        ports.commPorts.push_back("COM" + std::to_string(i) +
                                  ": This Com Port does not Exist or it is not used by Windows.");
    for (int i = 1; i <= 4; ++i)
        ports.printerPorts.push_back("LPT" + std::to_string(i) +
                                     ": This Printer Port does not Exist or it is not used by Windows.");
    for (const char* port : {"COM1", "COM2", "COM3", "COM4", "LPT1", "LPT2", "LPT3", "FILE"})
        ports.portSummary.push_back(std::string(port) + ": Local Monitor. It is a Local Port.");
    snapshot.ports = ports;
    snapshot.brailleStatus = "Windows NT: No need to check for Devices";
    return snapshot;
}

// Every list long and every spooler text 600 characters.
ReportSnapshot LargeSnapshot() {
    ReportSnapshot snapshot = TourSnapshot();
    snapshot.installation->reasons.resize(6, "A reason that fills the line of its list box, and more.");
    std::vector<std::string> devices(32, "A device name of thirty-one ch.");
    snapshot.waveDevices = devices;
    snapshot.auxDevices = devices;
    const std::string text(600, 'x');
    snapshot.ports->portSummary.assign(256, text + ": " + text + ". " + text);
    return snapshot;
}

void ComposeTourReport(benchmark::State& state) {
    const ReportSnapshot snapshot = TourSnapshot();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeReport(snapshot));
    state.counters["bytes"] = static_cast<double>(ComposeReport(snapshot).size());
}
BENCHMARK(ComposeTourReport)->Unit(benchmark::kMicrosecond);

void ComposeLargeReport(benchmark::State& state) {
    const ReportSnapshot snapshot = LargeSnapshot();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeReport(snapshot));
    state.counters["bytes"] = static_cast<double>(ComposeReport(snapshot).size());
}
BENCHMARK(ComposeLargeReport)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

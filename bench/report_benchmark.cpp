// Time to compose "Vittrel.log" from a snapshot of the pages: what a user's tour on a typical
// machine gathers, and a machine at the limits of every list.
#include <benchmark/benchmark.h>

#include <string>

#include "installation_texts.h"
#include "pages/device_texts.h"
#include "port_texts.h"
#include "report/report.h"

namespace {

ReportSnapshot TourSnapshot() {
    ReportSnapshot snapshot;
    const OutcomeTexts& texts = kConfigMissingTexts;
    snapshot.installation = {texts.problem, texts.solution, texts.notes, 1, texts.reasons};
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
        ports.commPorts.push_back(ComMissingLine("COM" + std::to_string(i)));
    for (int i = 1; i <= 4; ++i)
        ports.printerPorts.push_back(PrinterMissingLine("LPT" + std::to_string(i)));
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

void ComposeReportOf(benchmark::State& state, const ReportSnapshot& snapshot) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeReport(snapshot));
    state.counters["bytes"] = static_cast<double>(ComposeReport(snapshot).size());
}
BENCHMARK_CAPTURE(ComposeReportOf, tour, TourSnapshot())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ComposeReportOf, large, LargeSnapshot())->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

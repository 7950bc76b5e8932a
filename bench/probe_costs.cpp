// Where the program's own gathering spends its time: runs each page's gathering once, in tab
// order, through the same platform implementations the pages use, and prints the milliseconds of
// each. The first call into a subsystem (the audio drivers, the spooler) is timed on its own, as
// it carries the subsystem's start-up; run in a fresh process for the figures of a fresh start.
//   bench-probes.exe
#include <windows.h>

#include <cstdio>

#include "pages/aux/aux_devices.h"
#include "pages/aux/aux_environment_win.h"
#include "pages/braille/braille.h"
#include "pages/braille/braille_environment_win.h"
#include "pages/installation/diagnosis.h"
#include "pages/installation/install_environment_win.h"
#include "pages/ports/port_environment_win.h"
#include "pages/ports/ports.h"
#include "pages/system_info/system_info.h"
#include "pages/system_info/system_info_win.h"
#include "pages/wave/wave_devices.h"
#include "pages/wave/wave_environment_win.h"
#include "system/os_version_win.h"

namespace {

LARGE_INTEGER g_frequency;
size_t g_sink = 0; // keeps every result alive, so nothing is optimised away

template <typename Step> void Time(const char* name, Step step) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    step();
    QueryPerformanceCounter(&end);
    std::printf("%-34s %8.2f\n", name,
                static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 /
                    static_cast<double>(g_frequency.QuadPart));
}

} // namespace

int main() {
    QueryPerformanceFrequency(&g_frequency);
    Time("installation diagnosis", [] {
        WindowsInstallEnvironment environment;
        g_sink += ClassifyInstallation(environment).problemText.size();
    });
    Time("system information", [] {
        const SystemTexts texts =
            DescribeSystem(ReadMemoryFigures(), ReadProcessorFigures(), QueryOsVersion());
        g_sink += texts.osName.size();
    });
    // The first call into winmm starts the audio drivers, the first into winspool the spooler.
    Time("wave: first waveOutGetNumDevs", [] { g_sink += WindowsWaveEnvironment().DeviceCount(); });
    Time("wave: the page's gathering", [] {
        WindowsWaveEnvironment environment;
        g_sink += GatherWaveDeviceRecords(environment).entries.size();
    });
    Time("aux: first auxGetNumDevs", [] { g_sink += WindowsAuxEnvironment().DeviceCount(); });
    Time("aux: the page's gathering", [] {
        WindowsAuxEnvironment environment;
        const AuxDeviceRecords records = GatherAuxDeviceRecords(environment);
        g_sink += records.listed.size();
        if (!records.listed.empty())
            g_sink += ReadVolumeText(environment, static_cast<uint32_t>(records.listed[0])).size();
    });
    Time("ports: first EnumPortsA", [] {
        g_sink +=
            WindowsPortEnvironment().EnumerateSpoolerPorts().value_or(std::vector<SpoolerPort>{}).size();
    });
    Time("ports: one exclusive open of COM1",
         [] { g_sink += WindowsPortEnvironment().OpenExclusive("COM1"); });
    Time("ports: the page's gathering", [] {
        WindowsPortEnvironment environment;
        g_sink += GatherPortLines(environment).summary.size();
    });
    Time("braille and speech", [] {
        const OsVersion version = QueryOsVersion();
        if (version.queried && version.platformId == kPlatformWin32Windows) {
            WindowsBrailleEnvironment environment;
            g_sink += CheckBrailleDriver(environment).size();
        }
    });
    return g_sink == 0 ? 1 : 0;
}

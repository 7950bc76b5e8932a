// Where the program's own gathering spends its time: runs each page's gathering once, in tab
// order, through the same platform implementations the pages use, and prints the milliseconds of
// each. The first call into a subsystem (the audio drivers, the spooler) carries its loading, as
// it does in the program; a fresh process each time gives the figures of a fresh start.
//   bench-probes.exe
#include <windows.h>

#include <cstdio>

#include "install/diagnosis.h"
#include "install/install_environment_win.h"
#include "probes/aux_devices.h"
#include "probes/aux_environment_win.h"
#include "probes/braille.h"
#include "probes/braille_environment_win.h"
#include "probes/port_environment_win.h"
#include "probes/ports.h"
#include "probes/system_info.h"
#include "probes/system_info_win.h"
#include "probes/wave_devices.h"
#include "probes/wave_environment_win.h"
#include "sheet/os_version_win.h"

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
    Time("wave devices", [] {
        WindowsWaveEnvironment environment;
        g_sink += GatherWaveDeviceRecords(environment).entries.size();
    });
    Time("auxiliary devices", [] {
        WindowsAuxEnvironment environment;
        const AuxDeviceRecords records = GatherAuxDeviceRecords(environment);
        g_sink += records.listed.size();
        if (!records.listed.empty())
            g_sink += ReadVolumeText(environment, static_cast<uint32_t>(records.listed[0])).size();
    });
    Time("ports", [] {
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

// waveOutGetNumDevs and waveOutGetDevCapsA behind the wave output devices page.
#include "pages/wave/wave_environment_win.h"

#include <windows.h>

#include <mmsystem.h>

#include "system/system_library.h"
#include "pages/device_texts.h"

// winmm is loaded on the page's first query. Without it there is no device, as when the count
// fails.
uint32_t WindowsWaveEnvironment::DeviceCount() {
    const WinmmFunctions* winmm = Winmm();
    return winmm ? winmm->waveOutGetNumDevs() : 0;
}

std::optional<WaveOutCaps> WindowsWaveEnvironment::DeviceCaps(uint32_t device) {
    // Zero-filled, so that nothing a failing driver left half-written is ever read.
    WAVEOUTCAPSA record{};
    static_assert(sizeof(WAVEOUTCAPSA) == 52);
    const WinmmFunctions* winmm = Winmm();
    if (winmm == nullptr || winmm->waveOutGetDevCapsA(device, &record, sizeof(record)) != MMSYSERR_NOERROR)
        return std::nullopt;
    WaveOutCaps caps;
    caps.manufacturerId = record.wMid;
    caps.productId = record.wPid;
    caps.driverVersion = record.vDriverVersion;
    caps.name = DeviceNameFromField(record.szPname, sizeof(record.szPname));
    caps.formats = record.dwFormats;
    caps.channels = record.wChannels;
    caps.support = record.dwSupport;
    return caps;
}

// auxGetNumDevs, auxGetDevCapsA and auxGetVolume behind the auxiliary audio devices page.
#include "pages/aux/aux_environment_win.h"

#include <windows.h>

#include <mmsystem.h>

#include "system/system_library.h"
#include "pages/device_texts.h"

// winmm is loaded on the page's first query. Without it there is no device, as when the count
// fails; the other calls come only after a count.
uint32_t WindowsAuxEnvironment::DeviceCount() {
    const WinmmFunctions* winmm = Winmm();
    return winmm ? winmm->auxGetNumDevs() : 0;
}

AuxEnvironment::CapsResult WindowsAuxEnvironment::DeviceCaps(uint32_t device, AuxCaps& caps) {
    AUXCAPSA record{};
    static_assert(sizeof(AUXCAPSA) == 48);
    const WinmmFunctions* winmm = Winmm();
    if (winmm == nullptr)
        return CapsResult::Failed;
    const MMRESULT result = winmm->auxGetDevCapsA(device, &record, sizeof(record));
    if (result == MMSYSERR_BADDEVICEID)
        return CapsResult::BadDeviceId;
    if (result != MMSYSERR_NOERROR)
        return CapsResult::Failed;
    caps.manufacturerId = record.wMid;
    caps.productId = record.wPid;
    caps.driverVersion = record.vDriverVersion;
    caps.name = DeviceNameFromField(record.szPname, sizeof(record.szPname));
    caps.technology = record.wTechnology;
    caps.support = record.dwSupport;
    return CapsResult::Answered;
}

std::optional<uint32_t> WindowsAuxEnvironment::Volume(uint32_t device) {
    DWORD volume = 0;
    const WinmmFunctions* winmm = Winmm();
    if (winmm == nullptr || winmm->auxGetVolume(device, &volume) != MMSYSERR_NOERROR)
        return std::nullopt;
    return volume;
}

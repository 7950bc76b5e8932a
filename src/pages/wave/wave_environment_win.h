// The wave output devices page's view of the platform: winmm's wave output queries (Windows only).
#pragma once

#include "pages/wave/wave_devices.h"

class WindowsWaveEnvironment : public WaveEnvironment {
public:
    uint32_t DeviceCount() override;
    std::optional<WaveOutCaps> DeviceCaps(uint32_t device) override;
};

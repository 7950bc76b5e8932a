// The auxiliary audio devices page's view of the platform: winmm's auxiliary device queries
// (Windows only).
#pragma once

#include "pages/aux/aux_devices.h"

class WindowsAuxEnvironment : public AuxEnvironment {
public:
    uint32_t DeviceCount() override;
    CapsResult DeviceCaps(uint32_t device, AuxCaps& caps) override;
    std::optional<uint32_t> Volume(uint32_t device) override;
};

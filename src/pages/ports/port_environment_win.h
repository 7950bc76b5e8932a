// The ports page's view of the platform: device opens, system messages, the print spooler
// (Windows only).
#pragma once

#include "pages/ports/ports.h"

class WindowsPortEnvironment : public PortEnvironment {
public:
    uint32_t OpenExclusive(const std::string& name) override;
    std::string SystemMessage(uint32_t code, size_t bufferSize) override;
    std::optional<std::vector<SpoolerPort>> EnumerateSpoolerPorts() override;
};

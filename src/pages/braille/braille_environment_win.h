// The Braille check's view of the platform: the two profile files, the driver file and the port
// (Windows only).
#pragma once

#include "pages/braille/braille.h"

class WindowsBrailleEnvironment : public BrailleEnvironment {
public:
    std::string ReadSystemIniValue(const std::string& section, const std::string& key,
                                   uint32_t capacity) override;
    std::string ReadConfigValue(const std::string& section, const std::string& key,
                                uint32_t capacity) override;
    bool CanOpenForReading(const std::string& path) override;
    bool CanOpenPortExclusively(const std::string& name) override;
};

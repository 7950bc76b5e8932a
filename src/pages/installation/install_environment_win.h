// The installation diagnosis's view of the machine, answered by the Win32 file and profile calls.
#pragma once

#include "pages/installation/install_environment.h"

class WindowsInstallEnvironment : public InstallEnvironment {
public:
    // Directories
    std::string QueryWindowsDirectory() override;
    std::string QuerySystemDirectory() override;

    // Files and paths
    bool CanOpenForReading(const std::string& path) override;
    bool PathExists(const std::string& path) override;
    FileMeasure MeasureFile(const std::string& path) override;

    // Configuration file
    std::string ReadProfileValue(const std::string& section, const std::string& key,
                                 uint32_t capacity) override;
    bool WriteDriverNone(const std::string& key) override;
};

// The Braille check of the Braille and speech page: is the ALVA display's driver file in the
// product's DRIVER16 directory, and can the port that SYSTEM.INI names for it be opened?
// Portable; the platform is reached through BrailleEnvironment.
#pragma once

#include <cstdint>
#include <string>

// What the check asks of the platform.
class BrailleEnvironment {
public:
    virtual ~BrailleEnvironment();
    // section/key of SYSTEM.INI; capacity counts the terminator, so a longer value arrives cut to
    // capacity - 1 characters. Empty when absent.
    virtual std::string ReadSystemIniValue(const std::string& section, const std::string& key,
                                           uint32_t capacity) = 0;
    // The same of the product's kvcfg_32.ini.
    virtual std::string ReadConfigValue(const std::string& section, const std::string& key,
                                        uint32_t capacity) = 0;
    // Opens the file for reading, shared, and closes it at once.
    virtual bool CanOpenForReading(const std::string& path) = 0;
    // Opens the port for reading and writing with no sharing, and closes it at once.
    virtual bool CanOpenPortExclusively(const std::string& name) = 0;
};

// The status on a platform that is not of the Windows 95 family.
inline constexpr char kBrailleNoCheckStatus[] = "Windows NT: No need to check for Devices";
// The list's one entry on the Windows 95 family.
inline constexpr char kBrailleDeviceEntry[] = "Alva Braille Device";

// The status from the three facts. The port is only looked at when the driver file opens.
std::string BrailleStatus(const std::string& portName, bool driverOpens, bool portOpens);

// The driver file: the main directory with "\DRIVER16\ABTWIN.DLL" appended as it stands.
std::string BrailleDriverPath(const std::string& mainDirectory);

// Reads the port name (at most 4 characters) and the main directory (at most 49), tries the
// driver file and then the port, and answers the status.
std::string CheckBrailleDriver(BrailleEnvironment& environment);

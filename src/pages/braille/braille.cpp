// The Braille check and its five status texts.
#include "pages/braille/braille.h"

BrailleEnvironment::~BrailleEnvironment() = default;

namespace {

constexpr uint32_t kPortNameCapacity = 5;
constexpr uint32_t kMainDirectoryCapacity = 50;

// A profile value as the check may use it: never longer than its room, whatever the platform gave.
std::string ReadWithin(std::string value, uint32_t capacity) {
    if (value.size() >= capacity)
        value.resize(capacity - 1);
    return value;
}

} // namespace

std::string BrailleStatus(const std::string& portName, bool driverOpens, bool portOpens) {
    if (!driverOpens)
        return "- ALVA Braille Driver Could Not be Found.";
    if (portName.empty())
        return " No ALVA Braille Driver seems to be installed.";
    if (!portOpens)
        return "Braille driver found at port " + portName +
               ".  However, the port specified is not available. Please make sure that Windows is "
               "configured to detect the selected port. If that is not possible, change the printer "
               "port or remove the INI file and re-install Kelvorn.";
    return "Alva Braille driver has been found at Port: " + portName +
           "  as specified in the ABTW section of the System.ini file.";
}

std::string BrailleDriverPath(const std::string& mainDirectory) {
    return mainDirectory + "\\DRIVER16\\ABTWIN.DLL";
}

std::string CheckBrailleDriver(BrailleEnvironment& environment) {
    const std::string port =
        ReadWithin(environment.ReadSystemIniValue("ABTW", "lpt_port", kPortNameCapacity), kPortNameCapacity);
    const std::string mainDirectory =
        ReadWithin(environment.ReadConfigValue("System", "MainDirectory", kMainDirectoryCapacity),
                   kMainDirectoryCapacity);
    const bool driverOpens = environment.CanOpenForReading(BrailleDriverPath(mainDirectory));
    const bool portOpens = driverOpens && !port.empty() && environment.CanOpenPortExclusively(port);
    return BrailleStatus(port, driverOpens, portOpens);
}

// The Braille page's status texts, written down once from what the product must say: the Braille
// check's unit tests and the end-to-end scenarios both check against them.
#pragma once

#include <string>

inline const std::string kBrailleNotFoundStatus = "- ALVA Braille Driver Could Not be Found.";
inline const std::string kBrailleNoPortStatus = " No ALVA Braille Driver seems to be installed.";
// Under Windows NT there is nothing to check.
inline const std::string kBrailleNtStatus = "Windows NT: No need to check for Devices";

inline std::string BraillePortUnavailableStatus(const std::string& port) {
    return "Braille driver found at port " + port +
           ".  However, the port specified is not available. Please make sure that Windows is configured to "
           "detect the selected port. If that is not possible, change the printer port or remove the INI "
           "file and re-install Kelvorn.";
}

inline std::string BrailleFoundStatus(const std::string& port) {
    return "Alva Braille driver has been found at Port: " + port +
           "  as specified in the ABTW section of the System.ini file.";
}

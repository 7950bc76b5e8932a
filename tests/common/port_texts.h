// The ports page's line for a port with no device behind it, written down once from what the
// product must say: the port lines' unit tests, the ports fuzz target and the ports scenarios all
// check against it.
#pragma once

#include <string>

inline std::string ComMissingLine(const std::string& port) {
    return port + ": This Com Port does not Exist or it is not used by Windows.";
}

inline std::string PrinterMissingLine(const std::string& port) {
    return port + ": This Printer Port does not Exist or it is not used by Windows.";
}

// Per-reason solutions, indexed by the reasons' list positions (the list is never sorted).
#include "pages/installation/reason_solutions.h"

std::optional<std::string> ReasonSolution(int position) {
    switch (position) {
    case 0:
    case 1:
    case 2:
    case 5:
        return "Install Kelvorn32";
    case 3:
        return "1. Create the directory if it does not exist and Move all files from your original directory "
               "to this directory.\n2. Edit the kvcfg_32.ini file and change the MainDirectory entry to the "
               "directory where kelvorn is installed. Also change all references to the other directoryto "
               "the directory where kelvorn is installed.";
    case 4:
        return "Edit the kvcfg_32.ini file and change the MainDirectory entry to the directory where "
               "Kelvorn32 is installed. Also change all references to the other directory to the directory "
               "where Kelvorn32 is installed.";
    default:
        return std::nullopt;
    }
}

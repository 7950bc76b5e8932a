// The installation diagnosis: classifies the Kelvorn32 installation into one of the fixed outcomes
// and repairs the one fault it may repair, driver entries that name the KVCNOVOX placeholder.
#pragma once

#include "pages/installation/install_environment.h"

#include <cstdint>
#include <string>
#include <vector>

// Outcome numbers:
//   1 configuration file missing     6 mfc30.dll missing
//   2 main directory missing         7 mfc30.dll corrupt
//   3 directories missing            8 driver entries repaired
//   4 msvcrt20.dll missing           9 sound
//   5 msvcrt20.dll corrupt          10 driver entries found but the repair could not be written
constexpr int kOutcomeRepairFailed = 10;

// The result that the installation page shows and the report writes. Texts that an outcome does
// not set keep these initial values. When reasons are given the page selects the first one.
struct Diagnosis {
    std::string problemText = "None found.";
    std::vector<std::string> reasons; // in list position order
    std::string solutionText = "N/A.";
    std::string notesText = "None.";
    int32_t solutionMode = 0;     // 1: each reason has a solution of its own
    bool widenReasonList = false; // horizontal scrolling range of the reasons list to 800 pixels at 96 dpi
    int outcome = 0;              // see the numbers above
};

// Examines the configuration file, the directories it names and the runtime libraries, in that
// order, and rewrites KVCNOVOX driver entries to "none" only when all of them are sound.
Diagnosis ClassifyInstallation(InstallEnvironment& env);

// The installation page's texts for each diagnosis outcome, written down once from what the
// product must say: the diagnosis's unit tests and the page's end-to-end scenarios both check
// against them.
#pragma once

#include <string>
#include <vector>

struct OutcomeTexts {
    std::string problem;
    std::vector<std::string> reasons;
    std::string solution;
    std::string notes;
};

inline const char kLibraryNotes[] = "If you are running Kelvorn on a Network, please notify";

inline const OutcomeTexts kConfigMissingTexts = {
    "The kelvorn INI file could not be found.",
    {"The previous install has failed at some point.",
     "The installation process has been interrupted at some point.", "Kelvorn32 has NOT been installed."},
    "Install Kelvorn32.",
    "If a Kelvorn32 directory is indeed located in your computer remove it and then install Kelvorn32.",
};

inline const OutcomeTexts kMainDirectoryMissingTexts = {
    "Either the kelvorn directory specified in the KVCFG_32.INI file does not exist or some of the files "
    "in the kelvorn directory do not exist.",
    {"The previous install has failed at some point.",
     "The installation process has been interrupted at some point.", "Kelvorn has NOT been installed.",
     "Kelvorn has been moved to another directory.",
     "Kelvorn is in the original install directory but the directory specified in the INI file does not "
     "exist.",
     "If the directory exists,it is empty or kelvorn has not been properly installed."},
    "Install Kelvorn32.",
    "If a Kelvorn32 directory is indeed located in your computer and you want to reinstall Kelvorn32, "
    "remove the INI file and then install Kelvorn32.",
};

inline const OutcomeTexts kDirectoriesMissingTexts = {
    "Some of the directories specified in the INI file do not exist.",
    {},
    "If you think the problematic directory or directories are not the ones where the actual drivers "
    "should be, you can modify the kvcfg_32.ini file. Otherwise, remove the kelvorn INI file and reinstall "
    "Kelvorn32.",
    "If you are running Kelvorn32 on a Network and the Kelvorn directory is not shared you would run into "
    "errors. Please, make this a shared directory and run Kelvorn32 again.",
};

inline const OutcomeTexts kMsvcrtMissingTexts = {
    "The msvcrt20.dll runtime-library needed to run Kelvorn has not been found.",
    {},
    "Remove the Kelvorn INI file and re-install Kelvorn32.\n",
    kLibraryNotes,
};

inline const OutcomeTexts kMsvcrtCorruptTexts = {
    "The msvcrt20.dll runtime-library needed to run Kelvorn is corrupt",
    {},
    "Remove the Kelvorn INI file as well as the corrupted file and re-install Kelvorn32.",
    kLibraryNotes,
};

inline const OutcomeTexts kMfcMissingTexts = {
    "- The mfc30.dll runtime-library needed to run Kelvorn has\n"
    "  not been found. Please, remove the Kelvorn INI file and \n"
    "  re-install Kelvorn.\n",
    {},
    "Remove the Kelvorn INI file and re-install Kelvorn32.\n",
    kLibraryNotes,
};

inline const OutcomeTexts kMfcCorruptTexts = {
    "- The mfc30.dll runtime-library needed to run Kelvorn is\n"
    "  corrupt. Please, remove the Kelvorn INI file as well as the \n"
    "  corrupted file and re-install Kelvorn.\n",
    {},
    "Remove the Kelvorn INI file as well as the corrupted file and re-install Kelvorn32.",
    kLibraryNotes,
};

inline const OutcomeTexts kRepairedTexts = {
    "An error has been found in the INI file.\n",
    {},
    "Error(s) has been fixed by Vittrel Kelvorn32.\n",
    "None.",
};

inline const OutcomeTexts kSoundTexts = {"None found.", {}, "N/A.", "None."};

inline const OutcomeTexts kRepairFailedTexts = {
    "An error has been found in the INI file. It could not be fixed.\n",
    {},
    "Error(s) could not be fixed by Vittrel Kelvorn32. Edit the kvcfg_32.ini file and set the Braille16, "
    "Braille32 and Speech32 entries that begin with KVCNOVOX to none.\n",
    "None.",
};

// The outcomes by number, as the diagnosis numbers them, and the texts of each (none for 0).
inline constexpr int kConfigMissing = 1, kMainMissing = 2, kDirectoriesMissing = 3, kMsvcrtMissing = 4,
                     kMsvcrtCorrupt = 5, kMfcMissing = 6, kMfcCorrupt = 7, kRepaired = 8, kSound = 9,
                     kRepairFailed = 10;
// clang-format off
inline const OutcomeTexts* const kOutcomeTexts[] = {
    nullptr, &kConfigMissingTexts, &kMainDirectoryMissingTexts, &kDirectoriesMissingTexts, &kMsvcrtMissingTexts,
    &kMsvcrtCorruptTexts, &kMfcMissingTexts, &kMfcCorruptTexts, &kRepairedTexts, &kSoundTexts, &kRepairFailedTexts};
// clang-format on

// The per-reason solutions of the main-directory outcome.
inline const char kInstallSolution[] = "Install Kelvorn32";
inline const char kMovedSolution[] =
    "1. Create the directory if it does not exist and Move all files from your original directory to this "
    "directory.\n2. Edit the kvcfg_32.ini file and change the MainDirectory entry to the directory where "
    "kelvorn is installed. Also change all references to the other directoryto the directory where kelvorn "
    "is installed.";
inline const char kEditSolution[] =
    "Edit the kvcfg_32.ini file and change the MainDirectory entry to the directory where Kelvorn32 is "
    "installed. Also change all references to the other directory to the directory where Kelvorn32 is "
    "installed.";

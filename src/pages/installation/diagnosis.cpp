// The installation diagnosis: a fixed sequence of tests on the configuration file, the paths it
// names and two runtime libraries, ending in one of the outcome texts below.
#include "pages/installation/diagnosis.h"

// Each configuration value is read with the capacity the product itself gives it.
static constexpr uint32_t kPathCapacity = 50;
static constexpr uint32_t kDriverCapacity = 20;

// A runtime library shorter than this is a damaged copy.
static constexpr uint32_t kMinimumLibraryBytes = 200000;

// A driver entry that begins with this placeholder is an error in the configuration file; the
// repair sets such an entry to "none".
static constexpr char kPlaceholderDriver[] = "KVCNOVOX";
static constexpr size_t kPlaceholderLength = sizeof(kPlaceholderDriver) - 1;

// Which runtime library failed, and how. A later library's code replaces an earlier one's.
enum LibraryCode { kLibraryNone, kMsvcrtMissing, kMsvcrtCorrupt, kMfcMissing, kMfcCorrupt };

enum LibraryState { kLibrarySound, kLibraryMissing, kLibraryCorrupt };

static const char kLibraryNotes[] = "If you are running Kelvorn on a Network, please notify";

// The remedies of the library outcomes, shared by the msvcrt20.dll and mfc30.dll cases.
static const char kReinstallRemedy[] = "Remove the Kelvorn INI file and re-install Kelvorn32.\n";
static const char kReplaceCorruptRemedy[] =
    "Remove the Kelvorn INI file as well as the corrupted file and re-install Kelvorn32.";

// A configuration value as the diagnosis uses it: never longer than its capacity allows, whatever
// the environment answered.
static std::string ReadConfigValue(InstallEnvironment& env, const char* section, const char* key,
                                   uint32_t capacity) {
    std::string value = env.ReadProfileValue(section, key, capacity);
    if (value.size() >= capacity) {
        value.resize(capacity - 1);
    }
    return value;
}

static bool ConfigPathExists(InstallEnvironment& env, const char* section, const char* key) {
    return env.PathExists(ReadConfigValue(env, section, key, kPathCapacity));
}

static LibraryState TestLibrary(InstallEnvironment& env, const std::string& name) {
    FileMeasure file = env.MeasureFile(env.QueryWindowsDirectory() + "\\system\\" + name);
    if (!file.opened) {
        // Windows NT keeps its runtime libraries in system32, which "system" is not.
        std::string systemDirectory = env.QuerySystemDirectory();
        if (!systemDirectory.empty()) {
            file = env.MeasureFile(systemDirectory + "\\" + name);
        }
    }
    if (!file.opened) {
        return kLibraryMissing;
    }
    // A size that can't be taken proves nothing about the copy, so it is not trusted as sound.
    if (!file.sized || file.sizeBytes < kMinimumLibraryBytes) {
        return kLibraryCorrupt;
    }
    return kLibrarySound;
}

static bool NamesPlaceholderDriver(const std::string& value) {
    return value.compare(0, kPlaceholderLength, kPlaceholderDriver) == 0;
}

static void SetConfigFileMissing(Diagnosis& result) {
    result.outcome = 1;
    result.problemText = "The kelvorn INI file could not be found.";
    result.reasons = {
        "The previous install has failed at some point.",
        "The installation process has been interrupted at some point.",
        "Kelvorn32 has NOT been installed.",
    };
    result.solutionText = "Install Kelvorn32.";
    result.notesText = "If a Kelvorn32 directory is indeed located in your computer remove it and then "
                       "install Kelvorn32.";
    result.solutionMode = 0;
}

static void SetMainDirectoryMissing(Diagnosis& result) {
    result.outcome = 2;
    result.problemText = "Either the kelvorn directory specified in the KVCFG_32.INI file does not exist or "
                         "some of the files in the kelvorn directory do not exist.";
    result.reasons = {
        "The previous install has failed at some point.",
        "The installation process has been interrupted at some point.",
        "Kelvorn has NOT been installed.",
        "Kelvorn has been moved to another directory.",
        "Kelvorn is in the original install directory but the directory specified in the INI file does "
        "not exist.",
        "If the directory exists,it is empty or kelvorn has not been properly installed.",
    };
    result.widenReasonList = true;
    result.solutionText = "Install Kelvorn32.";
    result.notesText = "If a Kelvorn32 directory is indeed located in your computer and you want to "
                       "reinstall Kelvorn32, remove the INI file and then install Kelvorn32.";
    result.solutionMode = 1;
}

static void SetFailedTestOutcome(Diagnosis& result, LibraryCode code) {
    switch (code) {
    case kLibraryNone:
        result.outcome = 3;
        result.problemText = "Some of the directories specified in the INI file do not exist.";
        result.solutionText = "If you think the problematic directory or directories are not the ones where "
                              "the actual drivers should be, you can modify the kvcfg_32.ini file. "
                              "Otherwise, remove the kelvorn INI file and reinstall Kelvorn32.";
        result.notesText = "If you are running Kelvorn32 on a Network and the Kelvorn directory is not "
                           "shared you would run into errors. Please, make this a shared directory and run "
                           "Kelvorn32 again.";
        return;
    case kMsvcrtMissing:
        result.outcome = 4;
        result.problemText = "The msvcrt20.dll runtime-library needed to run Kelvorn has not been found.";
        result.solutionText = kReinstallRemedy;
        result.notesText = kLibraryNotes;
        return;
    case kMsvcrtCorrupt:
        result.outcome = 5;
        result.problemText = "The msvcrt20.dll runtime-library needed to run Kelvorn is corrupt";
        result.solutionText = kReplaceCorruptRemedy;
        result.notesText = kLibraryNotes;
        return;
    case kMfcMissing:
        // The message names the remedy too; the solution repeats it in the msvcrt20.dll wording.
        result.outcome = 6;
        result.problemText = std::string("- The mfc30.dll runtime-library needed to run Kelvorn has\n") +
                             "  not been found. Please, remove the Kelvorn INI file and \n" +
                             "  re-install Kelvorn.\n";
        result.solutionText = kReinstallRemedy;
        result.notesText = kLibraryNotes;
        return;
    case kMfcCorrupt:
        result.outcome = 7;
        result.problemText = std::string("- The mfc30.dll runtime-library needed to run Kelvorn is\n") +
                             "  corrupt. Please, remove the Kelvorn INI file as well as the \n" +
                             "  corrupted file and re-install Kelvorn.\n";
        result.solutionText = kReplaceCorruptRemedy;
        result.notesText = kLibraryNotes;
        return;
    }
}

Diagnosis ClassifyInstallation(InstallEnvironment& env) {
    Diagnosis result;
    result.solutionMode = 0;

    // Locked or unreadable counts as missing: the product could not read it either.
    if (!env.CanOpenForReading(env.QueryWindowsDirectory() + "\\" + kConfigFileName)) {
        SetConfigFileMissing(result);
        return result;
    }
    if (!ConfigPathExists(env, "System", "MainDirectory")) {
        SetMainDirectoryMissing(result);
        return result;
    }

    // Every test runs, so that the library code reflects both libraries whatever the paths gave.
    bool failed = false;
    failed |= !ConfigPathExists(env, "System", "Driver16Directory");
    failed |= !ConfigPathExists(env, "System", "Driver32Directory");
    failed |= !ConfigPathExists(env, "Drivers", "Multimedia");

    LibraryCode code = kLibraryNone;
    switch (TestLibrary(env, "msvcrt20.dll")) {
    case kLibrarySound:
        break;
    case kLibraryMissing:
        code = kMsvcrtMissing;
        failed = true;
        break;
    case kLibraryCorrupt:
        code = kMsvcrtCorrupt;
        failed = true;
        break;
    }
    switch (TestLibrary(env, "mfc30.dll")) {
    case kLibrarySound:
        break;
    case kLibraryMissing:
        code = kMfcMissing;
        failed = true;
        break;
    case kLibraryCorrupt:
        code = kMfcCorrupt;
        failed = true;
        break;
    }
    if (failed) {
        SetFailedTestOutcome(result, code);
        return result;
    }

    // Only a sound installation is repaired: otherwise the user is sent to reinstall anyway.
    bool repaired = false;
    bool writeFailed = false;
    for (const char* key : {"Braille16", "Braille32", "Speech32"}) {
        if (NamesPlaceholderDriver(ReadConfigValue(env, "Drivers", key, kDriverCapacity))) {
            repaired = true;
            writeFailed |= !env.WriteDriverNone(key);
        }
    }
    if (repaired && writeFailed) {
        result.outcome = kOutcomeRepairFailed;
        result.problemText = "An error has been found in the INI file. It could not be fixed.\n";
        result.solutionText = "Error(s) could not be fixed by Vittrel Kelvorn32. Edit the kvcfg_32.ini file "
                              "and set the Braille16, Braille32 and Speech32 entries that begin with "
                              "KVCNOVOX to none.\n";
    } else if (repaired) {
        result.outcome = 8;
        result.problemText = "An error has been found in the INI file.\n";
        result.solutionText = "Error(s) has been fixed by Vittrel Kelvorn32.\n";
    } else {
        result.outcome = 9;
    }
    return result;
}

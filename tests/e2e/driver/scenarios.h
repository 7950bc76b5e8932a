// Scenario registry of the end-to-end driver.
#pragma once

#include <string>
#include <vector>

struct Scenario {
    const char* name;
    void (*run)();
};

// Each file of scenarios adds its own.
void AddShellScenarios(std::vector<Scenario>& scenarios);
void AddInstallScenarios(std::vector<Scenario>& scenarios);
void AddSystemInfoScenarios(std::vector<Scenario>& scenarios);
void AddPortScenarios(std::vector<Scenario>& scenarios);
void AddDeviceScenarios(std::vector<Scenario>& scenarios);
void AddReportScenarios(std::vector<Scenario>& scenarios);
void AddHardeningScenarios(std::vector<Scenario>& scenarios);
void AddKeyboardScenarios(std::vector<Scenario>& scenarios);

// Sets the Windows version that Wine reports to programs started from now on ("win95", "nt40",
// "win31", ...).
void SetWindowsVersion(const std::string& version);
// A value of Wine's own settings in the current user's registry, for programs started from now on.
bool SetWineValue(const char* key, const char* name, const std::string& value);
// Programs started from now on have their calls of `functions` ("WriteFile;CloseHandle") traced by
// Wine, each line with the caller's process id, into TracePath(); or, with `traced` false, nothing.
// For calls whose effect no test can read afterwards, such as a flush.
void TraceCalls(const std::string& functions, bool traced = true);
// What Wine writes to its error output in this scenario (run_scenario.sh keeps it there).
std::string TracePath();
// Where a scenario leaves pictures for people to look at (the driver's second argument, or ".").
std::string OutputDirectory();

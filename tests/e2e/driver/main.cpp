// vittrel-driver: runs one end-to-end scenario against vittrel.exe, which lies beside it.
//   vittrel-driver.exe <scenario> [output directory]
// Prints one line per check and exits non-zero when any check failed.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "harness.h"
#include "scenarios.h"

namespace {
std::string g_outputDirectory = ".";
}

std::string OutputDirectory() {
    return g_outputDirectory;
}

void SetWindowsVersion(const std::string& version) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        Check(false, "the Windows version can be set");
        return;
    }
    const LONG written =
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                       static_cast<DWORD>(version.size() + 1));
    RegCloseKey(key);
    Check(written == ERROR_SUCCESS, "Wine reports Windows version " + version);
}

int main(int argc, char** argv) {
    std::vector<Scenario> scenarios;
    AddShellScenarios(scenarios);
    AddInstallScenarios(scenarios);
    AddSystemInfoScenarios(scenarios);
    AddPortScenarios(scenarios);
    AddDeviceScenarios(scenarios);
    AddReportScenarios(scenarios);
    AddHardeningScenarios(scenarios);
    AddKeyboardScenarios(scenarios);
    if (argc < 2) {
        for (const Scenario& scenario : scenarios)
            std::printf("%s\n", scenario.name);
        return 2;
    }
    if (argc > 2)
        g_outputDirectory = argv[2];
    for (const Scenario& scenario : scenarios) {
        if (std::strcmp(scenario.name, argv[1]) == 0) {
            scenario.run();
            std::printf("%s: %d check(s) failed\n", scenario.name, FailureCount());
            return FailureCount() == 0 ? 0 : 1;
        }
    }
    std::printf("no scenario named %s\n", argv[1]);
    return 2;
}

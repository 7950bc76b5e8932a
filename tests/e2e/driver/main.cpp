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
} // namespace

bool SetWineValue(const char* key, const char* name, const std::string& value) {
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG written = RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                        static_cast<DWORD>(value.size() + 1));
    RegCloseKey(opened);
    return written == ERROR_SUCCESS;
}

std::string OutputDirectory() {
    return g_outputDirectory;
}

void SetWindowsVersion(const std::string& version) {
    Check(SetWineValue("Software\\Wine", "Version", version), "Wine reports Windows version " + version);
}

void TraceCalls(const std::string& functions, bool traced) {
    Check(SetWineValue("Software\\Wine\\Debug", "RelayInclude", functions) &&
              SetEnvironmentVariableA("WINEDEBUG", traced ? "+pid,+relay" : "-all"),
          std::string(traced ? "" : "no longer ") + "tracing " + functions);
}

std::string TracePath() {
    return g_outputDirectory + "\\wine-stderr.log";
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

// GetVersionExA, filled into the portable record.
#include "system/os_version_win.h"

#include <windows.h>

OsVersion QueryOsVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    static_assert(sizeof(OSVERSIONINFOA) == 148);
    OsVersion version;
    version.queried = GetVersionExA(&info) != FALSE;
    if (version.queried) {
        version.majorVersion = info.dwMajorVersion;
        version.minorVersion = info.dwMinorVersion;
        version.buildNumber = info.dwBuildNumber;
        version.platformId = info.dwPlatformId;
    }
    return version;
}

// The Win32s gate of the sheet's initialisation.
#include "sheet/version_gate.h"

bool RefusesToRun(const OsVersion& version) {
    return version.queried && version.platformId == kPlatformWin32s;
}

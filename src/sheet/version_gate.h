// The sheet refuses to run under Win32s (Windows 3.1x).
#pragma once

#include "system/os_version.h"

// True only for a platform identifier of 0 that the version query really returned: a query that
// failed says nothing about the platform and must not read as Win32s.
bool RefusesToRun(const OsVersion& version);

// Reads the platform's version record (Windows only).
#pragma once

#include "system/os_version.h"

// GetVersionExA on a record whose size field is 148 (OSVERSIONINFOA).
OsVersion QueryOsVersion();

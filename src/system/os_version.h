// The fields of the platform's version record that the program reads, and whether the query
// answered at all. Shared by the sheet's Win32s gate and the pages that name the platform.
#pragma once

#include <cstdint>

// dwPlatformId values of OSVERSIONINFOA.
constexpr uint32_t kPlatformWin32s = 0;
constexpr uint32_t kPlatformWin32Windows = 1; // the Windows 95 family
constexpr uint32_t kPlatformWin32Nt = 2;

struct OsVersion {
    bool queried = false; // false when GetVersionExA failed: the fields below mean nothing then
    uint32_t majorVersion = 0;
    uint32_t minorVersion = 0;
    uint32_t buildNumber = 0;
    uint32_t platformId = 0;
};

// A version query that fails counts as neither family.
inline bool IsWindows95Family(const OsVersion& version) {
    return version.queried && version.platformId == kPlatformWin32Windows;
}
inline bool IsWindowsNtFamily(const OsVersion& version) {
    return version.queried && version.platformId == kPlatformWin32Nt;
}

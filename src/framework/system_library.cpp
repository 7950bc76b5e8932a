// Loads the delay-loaded libraries from the system folder, and keeps the program's folder and the
// current folder out of the library search.
#include "framework/system_library.h"

#include <delayimp.h>

#include "framework/kernel_function.h"

namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
using SetDllDirectoryFunction = BOOL(WINAPI*)(LPCSTR);

// The delay-load helper asks here before it loads a library itself. The library comes from the
// system folder or not at all: LoadSystemLibrary has already answered it by then (see its
// description), so the answer here is the module it loaded.
FARPROC WINAPI LoadDelayedLibrary(unsigned notification, PDelayLoadInfo info) noexcept {
    if (notification != dliNotePreLoadLibrary)
        return nullptr;
    return reinterpret_cast<FARPROC>(LoadSystemLibrary(info->szDll));
}

} // namespace

// Read by the delay-load helper (MinGW-w64's runtime) on its first call into each library.
extern "C" {
PfnDliHook __pfnDliNotifyHook2 = LoadDelayedLibrary;
}

void RestrictLibrarySearch() {
    // Windows 8 on, and Windows 7 and Vista with their loader update: every search is the system
    // folder alone.
    if (auto setDefault = FindKernelFunction<SetDefaultDllDirectoriesFunction>("SetDefaultDllDirectories")) {
        if (setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
            return;
    }
    // Windows XP SP1 on: the current folder leaves the search.
    if (auto setDirectory = FindKernelFunction<SetDllDirectoryFunction>("SetDllDirectoryA"))
        setDirectory("");
}

std::string SystemLibraryPath(const char* name) {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    std::string path(folder, length);
    if (path.back() != '\\')
        path += '\\';
    return path + name;
}

HMODULE LoadSystemLibrary(const char* name, DWORD* error) {
    const std::string path = SystemLibraryPath(name);
    HMODULE module = path.empty() ? nullptr : LoadLibraryA(path.c_str());
    if (module == nullptr && error != nullptr) {
        const DWORD reason = GetLastError();
        *error = reason != ERROR_SUCCESS ? reason : ERROR_MOD_NOT_FOUND;
    }
    return module;
}

// The platform's memory status and system record, filled into the portable figures.
#include "probes/system_info_win.h"

#include <windows.h>

using GlobalMemoryStatusExFunction = BOOL(WINAPI*)(LPMEMORYSTATUSEX);

// Windows 95 has no GlobalMemoryStatusEx, so it is looked up rather than imported: an import
// would stop the program from loading there.
static GlobalMemoryStatusExFunction FindGlobalMemoryStatusEx() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr) {
        return nullptr;
    }
    FARPROC procedure = GetProcAddress(kernel, "GlobalMemoryStatusEx");
    // Through the generic function pointer type, which converts to any other without a warning.
    return reinterpret_cast<GlobalMemoryStatusExFunction>(reinterpret_cast<void (*)()>(procedure));
}

MemoryFigures ReadMemoryFigures() {
    MemoryFigures figures;
    if (GlobalMemoryStatusExFunction statusEx = FindGlobalMemoryStatusEx()) {
        MEMORYSTATUSEX status{};
        status.dwLength = sizeof(status);
        if (statusEx(&status)) {
            figures.memoryLoad = status.dwMemoryLoad;
            figures.totalPhys = status.ullTotalPhys;
            figures.availPhys = status.ullAvailPhys;
            figures.availPageFile = status.ullAvailPageFile;
            return figures;
        }
    }
    MEMORYSTATUS status{};
    static_assert(sizeof(MEMORYSTATUS) == 32);
    status.dwLength = sizeof(status);
    GlobalMemoryStatus(&status);
    figures.memoryLoad = status.dwMemoryLoad;
    figures.totalPhys = status.dwTotalPhys;
    figures.availPhys = status.dwAvailPhys;
    figures.availPageFile = status.dwAvailPageFile;
    return figures;
}

ProcessorFigures ReadProcessorFigures() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    ProcessorFigures figures;
    figures.architecture = info.wProcessorArchitecture;
    figures.numberOfProcessors = info.dwNumberOfProcessors;
    figures.processorType = info.dwProcessorType;
    figures.level = info.wProcessorLevel;
    figures.revision = info.wProcessorRevision;
    return figures;
}

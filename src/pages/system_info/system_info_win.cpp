// The platform's memory status and system record, filled into the portable figures.
#include "pages/system_info/system_info_win.h"

#include <windows.h>

#include "system/kernel_function.h"

MemoryFigures ReadMemoryFigures() {
    MemoryFigures figures;
    // Windows 95 has no GlobalMemoryStatusEx.
    if (auto statusEx = VITTREL_KERNEL32_FUNCTION(GlobalMemoryStatusEx)) {
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

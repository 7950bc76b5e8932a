// Reads the memory status and the processor record for the system information page (Windows only).
#pragma once

#include "pages/system_info/system_info.h"

// GlobalMemoryStatusEx where kernel32 has it, so that memory above 2 GB reads right;
// GlobalMemoryStatus on Windows 95, which lacks it.
MemoryFigures ReadMemoryFigures();

// GetSystemInfo.
ProcessorFigures ReadProcessorFigures();

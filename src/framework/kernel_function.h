// Finds a kernel32 function that not every Windows has. Such a function is looked up rather than
// imported: one missing import stops the whole program from loading on an older Windows.
#pragma once

#include <windows.h>

// The function named, or nullptr where this kernel32 has none.
template <typename Function> Function FindKernelFunction(const char* name) {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr) {
        return nullptr;
    }
    // Through the generic function pointer type, which converts to any other without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(kernel, name)));
}

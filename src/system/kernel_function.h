// Finds a function that not every Windows has, or one in a library loaded at run time. A function
// that not every Windows has is looked up rather than imported: one missing import stops the whole
// program from loading on an older Windows.
#pragma once

#include <windows.h>

// The function named in `module`, or nullptr where it has none.
template <typename Function> Function FindModuleFunction(HMODULE module, const char* name) {
    if (module == nullptr) {
        return nullptr;
    }
    // Through the generic function pointer type, which converts to any other without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The function named in kernel32 (loaded in every process), or nullptr where this kernel32 has none.
template <typename Function> Function FindKernelFunction(const char* name) {
    return FindModuleFunction<Function>(GetModuleHandleA("kernel32.dll"), name);
}

// The same in user32, which this program always imports.
template <typename Function> Function FindUser32Function(const char* name) {
    return FindModuleFunction<Function>(GetModuleHandleA("user32.dll"), name);
}

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

// The function `name` of kernel32 (loaded in every process) or of user32 (which this program always
// imports), or nullptr where that library has none. Each is named once and typed by the SDK's own
// declaration, so that its calling convention is the system's in either build: a type written by
// hand without WINAPI would compile in both and unbalance the stack of the 32-bit one only.
#define VITTREL_KERNEL32_FUNCTION(name) \
    FindModuleFunction<decltype(&::name)>(GetModuleHandleA("kernel32.dll"), #name)
#define VITTREL_USER32_FUNCTION(name) FindModuleFunction<decltype(&::name)>(GetModuleHandleA("user32.dll"), #name)

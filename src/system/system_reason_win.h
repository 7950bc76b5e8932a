// The system's own text for an error code (Windows only).
#pragma once

#include <windows.h>

#include <string>

// FormatMessageA's text for `error` as the system gives it, line break and all; empty where the
// system has none.
std::string SystemMessage(DWORD error);

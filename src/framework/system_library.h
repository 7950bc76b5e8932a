// Libraries from the system folder only. comctl32, winmm and winspool are not known DLLs, so
// Windows would look for them beside the program first: the program delay-loads them instead, and a
// delay-load hook loads each one from the system folder by its full path. A library of the same
// name planted beside the program or in the current folder is never loaded.
#pragma once

#include <windows.h>

#include <string>

// Takes the program's folder and the current folder out of this process's library search, for the
// libraries that the system libraries load in turn. Called first thing at start-up. Windows 95
// has neither of the calls it makes, and keeps its search as it is.
void RestrictLibrarySearch();

// The system folder followed by `name`; empty when the folder cannot be had.
std::string SystemLibraryPath(const char* name);

// Loads `name` (such as "winmm.dll") from the system folder by its full path. nullptr when it
// cannot be loaded, with the system's reason in `error`. A loaded library stays for the rest of the
// run. Every first call into a delay-loaded library comes after this answered a module, so that
// the delay-load helper never falls back to a search by name.
HMODULE LoadSystemLibrary(const char* name, DWORD* error = nullptr);

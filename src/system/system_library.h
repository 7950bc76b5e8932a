// Libraries from the system folder only. comctl32, winmm, winspool, ole32 and oleacc are not known
// DLLs, so Windows would look for them beside the program first: the program imports none of them.
// It loads each from the system folder by its full path when first needed and looks up the
// functions it calls there once, into one table per library. A library of the same name planted
// beside the program or in the current folder is never loaded.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>
#include <objbase.h>
#include <winspool.h>

#include <string>

// Takes the program's folder and the current folder out of this process's library search, for the
// libraries that the system libraries load in turn. Called first thing at start-up. Windows 95
// has neither of the calls it makes, and keeps its search as it is.
void RestrictLibrarySearch();

// The system folder followed by `name`; empty when the folder cannot be had.
std::string SystemLibraryPath(const char* name);

// Loads `name` (such as "winmm.dll") from the system folder by its full path. nullptr when it
// cannot be loaded, with the system's reason in `error`. A loaded library stays for the rest of the
// run.
HMODULE LoadSystemLibrary(const char* name, DWORD* error = nullptr);

// One list per library of the functions that the program calls there, each named once: the list
// makes both the table's members (typed as the SDK declares the function) and their look-ups.
// comctl32: the property sheet and its common control classes.
#define VITTREL_COMCTL32_FUNCTIONS(X) X(InitCommonControls) X(PropertySheetA)
// winmm: the calls of the wave and auxiliary pages.
#define VITTREL_WINMM_FUNCTIONS(X) \
    X(waveOutGetNumDevs) X(waveOutGetDevCapsA) X(auxGetNumDevs) X(auxGetDevCapsA) X(auxGetVolume)
// winspool: the spooler's port list.
#define VITTREL_WINSPOOL_FUNCTIONS(X) X(EnumPortsA)
// ole32: the accessibility services that screen readers read, which oleacc serves.
#define VITTREL_OLE32_FUNCTIONS(X) X(CoInitialize) X(CoCreateInstance)

#define VITTREL_TABLE_MEMBER(name) decltype(&::name) name = nullptr;
struct CommonControlsFunctions {
    VITTREL_COMCTL32_FUNCTIONS(VITTREL_TABLE_MEMBER)
};
struct WinmmFunctions {
    VITTREL_WINMM_FUNCTIONS(VITTREL_TABLE_MEMBER)
};
struct WinspoolFunctions {
    VITTREL_WINSPOOL_FUNCTIONS(VITTREL_TABLE_MEMBER)
};
struct Ole32Functions {
    VITTREL_OLE32_FUNCTIONS(VITTREL_TABLE_MEMBER)
};
#undef VITTREL_TABLE_MEMBER

// Each table is made on its first use and kept for the run: nullptr when the library, or any
// function of it, is missing. A missing function counts as a missing library, with the reason
// ERROR_PROC_NOT_FOUND in `error`.
const CommonControlsFunctions* CommonControls(DWORD* error = nullptr);
const WinmmFunctions* Winmm();
const WinspoolFunctions* Winspool();
// Also loads oleacc, the library that COM loads for the accessibility services, from the system
// folder first: COM then finds it loaded instead of looking for it by name. nullptr unless both
// are there.
const Ole32Functions* Ole32();

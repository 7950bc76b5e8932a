// Dynamic annotation: what screen readers read of the program's windows, given by the program
// itself through oleacc's annotation services (Windows 2000 with Active Accessibility 2.0, and later).
#pragma once

#include <windows.h>

#include <oleacc.h>

// The annotation services, made on first use and kept for the run (the program ends with its
// sheet); nullptr where ole32, oleacc or the services are missing (Windows 95, 98, NT 4.0 without
// them), and then nothing is annotated.
IAccPropServices* AnnotationServices();

// Screen readers read `name` for `control` in place of its text, which stays as it is on screen.
// Where the services are missing or refuse, nothing changes.
void AnnotateName(HWND control, const char* name);

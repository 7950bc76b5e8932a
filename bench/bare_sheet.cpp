// The benchmark's baseline: a plain comctl32 property sheet of six pages of the program's sizes,
// shown modally with PropertySheetA, nothing gathered. It ends when the sheet closes.
// Two variants tell where the program's extra time goes:
//   BARE_SHEET_PROGRAM_TEMPLATES: the program's own page templates (all their controls) instead
//   of empty ones;
//   BARE_SHEET_PROGRAM_IMPORTS: also imports winmm and winspool, so that they load at start-up
//   (the program loads them when their pages are first shown); it never calls them.
#include <windows.h>

#include <commctrl.h>

#ifdef BARE_SHEET_PROGRAM_IMPORTS
#include <mmsystem.h>
#include <winspool.h>
#endif

#ifdef BARE_SHEET_PROGRAM_TEMPLATES
#include "resource.h"
#endif

namespace {

#ifdef BARE_SHEET_PROGRAM_TEMPLATES
constexpr int kTemplates[] = {IDD_INSTALLATION_PAGE, IDD_SYSTEM_INFO_PAGE, IDD_WAVE_DEVICES_PAGE,
                              IDD_AUX_DEVICES_PAGE,  IDD_PORTS_PAGE,       IDD_BRAILLE_SPEECH_PAGE};
#else
constexpr int kTemplates[] = {101, 102, 103, 104, 105, 106}; // bare_sheet.rc
#endif
constexpr int kPageCount = sizeof(kTemplates) / sizeof(kTemplates[0]);

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM) noexcept {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

#ifdef BARE_SHEET_PROGRAM_IMPORTS
// Referenced, never called: the loader maps the DLLs and whatever they import.
const void* volatile g_imports[] = {reinterpret_cast<const void*>(&waveOutGetNumDevs),
                                    reinterpret_cast<const void*>(&EnumPortsA)};
#endif

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef BARE_SHEET_PROGRAM_IMPORTS
    if (!g_imports[0] || !g_imports[1])
        return 1;
#endif
    InitCommonControls();
    // comctl32 steps through the page records by their dwSize, so it is the full record's size.
    PROPSHEETPAGEA pages[kPageCount]{};
    for (int i = 0; i < kPageCount; ++i) {
        pages[i].dwSize = sizeof(PROPSHEETPAGEA);
        pages[i].hInstance = instance;
        pages[i].pszTemplate = MAKEINTRESOURCEA(kTemplates[i]);
        pages[i].pfnDlgProc = PageProc;
    }
    PROPSHEETHEADERA header{};
    header.dwSize = PROPSHEETHEADERA_V1_SIZE;
    header.dwFlags = PSH_PROPSHEETPAGE;
    header.hInstance = instance;
    header.pszCaption = "Bare sheet";
    header.nPages = kPageCount;
    header.ppsp = pages;
    return PropertySheetA(&header) == -1 ? 1 : 0;
}

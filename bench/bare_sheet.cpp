// The benchmark's baseline: a plain comctl32 property sheet of the program's pages, of their sizes,
// shown modally with PropertySheetA, nothing gathered. It ends when the sheet closes.
// Two variants tell where the program's extra time goes:
//   BARE_SHEET_PROGRAM_TEMPLATES: the program's own page templates (all their controls) instead
//   of empty ones;
//   BARE_SHEET_PROGRAM_IMPORTS: also imports winmm and winspool, so that they load at start-up
//   (the program loads them when their pages are first shown); it never calls them.
#include <windows.h>

#include <commctrl.h>

#include <vector>

#ifdef BARE_SHEET_PROGRAM_IMPORTS
#include <mmsystem.h>
#include <winspool.h>
#endif

#include "sheet_pages.h"

namespace {

// A page's template: the program's own, or the empty one of its size, 101 on in bare_sheet.rc.
int PageTemplate(int page) {
#ifdef BARE_SHEET_PROGRAM_TEMPLATES
    return kSheetPages[static_cast<size_t>(page)].templateId;
#else
    return 101 + page;
#endif
}

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
    std::vector<PROPSHEETPAGEA> pages(kSheetPages.size());
    for (int i = 0; i < kSheetPageCount; ++i) {
        pages[i].dwSize = sizeof(PROPSHEETPAGEA);
        pages[i].hInstance = instance;
        pages[i].pszTemplate = MAKEINTRESOURCEA(PageTemplate(i));
        pages[i].pfnDlgProc = PageProc;
    }
    PROPSHEETHEADERA header{};
    header.dwSize = PROPSHEETHEADERA_V1_SIZE;
    header.dwFlags = PSH_PROPSHEETPAGE;
    header.hInstance = instance;
    header.pszCaption = "Bare sheet";
    header.nPages = static_cast<UINT>(kSheetPageCount);
    header.ppsp = pages.data();
    return PropertySheetA(&header) == -1 ? 1 : 0;
}

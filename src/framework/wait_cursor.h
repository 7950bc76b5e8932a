// CWaitCursor: shows the hourglass while a page gathers, the arrow again afterwards.
#pragma once

#include <windows.h>

class CWaitCursor {
public:
    CWaitCursor() { SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT))); }
    ~CWaitCursor() { SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW))); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// Live regions: texts that change away from the focus, such as a result that the user's choice in a
// list brings up. A screen reader speaks such a text when the program says that it changed.
#pragma once

#include <windows.h>

// Tells screen readers that the text of `control` has changed, after marking the control a polite
// live region: one that is spoken once the screen reader has finished what it is saying (Narrator
// and NVDA, Windows 8 and later). Where Windows or its accessibility services lack any of it,
// nothing happens.
void AnnounceLiveRegionChange(HWND control);

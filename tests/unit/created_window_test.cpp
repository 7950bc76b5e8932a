// The creation hook's choice: only a top-level window of the dialog class is the sheet.
#include <gtest/gtest.h>

#include "framework/created_window.h"

namespace {

constexpr uint32_t kPopupDialog = 0x80000000 | 0x00C00000 | 0x00080000; // WS_POPUP | WS_CAPTION | WS_SYSMENU
constexpr uint32_t kOverlappedWindow = 0x00CF0000;                      // WS_OVERLAPPEDWINDOW
constexpr uint32_t kPage = kWindowStyleChild | 0x0400;                  // WS_CHILD | DS_CONTROL
constexpr uint32_t kDialogClassStyle = 0x0008 | 0x0800;                 // CS_DBLCLKS | CS_SAVEBITS

TEST(IsTopLevelDialog, TakesOnlyTheTopLevelDialogWindow) {
    struct {
        const char* what;
        CreatedWindow window;
        bool taken;
    } cases[] = {
        {"the sheet", {"#32770", kDialogClassAtom, kPopupDialog, kDialogClassStyle}, true},
        {"an overlapped dialog", {"#32770", kDialogClassAtom, 0, kDialogClassStyle}, true},
        {"a page (child dialog)", {"#32770", kDialogClassAtom, kPage, kDialogClassStyle}, false},
        {"the default input-method window", {"IME", 0xC01A, 0x88000000, 0}, false},
        {"an input method's class style",
         {"#32770", kDialogClassAtom, kPopupDialog, kClassStyleInputMethod},
         false},
        {"an input method's window of its own class",
         {"MSCTFIME UI", 0xC02C, 0x88000000, 0x10000 | 0x8},
         false},
        {"another program window made first", {"VittrelIntruder", 0xC0FE, kOverlappedWindow, 0}, false},
        {"a tooltip", {"tooltips_class32", 0xC05D, 0x80000000, 0x0800}, false},
        {"a control", {"Button", 0xC017, kWindowStyleChild, 0}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.taken, IsTopLevelDialog(c.window)) << c.what;
}

} // namespace

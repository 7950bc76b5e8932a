// Geometry of the sheet's button row.
#include "sheet/sheet_buttons.h"

#include <cstdint>

int ScaleWithButtonWidth(int pixels, int buttonWidth) {
    const int64_t product = static_cast<int64_t>(pixels) * buttonWidth;
    // To the nearest pixel, as MulDiv rounds (75 is odd: no product falls halfway).
    const int64_t half = product < 0 ? -kClassicButtonWidth / 2 : kClassicButtonWidth / 2;
    return static_cast<int>((product + half) / kClassicButtonWidth);
}

SheetButtonLayout LayOutSheetButtons(const PixelRect& help) {
    const int width = help.right - help.left;
    const int height = help.bottom - help.top;
    SheetButtonLayout layout;
    layout.exit = {help.left, help.top, width, height};
    layout.saveToFile = {help.left - ScaleWithButtonWidth(80, width), help.top, width, height};
    layout.about = {help.left - ScaleWithButtonWidth(307, width), help.top,
                    width + ScaleWithButtonWidth(50, width), height};
    return layout;
}

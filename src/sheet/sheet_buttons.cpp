// Geometry of the sheet's button row.
#include "sheet/sheet_buttons.h"

#include "framework/font_scale.h"

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

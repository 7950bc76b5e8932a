// Geometry of the sheet's button row.
#include "sheet/sheet_buttons.h"

SheetButtonLayout LayOutSheetButtons(const PixelRect& help) {
    const int width = help.right - help.left;
    const int height = help.bottom - help.top;
    SheetButtonLayout layout;
    layout.exit = {help.left, help.top, width, height};
    layout.saveToFile = {help.left - 80, help.top, width, height};
    layout.about = {help.left - 307, help.top, width + 50, height};
    return layout;
}

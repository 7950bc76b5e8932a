// Where the sheet puts its relabelled standard buttons, relative to the Help button that
// comctl32 laid out (which the sheet then hides). The figures are given for a 75-pixel Help button
// and grow with its width, as the dialog font does.
#pragma once

// A rectangle in the sheet's client coordinates, in pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Arguments of one MoveWindow call.
struct ButtonPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct SheetButtonLayout {
    ButtonPlacement exit;       // takes Help's place
    ButtonPlacement saveToFile; // Help's size, 80 pixels further left at 96 dpi
    ButtonPlacement about;      // 307 pixels left of Help and 50 pixels wider at 96 dpi
};

SheetButtonLayout LayOutSheetButtons(const PixelRect& help);

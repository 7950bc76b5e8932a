// Where the sheet puts its relabelled standard buttons, relative to the Help button that
// comctl32 laid out (which the sheet then hides).
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

// The width of a standard button (50 dialog units) in the classic dialog font at 96 dpi. The
// sheet's pixel figures are given for it; a larger font makes the buttons wider, and the figures
// grow in the same proportion.
constexpr int kClassicButtonWidth = 75;

// `pixels` as given for 96 dpi, scaled by buttonWidth / 75 and rounded as MulDiv rounds, so that
// a 75-pixel button leaves every figure as it is.
int ScaleWithButtonWidth(int pixels, int buttonWidth);

struct SheetButtonLayout {
    ButtonPlacement exit;       // takes Help's place
    ButtonPlacement saveToFile; // Help's size, 80 pixels further left at 96 dpi
    ButtonPlacement about;      // 307 pixels left of Help and 50 pixels wider at 96 dpi
};

SheetButtonLayout LayOutSheetButtons(const PixelRect& help);

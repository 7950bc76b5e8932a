// Pixel figures given for the classic dialog font at 96 dpi, grown with the dialog font: with large
// fonts or more dots per inch a standard button is wider, and so must be what is laid out beside it.
#pragma once

// The width of a standard button (50 dialog units) in the classic dialog font at 96 dpi.
constexpr int kClassicButtonWidth = 75;

// `pixels` as given for 96 dpi, scaled by buttonWidth / 75 and rounded as MulDiv rounds, so that
// a 75-pixel button leaves every figure as it is.
int ScaleWithButtonWidth(int pixels, int buttonWidth);

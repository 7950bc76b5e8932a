// Scaling of 96-dpi pixel figures with the dialog font.
#include "framework/font_scale.h"

#include <cstdint>

int ScaleWithButtonWidth(int pixels, int buttonWidth) {
    const int64_t product = static_cast<int64_t>(pixels) * buttonWidth;
    // To the nearest pixel, as MulDiv rounds (75 is odd: no product falls halfway).
    const int64_t half = product < 0 ? -kClassicButtonWidth / 2 : kClassicButtonWidth / 2;
    return static_cast<int>((product + half) / kClassicButtonWidth);
}

// Placement of the sheet's relabelled buttons around the Help button's rectangle.
#include <gtest/gtest.h>

#include "sheet/sheet_buttons.h"

namespace {

struct Span {
    int left, right, top, bottom;
};

Span SpanOf(const ButtonPlacement& p) {
    return {p.x, p.x + p.width, p.y, p.y + p.height};
}

TEST(LayOutSheetButtons, PlacesEachButtonRelativeToHelp) {
    struct {
        PixelRect help;
        Span exit, save, about;
    } cases[] = {
        // Help from x 400, 75 wide: Exit 400-475, Save To File 320-395, About 93-218.
        {{400, 300, 475, 323}, {400, 475, 300, 323}, {320, 395, 300, 323}, {93, 218, 300, 323}},
        // Help close to the left edge: the About button starts left of the sheet.
        {{295, 452, 370, 475}, {295, 370, 452, 475}, {215, 290, 452, 475}, {-12, 113, 452, 475}},
        // Other sizes keep the offsets; only About is 50 pixels wider.
        {{500, 10, 600, 40}, {500, 600, 10, 40}, {420, 520, 10, 40}, {193, 343, 10, 40}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "help left " << c.help.left << ", width " << c.help.right - c.help.left);
        const SheetButtonLayout layout = LayOutSheetButtons(c.help);
        const Span spans[] = {SpanOf(layout.exit), SpanOf(layout.saveToFile), SpanOf(layout.about)};
        const Span wanted[] = {c.exit, c.save, c.about};
        const char* names[] = {"Exit", "Save To File", "About"};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(names[i]);
            EXPECT_EQ(wanted[i].left, spans[i].left);
            EXPECT_EQ(wanted[i].right, spans[i].right);
            EXPECT_EQ(wanted[i].top, spans[i].top);
            EXPECT_EQ(wanted[i].bottom, spans[i].bottom);
        }
    }
}

} // namespace

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
        // A 100-pixel Help button: the offsets grow to 106.7, 409.3 and 66.7 pixels, rounded.
        {{500, 10, 600, 40}, {500, 600, 10, 40}, {393, 493, 10, 40}, {91, 258, 10, 40}},
        // Help as the sheet has it under Wine at 96, 120, 144 and 192 dpi.
        {{313, 447, 388, 468}, {313, 388, 447, 468}, {233, 308, 447, 468}, {6, 131, 447, 468}},
        {{414, 555, 514, 581}, {414, 514, 555, 581}, {307, 407, 555, 581}, {5, 172, 555, 581}},
        {{464, 627, 577, 657}, {464, 577, 627, 657}, {343, 456, 627, 657}, {1, 189, 627, 657}},
        {{617, 841, 767, 881}, {617, 767, 841, 881}, {457, 607, 841, 881}, {3, 253, 841, 881}},
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
        // Whatever the size: three buttons with gaps between them, About the widest.
        EXPECT_LT(spans[1].right, spans[0].left);
        EXPECT_LT(spans[2].right, spans[1].left);
        EXPECT_GT(spans[2].right - spans[2].left, spans[0].right - spans[0].left);
    }
}

} // namespace

#include "menu/tooltip/TooltipPlacement.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

const Rect kScreen{0, 0, 1280, 1024};

TEST(TooltipPlacement, RightOfTheItemBelowItsBottom) {
    TooltipPosition at = placeTooltip({100, 200, 150, true}, 200, 60, kScreen);
    EXPECT_EQ((TooltipPosition{250, 200}), at);
}

TEST(TooltipPlacement, LeftOfTheItemAtTheRightEdgeAndAboveAtTheBottom) {
    EXPECT_EQ((TooltipPosition{900, 200}), placeTooltip({1100, 200, 150, true}, 200, 60, kScreen));
    EXPECT_EQ((TooltipPosition{750, 200}), placeTooltip({1100, 200, 150, false}, 200, 60, kScreen))
        << "beside the cursor the offset is kept on the left too";
    EXPECT_EQ((TooltipPosition{250, 940}), placeTooltip({100, 1000, 150, true}, 200, 60, kScreen));
    EXPECT_EQ((TooltipPosition{250, 930}), placeTooltip({100, 1000, 150, false}, 200, 60, kScreen));
}

TEST(TooltipPlacement, TooWideForEitherSideStaysRight) {
    EXPECT_EQ((TooltipPosition{750, 0}), placeTooltip({600, 0, 150, true}, 1000, 2000, kScreen));
}

} // namespace
} // namespace pvn

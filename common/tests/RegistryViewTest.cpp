#include "common/RegistryView.h"

#include <gtest/gtest.h>

namespace pvn {

TEST(RegistryViewTest, SixtyFourBitWindowsUsesTheSixtyFourBitViewFromEitherBuild) {
    EXPECT_EQ(RegistryView::Bits64, chooseRegistryView(true, false));
    EXPECT_EQ(RegistryView::Bits64, chooseRegistryView(false, true));
    EXPECT_EQ(RegistryView::Bits32, chooseRegistryView(false, false));
}

} // namespace pvn

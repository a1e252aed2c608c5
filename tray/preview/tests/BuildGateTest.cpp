#include "tray/preview/BuildGate.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

TEST(BuildGate, ShowDuringABuildWaitsForItAndRunsOnce) {
    BuildGate gate;
    ASSERT_TRUE(gate.begin());
    EXPECT_FALSE(gate.cancelled());
    gate.itemChanged();
    EXPECT_TRUE(gate.cancelled()) << "the running build describes an item no longer asked for";
    EXPECT_FALSE(gate.begin()) << "no build inside a build";
    EXPECT_FALSE(gate.begin()) << "a third request only replaces the item";
    EXPECT_TRUE(gate.running());
    EXPECT_TRUE(gate.end()) << "the waiting request is sent again";
    EXPECT_FALSE(gate.running());
    ASSERT_TRUE(gate.begin());
    EXPECT_FALSE(gate.cancelled()) << "the newest build is not cancelled by the old one's end";
    EXPECT_FALSE(gate.end()) << "and runs once";
}

TEST(BuildGate, HideStopsTheBuildAndDropsTheWaitingRequest) {
    BuildGate gate;
    ASSERT_TRUE(gate.begin());
    EXPECT_FALSE(gate.begin());
    gate.hide();
    EXPECT_TRUE(gate.cancelled());
    EXPECT_FALSE(gate.end());
    EXPECT_TRUE(gate.begin()) << "the next show clears the cancel flag";
    EXPECT_FALSE(gate.cancelled());
    gate.end();
    gate.hide();
    gate.itemChanged();
    EXPECT_TRUE(gate.begin()) << "a hide or item change between builds leaves the next one alone";
    EXPECT_FALSE(gate.cancelled());
}

} // namespace
} // namespace pvn

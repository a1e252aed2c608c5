#include "common/MonitorLayout.h"
#include "common/OsCheck.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

OsVersionQuery systemAt(unsigned major, unsigned minor, unsigned build) {
    return {[=](unsigned ma, unsigned mi, unsigned) { return major > ma || (major == ma && minor >= mi); },
            [=](unsigned b) { return build >= b; }};
}

TEST(OsCheckTest, ClassesFromVistaToWindows11) {
    EXPECT_EQ(6, classifyOs(systemAt(10, 0, 22000)));
    EXPECT_EQ(5, classifyOs(systemAt(10, 0, 21999)));
    EXPECT_EQ(4, classifyOs(systemAt(6, 3, 9600)));
    EXPECT_EQ(3, classifyOs(systemAt(6, 2, 9200)));
    EXPECT_EQ(2, classifyOs(systemAt(6, 1, 7601)));
    EXPECT_EQ(1, classifyOs(systemAt(6, 0, 6002)));
    EXPECT_EQ(0, classifyOs(systemAt(5, 1, 2600)));
}

TEST(OsCheckTest, ElevationClasses) {
    EXPECT_EQ(1, elevationClass(1));
    EXPECT_EQ(3, elevationClass(2));
    EXPECT_EQ(2, elevationClass(3));
}

MonitorLayout twoMonitors() {
    return MonitorLayout({{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 100, 100},
                          {{-1280, -200, 0, 824}, {-1280, -200, 0, 824}, 150, 150}});
}

TEST(MonitorLayoutTest, PointsOnEdgesBelongToTheFirstMonitorHoldingThem) {
    MonitorLayout one({{{0, 0, 1280, 1024}, {0, 0, 1280, 994}, 100, 100}});
    EXPECT_EQ(0, one.monitorAt(1280, 500)) << "right edge included";
    EXPECT_EQ(0, one.monitorAt(0, 1024));
    EXPECT_EQ(-1, one.monitorAt(1281, 500));
    auto two = twoMonitors();
    EXPECT_EQ(0, two.monitorAt(0, 500)) << "shared edge: the first in the table";
    EXPECT_EQ(1, two.monitorAt(-1, -100));
    EXPECT_EQ(-1, two.monitorAt(-500, 900));
}

TEST(MonitorLayoutTest, HeightRectangleAndUnions) {
    auto two = twoMonitors();
    EXPECT_EQ(1080, two.monitorHeight(10, 10));
    EXPECT_EQ(1024, two.monitorHeight(-10, 10));
    EXPECT_EQ(-1, two.monitorHeight(5000, 10));
    EXPECT_EQ((Rect{-1, -1, -1, -1}), two.monitorRect(5000, 10));
    EXPECT_EQ((Rect{-1280, -200, 1920, 1080}), two.allMonitors());
    EXPECT_EQ((Rect{-1280, -200, 1920, 1040}), two.allWork());
    EXPECT_EQ(-1, MonitorLayout().monitorAt(0, 0));
}

TEST(MonitorLayoutTest, ScaleIsTruncatedPercent) {
    EXPECT_EQ(100, MonitorLayout::scaleOf(96));
    EXPECT_EQ(125, MonitorLayout::scaleOf(120));
    EXPECT_EQ(104, MonitorLayout::scaleOf(100));
}

} // namespace
} // namespace pvn

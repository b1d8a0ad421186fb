// The arithmetic of the drags without windows: slider values, marker limits, the dragged q-point and
// the dragged curve.
#include <gtest/gtest.h>

#include <cmath>

#include "drag.h"

using namespace zorvek;

TEST(DragValues, SliderValuesAtTheirPercentages) {
    SliderContext c; // zF 0.46, xD 0.85, xB 0.17, Rmin 1.2 below
    c.zF = 0.46, c.xD = 0.85, c.xB = 0.17, c.Rmin = 1.2;
    const double rFor31 = std::pow(3.1 / 1.2, 2.0 / 3.0); // t with t^1.5 Rmin = 3.1
    const double rFor39 = std::pow(3.9 / 1.2, 2.0 / 3.0);
    const struct {
        int slider;
        double p, value;
    } cases[] = {
        {0, 100, 20},
        {0, 0, 1.01},
        {0, 50, 10.5}, // alpha by 0.01
        {1, 50, 0.5},
        {1, 62.5, 1},
        {1, 61.5, 1},
        {1, 63.6, 1}, // q caught at 1 within 0.05
        {1, 61.25, 0.95},
        {1, 37.5, 0},
        {1, 38.6, 0},
        {1, 38.75, 0.05}, // and at 0
        {1, 0, -1.5},
        {2, 0, 0.171},
        {2, 100, 0.849},
        {3, 0, 0.461},
        {3, 100, 0.999}, // moving ranges
        {6, 0, 0.001},
        {6, 100, 0.459},
        {5, 0, 0.01},
        {5, 100, 1},
        {4, (rFor31 - 1.001) * 10, 3},
        {4, (rFor39 - 1.001) * 10, 3.9}, // R caught from above
    };
    for (const auto& [slider, p, value] : cases) {
        EXPECT_DOUBLE_EQ(SliderValue(slider, p, c), value) << "slider " << slider << " p " << p;
    }
}

TEST(DragValues, SliderRangesFallBackWhenNeighboursAreUnusable) {
    SliderContext bad;
    bad.zF = 1.2, bad.xD = 0, bad.xB = -3, bad.Rmin = 0;
    EXPECT_DOUBLE_EQ(SliderValue(2, 0, bad), 0.002);   // xB taken as 0.001
    EXPECT_DOUBLE_EQ(SliderValue(2, 100, bad), 0.998); // xD taken as 0.999
    EXPECT_DOUBLE_EQ(SliderValue(3, 0, bad), 0.501);   // zF taken as 0.5
    EXPECT_DOUBLE_EQ(SliderValue(4, 0, bad), 1);       // Rmin taken as 1: 1.0015 caught to 1
}

TEST(DragValues, CursorStaysOnItsTrack) {
    // Cursor 11 pixels wide on a track from 100 to 243.
    EXPECT_DOUBLE_EQ(ClampCursorLeft(20, 11, 100, 243), 94.5);
    EXPECT_DOUBLE_EQ(ClampCursorLeft(400, 11, 100, 243), 237.5);
    EXPECT_DOUBLE_EQ(ClampCursorLeft(150, 11, 100, 243), 150);
    EXPECT_DOUBLE_EQ(TrackPercent(94.5, 11, 100, 243), 0);
    EXPECT_DOUBLE_EQ(TrackPercent(237.5, 11, 100, 243), 100);
}

TEST(DragValues, MarkerLimitsApplyInOrder) {
    // 12-pixel marker; the plot box from column 25 to 525, feed at column 255, bottoms at 110.
    const std::vector<EdgeLimit> feed = {{true, 525}, {false, 25}, {false, 110}, {true, 400}};
    EXPECT_DOUBLE_EQ(ApplyEdgeLimits(-50, 12, feed), 105); // centre 111: one pixel right of xB
    EXPECT_DOUBLE_EQ(ApplyEdgeLimits(900, 12, feed), 393); // centre 399: one pixel left of xD
    EXPECT_DOUBLE_EQ(ApplyEdgeLimits(200, 12, feed), 200); // inside: untouched
    const std::vector<EdgeLimit> distillate = {{true, 525}, {false, 255}, {false, 25}};
    EXPECT_DOUBLE_EQ(ApplyEdgeLimits(900, 12, distillate), 518); // centre 524
    EXPECT_DOUBLE_EQ(DiagonalMarkerX(2, 1.2), 0.999);
    EXPECT_DOUBLE_EQ(DiagonalMarkerX(0, 0.3), 0.3);
}

TEST(DragValues, DraggedQPoint) {
    const double zF = 0.46, xD = 0.85;
    // Straight above the feed point, or steeper than slope 50: vertical q-line, q = 1.
    EXPECT_DOUBLE_EQ(QPointDragValues(0.46, 0.7, zF, xD).q, 1);
    EXPECT_DOUBLE_EQ(QPointDragValues(0.4655, 0.8, zF, xD).q, 1);
    // Below the diagonal the point is kept 0.01 above it: q = 100 (xq - zF) + 1, R = 100 (xD - xq) - 1.
    const QPointDrag below = QPointDragValues(0.5, 0.3, zF, xD);
    EXPECT_DOUBLE_EQ(below.yq, 0.51);
    EXPECT_NEAR(below.q, 5, 1e-9);
    EXPECT_NEAR(below.R, 34, 1e-9);
    // A horizontal q-line is a saturated vapour; a point on the start-up operating lines gives R 3.
    EXPECT_DOUBLE_EQ(QPointDragValues(0.3, 0.46, zF, xD).q, 0);
    const double xq = 0.4, yq = 0.75 * 0.4 + 0.2125;
    EXPECT_DOUBLE_EQ(QPointDragValues(xq, yq, zF, xD).R, 3);
    // Straight above the distillate point: R close to -1, reported later by the checks.
    EXPECT_DOUBLE_EQ(QPointDragValues(0.85, 0.95, zF, xD).R, -1);
}

TEST(DragValues, CurveThroughAPoint) {
    EXPECT_NEAR(AlphaCurveY(2, 0.5), 2.0 / 3.0, 1e-15);
    EXPECT_DOUBLE_EQ(AlphaThroughPoint(0.5, 2.0 / 3.0), 2);
    EXPECT_DOUBLE_EQ(AlphaThroughPoint(0.5, 0.7), 2.333);
    EXPECT_DOUBLE_EQ(AlphaThroughPoint(0.5, 0.5), 1.01);   // on the diagonal
    EXPECT_DOUBLE_EQ(AlphaThroughPoint(0.5, 0.2), 1.01);   // below it
    EXPECT_DOUBLE_EQ(AlphaThroughPoint(0.5, 0.501), 1.01); // just above: 1.004 would be below 1.01
    EXPECT_TRUE(NearCurveRow(175, 170));
    EXPECT_TRUE(NearCurveRow(175, 180));
    EXPECT_FALSE(NearCurveRow(175, 169));
    EXPECT_FALSE(NearCurveRow(175, 181));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/ObjectDrag.h"
#include "diagram/Diagram.h"
#include "optics/Optics.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The panel's own binding: 425 x 281 pixels over the diagram's world.
class PanelBinding : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(PlotInit(W, surface, WorldXMin, WorldYMin, WorldXMax, WorldYMax));
    }
    RecordingSurface surface{425, 281};
    TPlotWindow W;
};

TEST_F(PanelBinding, EveryWholePositionComesBackFromTheColumnItIsDrawnAt) {
    for (int x = ObjectFarthest; x <= ObjectNearest; ++x) {
        EXPECT_EQ(ObjectAtColumn(W, PlotX(W, x)), x) << "object at " << x;
    }
}

TEST_F(PanelBinding, KnownColumns) {
    // -110 + column * 210 / 425.
    EXPECT_EQ(ObjectAtColumn(W, 121), -50);  // -50.2
    EXPECT_EQ(ObjectAtColumn(W, 223), 0);    // -0.19
    EXPECT_EQ(ObjectAtColumn(W, 220), -1);   // -1.29
    EXPECT_EQ(ObjectAtColumn(W, 21.5), -99); // -99.38
    EXPECT_EQ(ObjectAtColumn(W, 20), -100);  // -100.12
}

TEST_F(PanelBinding, ColumnsOffTheBarsRangeAreHeldToItsEnds) {
    EXPECT_EQ(ObjectAtColumn(W, 0), ObjectFarthest);
    EXPECT_EQ(ObjectAtColumn(W, -5000), ObjectFarthest);
    EXPECT_EQ(ObjectAtColumn(W, 300), ObjectNearest);
    EXPECT_EQ(ObjectAtColumn(W, 425), ObjectNearest);
    EXPECT_EQ(ObjectAtColumn(W, 1e300), ObjectNearest);
    EXPECT_EQ(ObjectAtColumn(W, -1e300), ObjectFarthest);
}

TEST(ObjectAtColumn, HalvesGoToTheEvenNeighbour) {
    // One pixel to a world unit, from -110: column c is abscissa c - 110.
    RecordingSurface surface(210, 140);
    TPlotWindow W;
    ASSERT_TRUE(PlotInit(W, surface, -110, -70, 100, 70));
    EXPECT_EQ(ObjectAtColumn(W, 59.5), -50);  // -50.5
    EXPECT_EQ(ObjectAtColumn(W, 60.5), -50);  // -49.5
    EXPECT_EQ(ObjectAtColumn(W, 61.5), -48);  // -48.5
    EXPECT_EQ(ObjectAtColumn(W, 108.5), -2);  // -1.5
    EXPECT_EQ(ObjectAtColumn(W, 109.5), 0);   // -0.5
    EXPECT_EQ(ObjectAtColumn(W, 10.5), -100); // -99.5
    EXPECT_EQ(ObjectAtColumn(W, 11.5), -98);  // -98.5
    EXPECT_EQ(ObjectAtColumn(W, 60.49), -50);
    EXPECT_EQ(ObjectAtColumn(W, 60.51), -49);
}

TEST(ObjectAtColumn, AnUnboundWindowOrNoColumnGivesTheFarEnd) {
    EXPECT_EQ(ObjectAtColumn(TPlotWindow{}, 100), ObjectFarthest);
    RecordingSurface surface;
    TPlotWindow W;
    ASSERT_TRUE(PlotInit(W, surface, WorldXMin, WorldYMin, WorldXMax, WorldYMax));
    EXPECT_EQ(ObjectAtColumn(W, std::nan("")), ObjectFarthest);
}

TEST_F(PanelBinding, TheArrowBoxHoldsTheArrowAndLittleElse) {
    const double x = -40;
    const ClientBox box = ObjectArrowBox(W, x);
    const int column = PlotX(W, x);
    // Shaft from the axis to the tip, and the ends of the head's strokes.
    EXPECT_TRUE(box.contains(column, PlotY(W, 0)));
    EXPECT_TRUE(box.contains(column, PlotY(W, ObjectHeight)));
    EXPECT_TRUE(box.contains(column, PlotY(W, ObjectHeight / 2)));
    EXPECT_TRUE(box.contains(PlotX(W, x - 2.5), PlotY(W, 5.67)));
    EXPECT_TRUE(box.contains(PlotX(W, x + 2.5), PlotY(W, 5.67)));
    // A little margin, no more.
    EXPECT_TRUE(box.contains(column + 7, PlotY(W, 5)));
    EXPECT_FALSE(box.contains(column + 12, PlotY(W, 5)));
    EXPECT_FALSE(box.contains(column - 12, PlotY(W, 5)));
    EXPECT_FALSE(box.contains(column, PlotY(W, ObjectHeight) - 6));
    EXPECT_FALSE(box.contains(column, PlotY(W, 0) + 6));
    // It follows the object.
    EXPECT_FALSE(ObjectArrowBox(W, -60).contains(column, PlotY(W, 5)));
    EXPECT_TRUE(ObjectArrowBox(W, -60).contains(PlotX(W, -60), PlotY(W, 5)));
}

} // namespace

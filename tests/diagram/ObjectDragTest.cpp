// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/ObjectDrag.h"
#include "diagram/Diagram.h"
#include "optics/Optics.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The panel's binding (425 pixels over the diagram's world) and one of a
// pixel to a world unit, where column c is abscissa c - 110.
struct Bound {
    RecordingSurface surface;
    TPlotWindow W;
    Bound(int width, int height) : surface(width, height) {
        EXPECT_TRUE(PlotInit(W, surface, WorldXMin, WorldYMin, WorldXMax, WorldYMax));
    }
};

TEST(ObjectAtColumn, EveryWholePositionComesBackFromTheColumnItIsDrawnAt) {
    const Bound panel(425, 281);
    for (int x = ObjectFarthest; x <= ObjectNearest; ++x)
        EXPECT_EQ(ObjectAtColumn(panel.W, PlotX(panel.W, x)), x) << "object at " << x;
}

TEST(ObjectAtColumn, RoundsHalvesToEvenAndHoldsToTheBarsRange) {
    const Bound panel(425, 281), unit(210, 140);
    const std::tuple<const TPlotWindow*, double, int> rows[] = {
        // -110 + column * 210 / 425.
        {&panel.W, 121, -50},     {&panel.W, 223, 0},    {&panel.W, 220, -1},
        {&panel.W, 21.5, -99},    {&panel.W, 20, -100},  {&panel.W, 0, -100},
        {&panel.W, -5000, -100},  {&panel.W, 300, 0},    {&panel.W, 1e300, 0},
        {&panel.W, -1e300, -100}, {&panel.W, NAN, -100}, {&unit.W, 59.5, -50},
        {&unit.W, 60.5, -50},     {&unit.W, 61.5, -48},  {&unit.W, 108.5, -2},
        {&unit.W, 109.5, 0},      {&unit.W, 10.5, -100}, {&unit.W, 11.5, -98},
        {&unit.W, 60.49, -50},    {&unit.W, 60.51, -49}};
    for (const auto& [W, column, x] : rows)
        EXPECT_EQ(ObjectAtColumn(*W, column), x) << column;
    EXPECT_EQ(ObjectAtColumn(TPlotWindow{}, 100), ObjectFarthest); // unbound
}

TEST(ObjectArrowBox, HoldsTheArrowAndLittleElse) {
    const Bound panel(425, 281);
    const TPlotWindow& W = panel.W;
    const int column = PlotX(W, -40), mid = PlotY(W, 5);
    // Shaft from the axis to the tip, the ends of the head's strokes, a
    // little margin and no more; and it follows the object.
    const std::tuple<double, double, double, bool> points[] = {
        {-40, column, PlotY(W, 0), true},
        {-40, column, PlotY(W, ObjectHeight), true},
        {-40, PlotX(W, -42.5), PlotY(W, 5.67), true},
        {-40, PlotX(W, -37.5), PlotY(W, 5.67), true},
        {-40, column + 7, mid, true},
        {-40, column + 12, mid, false},
        {-40, column - 12, mid, false},
        {-40, column, PlotY(W, ObjectHeight) - 6, false},
        {-40, column, PlotY(W, 0) + 6, false},
        {-60, column, mid, false},
        {-60, PlotX(W, -60), mid, true}};
    for (const auto& [x, px, py, inside] : points)
        EXPECT_EQ(ObjectArrowBox(W, x).contains(px, py), inside) << x << ": " << px << ", " << py;
}

} // namespace

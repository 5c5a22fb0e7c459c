// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/Plot.h"

#include <cstdint>

// Taking hold of the object arrow on the diagram with the pointer.

// The object positions the scroll bar reaches: a drag or a wheel keeps the
// object between these, both included.
inline constexpr std::int32_t ObjectFarthest = -100;
inline constexpr std::int32_t ObjectNearest = 0;
// The main window's scroll bar runs from 0 to 100 while the object runs
// from -100 to 0: a bar position is the object's abscissa plus this.
inline constexpr std::int32_t BarOrigin = -ObjectFarthest;

// The whole object position shown at a column of the plot window's client
// area (a fraction of a column where the pointer is finer than the panel's
// pixels): the column turned back into a world abscissa, rounded to the
// nearest whole number with halves to the even one, and held to
// ObjectFarthest ... ObjectNearest.
std::int32_t ObjectAtColumn(const TPlotWindow& W, double column);

// A rectangle in client pixels; contains() takes its edges as inside.
struct ClientBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    bool contains(double x, double y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};

// Where the object arrow standing at abscissa x can be taken hold of: its
// shaft and head, with a few pixels' margin for an unsteady hand.
ClientBox ObjectArrowBox(const TPlotWindow& W, double x);

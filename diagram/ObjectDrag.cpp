// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/ObjectDrag.h"

#include "optics/Optics.h"

#include <algorithm>
#include <cmath>

namespace {

// Half the width of the arrow's head: each stroke is half the shaft long and
// makes 30 degrees with it.
constexpr double HeadHalfWidth = ObjectHeight / 2 * 0.5;
// Pixels around the arrow that still count as on it.
constexpr double GripMargin = 3;

} // namespace

std::int32_t ObjectAtColumn(const TPlotWindow& W, double column) {
    if (!(W.XScale != 0.0) || !std::isfinite(column)) {
        // No binding, or no column: the pointer can only be at the far end.
        return ObjectFarthest;
    }
    const long double x =
        static_cast<long double>(W.XMin) + column / static_cast<long double>(W.XScale);
    // Held first, so that no column far off the panel overflows the result.
    const long double held = std::clamp<long double>(x, ObjectFarthest, ObjectNearest);
    // Halves to the even neighbour (the rounding mode is never changed), as
    // every other conversion of a position to a whole number.
    return static_cast<std::int32_t>(std::nearbyintl(held));
}

ClientBox ObjectArrowBox(const TPlotWindow& W, double x) {
    const auto column = [&W](double wx) {
        return (static_cast<long double>(wx) - W.XMin) * W.XScale;
    };
    const auto row = [&W](double wy) {
        return W.Height - (static_cast<long double>(wy) - W.YMin) * W.YScale;
    };
    const long double c0 = column(x - HeadHalfWidth), c1 = column(x + HeadHalfWidth);
    const long double r0 = row(ObjectHeight), r1 = row(0);
    return {static_cast<double>(std::min(c0, c1)) - GripMargin,
            static_cast<double>(std::min(r0, r1)) - GripMargin,
            static_cast<double>(std::max(c0, c1)) + GripMargin,
            static_cast<double>(std::max(r0, r1)) + GripMargin};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/Surface.h"

#include <cstdint>

// Plotting in world units (ordinates upwards) onto one surface, with one
// program-wide pen that is changed one attribute at a time and carried from
// one drawing step to the next.

extern TPen CurrentPen;

struct TPlotWindow {
    Surface* DC = nullptr;
    bool ClipRegion = false;
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
    double XScale = 0.0;
    double YScale = 0.0;
    double XMin = 0.0;
    double YMin = 0.0;
    // The pen drawn with: the program's one pen, or a drawing's own so that
    // a drawing made aside leaves the program's pen as it was.
    TPen* Pen = &CurrentPen;
};

// Style indices of PenStyle: 0 solid, 1 dashed, 2 dotted, 3 dash-dot.
inline constexpr LineStyle PenStyles[4] = {LineStyle::Solid, LineStyle::Dash, LineStyle::Dot,
                                           LineStyle::DashDot};

// CurrentPen is the one pen of the program. It is on no surface until the
// first pen operation selects it into one.
// The pen before any drawing: dotted, black, one pixel.
inline constexpr TPen InitialPen{LineStyle::Dot, 0, 1};
// Creates the initial pen: run once at start-up.
void PlotUnitInit();

bool PlotInit(TPlotWindow& W, Surface& window, double XMin, double YMin, double XMax, double YMax);
std::int32_t PlotX(const TPlotWindow& W, double x);
std::int32_t PlotY(const TPlotWindow& W, double y);
void PlotMoveTo(const TPlotWindow& W, double x, double y);
void PlotLineTo(const TPlotWindow& W, double x, double y);
void PlotSegment(const TPlotWindow& W, double x1, double y1, double x2, double y2);
void PlotPolar(const TPlotWindow& W, double x, double y, double length, double angleDeg);
void PlotRay(const TPlotWindow& W, double x1, double y1, double x2, double y2, double xEnd);
void PlotArrow(const TPlotWindow& W, double x1, double y1, double x2, double y2);
void PlotArc(const TPlotWindow& W, double cx, double cy, double r, double start, double end);
void PlotCircle(const TPlotWindow& W, double cx, double cy, double r);

// The pen operations change the plot window's pen (the program's one pen
// unless the window has its own) and put it on the window's surface.
void PenStyle(const TPlotWindow& W, std::uint8_t style);
void PenColor(const TPlotWindow& W, TColor color);
void PenWidth(const TPlotWindow& W, std::uint8_t width);
void PenSet(const TPlotWindow& W, std::uint8_t style, TColor color, std::uint8_t width);
void PenReset(const TPlotWindow& W);

double DegToRad(double d);
double RadToDeg(double r);
std::int32_t IntPower(std::int32_t base, std::uint8_t exponent);

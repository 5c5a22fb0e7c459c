// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/Plot.h"

#include "core/RunError.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// World-to-pixel values round to nearest with halves to even, on the
// extended value; a value that does not fit a 32-bit pixel is the fault a
// processor with invalid-operation traps would raise.
std::int32_t RoundToPixel(long double v) {
    // The FPU rounds to nearest with ties to even by default; the library's
    // nearbyintl does the same but saves and restores the whole FPU
    // environment around it, which dominated the cost of drawing an arc.
#if defined(__x86_64__) || defined(__i386__)
    long double r = v;
    __asm__("frndint" : "+t"(r));
#else
    const long double r = std::nearbyintl(v);
#endif
    if (!(r >= static_cast<long double>(std::numeric_limits<std::int32_t>::min()) &&
          r <= static_cast<long double>(std::numeric_limits<std::int32_t>::max()))) {
        throw RunError(InvalidFloatOperation);
    }
    return static_cast<std::int32_t>(r);
}

// Replaces the window's pen by one that differs in one attribute and puts
// it on the surface; the pen is never saved or restored, it carries on.
template <typename Change> void ReplacePen(const TPlotWindow& W, Change change) {
    TPen pen = *W.Pen;
    change(pen);
    W.DC->selectPen(pen);
    *W.Pen = pen;
}

// Cosine and sine of an extended angle. On x86 the FPU's own instruction
// gives both at once in extended precision, several times faster than the
// library's exact argument reduction; its reduction error (below 1e-18 for
// the angles drawn here) never moves a pixel.
void SinCos(long double a, long double& s, long double& c) {
#if defined(__x86_64__) || defined(__i386__)
    if (std::fabs(a) < 1e15L) {
        __asm__("fsincos" : "=t"(c), "=u"(s) : "0"(a));
        return;
    }
#endif
    s = std::sin(a);
    c = std::cos(a);
}

// The point at angle a on the circle of radius r about (cx, cy).
std::pair<double, double> OnCircle(double cx, double cy, long double r, long double a) {
    long double s = 0;
    long double c = 0;
    SinCos(a, s, c);
    return {static_cast<double>(cx + r * c), static_cast<double>(cy + r * s)};
}

} // namespace

TPen CurrentPen = InitialPen;

void PlotUnitInit() {
    CurrentPen = InitialPen;
}

bool PlotInit(TPlotWindow& W, Surface& window, double XMin, double YMin, double XMax, double YMax) {
    const long double spans =
        (static_cast<long double>(XMax) - XMin) * (static_cast<long double>(YMax) - YMin);
    // A NaN span product is refused too: it could only give NaN scales.
    if (!(spans > 0)) {
        return false;
    }
    W.DC = &window;
    W.Width = static_cast<std::uint16_t>(window.clientWidth());
    W.Height = static_cast<std::uint16_t>(window.clientHeight());
    window.frameAndFill(W.Width, W.Height);
    W.XScale = static_cast<double>(W.Width / (static_cast<long double>(XMax) - XMin));
    W.YScale = static_cast<double>(W.Height / (static_cast<long double>(YMax) - YMin));
    W.XMin = XMin;
    W.YMin = YMin;
    window.setClip(W.Width, W.Height);
    W.ClipRegion = true;
    return true;
}

namespace {

// A world point on the client area before it is rounded to a pixel.
long double ExactX(const TPlotWindow& W, double x) {
    return (static_cast<long double>(x) - W.XMin) * W.XScale;
}

long double ExactY(const TPlotWindow& W, double y) {
    return W.Height - (static_cast<long double>(y) - W.YMin) * W.YScale;
}

// A point as both the pixel and the unrounded client coordinates; the
// pixel's range check fails the drawing whatever the surface.
struct ClientPoint {
    std::int32_t x, y;
    double fx, fy;
};

ClientPoint ToClient(const TPlotWindow& W, double x, double y) {
    const long double fx = ExactX(W, x);
    const long double fy = ExactY(W, y);
    return {RoundToPixel(fx), RoundToPixel(fy), static_cast<double>(fx), static_cast<double>(fy)};
}

} // namespace

std::int32_t PlotX(const TPlotWindow& W, double x) {
    return RoundToPixel(ExactX(W, x));
}

std::int32_t PlotY(const TPlotWindow& W, double y) {
    return RoundToPixel(ExactY(W, y));
}

void PlotMoveTo(const TPlotWindow& W, double x, double y) {
    const ClientPoint p = ToClient(W, x, y);
    W.DC->moveTo(p.x, p.y, p.fx, p.fy);
}

void PlotLineTo(const TPlotWindow& W, double x, double y) {
    const ClientPoint p = ToClient(W, x, y);
    W.DC->lineTo(p.x, p.y, p.fx, p.fy);
}

void PlotSegment(const TPlotWindow& W, double x1, double y1, double x2, double y2) {
    PlotMoveTo(W, x1, y1);
    PlotLineTo(W, x2, y2);
}

void PlotPolar(const TPlotWindow& W, double x, double y, double length, double angleDeg) {
    const auto [x2, y2] = OnCircle(x, y, length, Pi * angleDeg * (1.0L / 180.0L));
    PlotSegment(W, x, y, x2, y2);
}

void PlotRay(const TPlotWindow& W, double x1, double y1, double x2, double y2, double xEnd) {
    if (x2 == x1) {
        return;
    }
    const long double yEnd = y2 + (static_cast<long double>(y2) - y1) /
                                      (static_cast<long double>(x2) - x1) *
                                      (static_cast<long double>(xEnd) - x2);
    PlotSegment(W, x1, y1, xEnd, static_cast<double>(yEnd));
}

void PlotArrow(const TPlotWindow& W, double x1, double y1, double x2, double y2) {
    PlotSegment(W, x1, y1, x2, y2);
    const long double dy = static_cast<long double>(y2) - y1;
    const long double dx = static_cast<long double>(x2) - x1;
    const long double theta = dy * (Pi / 2) / std::fabs(dy);
    const double half = static_cast<double>(0.5L * std::sqrt(dx * dx + dy * dy));
    PlotPolar(W, x2, y2, half, RadToDeg(static_cast<double>(-theta - Pi / 6)));
    PlotPolar(W, x2, y2, half, RadToDeg(static_cast<double>(-theta + Pi / 6)));
}

void PlotArc(const TPlotWindow& W, double cx, double cy, double r, double start, double end) {
    if (r == 0.0 || W.XScale == 0.0) {
        throw RunError(FloatDivisionByZero);
    }
    const long double stepL = 1.0L / r / W.XScale;
    if (!std::isfinite(stepL)) {
        throw RunError(FloatOverflow);
    }
    const double step = static_cast<double>(stepL);
    // A step that cannot advance the angle would never reach the end.
    if (!(step > 0.0)) {
        throw RunError(InvalidFloatOperation);
    }
    const auto [x0, y0] = OnCircle(cx, cy, r, start);
    const ClientPoint p0 = ToClient(W, x0, y0);
    W.DC->moveTo(p0.x, p0.y, p0.fx, p0.fy);
    if (end < start) {
        end = static_cast<double>(end + 2 * Pi);
    }
    double a = start;
    do {
        const double next = static_cast<double>(static_cast<long double>(a) + step);
        if (next == a) {
            throw RunError(InvalidFloatOperation);
        }
        a = next;
        const auto [x, y] = OnCircle(cx, cy, r, a);
        const ClientPoint p = ToClient(W, x, y);
        W.DC->lineTo(p.x, p.y, p.fx, p.fy);
    } while (!(a >= end));
}

void PlotCircle(const TPlotWindow& W, double cx, double cy, double r) {
    const long double x = cx, y = cy;
    const ClientPoint a = ToClient(W, static_cast<double>(x - r), static_cast<double>(y - r));
    const ClientPoint b = ToClient(W, static_cast<double>(x + r), static_cast<double>(y + r));
    W.DC->ellipse(a.x, a.y, b.x, b.y, a.fx, a.fy, b.fx, b.fy);
}

void PenStyle(const TPlotWindow& W, std::uint8_t style) {
    if (style > 3) {
        throw RunError("Range check error");
    }
    ReplacePen(W, [style](TPen& p) { p.style = PenStyles[style]; });
}

void PenColor(const TPlotWindow& W, TColor color) {
    ReplacePen(W, [color](TPen& p) { p.color = color; });
}

void PenWidth(const TPlotWindow& W, std::uint8_t width) {
    ReplacePen(W, [width](TPen& p) { p.width = width; });
}

void PenSet(const TPlotWindow& W, std::uint8_t style, TColor color, std::uint8_t width) {
    PenStyle(W, style);
    PenColor(W, color);
    PenWidth(W, width);
}

void PenReset(const TPlotWindow& W) {
    PenSet(W, 0, 0, 1);
}

double DegToRad(double d) {
    return static_cast<double>(Pi * d * (1.0L / 180.0L));
}

double RadToDeg(double r) {
    return static_cast<double>(r * 180.0L * (1.0L / Pi));
}

std::int32_t IntPower(std::int32_t base, std::uint8_t exponent) {
    // 32-bit multiplication with wrap-around, done unsigned to stay defined.
    std::uint32_t result = 1;
    for (std::uint8_t i = 0; i < exponent; ++i) {
        result *= static_cast<std::uint32_t>(base);
    }
    return static_cast<std::int32_t>(result);
}

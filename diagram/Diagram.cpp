// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/Diagram.h"

#include "optics/Optics.h"

#include <cmath>
#include <numbers>

TColor RayColor = 0;
TColor ObjectColor = 0;
TColor ImageColor = 0;

namespace {

constexpr std::uint8_t Solid = 0;
constexpr std::uint8_t Dotted = 2;

// Radii of the centre and focus marks, in world units.
constexpr double CentreMarkRadius = 2;
constexpr double FocusMarkRadius = 1;

// Rays are drawn on to this abscissa, in front of (-) or behind (+) the
// mirror, far enough to leave the panel.
constexpr double RayReach = 100;

// Where the principal rays of a curved mirror meet it.
struct MirrorHits {
    double m; // abscissa where the ray parallel to the axis at height 10 meets the mirror
    double A; // point where the ray through the centre of curvature meets it
    double D;
};

MirrorHits CurvedMirrorHits(double x) {
    const long double s = CurvatureSign;
    const long double r = CurvatureRadius;
    const long double h = ObjectHeight;
    MirrorHits hits{};
    hits.m = static_cast<double>(s * (r - std::sqrt(r * r - h * h)));
    const double t = static_cast<double>(r - s * x);
    // With the object's tip straight above the centre, the line through both
    // is vertical and meets the circle at its lowest point.
    const long double phi = t == 0.0 ? -std::numbers::pi_v<long double> / 2
                                     : std::atan(h / static_cast<long double>(t));
    hits.A = static_cast<double>(s * r * (1 - std::cos(phi)));
    hits.D = static_cast<double>(r * std::sin(phi));
    return hits;
}

} // namespace

void dibuixaEntorn(const TPlotWindow& W, std::uint8_t kind) {
    PlotSegment(W, WorldXMin, 0, WorldXMax, 0);
    switch (kind) {
    case MirrorPlane:
        PlotSegment(W, 0, -PlaneMirrorHalfHeight, 0, PlaneMirrorHalfHeight);
        break;
    case MirrorConvex:
        PlotArc(W, CurvatureRadius, 0, CurvatureRadius, DegToRad(100), DegToRad(260));
        PlotCircle(W, CurvatureRadius, 0, CentreMarkRadius);
        PlotCircle(W, FocalLength, 0, FocusMarkRadius);
        break;
    case MirrorConcave:
        // The end angle lies below the start: the arc runs on through 0°,
        // the vertex.
        PlotArc(W, -CurvatureRadius, 0, CurvatureRadius, DegToRad(280), DegToRad(80));
        PlotCircle(W, -CurvatureRadius, 0, CentreMarkRadius);
        PlotCircle(W, -FocalLength, 0, FocusMarkRadius);
        break;
    default:
        break;
    }
}

void dibuixafigura(const TPlotWindow& W, double x,
                   const std::function<void(double)>& placeControls) {
    Surface& s = *W.DC;
    PenColor(s, ObjectColor);
    PenWidth(s, 3);
    PlotArrow(W, x, 0, x, ObjectHeight);
    PenReset(s);
    if (placeControls) {
        placeControls(x);
    }
    ComputeImage(x);
}

void Rajos(const TPlotWindow& W, double x) {
    Surface& s = *W.DC;
    PenColor(s, RayColor);
    const double xi = ImagePos;
    const double yi = ImageHeight;
    switch (MirrorKind) {
    case MirrorPlane:
        PlotSegment(W, x, ObjectHeight, 0, ObjectHeight);
        PlotSegment(W, x, ObjectHeight, 0, 0);
        PlotRay(W, 0, 0, x, -ObjectHeight, -RayReach);
        PenStyle(s, Dotted);
        PlotRay(W, 0, 0, xi, ObjectHeight, RayReach);
        PlotSegment(W, 0, ObjectHeight, RayReach, ObjectHeight);
        break;
    case MirrorConvex: {
        const MirrorHits h = CurvedMirrorHits(x);
        PlotSegment(W, x, ObjectHeight, h.m, ObjectHeight);
        PlotSegment(W, x, ObjectHeight, h.A, h.D);
        PenStyle(s, Dotted);
        PlotRay(W, h.m, ObjectHeight, xi, yi, RayReach);
        PlotRay(W, h.A, h.D, xi, yi, RayReach);
        break;
    }
    case MirrorConcave: {
        const MirrorHits h = CurvedMirrorHits(x);
        PlotSegment(W, x, ObjectHeight, h.m, ObjectHeight);
        PlotSegment(W, x, ObjectHeight, h.A, h.D);
        PlotRay(W, h.m, ObjectHeight, -FocalLength, 0, -RayReach);
        // At the centre the reflected ray would retrace the incident one.
        if (x > -CurvatureRadius) {
            PlotRay(W, x, ObjectHeight, -CurvatureRadius, 0, -RayReach);
        }
        // Only objects inside the focus have a virtual image behind the
        // mirror; at the focus itself no line is aimed at infinity.
        if (x > -FocalLength) {
            PenStyle(s, Dotted);
            PlotRay(W, h.A, h.D, xi, yi, RayReach);
            PlotRay(W, h.m, ObjectHeight, xi, yi, RayReach);
        }
        break;
    }
    default:
        break;
    }
}

void DibuixaImatge(const TPlotWindow& W) {
    Surface& s = *W.DC;
    PenColor(s, ImageColor);
    // At width 2 the dotted style left by the rays draws solid.
    PenWidth(s, 2);
    PlotArrow(W, ImagePos, 0, ImagePos, ImageHeight);
    PenReset(s);
}

void DrawDiagram(const TPlotWindow& W, double x, const std::function<void(double)>& placeControls) {
    PenStyle(*W.DC, Solid);
    dibuixaEntorn(W, MirrorKind);
    dibuixafigura(W, x, placeControls);
    Rajos(W, x);
    DibuixaImatge(W);
}

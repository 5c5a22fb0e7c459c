// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/Diagram.h"

#include "core/RunError.h"

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

MirrorHits CurvedMirrorHits(std::int32_t sign, double x) {
    const long double s = sign;
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

void Environment(const TPlotWindow& W, std::uint8_t kind) {
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

void ObjectArrow(const TPlotWindow& W, TColor colour, double x) {
    PenColor(W, colour);
    PenWidth(W, 3);
    PlotArrow(W, x, 0, x, ObjectHeight);
    PenReset(W);
}

// The principal rays for the object at x and the image tip (xi, yi).
void Rays(const TPlotWindow& W, TColor colour, std::uint8_t kind, std::int32_t sign, double x,
          double xi, double yi) {
    PenColor(W, colour);
    switch (kind) {
    case MirrorPlane:
        PlotSegment(W, x, ObjectHeight, 0, ObjectHeight);
        PlotSegment(W, x, ObjectHeight, 0, 0);
        PlotRay(W, 0, 0, x, -ObjectHeight, -RayReach);
        PenStyle(W, Dotted);
        PlotRay(W, 0, 0, xi, ObjectHeight, RayReach);
        PlotSegment(W, 0, ObjectHeight, RayReach, ObjectHeight);
        break;
    case MirrorConvex: {
        const MirrorHits h = CurvedMirrorHits(sign, x);
        PlotSegment(W, x, ObjectHeight, h.m, ObjectHeight);
        PlotSegment(W, x, ObjectHeight, h.A, h.D);
        PenStyle(W, Dotted);
        PlotRay(W, h.m, ObjectHeight, xi, yi, RayReach);
        PlotRay(W, h.A, h.D, xi, yi, RayReach);
        break;
    }
    case MirrorConcave: {
        const MirrorHits h = CurvedMirrorHits(sign, x);
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
            PenStyle(W, Dotted);
            PlotRay(W, h.A, h.D, xi, yi, RayReach);
            PlotRay(W, h.m, ObjectHeight, xi, yi, RayReach);
        }
        break;
    }
    default:
        break;
    }
}

void ImageArrow(const TPlotWindow& W, TColor colour, double xi, double yi) {
    PenColor(W, colour);
    // At width 2 the dotted style left by the rays draws solid.
    PenWidth(W, 2);
    PlotArrow(W, xi, 0, xi, yi);
    PenReset(W);
}

} // namespace

void dibuixaEntorn(const TPlotWindow& W, std::uint8_t kind) {
    Environment(W, kind);
}

void dibuixafigura(const TPlotWindow& W, double x,
                   const std::function<void(double)>& placeControls) {
    ObjectArrow(W, ObjectColor, x);
    if (placeControls) {
        placeControls(x);
    }
    ComputeImage(x);
}

void Rajos(const TPlotWindow& W, double x) {
    Rays(W, RayColor, MirrorKind, CurvatureSign, x, ImagePos, ImageHeight);
}

void DibuixaImatge(const TPlotWindow& W) {
    ImageArrow(W, ImageColor, ImagePos, ImageHeight);
}

void DrawDiagram(const TPlotWindow& W, double x, const std::function<void(double)>& placeControls) {
    PenStyle(W, Solid);
    dibuixaEntorn(W, MirrorKind);
    dibuixafigura(W, x, placeControls);
    Rajos(W, x);
    DibuixaImatge(W);
}

namespace {

// `spent`, when given, is the previous drawing, whose record may be taken.
SceneDrawing Draw(const Scene& scene, const ImageResult& image, const DiagramStyle& style,
                  const SceneDrawing* previous, SceneDrawing* spent) {
    SceneDrawing d;
    d.environmentKey = {scene.kind, style.pen, style.width, style.height};
    d.pen = style.pen;
    const bool reuse = previous != nullptr && previous->environmentKey == d.environmentKey &&
                       previous->failedAt > DrawStep::Environment;
    const bool taken = reuse && spent != nullptr && previous->environment().first == 0;
    if (taken) {
        // Its environment stays where it is, the rest of it cut off.
        const std::size_t last = previous->environment().second;
        d.record = std::move(spent->record);
        d.record.truncate(last);
        d.pen = d.record.penAt(last, d.pen);
    } else {
        d.record.reserve(reuse ? previous->record.calls().size() + 16 : 512);
    }
    DrawingRecorder surface(d.record, style.width, style.height);
    TPlotWindow W;
    W.Pen = &d.pen;
    PlotInit(W, surface, WorldXMin, WorldYMin, WorldXMax, WorldYMax);
    const double x = scene.objectPos;
    DrawStep step = DrawStep::Environment;
    const auto begin = [&d, &step](DrawStep next) {
        step = next;
        d.starts[static_cast<std::size_t>(next)] = d.record.calls().size();
    };
    try {
        if (reuse && !taken) {
            const auto [first, last] = previous->environment();
            d.record.append(previous->record, first, last);
            d.pen = d.record.penAt(last, d.pen);
        } else if (!reuse) {
            PenStyle(W, Solid);
            Environment(W, scene.kind);
        }
        begin(DrawStep::Object);
        ObjectArrow(W, style.object, x);
        begin(DrawStep::Rays);
        Rays(W, style.ray, scene.kind, CurvatureSignOf(scene.kind), x, image.position,
             image.height);
        begin(DrawStep::Image);
        ImageArrow(W, style.image, image.position, image.height);
        begin(DrawStep::Done);
    } catch (const RunError& e) {
        d.failedAt = step;
        d.failure = e.what();
        for (auto i = static_cast<std::size_t>(step) + 1; i < d.starts.size(); ++i) {
            d.starts[i] = d.record.calls().size();
        }
    }
    return d;
}

} // namespace

SceneDrawing DrawScene(const Scene& scene, const ImageResult& image, const DiagramStyle& style,
                       const SceneDrawing* previous) {
    return Draw(scene, image, style, previous, nullptr);
}

SceneDrawing DrawScene(const Scene& scene, const ImageResult& image, const DiagramStyle& style,
                       SceneDrawing&& previous) {
    return Draw(scene, image, style, &previous, &previous);
}

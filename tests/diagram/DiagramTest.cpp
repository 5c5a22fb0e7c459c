// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/Diagram.h"
#include "core/RunError.h"
#include "diagram/ObjectDrag.h"
#include "optics/Optics.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <tuple>
#include <vector>

namespace {

using Op = RecordingSurface::Op;
constexpr LineStyle S = LineStyle::Solid, D = LineStyle::Dot;
constexpr TPen Black{S, 0, 1};

// A line as drawn: from the current point to the end of a LineTo, in pixels, with its pen.
struct Stroke {
    std::int32_t x0, y0, x1, y1;
    TPen pen;
    bool operator==(const Stroke&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Stroke& s) {
    return o << "(" << s.x0 << "," << s.y0 << ")-(" << s.x1 << "," << s.y1 << ") style "
             << int(s.pen.style) << " colour " << s.pen.color << " width " << s.pen.width;
}

// A line expected, in world units.
struct Line {
    double x0, y0, x1, y1;
    LineStyle style;
};

class Drawing : public ::testing::Test {
protected:
    void SetUp() override {
        PlotUnitInit();
        RayColor = DefaultRayColor;
        ObjectColor = DefaultObjectColor;
        ImageColor = DefaultImageColor;
        ASSERT_TRUE(PlotInit(W, surface, WorldXMin, WorldYMin, WorldXMax, WorldYMax));
    }
    void Draw(TMirrorKind kind, double x, bool stepByStep = false) {
        surface.calls.clear();
        MirrorKind = kind;
        CurvatureSign = kind == MirrorConcave ? -1 : 1;
        if (!stepByStep)
            DrawDiagram(W, x);
    }
    std::vector<Stroke> Strokes(TColor color) const {
        std::vector<Stroke> out;
        for (std::size_t i = 1; i < surface.calls.size(); ++i) {
            const auto &from = surface.calls[i - 1], &to = surface.calls[i];
            if (to.op == Op::LineTo && to.pen.color == color)
                out.push_back({from.a, from.b, to.a, to.b, to.pen});
        }
        return out;
    }
    Stroke At(const Line& l, TColor color, int width) const {
        return Stroke{PlotX(W, l.x0), PlotY(W, l.y0), PlotX(W, l.x1), PlotY(W, l.y1),
                      TPen{l.style, color, width}};
    }
    RecordingSurface surface;
    TPlotWindow W;
};

struct RayCase {
    TMirrorKind kind;
    double x;
    std::vector<Line> rays;
};

// m (Cm concave): where the parallel ray meets a curved mirror; (A, D): where the ray through the
// centre does. Concave rays through F or C end at -100, dotted continuations at 100.
constexpr double m = 1.0102051443, Cm = -1.0102051443, Focal = -31.2632936;
const RayCase RayCases[] = {
    RayCase{MirrorPlane,
            -40,
            {Line{-40, 10, 0, 10, S}, Line{-40, 10, 0, 0, S}, Line{0, 0, -100, -25, S},
             Line{0, 0, 100, 25, D}, Line{0, 10, 100, 10, D}}},
    // At 0 only the lines with a length: ray 1 has none, rays 3 and 4 are vertical.
    RayCase{MirrorPlane, 0, {Line{0, 10, 0, 10, S}, Line{0, 10, 0, 0, S}, Line{0, 10, 100, 10, D}}},
    // (A, D) = (0.3058, 5.5216); the image tip is (15.385, 3.846).
    RayCase{MirrorConvex,
            -40,
            {Line{-40, 10, m, 10, S}, Line{-40, 10, 0.3058133, 5.5215763, S},
             Line{m, 10, 100, -32.3786408, D}, Line{0.3058133, 5.5215763, 100, -5.5555556, D}}},
    // Beyond the centre (A, D) lies below the axis; at the centre, at the circle's lowest point.
    RayCase{MirrorConcave,
            -75,
            {Line{-75, 10, Cm, 10, S}, Line{-75, 10, -3.5761655, -18.5695338, S},
             Line{Cm, 10, -100, Focal, S}}},
    RayCase{MirrorConcave,
            -50,
            {Line{-50, 10, Cm, 10, S}, Line{-50, 10, -50, -50, S}, Line{Cm, 10, -100, Focal, S}}},
    // Inside the focus: also through the centre, then dotted through the image tip.
    RayCase{MirrorConcave,
            -24,
            {Line{-24, 10, Cm, 10, S}, Line{-24, 10, -3.3327197, 17.9489540, S},
             Line{Cm, 10, -100, Focal, S}, Line{-24, 10, -100, -19.2307692, S},
             Line{-3.3327197, 17.9489540, 100, 57.6923077, D}, Line{Cm, 10, 100, 50.336169, D}}}};

TEST_F(Drawing, StepByStepRaysArrowsMarksAndThePenEachStepLeaves) {
    for (const auto& c : RayCases) {
        Draw(c.kind, c.x, /*stepByStep=*/true);
        PenStyle(W, 0);
        dibuixaEntorn(W, c.kind);
        EXPECT_EQ(Black, CurrentPen) << c.x;
        double placed = NAN;
        dibuixafigura(W, c.x, [&](double x) { placed = CurrentPen == Black ? x : NAN; });
        EXPECT_EQ(c.x, placed);
        EXPECT_EQ(Black, CurrentPen) << c.x;
        Rajos(W, c.x);
        EXPECT_EQ((TPen{c.rays.back().style, RayColor, 1}), CurrentPen) << +c.kind << " " << c.x;
        DibuixaImatge(W);
        EXPECT_EQ(Black, CurrentPen) << c.x;

        std::vector<Stroke> rays;
        for (const Line& l : c.rays)
            rays.push_back(At(l, RayColor, 1));
        EXPECT_EQ(rays, Strokes(RayColor)) << +c.kind << " " << c.x;
        const auto object = Strokes(ObjectColor), image = Strokes(ImageColor);
        ASSERT_EQ(std::pair(3ul, 3ul), std::pair(object.size(), image.size()));
        // At width 2 even the dotted style the rays leave draws solid.
        EXPECT_EQ(
            std::pair(At({c.x, 0, c.x, 10, S}, ObjectColor, 3),
                      At({ImagePos, 0, ImagePos, ImageHeight, c.rays.back().style}, ImageColor, 2)),
            std::pair(object[0], image[0]));
        EXPECT_EQ(c.kind == MirrorPlane ? 0 : 2,
                  std::ranges::count_if(
                      surface.calls, [](auto& e) { return e.op == Op::Ellipse && e.pen == Black; }))
            << +c.kind;
    }
}

TEST_F(Drawing, ThePenEachUpdateStartsWithAndConcaveRayCountsByPosition) {
    Draw(MirrorConcave, -10); // the initial pen is dotted; the update makes it solid
    EXPECT_EQ((TPen{S, DefaultObjectColor, 3}), Strokes(DefaultObjectColor).at(0).pen);
    Draw(MirrorPlane, -40);
    EXPECT_EQ(Black, surface.calls.at(1).pen);                // the axis after dotted rays
    EXPECT_THROW(Draw(MirrorPlane, -2147483648.0), RunError); // a pixel beyond 32 bits
    // The object's colour and width stay; the next update sets only the style.
    Draw(MirrorPlane, -40);
    EXPECT_EQ((TPen{S, DefaultObjectColor, 3}), surface.calls.at(1).pen);
    EXPECT_EQ(Black, CurrentPen);
    // Beyond the centre, at it and just inside the focus, the rays are the step-by-step test's.
    const std::tuple<double, int, int> cases[] = {{-30, 4, 0}, {-25, 4, 0}, {-10, 4, 2}};
    for (const auto& [x, solid, dotted] : cases) {
        Draw(MirrorConcave, x);
        const auto rays = Strokes(RayColor);
        const auto dots = std::ranges::count(rays, D, [](const Stroke& s) { return s.pen.style; });
        EXPECT_EQ(std::pair(solid, dotted), std::pair(int(rays.size() - dots), int(dots))) << x;
    }
    Draw(MirrorConcave, -25); // the image at infinity stands off the panel
    EXPECT_GT(Strokes(ImageColor).at(0).x0, 425);
}

// Column c is abscissa -110 + c * 210 / 425 on the panel, c - 110 on a binding of a unit a pixel.
TEST_F(Drawing, ObjectAtColumnRoundsHalvesToEvenHoldsToTheBarsRangeAndItsArrowBox) {
    for (int x = ObjectFarthest; x <= ObjectNearest; ++x)
        EXPECT_EQ(ObjectAtColumn(W, PlotX(W, x)), x) << "object at " << x;
    RecordingSurface unitSurface(210, 140);
    TPlotWindow unit;
    ASSERT_TRUE(PlotInit(unit, unitSurface, WorldXMin, WorldYMin, WorldXMax, WorldYMax));
    const std::tuple<const TPlotWindow*, double, int> rows[] = {
        {&W, 121, -50},      {&W, 223, 0},       {&W, 220, -1},       {&W, 21.5, -99},
        {&W, 20, -100},      {&W, 0, -100},      {&W, -5000, -100},   {&W, 300, 0},
        {&W, 1e300, 0},      {&W, -1e300, -100}, {&W, NAN, -100},     {&unit, 59.5, -50},
        {&unit, 60.5, -50},  {&unit, 61.5, -48}, {&unit, 108.5, -2},  {&unit, 109.5, 0},
        {&unit, 10.5, -100}, {&unit, 11.5, -98}, {&unit, 60.49, -50}, {&unit, 60.51, -49}};
    for (const auto& [window, column, x] : rows)
        EXPECT_EQ(ObjectAtColumn(*window, column), x) << column;
    EXPECT_EQ(ObjectAtColumn(TPlotWindow{}, 100), ObjectFarthest); // unbound
    // Shaft from the axis to the tip, the ends of the head's strokes, a little margin and no more;
    // and it follows the object. The object, a world point and a pixel offset from it, inside.
    const double H = ObjectHeight;
    const std::tuple<double, double, double, int, int, bool> points[] = {
        {-40, -40, 0, 0, 0, true},      {-40, -40, H, 0, 0, true},   {-40, -42.5, 5.67, 0, 0, true},
        {-40, -37.5, 5.67, 0, 0, true}, {-40, -40, 5, 7, 0, true},   {-40, -40, 5, 12, 0, false},
        {-40, -40, 5, -12, 0, false},   {-40, -40, H, 0, -6, false}, {-40, -40, 0, 0, 6, false},
        {-60, -40, 5, 0, 0, false},     {-60, -60, 5, 0, 0, true}};
    for (const auto& [x, wx, wy, dx, dy, inside] : points)
        EXPECT_EQ(ObjectArrowBox(W, x).contains(PlotX(W, wx) + dx, PlotY(W, wy) + dy), inside)
            << x << ": " << wx << ", " << wy << " + " << dx << ", " << dy;
}

} // namespace

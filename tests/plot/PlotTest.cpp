// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/Plot.h"
#include "core/RunError.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

using Op = RecordingSurface::Op;
using Px = std::pair<std::int32_t, std::int32_t>;

// A recording surface bound to a world rectangle, by default the diagram's on the main panel.
struct Bound {
    RecordingSurface surface;
    TPlotWindow W;
    explicit Bound(int w = 425, int h = 281, std::array<double, 4> r = {-110, -70, 100, 70})
        : surface(w, h) {
        EXPECT_TRUE(PlotInit(W, surface, r[0], r[1], r[2], r[3]));
    }
    Px At(double x, double y) const { return {PlotX(W, x), PlotY(W, y)}; }
    // The calls after the frame and the clip: a letter each, and their points (an ellipse's two).
    std::pair<std::string, std::vector<Px>> Drawn() const {
        std::pair<std::string, std::vector<Px>> out;
        for (auto c = surface.calls.begin() + 2; c != surface.calls.end(); ++c) {
            out.first += "FCMLE"[static_cast<int>(c->op)];
            out.second.emplace_back(c->a, c->b);
            if (c->op == Op::Ellipse)
                out.second.emplace_back(c->c, c->d);
        }
        return out;
    }
};

template <typename F> std::string ErrorOf(F f) try {
    f();
    return "no error";
} catch (const RunError& e) {
    return e.what();
}

TEST(PlotInit, BindsFramesAndClipsOrRefusesAndPointsRoundHalvesToEven) {
    const std::vector<RecordingSurface::Call> framed{{Op::FrameAndFill, 0, 0, 425, 281, {}},
                                                     {Op::Clip, 0, 0, 425, 281, {}}};
    // XMin, YMin, XMax, YMax and the scales' sign, 0 for refused.
    const double cases[][5] = {{-110, -70, 100, 70, 1}, {100, 70, -110, -70, -1},
                               {0, -70, 0, 70, 0},      {-110, 5, 100, 5, 0},
                               {100, -70, -110, 70, 0}, {0, 0, NAN, 1, 0}};
    for (const auto& c : cases) {
        RecordingSurface s;
        TPlotWindow W{.XScale = 7};
        EXPECT_EQ(c[4] != 0, PlotInit(W, s, c[0], c[1], c[2], c[3])) << c[0] << " " << c[2];
        EXPECT_EQ(c[4] == 0 ? 7 : c[4] * 425 / 210, W.XScale) << c[0] << " " << c[2];
        EXPECT_EQ(c[4] * 281 / 140, W.YScale) << c[0] << " " << c[2];
        EXPECT_EQ(c[4] != 0 ? framed : decltype(framed){}, s.calls);
        EXPECT_EQ(0, s.penSelections); // the program's pen is not on the surface yet
    }
    const Bound panel, unit(10, 10, {0, 0, 10, 10}), reversed(425, 281, {100, 70, -110, -70});
    const std::tuple<const Bound*, double, double, Px> points[] = {
        {&panel, -110, -70, {0, 281}},   {&panel, -50, 10, {121, 120}},
        {&panel, 0, 70, {223, 0}},       {&panel, 50, 0, {324, 141}},
        {&panel, 100, 0, {425, 141}},    {&panel, 1e9, -1e9, {2023809746, 2007142998}},
        {&unit, 2.5, 7.5, {2, 2}},       {&unit, 3.5, 6.5, {4, 4}},
        {&unit, -2.5, 12.5, {-2, -2}},   {&reversed, 100, 70, {0, 281}},
        {&reversed, -110, -70, {425, 0}}};
    for (const auto& [b, x, y, px] : points)
        EXPECT_EQ(px, b->At(x, y)) << x << ", " << y;
}

TEST(Plot, FaultsRaiseTheirMessages) {
    Bound b, n(0, 100); // no width
    for (double v : {2e9, -2e9, double(INFINITY), double(NAN)}) {
        EXPECT_EQ("Invalid floating point operation", ErrorOf([&] { PlotX(b.W, v); })) << v;
        EXPECT_EQ("Invalid floating point operation", ErrorOf([&] { PlotY(b.W, v); })) << v;
    }
    EXPECT_EQ("Floating point division by zero", ErrorOf([&] { PlotArc(b.W, 0, 0, 0, 0, 1); }));
    EXPECT_EQ("Floating point division by zero", ErrorOf([&] { PlotArc(n.W, 0, 0, 50, 0, 1); }));
    EXPECT_EQ("Range check error", ErrorOf([&] { PenStyle(b.W, 4); }));
}

TEST(PlotShapes, RayArrowAndCircle) {
    Bound b;
    PlotRay(b.W, 0, 0, 0, 5, 100); // equal abscissae: nothing
    PlotRay(b.W, 0, 0, -40, -10, -100);
    PlotRay(b.W, 0, 0, 40, 10, -100); // back past its start
    PlotArrow(b.W, 0, 0, 0, 10);
    PlotArrow(b.W, 0, 0, 0, -10);
    PlotCircle(b.W, -50, 0, 2);
    const double c = 10 - 5 * std::sqrt(3.0) / 2;
    const Px o = b.At(0, 0), far = b.At(-100, -25), up = b.At(0, 10), down = b.At(0, -10);
    EXPECT_EQ(std::pair(std::string("MLMLMLMLMLMLMLMLE"),
                        std::vector{o, far, o, far, o, up, up, b.At(-2.5, c), up, b.At(2.5, c), o,
                                    down, down, b.At(2.5, -c), down, b.At(-2.5, -c), b.At(-52, -2),
                                    b.At(-48, 2)}),
              b.Drawn());
}

TEST(PlotArc, StepsOvershootWrapAndRepeatPerWholeBinding) {
    Bound panel, half(212, 140);
    const std::tuple<Bound*, double, double, double, std::size_t> cases[] = {
        {&panel, 50, 100, 260, 283}, // convex mirror, through 180°
        {&panel, -50, 280, 80, 283}, // concave mirror, on through 0°
        {&half, -50, 280, 80, 141},  // another binding draws afresh
        {&panel, -50, 0, 0, 1}};     // end equal to start
    for (const auto& [b, cx, start, end, steps] : cases) {
        const auto draw = [&, b = b, cx = cx, start = start, end = end] {
            b->surface.calls.resize(2);
            PlotArc(b->W, cx, 0, 50, DegToRad(start), DegToRad(end));
            return b->Drawn();
        };
        const auto first = draw();
        EXPECT_EQ("M" + std::string(steps, 'L'), first.first) << start << " " << steps;
        EXPECT_NE(0, std::ranges::count(first.second, b->At(0, 0))) << start; // the vertex
        EXPECT_EQ(first, draw()) << start; // the second time from what the first kept
    }
    // Bindings that differ in one field only must not share kept arc pixels: a
    // window 40 pixels taller puts every point of the arc 40 rows lower, and
    // another origin or scale moves it too.
    using Change = void (*)(TPlotWindow&);
    const auto arc = [](Change change) {
        Bound b;
        change(b.W);
        PlotArc(b.W, -50, 0, 50, DegToRad(280), DegToRad(80));
        return b.Drawn().second;
    };
    const Change none = [](TPlotWindow&) {};
    const std::vector<Px> base = arc(none);
    std::vector<Px> lower = base;
    for (Px& p : lower)
        p.second += 40;
    EXPECT_EQ(lower, arc([](TPlotWindow& W) { W.Height += 40; }));
    for (const Change change :
         {+[](TPlotWindow& W) { W.XMin += 10; }, +[](TPlotWindow& W) { W.YMin += 10; },
          +[](TPlotWindow& W) { W.XScale *= 1.5; }, +[](TPlotWindow& W) { W.YScale *= 1.5; }})
        EXPECT_NE(base, arc(change));
    EXPECT_EQ(base, arc(none)); // and the first binding still gets its own
}

TEST(PlotUnit, PenOneAttributeAtATimeCarriedOnAndIntPowerWrapsAtThirtyTwoBits) {
    RecordingSurface s;
    const TPlotWindow W{.DC = &s};
    PlotUnitInit();
    PenColor(W, RGB(1, 2, 3));
    PenWidth(W, 2);
    EXPECT_EQ((TPen{LineStyle::Dot, RGB(1, 2, 3), 2}), s.pen()); // the initial style kept
    PenStyle(W, 2);
    PenReset(W);
    EXPECT_EQ((TPen{LineStyle::Solid, 0, 1}), s.pen());
    EXPECT_EQ(6, s.penSelections);
    const int powers[][3] = {{-1, 0, 1},  {-1, 1, -1}, {12345, 0, 1},      {2, 10, 1024},
                             {-2, 3, -8}, {2, 32, 0},  {3, 20, -808182895}};
    for (const auto& p : powers)
        EXPECT_EQ(p[2], IntPower(p[0], static_cast<std::uint8_t>(p[1]))) << p[0] << "^" << p[1];
}

} // namespace

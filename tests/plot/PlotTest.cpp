#include "Plot.h"
#include "RecordingSurface.h"
#include "RunError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Op = RecordingSurface::Op;

struct Bound {
    RecordingSurface surface{425, 281};
    TPlotWindow W;
    Bound() { EXPECT_TRUE(PlotInit(W, surface, -110, -70, 100, 70)); }
    std::vector<RecordingSurface::Call> drawn() const {
        return {surface.calls.begin() + 2, surface.calls.end()}; // after frame and clip
    }
};

TEST(PlotInit, BindsTheDiagramRectangleAndFramesTheSurface) {
    Bound b;
    EXPECT_EQ(425, b.W.Width);
    EXPECT_EQ(281, b.W.Height);
    EXPECT_EQ(425.0 / 210.0, b.W.XScale);
    EXPECT_EQ(281.0 / 140.0, b.W.YScale);
    ASSERT_EQ(2u, b.surface.calls.size());
    EXPECT_EQ(Op::FrameAndFill, b.surface.calls[0].op);
    EXPECT_EQ(425, b.surface.calls[0].c);
    EXPECT_EQ(281, b.surface.calls[0].d);
    EXPECT_EQ(Op::Clip, b.surface.calls[1].op);
    EXPECT_EQ(0, b.surface.penSelections); // the program's pen is not on it yet
}

TEST(PlotInit, RefusesAnEmptyOrInvertedRectangleAndChangesNothing) {
    struct Case {
        double x0, y0, x1, y1;
        bool accepted;
    } cases[] = {
        {-110, -70, 100, 70, true},  {0, -70, 0, 70, false},     {-110, 5, 100, 5, false},
        {100, -70, -110, 70, false}, {100, 70, -110, -70, true}, {0, 0, NAN, 1, false},
    };
    for (const Case& c : cases) {
        RecordingSurface s;
        TPlotWindow W;
        W.XScale = 7;
        EXPECT_EQ(c.accepted, PlotInit(W, s, c.x0, c.y0, c.x1, c.y1)) << c.x0 << " " << c.x1;
        if (!c.accepted) {
            EXPECT_EQ(nullptr, W.DC);
            EXPECT_EQ(7, W.XScale);
            EXPECT_TRUE(s.calls.empty());
        }
    }
}

TEST(PlotInit, BothSpansNegativeRunTheAxesTheOtherWay) {
    RecordingSurface s;
    TPlotWindow W;
    ASSERT_TRUE(PlotInit(W, s, 100, 70, -110, -70));
    EXPECT_EQ(0, PlotX(W, 100));
    EXPECT_EQ(425, PlotX(W, -110));
    EXPECT_EQ(281, PlotY(W, 70));
    EXPECT_EQ(0, PlotY(W, -70));
}

TEST(PlotXY, ColumnsAndRowsOfTheDiagram) {
    Bound b;
    const std::pair<double, int> columns[] = {
        {-110, 0}, {-50, 121}, {0, 223}, {50, 324}, {100, 425}};
    for (auto [x, col] : columns) {
        EXPECT_EQ(col, PlotX(b.W, x)) << x;
    }
    // Ordinate 0 lies just above 140.5 in extended precision.
    const std::pair<double, int> rows[] = {{-70, 281}, {10, 120}, {70, 0}, {0, 141}};
    for (auto [y, row] : rows) {
        EXPECT_EQ(row, PlotY(b.W, y)) << y;
    }
    RecordingSurface s(10, 10);
    TPlotWindow W;
    ASSERT_TRUE(PlotInit(W, s, 0, 0, 10, 10));
    const std::pair<double, int> halves[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}};
    for (auto [x, col] : halves) {
        EXPECT_EQ(col, PlotX(W, x)) << x;
    }
}

TEST(PlotXY, PixelsBeyondThirtyTwoBitsAreAnInvalidOperation) {
    Bound b;
    EXPECT_NO_THROW(PlotX(b.W, 1e6));
    const double bad[] = {2e9, -2e9, INFINITY, NAN};
    for (double x : bad) {
        try {
            PlotX(b.W, x);
            ADD_FAILURE() << x;
        } catch (const RunError& e) {
            EXPECT_STREQ("Invalid floating point operation", e.what());
        }
    }
}

TEST(PlotRay, ExtendsTheLineToTheGivenAbscissaOnEitherSideOrDrawsNothing) {
    Bound b;
    PlotRay(b.W, 0, 0, 0, 5, 100); // equal abscissae
    PlotRay(b.W, 0, 0, -40, -10, -100);
    PlotRay(b.W, 0, 0, 40, 10, -100); // ends behind its start
    const auto d = b.drawn();
    ASSERT_EQ(4u, d.size());
    const auto end = std::pair{PlotX(b.W, -100), PlotY(b.W, -25)};
    EXPECT_EQ(end, (std::pair{d[1].a, d[1].b}));
    EXPECT_EQ((std::pair{PlotX(b.W, 0), PlotY(b.W, 0)}), (std::pair{d[2].a, d[2].b}));
    EXPECT_EQ(end, (std::pair{d[3].a, d[3].b}));
}

TEST(PlotArrow, HeadStrokesAreHalfTheShaftAtThirtyDegrees) {
    Bound b;
    PlotArrow(b.W, 0, 0, 0, 10);
    PlotArrow(b.W, 0, 0, 0, -10);
    const auto d = b.drawn();
    ASSERT_EQ(12u, d.size());
    const auto at = [&](double x, double y) { return std::pair{PlotX(b.W, x), PlotY(b.W, y)}; };
    const auto tip = [&](std::size_t i) { return std::pair{d[i].a, d[i].b}; };
    const double c = 10 - 5 * std::sqrt(3.0) / 2; // 5.67
    EXPECT_EQ(at(0, 10), tip(1));
    EXPECT_EQ(at(0, 10), tip(2));
    EXPECT_EQ(at(-2.5, c), tip(3)); // down-left first
    EXPECT_EQ(at(0, 10), tip(4));
    EXPECT_EQ(at(2.5, c), tip(5));
    EXPECT_EQ(at(0, -10), tip(7)); // pointing down: 60° then 120°
    EXPECT_EQ(at(2.5, -c), tip(9));
    EXPECT_EQ(at(-2.5, -c), tip(11));
}

struct ArcCase {
    double start, end;
    std::size_t steps;
    double passesX, passesY; // a point the arc goes through
};

TEST(PlotArc, StepsOvershootAndWrapAround) {
    Bound b;
    const ArcCase cases[] = {
        {DegToRad(100), DegToRad(260), 283, 0, 0}, // convex mirror through 180°
        {DegToRad(280), DegToRad(80), 283, 0, 0},  // concave mirror through 0° (440°)
        {DegToRad(30), DegToRad(30), 1, NAN, NAN}, // end equal to start: one step
    };
    const double centres[] = {50, -50, 0};
    for (std::size_t k = 0; k < 3; ++k) {
        const ArcCase& c = cases[k];
        b.surface.calls.resize(2);
        PlotArc(b.W, centres[k], 0, 50, c.start, c.end);
        const auto d = b.drawn();
        ASSERT_EQ(c.steps + 1, d.size()) << k;
        EXPECT_EQ(Op::MoveTo, d[0].op);
        if (!std::isnan(c.passesX)) {
            bool found = false;
            for (const auto& call : d) {
                found |= call.a == PlotX(b.W, c.passesX) && call.b == PlotY(b.W, c.passesY);
            }
            EXPECT_TRUE(found) << k;
        }
    }
}

TEST(PlotArc, ZeroRadiusOrZeroWidthIsADivisionByZero) {
    Bound b;
    RecordingSurface narrow(0, 100);
    TPlotWindow N;
    ASSERT_TRUE(PlotInit(N, narrow, -110, -70, 100, 70));
    for (auto [w, r] : {std::pair{&b.W, 0.0}, std::pair{&N, 50.0}}) {
        try {
            PlotArc(*w, 0, 0, r, 0, 1);
            ADD_FAILURE();
        } catch (const RunError& e) {
            EXPECT_STREQ("Floating point division by zero", e.what());
        }
    }
}

TEST(PlotCircle, BoxFromTheCornersAndNoMove) {
    Bound b;
    PlotCircle(b.W, -50, 0, 2);
    const auto d = b.drawn();
    ASSERT_EQ(1u, d.size());
    EXPECT_EQ(Op::Ellipse, d[0].op);
    EXPECT_EQ(PlotX(b.W, -52), d[0].a);
    EXPECT_EQ(PlotY(b.W, -2), d[0].b);
    EXPECT_EQ(PlotX(b.W, -48), d[0].c);
    EXPECT_EQ(PlotY(b.W, 2), d[0].d);
}

TEST(Pen, ReplacedOneAttributeAtATimeAndCarriedOn) {
    RecordingSurface s;
    PlotUnitInit();
    EXPECT_EQ((TPen{LineStyle::Dot, 0, 1}), CurrentPen);
    PenColor(s, RGB(1, 2, 3));
    EXPECT_EQ((TPen{LineStyle::Dot, RGB(1, 2, 3), 1}), s.pen()); // style of the initial pen kept
    PenWidth(s, 2);
    EXPECT_EQ((TPen{LineStyle::Dot, RGB(1, 2, 3), 2}), s.pen());
    PenStyle(s, 2);
    PenReset(s);
    EXPECT_EQ((TPen{LineStyle::Solid, 0, 1}), s.pen());
    EXPECT_EQ(CurrentPen, s.pen());
    EXPECT_EQ(6, s.penSelections); // PenReset builds three pens
    EXPECT_THROW(PenStyle(s, 4), RunError);
    EXPECT_EQ(CurrentPen, s.pen());
}

TEST(Angles, ConversionsAndPower) {
    EXPECT_DOUBLE_EQ(M_PI, DegToRad(180));
    EXPECT_DOUBLE_EQ(-120, RadToDeg(-2 * M_PI / 3));
    EXPECT_EQ(1, IntPower(-1, 0));
    EXPECT_EQ(-1, IntPower(-1, 1));
    EXPECT_EQ(1, IntPower(12345, 0));
    EXPECT_EQ(1024, IntPower(2, 10));
    EXPECT_EQ(0, IntPower(2, 32)); // wraps around
}

} // namespace

namespace {

TEST(PlotArc, ARepeatedArcDrawsTheSameChainAndARebindingDrawsAfresh) {
    Bound b;
    PlotArc(b.W, -50, 0, 50, DegToRad(280), DegToRad(80));
    const auto first = b.drawn();
    b.surface.calls.resize(2);
    PlotArc(b.W, -50, 0, 50, DegToRad(280), DegToRad(80));
    EXPECT_EQ(first, b.drawn());

    RecordingSurface small(212, 140);
    TPlotWindow S;
    ASSERT_TRUE(PlotInit(S, small, -110, -70, 100, 70));
    PlotArc(S, -50, 0, 50, DegToRad(280), DegToRad(80));
    // Half the scale: 160° in steps of 1/50/(212/210) radians is 141 steps
    // after the move, still through the vertex.
    EXPECT_EQ(1u + 141u, small.calls.size() - 2);
    bool vertex = false;
    for (const auto& c : small.calls) {
        vertex |= c.op == Op::LineTo && c.a == PlotX(S, 0) && c.b == PlotY(S, 0);
    }
    EXPECT_TRUE(vertex);
}

} // namespace

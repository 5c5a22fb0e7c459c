#include "Diagram.h"
#include "Optics.h"
#include "RecordingSurface.h"
#include "RunError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

using Op = RecordingSurface::Op;
using Call = RecordingSurface::Call;

struct Pt {
    double x, y;
};

// One diagram drawn on a recording surface bound like the main window's.
class Drawing : public ::testing::Test {
protected:
    void SetUp() override {
        PlotUnitInit();
        RayColor = DefaultRayColor;
        ObjectColor = DefaultObjectColor;
        ImageColor = DefaultImageColor;
        ASSERT_TRUE(PlotInit(W, surface, WorldXMin, WorldYMin, WorldXMax, WorldYMax));
    }

    void Draw(TMirrorKind kind, double x) {
        surface.calls.clear();
        MirrorKind = kind;
        CurvatureSign = IntPower(-1, kind == MirrorConcave ? 1 : 0);
        DrawDiagram(W, x);
    }

    // The straight strokes drawn in one colour, as (from, to, style).
    struct Stroke {
        std::int32_t x0, y0, x1, y1;
        LineStyle style;
        int width;
    };
    std::vector<Stroke> Strokes(TColor color) const {
        std::vector<Stroke> out;
        std::optional<std::pair<int, int>> at;
        for (const Call& c : surface.calls) {
            if (c.op == Op::MoveTo) {
                at = std::pair{c.a, c.b};
            } else if (c.op == Op::LineTo) {
                if (c.pen.color == color) {
                    out.push_back({at->first, at->second, c.a, c.b, c.pen.style, c.pen.width});
                }
                at = std::pair{c.a, c.b};
            }
        }
        return out;
    }

    ::testing::AssertionResult Is(const Stroke& s, Pt from, Pt to, LineStyle style) const {
        const Stroke want{
            PlotX(W, from.x), PlotY(W, from.y), PlotX(W, to.x), PlotY(W, to.y), style, 1};
        if (s.x0 == want.x0 && s.y0 == want.y0 && s.x1 == want.x1 && s.y1 == want.y1 &&
            s.style == style && s.width == 1) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "stroke (" << s.x0 << "," << s.y0 << ")-(" << s.x1 << "," << s.y1 << ") style "
               << int(s.style) << " width " << s.width << ", expected (" << want.x0 << ","
               << want.y0 << ")-(" << want.x1 << "," << want.y1 << ") style " << int(style);
    }

    RecordingSurface surface{425, 281};
    TPlotWindow W;
};

constexpr LineStyle Solid = LineStyle::Solid;
constexpr LineStyle Dotted = LineStyle::Dot;

TEST_F(Drawing, PlaneMirrorAtForty) {
    Draw(MirrorPlane, -40);
    const auto rays = Strokes(RayColor);
    ASSERT_EQ(5u, rays.size());
    EXPECT_TRUE(Is(rays[0], {-40, 10}, {0, 10}, Solid));
    EXPECT_TRUE(Is(rays[1], {-40, 10}, {0, 0}, Solid));
    EXPECT_TRUE(Is(rays[2], {0, 0}, {-100, -25}, Solid));
    EXPECT_TRUE(Is(rays[3], {0, 0}, {100, 25}, Dotted)); // through the image tip (40, 10)
    EXPECT_TRUE(Is(rays[4], {0, 10}, {100, 10}, Dotted));
}

TEST_F(Drawing, PlaneMirrorAtZeroDrawsOnlyWhatHasLength) {
    Draw(MirrorPlane, 0);
    const auto rays = Strokes(RayColor);
    // Ray 1 has no length, rays 3 and 4 have equal abscissae.
    ASSERT_EQ(3u, rays.size());
    EXPECT_TRUE(Is(rays[0], {0, 10}, {0, 10}, Solid));
    EXPECT_TRUE(Is(rays[1], {0, 10}, {0, 0}, Solid));
    EXPECT_TRUE(Is(rays[2], {0, 10}, {100, 10}, Dotted));
}

TEST_F(Drawing, ConvexMirrorAtForty) {
    Draw(MirrorConvex, -40);
    const double m = 50 - std::sqrt(2400.0);
    const double phi = std::atan(10.0 / 90);
    const Pt AD{50 * (1 - std::cos(phi)), 50 * std::sin(phi)};
    EXPECT_NEAR(0.3058, AD.x, 1e-4);
    EXPECT_NEAR(5.5216, AD.y, 1e-4);
    const auto rays = Strokes(RayColor);
    ASSERT_EQ(4u, rays.size());
    EXPECT_TRUE(Is(rays[0], {-40, 10}, {m, 10}, Solid));
    EXPECT_TRUE(Is(rays[1], {-40, 10}, AD, Solid));
    const Pt tip{ImagePos, ImageHeight};
    EXPECT_NEAR(15.385, tip.x, 1e-3);
    EXPECT_NEAR(3.846, tip.y, 1e-3);
    const auto end = [&](Pt from) {
        return Pt{100, tip.y + (tip.y - from.y) / (tip.x - from.x) * (100 - tip.x)};
    };
    EXPECT_TRUE(Is(rays[2], {m, 10}, end({m, 10}), Dotted));
    EXPECT_TRUE(Is(rays[3], AD, end(AD), Dotted));
}

TEST_F(Drawing, ConcaveRaysByObjectPosition) {
    struct Case {
        double x;
        std::size_t solid, dotted;
    } cases[] = {{-75, 3, 0}, {-50, 3, 0}, {-30, 4, 0}, {-25, 4, 0}, {-24, 4, 2}, {-10, 4, 2}};
    for (const Case& c : cases) {
        Draw(MirrorConcave, c.x);
        std::size_t solid = 0, dotted = 0;
        for (const auto& r : Strokes(RayColor)) {
            (r.style == Dotted ? dotted : solid)++;
        }
        EXPECT_EQ(c.solid, solid) << c.x;
        EXPECT_EQ(c.dotted, dotted) << c.x;
    }
}

TEST_F(Drawing, ConcaveBeyondTheCentreMeetsTheMirrorBelowTheAxis) {
    Draw(MirrorConcave, -75);
    auto rays = Strokes(RayColor);
    ASSERT_EQ(3u, rays.size());
    const double phi = std::atan(10.0 / -25);
    const Pt AD{-50 * (1 - std::cos(phi)), 50 * std::sin(phi)};
    EXPECT_NEAR(-3.576, AD.x, 1e-3);
    EXPECT_NEAR(-18.570, AD.y, 1e-3);
    EXPECT_TRUE(Is(rays[1], {-75, 10}, AD, Solid));
    const double m = -(50 - std::sqrt(2400.0));
    // Through the focus, on to abscissa -100.
    EXPECT_TRUE(Is(rays[2], {m, 10}, {-100, 10 + (0 - 10) / (-25 - m) * (-100 - m)}, Solid));
    // At the centre the line through it is vertical: straight down to the
    // circle's lowest point, through the image tip.
    Draw(MirrorConcave, -50);
    rays = Strokes(RayColor);
    ASSERT_EQ(3u, rays.size());
    EXPECT_TRUE(Is(rays[1], {-50, 10}, {-50, -50}, Solid));
}

TEST_F(Drawing, ConcaveInsideTheFocusAimsTheDottedRaysAtTheImage) {
    Draw(MirrorConcave, -24);
    const auto rays = Strokes(RayColor);
    ASSERT_EQ(6u, rays.size());
    EXPECT_TRUE(Is(rays[3], {-24, 10}, {-100, (0 - 10) / (-50.0 + 24) * (-100 + 50)}, Solid));
    EXPECT_EQ(PlotX(W, 100), rays[4].x1);
    EXPECT_EQ(PlotX(W, 100), rays[5].x1);
    // At the focus the image arrow stands at "infinity", off the panel.
    Draw(MirrorConcave, -25);
    EXPECT_GT(Strokes(ImageColor).at(0).x0, 425);
}

TEST_F(Drawing, ObjectAndImageArrowsAndTheMarks) {
    Draw(MirrorConvex, -40);
    const auto object = Strokes(ObjectColor);
    ASSERT_EQ(3u, object.size());
    for (const auto& s : object) {
        EXPECT_EQ(3, s.width);
        EXPECT_EQ(Solid, s.style);
    }
    EXPECT_EQ(PlotY(W, 10), object[0].y1);
    int ellipses = 0;
    for (const Call& c : surface.calls) {
        if (c.op == Op::Ellipse) {
            ++ellipses;
            EXPECT_EQ((TPen{Solid, 0, 1}), c.pen);
        }
    }
    EXPECT_EQ(2, ellipses);
    // The image arrow follows dotted rays yet draws at width 2, so solid.
    const auto image = Strokes(ImageColor);
    ASSERT_EQ(3u, image.size());
    for (const auto& s : image) {
        EXPECT_EQ(2, s.width);
    }
}

TEST_F(Drawing, PenHandedOnFromStepToStep) {
    surface.calls.clear();
    MirrorKind = MirrorPlane;
    CurvatureSign = 1;
    PenStyle(surface, 0);
    EXPECT_EQ((TPen{Solid, 0, 1}), CurrentPen); // the first drawing's dotted initial pen
    dibuixaEntorn(W, MirrorKind);
    EXPECT_EQ((TPen{Solid, 0, 1}), CurrentPen);
    double placed = NAN;
    dibuixafigura(W, -40, [&](double x) {
        placed = x;
        EXPECT_EQ((TPen{Solid, 0, 1}), CurrentPen);
    });
    EXPECT_EQ(-40, placed);
    EXPECT_EQ(40, ImagePos); // the image is computed after the controls are placed
    Rajos(W, -40);
    EXPECT_EQ((TPen{Dotted, RayColor, 1}), CurrentPen);
    DibuixaImatge(W);
    EXPECT_EQ((TPen{Solid, 0, 1}), CurrentPen);
    // Concave at the centre draws no dotted ray: the rays leave the pen solid.
    MirrorKind = MirrorConcave;
    CurvatureSign = -1;
    dibuixaEntorn(W, MirrorKind);
    dibuixafigura(W, -50);
    Rajos(W, -50);
    EXPECT_EQ((TPen{Solid, RayColor, 1}), CurrentPen);
}

TEST_F(Drawing, NextAxisIsSolidBlackAfterDottedRays) {
    Draw(MirrorConcave, -10);
    Draw(MirrorPlane, -40);
    ASSERT_GE(surface.calls.size(), 2u);
    EXPECT_EQ(Op::LineTo, surface.calls[1].op);
    EXPECT_EQ((TPen{Solid, 0, 1}), surface.calls[1].pen);
}

TEST_F(Drawing, AFarPositionStopsWithTheErrorAndTheNextUpdateDrawsAgain) {
    try {
        Draw(MirrorPlane, -2147483648.0);
        FAIL();
    } catch (const RunError& e) {
        EXPECT_STREQ("Invalid floating point operation", e.what());
    }
    // The pen kept the object's colour and width; the next update resets
    // only the style, so its axis takes them.
    EXPECT_EQ((TPen{Solid, ObjectColor, 3}), CurrentPen);
    Draw(MirrorPlane, -40);
    EXPECT_EQ((TPen{Solid, ObjectColor, 3}), surface.calls[1].pen);
    EXPECT_EQ((TPen{Solid, 0, 1}), CurrentPen);
}

} // namespace

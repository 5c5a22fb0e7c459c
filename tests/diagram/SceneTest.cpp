// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RunError.h"
#include "diagram/Diagram.h"
#include "diagram/DiagramRecord.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace {

// The main window's way: the program-wide variables set, then the four steps drawn.
DrawingRecord DrawnTheOldWay(const Scene& scene, ImageResult* image) {
    PlotUnitInit();
    RayColor = DefaultRayColor;
    ObjectColor = DefaultObjectColor;
    ImageColor = DefaultImageColor;
    MirrorKind = scene.kind;
    CurvatureSign = CurvatureSignOf(scene.kind);
    DrawingRecord record;
    DrawingRecorder surface(record, PanelWidth, PanelHeight);
    TPlotWindow W;
    PlotInit(W, surface, WorldXMin, WorldYMin, WorldXMax, WorldYMax);
    DrawDiagram(W, scene.objectPos);
    *image = {ImagePos,
              Magnification,
              ImageHeight,
              static_cast<TImageKind>(ImageKind),
              static_cast<TSizeClass>(SizeClass),
              ImagePos == ImageAtInfinity};
    return record;
}

std::uint64_t Bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

// Every position of the bar and typed ones behind the mirror: the same bits and calls.
TEST(Scene, PureFunctionsGiveWhatTheProgramWidePathGives) {
    for (const TMirrorKind kind : {MirrorPlane, MirrorConvex, MirrorConcave})
        for (int x = -100; x <= 25; ++x) {
            const Scene scene{kind, static_cast<double>(x)};
            ImageResult old;
            const DrawingRecord expected = DrawnTheOldWay(scene, &old);
            // The program-wide state is left to show it is neither read nor written.
            MirrorKind = (kind + 1) % 3;
            CurvatureSign = 7;
            ImagePos = 123;
            RayColor = 0;
            CurrentPen = TPen{LineStyle::DashDot, 77, 9};
            const ImageResult image = ComputeImage(scene);
            const SceneDrawing drawing = DrawScene(scene, image);
            const auto exact = [](const ImageResult& r) {
                return std::tuple(Bits(r.position), Bits(r.magnification), Bits(r.height), r.kind,
                                  r.size, r.atInfinity);
            };
            EXPECT_EQ(exact(image), exact(old)) << +kind << " " << x;
            EXPECT_FALSE(drawing.failed());
            EXPECT_EQ(drawing.record.calls(), expected.calls()) << +kind << " " << x;
            EXPECT_EQ(
                std::tuple(MirrorKind, CurvatureSign, ImagePos, RayColor, CurrentPen),
                std::tuple((kind + 1) % 3, 7, 123.0, TColor(0), TPen{LineStyle::DashDot, 77, 9}));
        }
}

// The environment depends on the mirror alone; a scene drawn between two others changes neither.
TEST(Scene, LayersAndScenesApart) {
    const Scene a{MirrorConcave, -60}, b{MirrorConvex, -35};
    const SceneDrawing first = DrawScene(a, ComputeImage(a));
    const SceneDrawing other = DrawScene(b, ComputeImage(b));
    const SceneDrawing again = DrawScene(a, ComputeImage(a));
    EXPECT_EQ(first.record.calls(), again.record.calls());
    EXPECT_NE(first.record.calls(), other.record.calls());
    const Scene moved{MirrorConcave, -59};
    const SceneDrawing next = DrawScene(moved, ComputeImage(moved));
    const auto [e0, e1] = first.environment();
    const auto [n0, n1] = next.environment();
    ASSERT_EQ(e1 - e0, n1 - n0);
    EXPECT_TRUE(std::equal(first.record.calls().begin() + e0, first.record.calls().begin() + e1,
                           next.record.calls().begin() + n0));
    EXPECT_EQ(first.environmentKey, next.environmentKey);
    // The environment taken from the last drawing, or from another mirror's.
    for (const SceneDrawing* last : {&first, &other}) {
        const SceneDrawing d = DrawScene(moved, ComputeImage(moved), {}, last);
        EXPECT_EQ(std::tuple(d.record.calls(), d.pen), std::tuple(next.record.calls(), next.pen));
    }
    EXPECT_FALSE(first.environmentKey == other.environmentKey);
    const auto& objectPen = first.record.calls()[first.moving().first]; // the moving layers' first
    EXPECT_EQ(std::tuple(objectPen.op, objectPen.pen.color, first.moving().second),
              std::tuple(DrawingRecord::Op::Pen, DefaultObjectColor, first.record.calls().size()));
    // Each drawing leaves the pen as the image arrow's reset left it.
    EXPECT_EQ(first.pen, (TPen{LineStyle::Solid, 0, 1}));
}

// Too far to draw: fails at the object, the environment kept, the pen as the failure left it.
TEST(Scene, AFailedDrawingSaysWhere) {
    const Scene far{MirrorConcave, -1e12};
    const SceneDrawing d = DrawScene(far, ComputeImage(far));
    EXPECT_EQ(std::tuple(d.failedAt, d.failure),
              std::tuple(DrawStep::Object, InvalidFloatOperation));
    EXPECT_GT(d.environment().second, 0u);
    EXPECT_EQ(d.moving().first, d.moving().second - 2); // the two pen changes
    EXPECT_EQ(d.pen, (TPen{LineStyle::Solid, DefaultObjectColor, 3}));
    EXPECT_THROW(RecordDiagram(MirrorConcave, -1e12), RunError);
}

} // namespace

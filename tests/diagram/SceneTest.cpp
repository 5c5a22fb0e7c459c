// SPDX-License-Identifier: GPL-3.0-or-later
// A scene computed and drawn by the pure functions, beside the main window's
// program-wide path that the same drawings must come out of.
#include "core/RunError.h"
#include "diagram/Diagram.h"
#include "diagram/DiagramRecord.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace {

// The main window's way: the model's variables set, then the four steps
// drawn with the program's pen and colours.
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

// Every position of the bar, and typed ones behind the mirror and at the
// convex mirror's focus: the same image to the last bit and the same calls.
TEST(Scene, PureFunctionsGiveWhatTheProgramWidePathGives) {
    for (const TMirrorKind kind : {MirrorPlane, MirrorConvex, MirrorConcave}) {
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
}

// The environment depends on the mirror alone; the moving layers begin
// with the object's pen; one scene drawn between two others changes
// neither.
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
    EXPECT_EQ(DrawScene(moved, ComputeImage(moved), {}, &first).record.calls(),
              next.record.calls());
    EXPECT_EQ(DrawScene(moved, ComputeImage(moved), {}, &other).record.calls(),
              next.record.calls());
    EXPECT_EQ(DrawScene(moved, ComputeImage(moved), {}, &first).pen, next.pen);
    EXPECT_FALSE(first.environmentKey == other.environmentKey);
    const auto& objectPen = first.record.calls()[first.moving().first];
    EXPECT_EQ(objectPen.op, DrawingRecord::Op::Pen);
    EXPECT_EQ(objectPen.pen.color, DefaultObjectColor);
    EXPECT_EQ(first.moving().second, first.record.calls().size());
    // Each drawing leaves the pen as the image arrow's reset left it.
    EXPECT_EQ(first.pen, (TPen{LineStyle::Solid, 0, 1}));
}

// A position too far to draw fails at the object: the environment is kept,
// the pen is where the failure left it, and the error is the drawing's.
TEST(Scene, AFailedDrawingSaysWhere) {
    const Scene far{MirrorConcave, -1e12};
    const SceneDrawing d = DrawScene(far, ComputeImage(far));
    EXPECT_EQ(d.failedAt, DrawStep::Object);
    EXPECT_EQ(d.failure, InvalidFloatOperation);
    EXPECT_GT(d.environment().second, 0u);
    EXPECT_EQ(d.moving().first, d.moving().second - 2); // the two pen changes
    EXPECT_EQ(d.pen, (TPen{LineStyle::Solid, DefaultObjectColor, 3}));
    EXPECT_THROW(RecordDiagram(MirrorConcave, -1e12), RunError);
}

} // namespace

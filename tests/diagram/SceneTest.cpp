// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Language.h"
#include "core/RunError.h"
#include "diagram/Description.h"
#include "diagram/Diagram.h"
#include "diagram/DiagramRecord.h"
#include "tests/support/GuiApplication.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace {

// The main window's way: the program-wide variables set, then the four steps drawn.
DrawingRecord DrawnTheOldWay(const Scene& scene) {
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
    return record;
}

// Every position of the bar and typed ones behind the mirror: the same bits and calls.
TEST(Scene, PureFunctionsGiveWhatTheProgramWidePathGives) {
    const auto exact = [](const ImageResult& r) {
        const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
        return std::tuple(bits(r.position), bits(r.magnification), bits(r.height), r.kind, r.size,
                          r.atInfinity);
    };
    for (const TMirrorKind kind : {MirrorPlane, MirrorConvex, MirrorConcave})
        for (int x = -100; x <= 25; ++x) {
            const Scene scene{kind, static_cast<double>(x)};
            const DrawingRecord expected = DrawnTheOldWay(scene);
            const ImageResult old(ImagePos, Magnification, ImageHeight, TImageKind(ImageKind),
                                  TSizeClass(SizeClass), ImagePos == ImageAtInfinity);
            // The program-wide state is left to show it is neither read nor written.
            const auto left =
                std::tuple((kind + 1) % 3, 7, 123.0, TColor(0), TPen{LineStyle::DashDot, 77, 9});
            std::tie(MirrorKind, CurvatureSign, ImagePos, RayColor, CurrentPen) = left;
            const ImageResult image = ComputeImage(scene);
            const SceneDrawing drawing = DrawScene(scene, image);
            EXPECT_EQ(exact(image), exact(old)) << +kind << " " << x;
            EXPECT_FALSE(drawing.failed());
            EXPECT_EQ(drawing.record.calls(), expected.calls()) << +kind << " " << x;
            EXPECT_EQ(std::tie(MirrorKind, CurvatureSign, ImagePos, RayColor, CurrentPen), left);
        }
}

SceneDrawing Drawn(const Scene& scene, const SceneDrawing* last = nullptr) {
    return DrawScene(scene, ComputeImage(scene), {}, last);
}

// The environment depends on the mirror alone; a scene drawn between two others changes neither.
TEST(Scene, LayersApartScenesApartAndAFailureSaysWhere) {
    const SceneDrawing first = Drawn({MirrorConcave, -60}), other = Drawn({MirrorConvex, -35});
    EXPECT_EQ(first.record.calls(), Drawn({MirrorConcave, -60}).record.calls());
    EXPECT_NE(first.record.calls(), other.record.calls());
    const SceneDrawing next = Drawn({MirrorConcave, -59});
    const auto [e0, e1] = first.environment();
    const auto [n0, n1] = next.environment();
    const auto &was = first.record.calls(), &now = next.record.calls();
    EXPECT_TRUE(std::equal(was.begin() + e0, was.begin() + e1, now.begin() + n0, now.begin() + n1));
    EXPECT_EQ(first.environmentKey, next.environmentKey);
    // The environment taken from the last drawing, or from another mirror's.
    for (const SceneDrawing* last : {&first, &other}) {
        const SceneDrawing d = Drawn({MirrorConcave, -59}, last);
        EXPECT_EQ(std::tuple(d.record.calls(), d.pen), std::tuple(now, next.pen));
    }
    EXPECT_FALSE(first.environmentKey == other.environmentKey);
    // The moving layers begin with the object's pen; a drawing leaves the image arrow's reset.
    const auto& objectPen = was[first.moving().first];
    EXPECT_EQ(std::tuple(objectPen.op, objectPen.pen.color, first.moving().second, first.pen),
              std::tuple(DrawingRecord::Op::Pen, DefaultObjectColor, was.size(),
                         TPen{LineStyle::Solid, 0, 1}));
    // Too far to draw: fails at the object, the environment kept, the pen as the failure left it.
    const SceneDrawing d = Drawn({MirrorConcave, -1e12});
    EXPECT_GT(d.environment().second, 0u);
    EXPECT_EQ(std::tuple(d.failedAt, d.failure, d.moving().second - d.moving().first, d.pen),
              std::tuple(DrawStep::Object, InvalidFloatOperation, 2u, // the two pen changes
                         TPen{LineStyle::Solid, DefaultObjectColor, 3}));
    EXPECT_THROW(RecordDiagram(MirrorConcave, -1e12), RunError);
}

// Spanish, the source texts, and English through the translations, which TranslationsTest reads.
const std::tuple<TLanguage, TMirrorKind, double, const char*> Descriptions[] = {
    {LangSpanish, MirrorPlane, -35,
     "Espejo plano. Objeto a 35 delante del espejo. Imagen virtual, derecha y del mismo tamaño, "
     "a 35 detrás del espejo; aumento 1."},
    {LangSpanish, MirrorConvex, -35,
     "Espejo convexo. Objeto a 35 delante del espejo. Imagen virtual, derecha y reducida, a "
     "14,6 detrás del espejo; aumento 0,42."},
    {LangSpanish, MirrorConcave, -70,
     "Espejo cóncavo. Objeto a 70 delante del espejo, más allá del centro. Imagen real, "
     "invertida y reducida, a 38,9 delante del espejo; aumento −0,56."},
    {LangSpanish, MirrorConcave, -50,
     "Espejo cóncavo. Objeto a 50 delante del espejo, en el centro. Imagen real, invertida y "
     "del mismo tamaño, a 50 delante del espejo; aumento −1."},
    {LangSpanish, MirrorConcave, -35,
     "Espejo cóncavo. Objeto a 35 delante del espejo, entre el centro y el foco. Imagen real, "
     "invertida y aumentada, a 87,5 delante del espejo; aumento −2,5."},
    {LangSpanish, MirrorConcave, -25,
     "Espejo cóncavo. Objeto a 25 delante del espejo, en el foco. Imagen en el infinito: los "
     "rayos reflejados salen paralelos."},
    {LangSpanish, MirrorConcave, -10,
     "Espejo cóncavo. Objeto a 10 delante del espejo, entre el foco y el espejo. Imagen "
     "virtual, derecha y aumentada, a 16,7 detrás del espejo; aumento 1,67."},
    {LangSpanish, MirrorConcave, 0,
     "Espejo cóncavo. Objeto sobre el espejo. Imagen real, derecha y del mismo tamaño, sobre el "
     "espejo; aumento 1."},
    {LangSpanish, MirrorConcave, 20,
     "Espejo cóncavo. Objeto a 20 detrás del espejo. Imagen real, derecha y reducida, a 11,1 "
     "delante del espejo; aumento 0,56."},
    {LangSpanish, MirrorConvex, -12.34,
     "Espejo convexo. Objeto a 12,3 delante del espejo. Imagen virtual, derecha y reducida, a "
     "8,3 detrás del espejo; aumento 0,67."},
    {LangEnglish, MirrorConcave, -35,
     "Concave mirror. Object 35 in front of the mirror, between the centre and the focus. "
     "Image real, inverted and enlarged, 87.5 in front of the mirror; magnification −2.5."},
    {LangEnglish, MirrorConcave, -25,
     "Concave mirror. Object 25 in front of the mirror, at the focus. Image at infinity: the "
     "reflected rays leave parallel."},
    {LangEnglish, MirrorPlane, 0,
     "Plane mirror. Object on the mirror. Image real, upright and the same size, on the "
     "mirror; magnification 1."},
};

TEST(Description, EachMirrorAndPlace) {
    NeedApplication();
    for (const auto& [language, kind, x, text] : Descriptions) {
        UseLanguage(language);
        EXPECT_EQ(DescribeScene({kind, x}, ComputeImage({kind, x}), language).toStdString(), text)
            << int(language) << " " << int(kind) << " at " << x;
    }
    UseLanguage(LangSpanish);
}

} // namespace

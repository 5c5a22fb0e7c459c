// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/Classroom.h"
#include "core/NumberText.h"
#include "diagram/HelpFigure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

using Op = DrawingRecord::Op;

struct Line {
    double x1, y1, x2, y2; // client pixels
    TColor color;
};

std::vector<Line> LinesOf(const ClassroomDrawing& cd, DrawStep from, DrawStep to) {
    std::vector<Line> lines;
    const auto& calls = cd.drawing.record.calls();
    const auto [first, last] = cd.drawing.steps(from, to);
    TPen pen = cd.drawing.record.penAt(first, {});
    double x = 0, y = 0;
    for (std::size_t i = first; i < last; ++i) {
        const auto& c = calls[i];
        if (c.op == Op::Pen)
            pen = c.pen;
        else if (c.op == Op::LineTo)
            lines.push_back({x, y, c.fa, c.fb, pen.color});
        if (c.op == Op::MoveTo || c.op == Op::LineTo)
            x = c.fa, y = c.fb;
    }
    return lines;
}

// The call that puts a text, by its words; its client point is (fa, fb).
const DrawingRecord::Call* TextAt(const ClassroomDrawing& cd, const QString& text) {
    for (const auto& c : cd.drawing.record.calls())
        if (c.op == Op::Text && cd.drawing.record.textOf(c).text == text)
            return &c;
    return nullptr;
}

ClassroomDrawing Draw(TMirrorKind kind, double x) {
    const Scene scene{kind, x};
    return DrawClassroomScene(scene, ComputeImage(scene));
}

TEST(Contrast, EveryClassroomColourOnItsBackground) {
    EXPECT_DOUBLE_EQ(ContrastRatio(RGB(0, 0, 0), RGB(255, 255, 255)), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(RGB(9, 99, 199), RGB(9, 99, 199)), 1.0);
    // The old panel's rays and the grey that just fails for text.
    EXPECT_NEAR(ContrastRatio(DefaultRayColor, PanelColor), 1.30, 0.01);
    EXPECT_NEAR(ContrastRatio(RGB(0x77, 0x77, 0x77), RGB(255, 255, 255)), 4.48, 0.01);
    const ClassroomPalette& p = ClassroomColors;
    for (const PaletteUse& use : ClassroomPaletteUses())
        EXPECT_GE(ContrastRatio(use.color, p.background), use.text ? TextContrast : LineContrast)
            << use.name;
    // Every colour the drawing selects is one of the palette's.
    for (TMirrorKind kind : {MirrorPlane, MirrorConvex, MirrorConcave})
        for (double x : {-100.0, -50.0, -25.0, -10.0}) {
            const ClassroomDrawing cd = Draw(kind, x);
            for (const auto& c : cd.drawing.record.calls())
                EXPECT_GE(ContrastRatio(c.op == Op::Pen    ? c.pen.color
                                        : c.op == Op::Text ? cd.drawing.record.textOf(c).color
                                                           : 0,
                                        p.background),
                          c.op == Op::Text ? TextContrast : LineContrast);
        }
    // The three rays stay apart printed in grey.
    for (std::size_t i = 0; i < p.rays.size(); ++i)
        for (std::size_t j = i + 1; j < p.rays.size(); ++j)
            EXPECT_GE(ContrastRatio(p.rays[i], p.rays[j]), 1.5) << i << ' ' << j;
}

TEST(NumberForPeople, RoundsDropsZerosAndSpeaksTheLanguage) {
    const std::tuple<double, int, TLanguage, const char*> cases[] = {
        {-0.80645, 2, LangSpanish, "−0,81"},  {-0.80645, 2, LangEnglish, "−0.81"},
        {66.6666666, 1, LangCatalan, "66,7"}, {-150.0, 1, LangSpanish, "−150"},
        {2.50, 2, LangEnglish, "2.5"},        {2.25, 1, LangSpanish, "2,3"},
        {-0.04, 1, LangSpanish, "0"},         {0.0, 2, LangCatalan, "0"},
        {1.999, 2, LangCatalan, "2"},         {-2449.6, 1, LangEnglish, "−2449.6"},
        {-1.6667, 2, LangGalician, "−1,67"},  {-2147483648.0, 1, LangSpanish, "−2147483648"}};
    for (const auto& [value, decimals, language, text] : cases)
        EXPECT_EQ(NumberForPeople(value, decimals, DecimalSeparator(language)).toStdString(), text)
            << value;
    EXPECT_EQ(PositionForPeople(16.666, LangSpanish), QStringLiteral("16,7"));
    EXPECT_EQ(MagnificationForPeople(1.6666, LangEnglish), QStringLiteral("1.67"));
    EXPECT_TRUE(NumberForPeople(INFINITY, 1, QLatin1Char('.')).isEmpty());
}

// A drag, each drawing given the last one's view: the image in view whenever within reach.
TEST(ClassroomView, TheImageStaysInViewAndTheScaleSeldomChanges) {
    for (TMirrorKind kind : {MirrorPlane, MirrorConvex, MirrorConcave}) {
        std::optional<ClassroomView> view;
        int changes = 0;
        for (int x = -100; x <= 0; ++x) {
            const Scene scene{kind, static_cast<double>(x)};
            const ImageResult image = ComputeImage(scene);
            const ClassroomDrawing cd = DrawClassroomScene(scene, image, view);
            changes += view && view->division != cd.view.division;
            view = cd.view;
            const double ox = cd.clientX(x);
            EXPECT_TRUE(ox > 0 && ox < cd.width) << int(kind) << ' ' << x;
            if (image.atInfinity || std::abs(image.position) > FarthestDrawnImage) {
                EXPECT_FALSE(FarImageWords(image).isEmpty());
                EXPECT_TRUE(TextAt(cd, FarImageWords(image))) << x;
                continue;
            }
            const double ix = cd.clientX(image.position), iy = cd.clientY(image.height);
            EXPECT_TRUE(ix > 0 && ix < cd.width && iy > 0 && iy < cd.height)
                << int(kind) << ' ' << x << ' ' << ix << ' ' << iy;
            // The image arrow is drawn, its head at the tip.
            const auto atTip = [&](const Line& l) {
                return std::hypot(l.x1 - ix, l.y1 - iy) < 1 || std::hypot(l.x2 - ix, l.y2 - iy) < 1;
            };
            EXPECT_TRUE(std::ranges::any_of(LinesOf(cd, DrawStep::Image, DrawStep::Done), atTip))
                << int(kind) << ' ' << x;
        }
        EXPECT_LE(changes, kind == MirrorConcave ? 8 : 1) << int(kind);
    }
    // The ladder is 1, 2, 5 × 10ⁿ; the original's scale where it showed everything.
    EXPECT_EQ(Draw(MirrorConcave, -100).view, (ClassroomView{10, -130}));
    EXPECT_EQ(Draw(MirrorConcave, -30).view.division, 10); // image at -150
    EXPECT_EQ(Draw(MirrorConcave, -26).view.division, 50); // image at -650
}

TEST(ClassroomView, LabelsStandAtTheirPoints) {
    const ClassroomDrawing cd = Draw(MirrorConcave, -40); // image at -66.7, real
    for (const auto& [label, x] : {std::pair{"C", -50}, {"F", -25}}) {
        const auto* at = TextAt(cd, QLatin1String(label));
        ASSERT_TRUE(at) << label;
        EXPECT_NEAR(at->fa, cd.clientX(x), 0.5) << label;
        EXPECT_NEAR(at->fb, cd.clientY(0), 12) << label;
    }
    // Numbers on the axis, the object side negative, in the language's form.
    EXPECT_TRUE(TextAt(cd, QStringLiteral("\u2212100")));
    EXPECT_FALSE(TextAt(cd, QStringLiteral("\u221250"))); // under C
    EXPECT_TRUE(TextAt(cd, QStringLiteral("50")));
    EXPECT_FALSE(TextAt(Draw(MirrorPlane, -40), QStringLiteral("C")));
}

// "O" and "I" beside their arrows, where no ray crosses the letter.
TEST(ClassroomView, ObjectAndImageLabelsStandClearOfTheRays) {
    const std::tuple<TMirrorKind, double> scenes[] = {
        {MirrorConcave, -45}, {MirrorConcave, -40}, {MirrorConcave, -30}, {MirrorPlane, -40}};
    for (const auto& [kind, x] : scenes) {
        const ClassroomDrawing cd = Draw(kind, x);
        const ImageResult image = ComputeImage({kind, x});
        const std::vector<Line> rays = LinesOf(cd, DrawStep::Rays, DrawStep::Image);
        const std::tuple<QString, double, double> labels[] = {{"O", x, ObjectHeight},
                                                              {"I", image.position, image.height}};
        for (const auto& [letter, at, height] : labels) {
            SCOPED_TRACE(testing::Message()
                         << letter.toStdString() << ' ' << int(kind) << ' ' << x);
            const auto* call = TextAt(cd, letter);
            ASSERT_TRUE(call);
            const TTextMark& mark = cd.drawing.record.textOf(*call);
            const double w = 0.75 * mark.height, left = call->fa - w * int(mark.align) / 2,
                         top = call->fb - mark.height * int(mark.valign) / 2;
            const double cx = left + w / 2, cy = top + mark.height / 2;
            // Near the arrow: within two letters of its shaft.
            const double shaftX = cd.clientX(at), y0 = cd.clientY(0), y1 = cd.clientY(height);
            EXPECT_LE(std::abs(cx - shaftX), 2.5 * mark.height);
            EXPECT_LE(cy, std::max(y0, y1) + 2 * mark.height);
            EXPECT_GE(cy, std::min(y0, y1) - 2 * mark.height);
            for (const Line& l : rays) {
                // Sampled along the line, a pixel apart.
                const double n = std::ceil(std::hypot(l.x2 - l.x1, l.y2 - l.y1));
                for (double i = 0; i <= n; ++i) {
                    const double px = l.x1 + (l.x2 - l.x1) * i / std::max(n, 1.0),
                                 py = l.y1 + (l.y2 - l.y1) * i / std::max(n, 1.0);
                    ASSERT_FALSE(px > left && px < left + w && py > top && py < top + mark.height);
                }
            }
        }
    }
}

// A line of the rays layer, in world units.
std::vector<Line> WorldRays(const ClassroomDrawing& cd, TColor color) {
    std::vector<Line> out;
    const double k = cd.width / (cd.view.division * ClassroomDivisions);
    for (const Line& l : LinesOf(cd, DrawStep::Rays, DrawStep::Image))
        if (l.color == color)
            out.push_back({cd.worldX(l.x1), (cd.height / 2.0 - l.y1) / k, cd.worldX(l.x2),
                           (cd.height / 2.0 - l.y2) / k, color});
    return out;
}

TEST(ClassroomRays, ConvexReflectsAwayFromTheFocusConcaveAtTheCentreAndAtTheFocus) {
    const ClassroomDrawing cd = Draw(MirrorConvex, -40);
    // The parallel ray, reflected: solid in front, rising on the line from F (25, 0).
    const auto lines = WorldRays(cd, ClassroomColors.rays[0]);
    bool reflected = false, continued = false;
    for (const Line& l : lines) {
        if (l.y2 > l.y1 + 0.5 && l.x2 < 0 && std::hypot(l.x2 - l.x1, l.y2 - l.y1) > 10) {
            reflected = true;
            const double cross = (l.x1 - 25) * (l.y2 - 0) - (l.y1 - 0) * (l.x2 - 25);
            EXPECT_NEAR(cross / std::hypot(l.x2 - l.x1, l.y2 - l.y1), 0, 1.0);
        }
        continued = continued || (l.x1 > 1 && l.x2 > 1);
    }
    EXPECT_TRUE(reflected);
    EXPECT_TRUE(continued);               // dashed behind the mirror
    for (TColor c : ClassroomColors.rays) // all three principal rays
        EXPECT_FALSE(WorldRays(cd, c).empty());
    // At C the ray to the vertex leaves the tip instead of an upright one through C.
    const ClassroomDrawing atC = Draw(MirrorConcave, -50);
    const auto third = WorldRays(atC, ClassroomColors.rays[2]);
    ASSERT_FALSE(third.empty());
    EXPECT_NEAR(third.front().x1, -50, 0.2);
    EXPECT_NEAR(third.front().y1, ObjectHeight, 0.2);
    EXPECT_NEAR(third.front().x2, 0, 0.2);
    EXPECT_NEAR(third.front().y2, 0, 0.2);
    for (TColor c : ClassroomColors.rays)
        for (const Line& l : WorldRays(atC, c))
            EXPECT_FALSE(std::abs(l.x1 - l.x2) < 1e-6 && l.y1 > 0 && l.y2 > 0);
    // At F the image is at infinity: said in words, no arrow, nothing behind the mirror.
    const ClassroomDrawing atF = Draw(MirrorConcave, -25);
    EXPECT_TRUE(FarImageWords(ComputeImage({MirrorConcave, -25})).contains(u"infinit"));
    EXPECT_TRUE(LinesOf(atF, DrawStep::Image, DrawStep::Done).empty());
    for (TColor c : ClassroomColors.rays)
        for (const Line& l : WorldRays(atF, c))
            EXPECT_LT(std::min(l.x1, l.x2), 1);
    // Beyond reach: the position in words.
    const ImageResult far = ComputeImage({MirrorConcave, -25.2});
    EXPECT_EQ(FarImageWords(far), QStringLiteral("imagen a \u22123150, fuera del dibujo"));
}

TEST(HelpFigure, ClassroomNamesGiveTheirScene) {
    const std::pair<const char*, Scene> named[] = {
        {"classroom-plane-40", {MirrorPlane, -40}},
        {"classroom-convex-1", {MirrorConvex, -1}},
        {"classroom-concave-1000", {MirrorConcave, -1000}},
        {"classroom-concave-35", {MirrorConcave, -35}}};
    for (const auto& [name, scene] : named)
        EXPECT_EQ(ClassroomFigureScene(QString::fromUtf8(name)), scene) << name;
    for (const char* name :
         {"classroom-concave-1001", "classroom-concave-0", "classroom-concave-035",
          "classroom-concave--35", "classroom-concave-+35", "classroom-concave-3 5",
          "classroom-concave-", "classroom-concave", "classroom-concavex-35", "classroom-flat-35",
          "concave-35", "Classroom-concave-35", ""})
        EXPECT_EQ(ClassroomFigureScene(QString::fromUtf8(name)), std::nullopt) << name;
}

} // namespace

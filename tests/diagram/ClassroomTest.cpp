// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/Classroom.h"
#include "core/NumberText.h"
#include "diagram/Exercise.h"
#include "diagram/HelpFigure.h"
#include "diagram/Worksheet.h"
#include "tests/support/GuiApplication.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <set>

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
    return DrawClassroomScene({kind, x}, ComputeImage({kind, x}));
}

TEST(ForPeople, EveryClassroomColourOnItsBackgroundAndNumbersRoundedInTheLanguage) {
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
TEST(ClassroomView, TheImageStaysInViewAndLabelsStandAtTheirPointsClearOfTheRays) {
    for (TMirrorKind kind : {MirrorPlane, MirrorConvex, MirrorConcave}) {
        std::optional<ClassroomView> view;
        int changes = 0;
        for (int x = -100; x <= 0; ++x) {
            SCOPED_TRACE(testing::Message() << int(kind) << ' ' << x);
            const Scene scene{kind, static_cast<double>(x)};
            const ImageResult image = ComputeImage(scene);
            const ClassroomDrawing cd = DrawClassroomScene(scene, image, view);
            changes += view && view->division != cd.view.division;
            view = cd.view;
            const double ox = cd.clientX(x);
            EXPECT_TRUE(ox > 0 && ox < cd.width);
            if (image.atInfinity || std::abs(image.position) > FarthestDrawnImage) {
                EXPECT_FALSE(FarImageWords(image).isEmpty());
                EXPECT_TRUE(TextAt(cd, FarImageWords(image)));
                continue;
            }
            const double ix = cd.clientX(image.position), iy = cd.clientY(image.height);
            EXPECT_TRUE(ix > 0 && ix < cd.width && iy > 0 && iy < cd.height) << ix << ' ' << iy;
            // The image arrow is drawn, its head at the tip.
            const auto atTip = [&](const Line& l) {
                return std::hypot(l.x1 - ix, l.y1 - iy) < 1 || std::hypot(l.x2 - ix, l.y2 - iy) < 1;
            };
            EXPECT_TRUE(std::ranges::any_of(LinesOf(cd, DrawStep::Image, DrawStep::Done), atTip));
        }
        EXPECT_LE(changes, kind == MirrorConcave ? 8 : 1) << int(kind);
    }
    // The ladder is 1, 2, 5 × 10ⁿ; the original's scale where it showed everything.
    EXPECT_EQ(Draw(MirrorConcave, -100).view, (ClassroomView{10, -130}));
    EXPECT_EQ(Draw(MirrorConcave, -30).view.division, 10);     // image at -150
    EXPECT_EQ(Draw(MirrorConcave, -26).view.division, 50);     // image at -650
    const ClassroomDrawing concave = Draw(MirrorConcave, -40); // image at -66.7, real
    for (const auto& [label, x] : {std::pair{"C", -50}, {"F", -25}}) {
        const auto* at = TextAt(concave, QLatin1String(label));
        ASSERT_TRUE(at) << label;
        EXPECT_NEAR(at->fa, concave.clientX(x), 0.5) << label;
        EXPECT_NEAR(at->fb, concave.clientY(0), 12) << label;
    }
    // Numbers on the axis, the object side negative, in the language's form.
    EXPECT_TRUE(TextAt(concave, QStringLiteral("\u2212100")));
    EXPECT_FALSE(TextAt(concave, QStringLiteral("\u221250"))); // under C
    EXPECT_TRUE(TextAt(concave, QStringLiteral("50")));
    EXPECT_FALSE(TextAt(Draw(MirrorPlane, -40), QStringLiteral("C")));
    // "O" and "I" beside their arrows, where no ray crosses the letter.
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

// The lines of the rays layer (of one colour if given), in world units.
std::vector<Line> WorldRays(const ClassroomDrawing& cd, std::optional<TColor> color = {}) {
    std::vector<Line> out;
    const double k = cd.width / (cd.view.division * ClassroomDivisions);
    for (const Line& l : LinesOf(cd, DrawStep::Rays, DrawStep::Image))
        if (!color || l.color == *color)
            out.push_back({cd.worldX(l.x1), (cd.height / 2.0 - l.y1) / k, cd.worldX(l.x2),
                           (cd.height / 2.0 - l.y2) / k, l.color});
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
    EXPECT_EQ(std::pair(reflected, continued), std::pair(true, true)); // continued dashed behind
    for (TColor c : ClassroomColors.rays)                              // all three principal rays
        EXPECT_FALSE(WorldRays(cd, c).empty());
    // At C the ray to the vertex leaves the tip instead of an upright one through C.
    const ClassroomDrawing atC = Draw(MirrorConcave, -50);
    const auto third = WorldRays(atC, ClassroomColors.rays[2]);
    ASSERT_FALSE(third.empty());
    EXPECT_NEAR(third.front().x1, -50, 0.2);
    EXPECT_NEAR(third.front().y1, ObjectHeight, 0.2);
    EXPECT_NEAR(third.front().x2, 0, 0.2);
    EXPECT_NEAR(third.front().y2, 0, 0.2);
    for (const Line& l : WorldRays(atC))
        EXPECT_FALSE(std::abs(l.x1 - l.x2) < 1e-6 && l.y1 > 0 && l.y2 > 0);
    // At F the image is at infinity: said in words, no arrow, nothing behind the mirror.
    const ClassroomDrawing atF = Draw(MirrorConcave, -25);
    EXPECT_TRUE(FarImageWords(ComputeImage({MirrorConcave, -25})).contains(u"infinit"));
    EXPECT_TRUE(LinesOf(atF, DrawStep::Image, DrawStep::Done).empty());
    for (const Line& l : WorldRays(atF))
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

constexpr double Inf = INFINITY;

// How pupils type numbers, and the checking rule: within 2 % or half a unit.
TEST(Exercise, ReadsNumbersAsPupilsTypeThemAndChecksEachAnswer) {
    const std::pair<const char*, std::optional<double>> typed[] = {
        {"-58,3", -58.3}, {"-58.3", -58.3},  {" 17 ", 17},      {"−35", -35},  {"+2,5", 2.5},
        {",5", 0.5},      {"3.", 3},         {"infinito", Inf}, {"Inf", Inf},  {"∞", Inf},
        {"-∞", Inf},      {"INFINITY", Inf}, {"infinit", Inf},  {"", {}},      {"-", {}},
        {"1,2,3", {}},    {"1.000,5", {}},   {"1e3", {}},       {"12 cm", {}}, {"infinitoo", {}},
        {"--3", {}}};
    for (const auto& [text, value] : typed)
        EXPECT_EQ(ParseAnswerNumber(QString::fromUtf8(text)), value) << text;
    const std::tuple<std::optional<double>, double, bool, bool> judged[] = {
        {102, 100, false, true},       {97.999, 100, false, false}, {-98, -100, false, true},
        {102.01, 100, false, false},   {10.5, 10, false, true},     {9.49, 10, false, false},
        {0.5, 0, false, true},         {-0.51, 0, false, false},    {25.5, 25, false, true},
        {-58.3, -58.333, false, true}, {Inf, 1e6, true, true},      {1e6, 1e6, true, false},
        {Inf, 100, false, false},      {{}, 0, false, false},       {{}, 1e6, true, false}};
    for (const auto& [given, expected, infinite, right] : judged)
        EXPECT_EQ(NumberRight(given, expected, infinite), right)
            << given.value_or(-1) << " for " << expected;
    const Scene C35{MirrorConcave, -35}, C50{MirrorConcave, -50}, F{MirrorConcave, -25};
    const struct {
        Scene scene;
        ExerciseAnswer answer;
        std::array<bool, AnswerParts> right;
    } cases[] = {
        // Between C and F: image at -87.5 (2 % is 1.75), magnification -2.5.
        {C35, {ImageReal, true, SizeEnlarged, "-89,25", "-2.0"}, {1, 1, 1, 1, 1}},
        {C35, {ImageVirtual, false, SizeReduced, "-85,7", "-2,9"}, {0, 0, 0, 0, 1}},
        {C35, {{}, {}, {}, "", "x"}, {0, 0, 0, 0, 0}},
        {C50, {ImageReal, true, SizeEqual, "-50", "-1"}, {1, 1, 1, 1, 1}},
        {C50, {ImageReal, true, SizeEnlarged, "-51.1", "-0,97"}, {1, 1, 0, 0, 1}},
        {F, {ImageVirtual, false, SizeEnlarged, "inf", "∞"}, {1, 1, 1, 1, 1}}, // any word for it
        {F, {ImageVirtual, false, SizeEnlarged, "1000000", "40000"}, {1, 1, 1, 0, 0}},
        // On the mirror: half a unit either way.
        {{MirrorPlane, 0}, {ImageReal, false, SizeEqual, "0,5", "1,5"}, {1, 1, 1, 1, 1}},
        {{MirrorConvex, 0}, {ImageReal, false, SizeEqual, "-0,6", "0,4"}, {1, 1, 1, 0, 0}},
    };
    for (const auto& c : cases) {
        const ExerciseMarks m = CheckAnswer(ComputeImage(c.scene), c.answer);
        EXPECT_EQ(m.right, c.right) << c.scene.objectPos << " " << c.answer.position.toStdString();
        EXPECT_EQ(m.score(), std::ranges::count(c.right, true));
    }
}

TEST(Exercise, LevelsKeepTheirScenesInRangeASeedItsScenesAndTheKeyLineItsNumbers) {
    for (std::size_t l = 0; l < ExerciseLevelCount; ++l) {
        const auto level = static_cast<ExerciseLevel>(l);
        const bool mixed = level == ExerciseLevel::Mixed; // any mirror, 5 to 95
        const ExerciseRange r = mixed ? ExerciseRange{MirrorPlane, 5, 95} : RangeOf(level);
        std::set<double> seen;
        for (std::uint32_t seed = 0; seed < 300; ++seed) {
            const std::vector<Scene> scenes = ExerciseSeries(level, seed * 2654435761u, 20);
            for (std::size_t i = 0; i < scenes.size(); ++i) {
                const Scene& s = scenes[i];
                seen.insert(s.kind * 1000 - s.objectPos);
                ASSERT_EQ(s.objectPos, std::round(s.objectPos));
                ASSERT_FALSE(i > 0 && s == scenes[i - 1]) << "twice in a row at " << seed;
                ASSERT_TRUE((mixed || s.kind == r.kind) && -s.objectPos >= r.nearest &&
                            -s.objectPos <= r.farthest)
                    << int(s.kind) << " at " << s.objectPos;
            }
        }
        // Mixed: every mirror, and the object exactly at C and at F.
        for (double key : {0.0 + 40, 1000.0 + 40, 2000.0 + 70, 2000.0 + 50, 2000.0 + 25})
            EXPECT_TRUE(!mixed || seen.contains(key)) << key;
        EXPECT_TRUE(mixed || seen.size() == std::size_t(r.farthest - r.nearest + 1)) << l;
    }
    const ExerciseRange centreFocus = RangeOf(ExerciseLevel::ConcaveCentreFocus);
    EXPECT_EQ(std::pair(centreFocus.nearest, centreFocus.farthest), std::pair(26, 49));
    // A seed gives the same scenes everywhere: the engine's output is the standard's; these pin the
    // scaling too.
    const std::vector<Scene> pinned = {{MirrorConcave, -45},
                                       {MirrorConcave, -25},
                                       {MirrorConcave, -85},
                                       {MirrorConvex, -59},
                                       {MirrorConcave, -8}};
    EXPECT_EQ(ExerciseSeries(ExerciseLevel::Mixed, 42, 5), pinned);
    EXPECT_NE(ExerciseSeries(ExerciseLevel::Mixed, 43, 5), pinned);
    EXPECT_EQ(ExerciseLevelFromCode("concavo-centro-foco"), ExerciseLevel::ConcaveCentreFocus);
    EXPECT_EQ(ExerciseLevelFromCode("Plano"), std::nullopt);
    // The line after "3. Espejo ".
    const std::tuple<TMirrorKind, double, TLanguage, const char*> cases[] = {
        {MirrorConcave, -35, LangSpanish,
         "cóncavo: objeto −35 → imagen −87,5; aumento −2,5; real, inversa, aumentada"},
        {MirrorConcave, -85, LangEnglish,
         "cóncavo: objeto −85 → imagen −35.4; aumento −0.42; real, inversa, disminuida"},
        {MirrorConcave, -25, LangSpanish,
         "cóncavo: objeto −25 → imagen infinito; aumento infinito; virtual, derecha, aumentada"},
        {MirrorConvex, -50, LangSpanish,
         "convexo: objeto −50 → imagen 16,7; aumento 0,33; virtual, derecha, disminuida"},
        {MirrorPlane, -20, LangSpanish,
         "plano: objeto −20 → imagen 20; aumento 1; virtual, derecha, igual"}};
    for (const auto& [kind, x, language, line] : cases)
        EXPECT_EQ(KeyLine(3, {kind, x}, ComputeImage({kind, x}), language).toStdString(),
                  std::string("3. Espejo ") + line);
    EXPECT_EQ(ExerciseStatement({MirrorConcave, -35}, LangSpanish), "Espejo cóncavo, objeto a −35");
}

TEST(Exercise, TheDrawingIsRevealedARayAtATimeThenTheImage) {
    for (const Scene& s : {Scene{MirrorConcave, -35}, Scene{MirrorConcave, -50},
                           Scene{MirrorConcave, -25}, Scene{MirrorPlane, -40}}) {
        const ClassroomDrawing full = DrawClassroomScene(s, ComputeImage(s));
        const int steps = RevealSteps(full);
        EXPECT_EQ(steps, s.kind == MirrorPlane ? 3 : 4);
        const auto& calls = full.drawing.record.calls();
        std::size_t before = 0;
        for (int step = 0; step <= steps; ++step) {
            const SceneDrawing d = RevealedDrawing(full, step);
            const auto& part = d.record.calls();
            // A prefix of the whole drawing, longer at every step.
            ASSERT_TRUE(std::equal(part.begin(), part.end(), calls.begin())) << step;
            EXPECT_GT(part.size(), std::exchange(before, part.size()));
            EXPECT_EQ(d.environment(), full.drawing.environment());
        }
        const auto start = [&](DrawStep s) { return full.drawing.starts[std::size_t(s)]; };
        EXPECT_EQ(std::tuple(RevealedDrawing(full, 0).record.calls().size(),
                             RevealedDrawing(full, steps - 1).record.calls().size(), before),
                  std::tuple(start(DrawStep::Rays), start(DrawStep::Image), calls.size()));
    }
}

// The document's text as a reader extracts it, ligatures taken apart.
QString PdfText(const WorksheetRequest& request) {
    NeedApplication();
    QString error;
    const QByteArray pdf = WorksheetPdf(request, &error);
    EXPECT_FALSE(pdf.isEmpty()) << error.toStdString();
    QProcess p;
    p.start("pdftotext", {"-", "-"});
    p.write(pdf), p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(30000));
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

TEST(Worksheet, TheKeyIsTheModels) {
    Language = LangSpanish;
    const WorksheetRequest request{30, ExerciseLevel::Mixed, 7, true};
    const QString text = PdfText(request);
    const std::vector<Scene> scenes = ExerciseSeries(request.level, request.seed, request.count);
    static const QRegularExpression key(
        "^(\\d+)\\. .*: objeto (\\S+) → imagen (\\S+); aumento (\\S+); (\\w+), (\\w+), (\\w+)$",
        QRegularExpression::MultilineOption);
    const auto number = [](QString t) {
        return ParseAnswerNumber(t.replace(QChar(0x2212), '-')).value_or(std::nan(""));
    };
    int lines = 0;
    for (auto m = key.globalMatch(text); m.hasNext(); ++lines) {
        const QRegularExpressionMatch k = m.next();
        const Scene& s = scenes.at(static_cast<std::size_t>(k.captured(1).toInt() - 1));
        const ImageResult image = ComputeImage(s);
        EXPECT_EQ(number(k.captured(2)), s.objectPos);
        const double pos = number(k.captured(3)), mag = number(k.captured(4));
        EXPECT_TRUE(image.atInfinity ? std::isinf(pos) && std::isinf(mag)
                                     : std::abs(pos - image.position) <= 0.05 + 1e-9 &&
                                           std::abs(mag - image.magnification) <= 0.005 + 1e-9)
            << k.captured(0).toStdString();
        EXPECT_EQ(k.captured(5), image.kind == ImageReal ? "real" : "virtual");
        EXPECT_EQ(k.captured(6), image.inverted() ? "inversa" : "derecha");
    }
    EXPECT_EQ(lines, request.count);
    // The seed in every footer, and the same text for the same seed, are
    // worksheet_test.sh's, through the command line.
    const QString noKey = PdfText({3, ExerciseLevel::Convex, 7, false});
    EXPECT_FALSE(noKey.contains("Soluciones"));
    EXPECT_EQ(noKey.count("Espejo convexo, objeto a"), 3);
    EXPECT_EQ(noKey.count("Posición de la imagen"), 3);
}

} // namespace

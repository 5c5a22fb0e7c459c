// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/Exercise.h"
#include "diagram/Worksheet.h"
#include "tests/support/GuiApplication.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

// How pupils type numbers, and the checking rule: within 2 % or half a unit.
TEST(Exercise, ReadsNumbersAsPupilsTypeThemAndJudgesThem) {
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
}

TEST(Exercise, ChecksEachAnswerAgainstTheModel) {
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

TEST(Exercise, LevelsKeepTheirScenesInRangeOverManySeeds) {
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
    EXPECT_EQ(RangeOf(ExerciseLevel::ConcaveCentreFocus).nearest, 26);
    EXPECT_EQ(RangeOf(ExerciseLevel::ConcaveCentreFocus).farthest, 49);
}

TEST(Exercise, ASeedGivesTheSameScenesEverywhere) {
    // The engine's output is the standard's; these pin the scaling too.
    const std::vector<Scene> pinned = {{MirrorConcave, -45},
                                       {MirrorConcave, -25},
                                       {MirrorConcave, -85},
                                       {MirrorConvex, -59},
                                       {MirrorConcave, -8}};
    EXPECT_EQ(ExerciseSeries(ExerciseLevel::Mixed, 42, 5), pinned);
    EXPECT_NE(ExerciseSeries(ExerciseLevel::Mixed, 43, 5), pinned);
    EXPECT_EQ(ExerciseLevelFromCode("concavo-centro-foco"), ExerciseLevel::ConcaveCentreFocus);
    EXPECT_EQ(ExerciseLevelFromCode("Plano"), std::nullopt);
}

TEST(Exercise, TheKeyLineInEachLanguagesNumbers) {
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
            EXPECT_GT(part.size(), before);
            before = part.size();
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
        if (image.atInfinity) {
            EXPECT_TRUE(std::isinf(pos) && std::isinf(mag));
        } else {
            EXPECT_NEAR(pos, image.position, 0.05 + 1e-9);
            EXPECT_NEAR(mag, image.magnification, 0.005 + 1e-9);
        }
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

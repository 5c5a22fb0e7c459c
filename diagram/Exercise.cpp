// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/Exercise.h"

#include "core/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Exercise {
    Q_DECLARE_TR_FUNCTIONS(Exercise)
};

struct LevelInfo {
    const char* code;
    const char* name;
    ExerciseRange range;
};

// The concave mirror's ranges keep off C and F, where the image changes
// its kind; the mixed level puts the object exactly there as well.
constexpr LevelInfo Levels[ExerciseLevelCount] = {
    {"plano", QT_TRANSLATE_NOOP("Exercise", "Espejo plano"), {MirrorPlane, 5, 95}},
    {"concavo-lejos",
     QT_TRANSLATE_NOOP("Exercise", "Espejo cóncavo, objeto más allá del centro"),
     {MirrorConcave, 55, 95}},
    {"concavo-centro-foco",
     QT_TRANSLATE_NOOP("Exercise", "Espejo cóncavo, objeto entre el centro y el foco"),
     {MirrorConcave, 26, 49}},
    {"concavo-foco-espejo",
     QT_TRANSLATE_NOOP("Exercise", "Espejo cóncavo, objeto entre el foco y el espejo"),
     {MirrorConcave, 5, 24}},
    {"convexo", QT_TRANSLATE_NOOP("Exercise", "Espejo convexo"), {MirrorConvex, 5, 95}},
    {"mezcla", QT_TRANSLATE_NOOP("Exercise", "Todo mezclado"), {MirrorConcave, 5, 95}},
};

const LevelInfo& InfoOf(ExerciseLevel level) {
    return Levels[std::min(static_cast<std::size_t>(level), ExerciseLevelCount - 1)];
}

QString MirrorName(TMirrorKind kind) {
    switch (kind) {
    case MirrorPlane:
        return Exercise::tr("Espejo plano");
    case MirrorConvex:
        return Exercise::tr("Espejo convexo");
    default:
        return Exercise::tr("Espejo cóncavo");
    }
}

bool IsInfinityWord(const QString& word) {
    static const char* const Words[] = {"infinito", "infinit", "infinity", "inf"};
    if (word == QString(QChar(0x221E))) {
        return true;
    }
    return std::ranges::any_of(Words, [&word](const char* w) { return word == QLatin1String(w); });
}

} // namespace

QString ExerciseLevelName(ExerciseLevel level) {
    return QCoreApplication::translate("Exercise", InfoOf(level).name);
}

QString ExerciseLevelCode(ExerciseLevel level) {
    return QLatin1String(InfoOf(level).code);
}

std::optional<ExerciseLevel> ExerciseLevelFromCode(const QString& code) {
    for (std::size_t i = 0; i < ExerciseLevelCount; ++i) {
        if (code == QLatin1String(Levels[i].code)) {
            return static_cast<ExerciseLevel>(i);
        }
    }
    return std::nullopt;
}

QString ExerciseLevelCodeList() {
    QStringList codes;
    for (const LevelInfo& l : Levels) {
        codes << QLatin1String(l.code);
    }
    return codes.join(QLatin1Char('|'));
}

ExerciseRange RangeOf(ExerciseLevel level) {
    return InfoOf(level).range;
}

std::uint32_t ExerciseGenerator::below(std::uint32_t n) {
    // The top of the product: uniform enough for ranges this small, and the
    // same everywhere.
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(engine_()) * n) >> 32);
}

Scene ExerciseGenerator::draw(ExerciseLevel level) {
    if (level == ExerciseLevel::Mixed) {
        // Each level alike, and now and then (one time in twelve each) the
        // object exactly at C or at F.
        constexpr std::uint32_t levels = ExerciseLevelCount - 1;
        const std::uint32_t pick = below(2 * levels + 2);
        if (pick == 2 * levels) {
            return {MirrorConcave, -CurvatureRadius};
        }
        if (pick == 2 * levels + 1) {
            return {MirrorConcave, -FocalLength};
        }
        level = static_cast<ExerciseLevel>(pick / 2);
    }
    const ExerciseRange r = RangeOf(level);
    const auto span = static_cast<std::uint32_t>(r.farthest - r.nearest + 1);
    return {r.kind, -static_cast<double>(r.nearest + static_cast<int>(below(span)))};
}

Scene ExerciseGenerator::next(ExerciseLevel level) {
    Scene s = draw(level);
    while (last_ && s == *last_) {
        s = draw(level);
    }
    last_ = s;
    return s;
}

std::vector<Scene> ExerciseSeries(ExerciseLevel level, std::uint32_t seed, int count) {
    ExerciseGenerator g(seed);
    std::vector<Scene> scenes;
    for (int i = 0; i < count; ++i) {
        scenes.push_back(g.next(level));
    }
    return scenes;
}

QString ExerciseStatement(const Scene& scene, TLanguage language) {
    //: %1 the mirror ("Espejo cóncavo"), %2 the object's abscissa ("−35").
    return Exercise::tr("%1, objeto a %2")
        .arg(MirrorName(scene.kind), PositionForPeople(scene.objectPos, language));
}

std::optional<double> ParseAnswerNumber(const QString& text) {
    QString t = text.trimmed().toLower();
    t.replace(QChar(0x2212), QLatin1Char('-'));
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.front() == QLatin1Char('-');
        t = t.mid(1).trimmed();
    }
    if (IsInfinityWord(t)) {
        return std::numeric_limits<double>::infinity();
    }
    int digits = 0, separators = 0;
    for (QChar c : t) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ++digits;
        } else if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            ++separators;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || separators > 1) {
        return std::nullopt;
    }
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

bool NumberRight(std::optional<double> given, double expected, bool expectedInfinite) {
    if (!given) {
        return false;
    }
    if (expectedInfinite) {
        return std::isinf(*given);
    }
    if (!std::isfinite(*given)) {
        return false;
    }
    const double tolerance = std::max(0.02 * std::abs(expected), 0.5);
    // The edges themselves count as right, whatever the last bit says.
    return std::abs(*given - expected) <= tolerance * (1 + 1e-12);
}

int ExerciseMarks::score() const {
    return static_cast<int>(std::ranges::count(right, true));
}

ExerciseMarks CheckAnswer(const ImageResult& image, const ExerciseAnswer& answer) {
    ExerciseMarks m;
    m.right[static_cast<std::size_t>(AnswerPart::Kind)] = answer.kind == image.kind;
    m.right[static_cast<std::size_t>(AnswerPart::Orientation)] =
        answer.inverted == image.inverted();
    m.right[static_cast<std::size_t>(AnswerPart::Size)] = answer.size == image.size;
    m.right[static_cast<std::size_t>(AnswerPart::Position)] =
        NumberRight(ParseAnswerNumber(answer.position), image.position, image.atInfinity);
    m.right[static_cast<std::size_t>(AnswerPart::Magnification)] =
        NumberRight(ParseAnswerNumber(answer.magnification), image.magnification, image.atInfinity);
    return m;
}

QString RightAnswerText(AnswerPart part, const ImageResult& image, TLanguage language) {
    static constexpr const TLangText* Sizes[] = {&LangWordEnlarged, &LangWordEqual,
                                                 &LangWordReduced};
    switch (part) {
    case AnswerPart::Kind:
        return LangCaption(image.kind == ImageVirtual ? LangWordVirtual : LangWordReal);
    case AnswerPart::Orientation:
        return LangCaption(image.inverted() ? LangWordInverted : LangWordUpright);
    case AnswerPart::Size:
        return LangCaption(*Sizes[std::min<std::size_t>(image.size, 2)]);
    case AnswerPart::Position:
        return image.atInfinity ? LangCaption(LangInfinity)
                                : PositionForPeople(image.position, language);
    case AnswerPart::Magnification:
        return image.atInfinity ? LangCaption(LangInfinity)
                                : MagnificationForPeople(image.magnification, language);
    }
    return {};
}

QString KeyLine(int number, const Scene& scene, const ImageResult& image, TLanguage language) {
    const auto text = [&](AnswerPart p) { return RightAnswerText(p, image, language); };
    //: One line of the answer key. %1 the exercise's number, %2 the mirror,
    //: %3 the object's abscissa, %4 the image's, %5 the magnification, then
    //: the three words of the image.
    return Exercise::tr("%1. %2: objeto %3 → imagen %4; aumento %5; %6, %7, %8")
        .arg(QString::number(number), MirrorName(scene.kind),
             PositionForPeople(scene.objectPos, language), text(AnswerPart::Position),
             text(AnswerPart::Magnification), text(AnswerPart::Kind), text(AnswerPart::Orientation),
             text(AnswerPart::Size));
}

int RevealSteps(const ClassroomDrawing& drawing) {
    return static_cast<int>(drawing.rayStarts.size()) + 1;
}

SceneDrawing RevealedDrawing(const ClassroomDrawing& drawing, int step) {
    const SceneDrawing& full = drawing.drawing;
    const int rays = static_cast<int>(drawing.rayStarts.size());
    if (step > rays) {
        return full;
    }
    const auto startOf = [&full](DrawStep s) { return full.starts[static_cast<std::size_t>(s)]; };
    const std::size_t cut = step <= 0     ? startOf(DrawStep::Rays)
                            : step < rays ? drawing.rayStarts[static_cast<std::size_t>(step)]
                                          : startOf(DrawStep::Image);
    SceneDrawing d;
    d.environmentKey = full.environmentKey;
    d.record.append(full.record, 0, cut);
    for (std::size_t i = 0; i < d.starts.size(); ++i) {
        d.starts[i] = std::min(full.starts[i], cut);
    }
    d.pen = full.record.penAt(cut, full.pen);
    d.failedAt = full.failedAt;
    d.failure = full.failure;
    return d;
}

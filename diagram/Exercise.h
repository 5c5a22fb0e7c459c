// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Language.h"
#include "diagram/Classroom.h"
#include "optics/Optics.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

// Exercises: a scene drawn without its rays and image, the pupil predicts
// the image, and the prediction is checked against the model.

// The kinds of scene an exercise can be drawn from.
enum class ExerciseLevel : std::uint8_t {
    Plane,
    ConcaveBeyondCentre,
    ConcaveCentreFocus,
    ConcaveFocusMirror,
    Convex,
    Mixed,
};
inline constexpr std::size_t ExerciseLevelCount = 6;

// The level's name for people, in the current Language.
QString ExerciseLevelName(ExerciseLevel level);
// The level's name on the command line ("plano", "concavo-lejos", ...), and
// back; every code, as --level lists them.
QString ExerciseLevelCode(ExerciseLevel level);
std::optional<ExerciseLevel> ExerciseLevelFromCode(const QString& code);
QString ExerciseLevelCodeList();

// The object distances (whole units in front of the mirror, both ends
// included) a level other than Mixed draws from, and its mirror.
struct ExerciseRange {
    TMirrorKind kind;
    int nearest;
    int farthest;
};
ExerciseRange RangeOf(ExerciseLevel level);

// Scenes drawn at random from a seed, the same seed giving the same scenes
// with any compiler and standard library: the engine's output is fixed by
// the standard, and the whole numbers are taken from it here (the standard
// distributions are not fixed). Never the same scene twice in a row.
class ExerciseGenerator {
public:
    explicit ExerciseGenerator(std::uint32_t seed) : engine_(seed) {}
    Scene next(ExerciseLevel level);
    // A whole number in 0 ... n - 1: the engine's 32 bits scaled.
    std::uint32_t below(std::uint32_t n);

private:
    Scene draw(ExerciseLevel level);

    std::mt19937 engine_;
    std::optional<Scene> last_;
};

// The first `count` scenes of a seed at a level.
std::vector<Scene> ExerciseSeries(ExerciseLevel level, std::uint32_t seed, int count);

// The exercise in words: "Espejo cóncavo, objeto a −35".
QString ExerciseStatement(const Scene& scene, TLanguage language);

// The five things a pupil predicts, in the order they are asked.
enum class AnswerPart : std::uint8_t { Kind, Orientation, Size, Position, Magnification };
inline constexpr std::size_t AnswerParts = 5;

// What the pupil answered; nothing where no choice was made.
struct ExerciseAnswer {
    std::optional<TImageKind> kind;
    std::optional<bool> inverted;
    std::optional<TSizeClass> size;
    QString position;
    QString magnification;
};

// A number as a pupil types it: a comma or a point before the decimals, a
// sign (the minus sign too), blanks around it; "infinito", "infinit",
// "infinity", "inf" or "∞", in any case and with any sign, for infinity
// (given as +infinity). Nothing for anything else.
std::optional<double> ParseAnswerNumber(const QString& text);

// Whether a number given is right: infinity for an expected infinity;
// otherwise within 2 % of the expected value or 0.5 units, whichever is
// larger.
bool NumberRight(std::optional<double> given, double expected, bool expectedInfinite);

// The marks of an answer against the model's image, by AnswerPart.
struct ExerciseMarks {
    std::array<bool, AnswerParts> right{};
    int score() const;
};
ExerciseMarks CheckAnswer(const ImageResult& image, const ExerciseAnswer& answer);

// The right answer to one part, as the window and the key write it: the
// results panel's words, positions and magnifications rounded, "infinito"
// for an image at infinity.
QString RightAnswerText(AnswerPart part, const ImageResult& image, TLanguage language);

// One line of the answer key: "3. Espejo cóncavo: objeto −35 → imagen
// −58,3; aumento −1,67; real, inversa, aumentada".
QString KeyLine(int number, const Scene& scene, const ImageResult& image, TLanguage language);

// The classroom drawing of an exercise shown in steps: 0 is the mirror, the
// axis, the scale and the object; each next step adds one ray, the last the
// image. RevealSteps is that last step's number.
int RevealSteps(const ClassroomDrawing& drawing);
SceneDrawing RevealedDrawing(const ClassroomDrawing& drawing, int step);

// The answer words, in the results panel's context, where they are
// translated already.
inline constexpr TLangText LangWordReal = {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "real")};
inline constexpr TLangText LangWordVirtual = {"TFPrincipal",
                                              QT_TRANSLATE_NOOP("TFPrincipal", "virtual")};
inline constexpr TLangText LangWordUpright = {"TFPrincipal",
                                              QT_TRANSLATE_NOOP("TFPrincipal", "derecha")};
inline constexpr TLangText LangWordInverted = {"TFPrincipal",
                                               QT_TRANSLATE_NOOP("TFPrincipal", "inversa")};
inline constexpr TLangText LangWordEnlarged = {"TFPrincipal",
                                               QT_TRANSLATE_NOOP("TFPrincipal", "aumentada")};
inline constexpr TLangText LangWordEqual = {"TFPrincipal",
                                            QT_TRANSLATE_NOOP("TFPrincipal", "igual")};
inline constexpr TLangText LangWordReduced = {"TFPrincipal",
                                              QT_TRANSLATE_NOOP("TFPrincipal", "disminuida")};

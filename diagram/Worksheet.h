// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/Exercise.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// A worksheet of exercises for the class, as an A4 PDF document: a title and
// a line for the pupil's name, each exercise with its statement, its
// diagram without rays or image and blanks for the five answers; then, if
// asked for, the answer key, a line per exercise, and each exercise's
// complete diagram. Every text is text in the document, every figure lines
// and curves; the seed is in every page's footer, and the same seed, count,
// level and language give the same text.

inline constexpr int WorksheetLeastCount = 1;
inline constexpr int WorksheetMostCount = 60;
inline constexpr int WorksheetDefaultCount = 8;

struct WorksheetRequest {
    int count = WorksheetDefaultCount;
    ExerciseLevel level = ExerciseLevel::Mixed;
    std::uint32_t seed = 0;
    bool key = true;
};

// The document in the current Language, made in memory. Empty, with the
// reason in error, when it cannot be made.
QByteArray WorksheetPdf(const WorksheetRequest& request, QString* error);

// The words of the five answers, as the worksheet and the practice window
// label them.
QString AnswerLabel(AnswerPart part);

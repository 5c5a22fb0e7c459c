// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Language.h"
#include "optics/Optics.h"
#include "plot/Surface.h"

#include <QPalette>
#include <QString>
#include <Qt>

class QWidget;

// How the results panel words an image: each of its three words with the
// colour, alignment and type it is shown in, and the numbers as text.
struct ResultWord {
    const TLangText* caption;
    TColor color;
    TColor background;
    const char* face;
    Qt::Alignment alignment = Qt::AlignCenter;
    int points = 0; // 0: the panel's own type
    bool bold = true;
};

const ResultWord& KindWord(std::uint8_t imageKind);
const ResultWord& OrientationWord(double magnification);
const ResultWord& SizeWord(std::uint8_t sizeClass);

// The image's position as the results panel shows it: "infinito" for an
// image at infinity.
QString ImagePositionText(double imagePos);
// The mirror's name as its button's hint gives it.
QString MirrorText(TMirrorKind kind);
// The object's distance in front of the mirror, as the position field shows it.
QString ObjectDistanceText(double objectPos);

// Sets one colour of a widget's palette; nothing when it has it already:
// every update sets the results' colours, most of them unchanged, and
// setting a palette costs more than the drawing of a ray.
void SetColor(QWidget* w, QPalette::ColorRole role, TColor c);

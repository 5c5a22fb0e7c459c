// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "optics/Optics.h"

#include <QImage>
#include <QString>

#include <vector>

// The characteristic diagrams, drawn by the program's own drawing code on
// the diagram panel's background.
struct DiagramCase {
    QString name;
    TMirrorKind kind;
    double x;
};

const std::vector<DiagramCase>& CharacteristicCases();

// Throws RunError when the drawing fails.
QImage RenderDiagramImage(TMirrorKind kind, double x);

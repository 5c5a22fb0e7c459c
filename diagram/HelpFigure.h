// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "optics/Optics.h"

#include <QStringView>

#include <optional>

// The help texts name their figures as images "figure:NAME". A NAME
// "classroom-<mirror>-<distance>" is the classroom view of a plane, convex
// or concave mirror with the object that many units in front of it (a whole
// number from 1 to 1000): "classroom-concave-35" puts the object at -35.
// Anything else is not such a figure.
std::optional<Scene> ClassroomFigureScene(QStringView name);

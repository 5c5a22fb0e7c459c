// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "optics/Optics.h"
#include "plot/DrawingRecord.h"
#include "plot/PictureFile.h"

// The diagram panel's size in pixels and its colour.
inline constexpr int PanelWidth = 425;
inline constexpr int PanelHeight = 281;
inline constexpr TColor PanelColor = RGB(242, 255, 253);

// The diagram of one mirror and one object position as a fresh main window
// draws it on its panel (the window's colours, the pen as at start-up), kept
// as its plotting calls. Sets the image model for that case, as drawing it
// on the panel does. Throws RunError where the panel's drawing fails.
DrawingRecord RecordDiagram(TMirrorKind kind, double x);

// A drawing of the panel's size on the panel's colour.
inline PictureSource PanelPicture(const DrawingRecord& drawing) {
    return PictureSource{&drawing, PanelColor, {PanelWidth, PanelHeight}};
}

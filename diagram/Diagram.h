// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/Plot.h"

#include <cstdint>
#include <functional>

// The ray diagram for one mirror kind and one object position, drawn in the
// order environment, object, rays, image. The four steps hand the pen from
// one to the next; each sets only what it needs.

// Pen colours of the diagram, set once when the main window is created.
extern TColor RayColor;
extern TColor ObjectColor;
extern TColor ImageColor;

inline constexpr TColor DefaultRayColor = RGB(100, 250, 150);
inline constexpr TColor DefaultObjectColor = RGB(10, 15, 200);
inline constexpr TColor DefaultImageColor = RGB(100, 150, 255);

// The world rectangle the diagram is drawn in.
inline constexpr double WorldXMin = -110, WorldYMin = -70, WorldXMax = 100, WorldYMax = 70;

// Axis, mirror and the centre and focus marks of a curved mirror.
void dibuixaEntorn(const TPlotWindow& W, std::uint8_t kind);
// The object arrow at abscissa x; then placeControls(x) (the main window's
// scroll bar and field, when there is one); then the image computation.
void dibuixafigura(const TPlotWindow& W, double x,
                   const std::function<void(double)>& placeControls = {});
// The principal rays for the object at x; needs the image computed.
void Rajos(const TPlotWindow& W, double x);
// The image arrow.
void DibuixaImatge(const TPlotWindow& W);

// The whole drawing of one update after the panel is repainted: solid style,
// then the four steps in order (MirrorKind and CurvatureSign must be set).
void DrawDiagram(const TPlotWindow& W, double x,
                 const std::function<void(double)>& placeControls = {});

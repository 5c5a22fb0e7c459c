// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "optics/Optics.h"
#include "plot/DrawingRecord.h"
#include "plot/Plot.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

// The ray diagram for one mirror kind and one object position, drawn in the
// order environment, object, rays, image. The four steps hand the pen from
// one to the next; each sets only what it needs.

// Pen colours of the main window's diagram, set once when it is created.
extern TColor RayColor;
extern TColor ObjectColor;
extern TColor ImageColor;

inline constexpr TColor DefaultRayColor = RGB(100, 250, 150);
inline constexpr TColor DefaultObjectColor = RGB(10, 15, 200);
inline constexpr TColor DefaultImageColor = RGB(100, 150, 255);

// The world rectangle the diagram is drawn in.
inline constexpr double WorldXMin = -110, WorldYMin = -70, WorldXMax = 100, WorldYMax = 70;

// The diagram panel's size in pixels and its colour.
inline constexpr int PanelWidth = 425;
inline constexpr int PanelHeight = 281;
inline constexpr TColor PanelColor = RGB(242, 255, 253);

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

// How a scene is drawn: the colours, the pen it starts with (a drawing
// carries on with the pen the last one left) and the client area's size.
struct DiagramStyle {
    TColor ray = DefaultRayColor;
    TColor object = DefaultObjectColor;
    TColor image = DefaultImageColor;
    TPen pen = InitialPen;
    int width = PanelWidth;
    int height = PanelHeight;
};

// The steps of a drawing, in the order they are drawn.
enum class DrawStep : std::uint8_t { Environment, Object, Rays, Image, Done };

// A scene drawn, as its plotting calls in layers: the environment (axis,
// mirror and marks), which depends on the mirror alone, then the object,
// the rays and the image, which move with the object.
struct SceneDrawing {
    // What the environment's pixels depend on: drawings with equal keys
    // draw the same environment.
    struct Key {
        TMirrorKind kind = MirrorPlane;
        TPen pen;
        int width = 0;
        int height = 0;
        // The classroom view's scale and left edge; 0 for the panel's.
        double division = 0;
        double left = 0;
        bool operator==(const Key&) const = default;
    } environmentKey;
    DrawingRecord record;
    // Where each step's calls begin in the record; Done's is its end.
    std::array<std::size_t, 5> starts{};
    TPen pen;                           // as the drawing left it
    DrawStep failedAt = DrawStep::Done; // the step that could not be drawn
    std::string failure;                // and why

    bool failed() const { return failedAt != DrawStep::Done; }
    // The calls [first, last) of the steps from `from` up to, not including, `to`.
    std::pair<std::size_t, std::size_t> steps(DrawStep from, DrawStep to) const {
        return {starts[static_cast<std::size_t>(from)], starts[static_cast<std::size_t>(to)]};
    }
    std::pair<std::size_t, std::size_t> environment() const {
        return steps(DrawStep::Environment, DrawStep::Object);
    }
    std::pair<std::size_t, std::size_t> moving() const {
        return steps(DrawStep::Object, DrawStep::Done);
    }
};

// Draws a scene and its image; reads and writes nothing else. A drawing
// that fails keeps what it drew up to the failure and says where it failed.
// Where `previous` drew the same environment, its calls are taken as they
// are instead of being worked out again.
SceneDrawing DrawScene(const Scene& scene, const ImageResult& image, const DiagramStyle& style = {},
                       const SceneDrawing* previous = nullptr);
// The same, taking the previous drawing's storage: its environment's calls
// are kept in place instead of being copied.
SceneDrawing DrawScene(const Scene& scene, const ImageResult& image, const DiagramStyle& style,
                       SceneDrawing&& previous);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/Diagram.h"

#include <QString>

#include <array>
#include <optional>
#include <span>
#include <vector>

// The classroom view: the same scene drawn to be taught with, on a
// projector or on paper. White background, colours that keep their
// contrast and stay apart for colour-blind pupils and in grey, labels and
// a scale on the axis, and a picture that zooms out so that the image stays
// in view.

// The contrast ratio of two colours, from 1 (the same) to 21 (black on
// white), as the accessibility guidelines define it from their relative
// luminance.
double RelativeLuminance(TColor color);
double ContrastRatio(TColor a, TColor b);

// Lines and marks need this much contrast against the background, text this.
inline constexpr double LineContrast = 3.0;
inline constexpr double TextContrast = 4.5;

struct ClassroomPalette {
    TColor background = RGB(255, 255, 255);
    TColor ink = RGB(0x1A, 0x1A, 0x1A);                   // axis, mirror, marks, labels, words
    TColor scale = RGB(0x55, 0x55, 0x55);                 // ticks and numbers of the axis
    TColor object = RGB(0x1A, 0x1A, 0x1A);                // the object arrow
    TColor image = RGB(0x8F, 0x3F, 0x6E);                 // the image arrow and its label
    std::array<TColor, 3> rays = {RGB(0xB2, 0x45, 0x00),  // parallel to the axis
                                  RGB(0x00, 0x4C, 0x7A),  // through the focus
                                  RGB(0x00, 0x9E, 0x73)}; // through the centre, or the vertex
};
inline constexpr ClassroomPalette ClassroomColors{};

// The scale of a classroom picture: `division` world units a grid division
// (from the ladder 1, 2, 5 × 10ⁿ), the picture ClassroomDivisions divisions
// wide, its left edge at abscissa `left`; the axis halfway up.
struct ClassroomView {
    double division = 10;
    double left = -130;
    bool operator==(const ClassroomView&) const = default;
};
inline constexpr int ClassroomDivisions = 24;
// The divisions the picture chooses from, smallest first.
inline constexpr std::array<double, 9> ClassroomLadder = {10,  20,   50,   100, 200,
                                                          500, 1000, 2000, 5000};
// An image farther than this from the mirror is said in words, not drawn.
inline constexpr double FarthestDrawnImage = 1000;

// The client area the classroom drawing is made in; shown at any size.
inline constexpr int ClassroomWidth = 850;
inline constexpr int ClassroomHeight = 562;

// The view that shows object, mirror, centre, focus and (within
// FarthestDrawnImage) the image with a margin, in a client area of
// width × height. With `previous` (the view of the drawing before), the
// previous scale and place are kept while everything still fits them and
// the next smaller scale would not fit with room to spare, so a drag near
// the focus does not change the picture at every step.
ClassroomView ChooseClassroomView(const Scene& scene, const ImageResult& image, int width,
                                  int height, const std::optional<ClassroomView>& previous = {});

// The classroom drawing of a scene, with the view it was drawn in; pass
// that view back as `previous` for the next drawing.
struct ClassroomDrawing {
    SceneDrawing drawing;
    ClassroomView view;
    int width = ClassroomWidth;
    int height = ClassroomHeight;
    // Where each ray's calls begin in the record, in the order drawn: the
    // rays can be shown one at a time.
    std::vector<std::size_t> rayStarts;
    // Where a world point lands in the client area, and back.
    double clientX(double x) const;
    double clientY(double y) const;
    double worldX(double column) const;
};

// Draws a scene in the classroom view into a record of the same layers as
// DrawScene's. Pure: the view chosen depends only on the arguments. Texts
// on the picture are in the current Language. Where `last` (the drawing
// before) drew the same environment, its calls are taken as they are.
ClassroomDrawing DrawClassroomScene(const Scene& scene, const ImageResult& image,
                                    const std::optional<ClassroomView>& previous = {},
                                    int width = ClassroomWidth, int height = ClassroomHeight,
                                    const SceneDrawing* last = nullptr);

// Every colour the classroom view draws with, and whether it is text.
struct PaletteUse {
    const char* name;
    TColor color;
    bool text;
};
std::span<const PaletteUse> ClassroomPaletteUses();

// The words on the picture for an image that is not drawn: at infinity, or
// farther than FarthestDrawnImage ("imagen a −2450, fuera del dibujo").
// Empty for an image in view.
QString FarImageWords(const ImageResult& image);

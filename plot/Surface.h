// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <QString>

#include <cstdint>
#include <span>

// Colours are 0x00BBGGRR values, red in the low byte.
using TColor = std::uint32_t;

constexpr TColor RGB(unsigned r, unsigned g, unsigned b) {
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}
constexpr unsigned RedOf(TColor c) {
    return c & 0xFF;
}
constexpr unsigned GreenOf(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr unsigned BlueOf(TColor c) {
    return (c >> 16) & 0xFF;
}

enum class LineStyle : std::uint8_t { Solid, Dash, Dot, DashDot };

// On/off run lengths in pixels of the one-pixel styled pens, as the window
// system draws them; an empty pattern is a solid line.
inline std::span<const int> DashPattern(LineStyle style) {
    static constexpr std::array<int, 2> dash{18, 6};
    static constexpr std::array<int, 2> dot{3, 3};
    static constexpr std::array<int, 4> dashDot{9, 6, 3, 6};
    switch (style) {
    case LineStyle::Dash:
        return dash;
    case LineStyle::Dot:
        return dot;
    case LineStyle::DashDot:
        return dashDot;
    case LineStyle::Solid:
        break;
    }
    return {};
}

// A line of text placed at a point of the client area: `height` is the
// type's pixel height in client pixels; the alignment says which of the
// text's edges (or its centre) stands at the point.
struct TTextMark {
    enum Align : std::uint8_t { Left = 0, Centre = 1, Right = 2 };
    enum VAlign : std::uint8_t { Top = 0, Middle = 1, Bottom = 2 };
    QString text;
    double height = 12;
    TColor color = 0;
    Align align = Left;
    VAlign valign = Middle;
    bool bold = false;
    bool operator==(const TTextMark&) const = default;
};

struct TPen {
    LineStyle style = LineStyle::Solid;
    TColor color = 0;
    int width = 1;
    // Square ends instead of round ones on a wide pen, where a surface draws
    // finer than pixels (the classroom view; the panel's drawing never asks).
    bool squareEnds = false;
    bool operator==(const TPen&) const = default;
};

// What the plotting unit needs of a drawing surface: a client area, a
// current position, lines that leave out their end point, a filled ellipse
// in a box whose right and bottom are excluded, one selected pen and a
// rectangular clip. A fresh surface has a solid, black, one-pixel pen and a
// white fill.
class Surface {
public:
    virtual ~Surface() = default;

    virtual int clientWidth() const = 0;
    virtual int clientHeight() const = 0;

    // Frames (0, 0)-(w, h) with a one-pixel black line on its outermost
    // pixels and fills the inside white, whatever pen is selected.
    virtual void frameAndFill(int w, int h) = 0;
    // Nothing drawn afterwards reaches outside (0, 0)-(w, h).
    virtual void setClip(int w, int h) = 0;

    virtual void selectPen(const TPen& pen) = 0;
    virtual TPen pen() const = 0;

    // The pixel point (x, y) is where the plotting unit rounded the client
    // point (fx, fy) to. A surface that draws finer than its client area's
    // pixels (a picture at another size, a vector file) draws at the
    // unrounded point; the others at the pixel.
    virtual void moveTo(std::int32_t x, std::int32_t y, double fx, double fy) = 0;
    // Draws from the current position up to, not including, (x, y), which
    // becomes the current position.
    virtual void lineTo(std::int32_t x, std::int32_t y, double fx, double fy) = 0;
    // Outlines with the pen and fills white the ellipse inscribed in the box;
    // the box is normalised, its right column and bottom row excluded.
    virtual void ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom, double fLeft, double fTop, double fRight,
                         double fBottom) = 0;
    // The same at whole pixels.
    void moveTo(std::int32_t x, std::int32_t y) { moveTo(x, y, x, y); }
    void lineTo(std::int32_t x, std::int32_t y) { lineTo(x, y, x, y); }
    void ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
        ellipse(left, top, right, bottom, left, top, right, bottom);
    }
    // Writes a line of text at client point (fx, fy). A surface that shows
    // only the panel's own drawing, which has no text, may leave it out.
    virtual void text(double /*fx*/, double /*fy*/, const TTextMark& /*mark*/) {}
};

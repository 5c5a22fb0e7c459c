// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/Surface.h"

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QRegion>

#include <algorithm>
#include <optional>
#include <utility>

class QPainter;
class QFont;

// The type a text mark is written in, its size in client pixels.
QFont TextFont(const TTextMark& mark);
// `font` written letter by letter, as typed: no ligature joins "fi" into one
// glyph that a PDF or SVG reader could not search for or copy.
QFont AsTyped(QFont font);
// The box a text mark covers in client pixels, placed at (fx, fy).
QRectF TextBox(const TTextMark& mark, double fx, double fy);

// Where client coordinate (fx, fy) lands when the client area is stretched
// over `target`, sx and sy device units to a client pixel: a client pixel's
// centre is half a pixel in from its corner.
inline QPointF ClientToDevice(const QRectF& target, double sx, double sy, double fx, double fy) {
    return {target.x() + (fx + 0.5) * sx, target.y() + (fy + 0.5) * sy};
}

// A colour of the plotting unit as Qt takes it.
inline QColor ToQColor(TColor c) {
    return QColor(static_cast<int>(RedOf(c)), static_cast<int>(GreenOf(c)),
                  static_cast<int>(BlueOf(c)));
}

// A surface that draws a client area of a given size in pixels (the
// diagram panel's) into any rectangle of any paint device, through
// QPainter, at the unrounded coordinates the plotting unit computed: a
// picture of any size, an SVG or PDF file, a printer page. The client
// pixel (i, j) covers the rectangle it would cover if the client area were
// stretched over the target, so a drawing lands where the panel shows it,
// scaled. A pen of width w is w client pixels wide, at least one unit of the
// painter; a dotted pen is 3 client pixels on, 3 off, restarting at every
// line, and a pen wider than one pixel draws solid, as on the panel. A solid
// one-pixel line covers its first client pixel whole, as the panel's does.
class PainterSurface : public Surface {
public:
    // The painter must be active for the surface's whole life; its
    // antialiasing is set here and its other state is left as it is.
    PainterSurface(QPainter& painter, const QRectF& target, int clientWidth, int clientHeight,
                   bool antialiasing = true);
    // Draws what is still pending.
    ~PainterSurface() override;

    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    using Surface::ellipse;
    using Surface::lineTo;
    using Surface::moveTo;
    int clientWidth() const override { return clientWidth_; }
    int clientHeight() const override { return clientHeight_; }
    void frameAndFill(int w, int h) override;
    void setClip(int w, int h) override;
    void selectPen(const TPen& pen) override;
    TPen pen() const override { return pen_; }
    void moveTo(std::int32_t x, std::int32_t y, double fx, double fy) override;
    void lineTo(std::int32_t x, std::int32_t y, double fx, double fy) override;
    void ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 double fLeft, double fTop, double fRight, double fBottom) override;
    // Real text on every device: selectable in an SVG or a PDF.
    void text(double fx, double fy, const TTextMark& mark) override;

private:
    // Draws the chain of lines in progress now; later lines start a new one.
    void flush();
    // The point of the painter where a client coordinate lands.
    QPointF toDevice(double fx, double fy) const;
    QPen qtPen() const;
    bool drawsDotted() const;
    // Where a solid one-pixel line from `from` towards `to` begins: half a
    // client pixel back, so that it covers its first pixel.
    QPointF thinStart(const QPointF& from, const QPointF& to) const;
    void drawChainAsLines();
    void clipTo(const QRectF& rect);

    QPainter& painter_;
    QRectF target_;
    int clientWidth_;
    int clientHeight_;
    double sx_;
    double sy_;
    TPen pen_;
    std::optional<QRegion> callersClip_;
    QPolygonF chain_;     // solid lines joined end to start, drawn as one
    QList<QLineF> lines_; // the chain's lines as drawn, kept for its storage
    QPointF current_;
    // On an image, antialiased: chains drawn as single lines, which the
    // raster engine draws in time proportional to their length, where a
    // path costs time in the area of its bounding box.
    bool rasterLines_ = false;
};

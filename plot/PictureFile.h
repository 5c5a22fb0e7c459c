// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/DrawingRecord.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPainter;

// A drawing written out as a picture of its own: a PNG image of any size,
// or an SVG or PDF file of lines, curves and discs that stay sharp at any
// zoom.
enum class PictureFormat { Png, Svg, Pdf };

// By the file name's extension, in any case: .png, .svg, .pdf.
std::optional<PictureFormat> PictureFormatOf(const QString& fileName);

// The client area (the diagram panel's size in pixels) a drawing was made
// on, and the background it was made on.
struct PictureSource {
    const DrawingRecord* drawing;
    TColor background;
    QSize client{425, 281};
    // The width an SVG declares, in millimetres, so that it lands on a page
    // at a figure's size in a word processor whatever its size in pixels; 0:
    // its pixels at 96 to the inch. Its view box is in pixels either way.
    double svgWidthMm = 160;
};

// The largest rectangle of the client area's proportions inside `area`,
// centred in it.
QRectF FitClient(const PictureSource& source, const QRectF& area);

// Fills `area` with the background and draws the drawing fitted into it,
// antialiased: on any painter, for any device.
void PaintPicture(QPainter& painter, const PictureSource& source, const QRectF& area);

QImage RenderPicture(const PictureSource& source, QSize size);
// An SVG document of the given size in pixels.
QByteArray SvgPicture(const PictureSource& source, QSize size);

// Called between the parts of a long encoding, from the thread that
// encodes, with the parts done and their number; returning false abandons
// it.
using PictureProgress = std::function<bool(int done, int total)>;

// The picture's file content, made in memory: a PNG image, or an SVG or PDF
// document; `size` is the picture's size in pixels, and a PDF is one page of
// that size at 96 pixels to the inch. Given a progress, a PNG larger than
// LargePngPixels is drawn and encoded a band at a time, reporting each, in
// the memory of a band. Empty, with the reason in error (empty when progress
// abandoned it), when it cannot be made.
QByteArray EncodePicture(const PictureSource& source, PictureFormat format, QSize size,
                         QString* error, const PictureProgress& progress = {});

// Pictures of more pixels than this take seconds to make.
inline constexpr qint64 LargePngPixels = qint64(4000) * 4000;

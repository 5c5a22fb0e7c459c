// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PictureFile.h"

#include "plot/PainterSurface.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <utility>
#include <vector>

namespace {

QString Title() {
    return QStringLiteral("Vexaria");
}

QByteArray PdfPicture(const PictureSource& source, QSize size) {
    QBuffer made;
    made.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&made);
        pdf.setTitle(Title());
        pdf.setCreator(Title());
        // One page of the size at 96 pixels to the inch, no margins; a fine
        // resolution, so that the thinnest line is the drawing's own.
        pdf.setPageSize(QPageSize(QSizeF(size) * 0.75, QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(1200);
        QPainter painter(&pdf);
        const QRectF page = QRectF(pdf.pageLayout().paintRectPixels(pdf.resolution()));
        PaintPicture(painter, source, QRectF(QPointF(0, 0), page.size()));
    }
    return made.data();
}

} // namespace

QByteArray SvgPicture(const PictureSource& source, QSize size) {
    QBuffer made;
    made.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&made);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(Title());
        QPainter painter(&svg);
        PaintPicture(painter, source, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    // The generator declares the pixels at 72 to the inch (1700 pixels are
    // 60 cm); the width asked for instead, the height in proportion.
    const double widthMm = source.svgWidthMm > 0 ? source.svgWidthMm : size.width() * 25.4 / 96;
    const double heightMm = widthMm * size.height() / std::max(size.width(), 1);
    QByteArray bytes = made.data();
    static const QRegularExpression declared(
        QStringLiteral("<svg width=\"[0-9.]+mm\" height=\"[0-9.]+mm\""));
    const QRegularExpressionMatch m = declared.match(QString::fromLatin1(bytes.left(2048)));
    if (m.hasMatch()) {
        const QByteArray fixed = QStringLiteral("<svg width=\"%1mm\" height=\"%2mm\"")
                                     .arg(widthMm, 0, 'g', 6)
                                     .arg(heightMm, 0, 'g', 6)
                                     .toLatin1();
        bytes.replace(m.capturedStart(), m.capturedLength(), fixed);
    }
    return bytes;
}

std::optional<PictureFormat> PictureFormatOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const auto& [name, format] : {std::pair{"png", PictureFormat::Png},
                                       {"svg", PictureFormat::Svg},
                                       {"pdf", PictureFormat::Pdf}}) {
        if (suffix == QLatin1String(name)) {
            return format;
        }
    }
    return std::nullopt;
}

QRectF FitClient(const PictureSource& source, const QRectF& area) {
    const QSizeF fitted = QSizeF(source.client).scaled(area.size(), Qt::KeepAspectRatio);
    return {area.x() + (area.width() - fitted.width()) / 2,
            area.y() + (area.height() - fitted.height()) / 2, fitted.width(), fitted.height()};
}

void PaintPicture(QPainter& painter, const PictureSource& source, const QRectF& area) {
    painter.save();
    painter.fillRect(area, ToQColor(source.background));
    {
        PainterSurface surface(painter, FitClient(source, area), source.client.width(),
                               source.client.height());
        if (source.drawing) {
            source.drawing->replay(surface);
        }
    }
    painter.restore();
}

QImage RenderPicture(const PictureSource& source, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(ToQColor(source.background));
    QPainter painter(&image);
    PaintPicture(painter, source, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

namespace {

// Rows drawn and encoded at a time in a large picture: a band's image
// costs tens of megabytes where the whole picture would cost a gigabyte.
constexpr int BandRows = 256;

// libpng reports its errors by a long jump: nothing that needs destroying
// lives in the frames between PngCalls' setjmp and the library.
void PngAppend(png_structp png, png_bytep data, std::size_t size) {
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), qsizetype(size));
}
void PngFlush(png_structp) {}
[[noreturn]] void PngError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void PngWarning(png_structp, png_const_charp) {}

// Runs libpng calls, false where they failed.
template <typename Calls> bool PngCalls(png_structp png, Calls calls) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    calls();
    return true;
}

// A large PNG drawn and encoded a band at a time, each band the drawing
// clipped to it: the picture RenderPicture gives for the whole, but for the
// antialiasing's rounding (a few units of a channel on some edge pixels).
QByteArray BandedPng(const PictureSource& source, QSize size, const PictureProgress& progress,
                     QString* error) {
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const int bands = (size.height() + BandRows - 1) / BandRows;
    bool ok = info && PngCalls(png, [&] {
                  png_set_write_fn(png, &out, PngAppend, PngFlush);
                  png_set_IHDR(png, info, png_uint_32(size.width()), png_uint_32(size.height()), 8,
                               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                               PNG_FILTER_TYPE_DEFAULT);
                  png_write_info(png, info);
        // The rows are QImage::Format_RGB32's: 0xffRRGGBB in native order.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
                  png_set_bgr(png);
                  png_set_filler(png, 0, PNG_FILLER_AFTER);
#else
        png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
              });
    QImage band(size.width(), BandRows, QImage::Format_RGB32);
    std::vector<png_bytep> rows(BandRows);
    bool cancelled = false;
    for (int b = 0; ok && b < bands; ++b) {
        if (!progress(b, bands)) {
            cancelled = true;
            break;
        }
        const int top = b * BandRows;
        band.fill(ToQColor(source.background));
        {
            QPainter painter(&band);
            painter.translate(0, -top);
            PaintPicture(painter, source, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        const int count = std::min(BandRows, size.height() - top);
        for (int i = 0; i < count; ++i) {
            rows[std::size_t(i)] = band.scanLine(i);
        }
        ok = PngCalls(png, [&] { png_write_rows(png, rows.data(), png_uint_32(count)); });
    }
    ok = ok && !cancelled && PngCalls(png, [&] { png_write_end(png, info); });
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    if (!ok) {
        if (error) {
            *error = cancelled ? QString() : QStringLiteral("the PNG could not be made");
        }
        return {};
    }
    progress(bands, bands);
    return out;
}

} // namespace

QByteArray EncodePicture(const PictureSource& source, PictureFormat format, QSize size,
                         QString* error, const PictureProgress& progress) {
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return QByteArray();
    };
    if (size.isEmpty()) {
        return fail(QStringLiteral("the picture has no size"));
    }
    if (format == PictureFormat::Png && progress &&
        qint64(size.width()) * size.height() > LargePngPixels) {
        return BandedPng(source, size, progress, error);
    }
    if (format == PictureFormat::Svg) {
        return SvgPicture(source, size);
    }
    if (format == PictureFormat::Pdf) {
        return PdfPicture(source, size);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(RenderPicture(source, size))) {
        return fail(writer.errorString());
    }
    return buffer.data();
}

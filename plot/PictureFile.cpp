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

#include <algorithm>

namespace {

QString Title() {
    return QStringLiteral("Vexaria");
}

void WriteSvg(const PictureSource& source, QIODevice& device, QSize size) {
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
    device.write(bytes);
}

void WritePdf(const PictureSource& source, QIODevice& device, QSize size) {
    QPdfWriter pdf(&device);
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

} // namespace

std::optional<PictureFormat> PictureFormatOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return PictureFormat::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return PictureFormat::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return PictureFormat::Pdf;
    }
    return std::nullopt;
}

QSize ScaledClientSize(const PictureSource& source, int times) {
    return source.client * times;
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

QByteArray SvgPicture(const PictureSource& source, QSize size) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteSvg(source, buffer, size);
    return buffer.data();
}

namespace {

// Rows drawn at a time in a large picture: each band draws the whole
// drawing clipped to it, so the pixels are those of one drawing.
constexpr int BandRows = 512;

// Memory that stops taking bytes once the encoding is abandoned, so even
// the PNG library's own work can be cut short.
class TProgressBuffer : public QBuffer {
public:
    explicit TProgressBuffer(std::function<bool()> goOn) : goOn_(std::move(goOn)) {}

protected:
    qint64 writeData(const char* data, qint64 size) override {
        if (goOn_ && !goOn_())
            return -1;
        return QBuffer::writeData(data, size);
    }

private:
    std::function<bool()> goOn_;
};

QImage RenderInBands(const PictureSource& source, QSize size, const PictureProgress& progress) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(ToQColor(source.background));
    const int bands = (size.height() + BandRows - 1) / BandRows;
    for (int band = 0; band < bands; ++band) {
        if (!progress(band, bands))
            return {};
        QPainter painter(&image);
        painter.setClipRect(QRect(0, band * BandRows, size.width(), BandRows));
        PaintPicture(painter, source, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return image;
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
    const bool large = qint64(size.width()) * size.height() > LargePngPixels && progress;
    TProgressBuffer buffer(large ? std::function<bool()>([&progress] { return progress(1, 1); })
                                 : std::function<bool()>());
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case PictureFormat::Png: {
        const QImage image =
            large ? RenderInBands(source, size, progress) : RenderPicture(source, size);
        if (image.isNull()) {
            return fail(QString());
        }
        QImageWriter writer(&buffer, "png");
        if (!writer.write(image)) {
            return fail(large && !progress(1, 1) ? QString() : writer.errorString());
        }
        break;
    }
    case PictureFormat::Svg:
        WriteSvg(source, buffer, size);
        break;
    case PictureFormat::Pdf:
        WritePdf(source, buffer, size);
        break;
    }
    return buffer.data();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PictureFile.h"

#include "plot/PainterSurface.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

QString Title() {
    return QStringLiteral("Vexaria");
}

void WriteSvg(const PictureSource& source, QIODevice& device, QSize size) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(Title());
    QPainter painter(&svg);
    PaintPicture(painter, source, QRectF(QPointF(0, 0), QSizeF(size)));
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

QString WritePicture(const PictureSource& source, const QString& fileName, PictureFormat format,
                     QSize size) {
    if (size.isEmpty()) {
        return QStringLiteral("the picture has no size");
    }
    // QSaveFile renames over whatever the name leads to, a device included.
    const QFileInfo target(fileName);
    if (target.exists() && !QFileInfo(target.canonicalFilePath()).isFile()) {
        return QStringLiteral("not a regular file");
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    switch (format) {
    case PictureFormat::Png: {
        const QImage image = RenderPicture(source, size);
        QImageWriter writer(&file, "png");
        if (!writer.write(image)) {
            file.cancelWriting();
            return writer.errorString();
        }
        break;
    }
    case PictureFormat::Svg:
        WriteSvg(source, file, size);
        break;
    case PictureFormat::Pdf:
        WritePdf(source, file, size);
        break;
    }
    if (file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

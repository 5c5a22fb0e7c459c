// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/DiagramView.h"

#include "diagram/Classroom.h"
#include "forms/ErrorReport.h"
#include "plot/PainterSurface.h"

#include <QLineF>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

TDiagramView::TDiagramView(QWidget* parent)
    : QWidget(parent), source_{nullptr, PanelColor, {PanelWidth, PanelHeight}} {
    // Every pixel is painted by paintEvent: no erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

namespace {

// The view is repainted in tiles of this many pixels: a step repaints the
// tiles that its moving lines, marks and words cross, before and after.
constexpr int Tile = 32;

// The part of a line inside a rectangle, if any.
std::optional<QLineF> ClipLine(const QLineF& line, const QRectF& r) {
    double t0 = 0, t1 = 1;
    const double dx = line.dx(), dy = line.dy();
    const std::pair<double, double> edges[] = {{-dx, line.x1() - r.left()},
                                               {dx, r.right() - line.x1()},
                                               {-dy, line.y1() - r.top()},
                                               {dy, r.bottom() - line.y1()}};
    for (const auto& [p, q] : edges) {
        if (p == 0) {
            if (q < 0) {
                return std::nullopt;
            }
        } else if (p < 0) {
            t0 = std::max(t0, q / p);
        } else {
            t1 = std::min(t1, q / p);
        }
    }
    if (t0 > t1) {
        return std::nullopt;
    }
    return QLineF(line.pointAt(t0), line.pointAt(t1));
}

} // namespace

void TDiagramView::setDrawing(const SceneDrawing& drawing) {
    const bool sameEnvironment =
        !environment_.isNull() && drawing_.environmentKey == drawing.environmentKey;
    Tiles tiles = movingTiles();
    drawing_ = drawing;
    tiles_.clear();
    source_.drawing = &drawing_.record;
    // The classroom view is drawn on white.
    source_.background =
        drawing.environmentKey.division > 0 ? ClassroomColors.background : PanelColor;
    source_.client = {drawing.environmentKey.width, drawing.environmentKey.height};
    if (sameEnvironment) {
        // Only around what moved: the rest of the screen is as it was.
        const Tiles& now = movingTiles();
        for (std::size_t i = 0; i < tiles.size() && i < now.size(); ++i) {
            tiles[i] |= now[i];
        }
        update(TileRegion(tiles));
    } else {
        environment_ = QImage();
        update();
    }
}

const TDiagramView::Tiles& TDiagramView::movingTiles() {
    // Marked once for each drawing at each size: the tiles a step leaves
    // are those the step before it reached.
    if (tiles_.empty() || tilesSize_ != size()) {
        tiles_.clear();
        markMoving(tiles_);
        tilesSize_ = size();
    }
    return tiles_;
}

QRegion TDiagramView::TileRegion(const Tiles& tiles) const {
    // Runs of tiles along each row, as the y-x banded rectangles a region
    // is made of, so that it is made in one go.
    const int columns = (width() + Tile - 1) / Tile;
    QList<QRect> rects;
    for (std::size_t i = 0; i < tiles.size();) {
        if (!tiles[i]) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (++i < tiles.size() && tiles[i] && i % static_cast<std::size_t>(columns) != 0) {
        }
        const int row = static_cast<int>(start) / columns;
        const int column = static_cast<int>(start) % columns;
        rects.append(QRect(column * Tile, row * Tile, static_cast<int>(i - start) * Tile, Tile) &
                     rect());
    }
    QRegion region;
    region.setRects(rects.constData(), static_cast<int>(rects.size()));
    return region;
}

QSizeF TDiagramView::textSize(const TTextMark& mark) const {
    const QString key = mark.text + QLatin1Char('/') + QString::number(mark.height) +
                        QLatin1Char(mark.bold ? 'b' : 'n');
    auto it = textSizes_.constFind(key);
    if (it == textSizes_.constEnd()) {
        // The words of a drawing are few; those of a long drag are many.
        if (textSizes_.size() > 256) {
            textSizes_.clear();
        }
        it = textSizes_.insert(key, TextBox(mark, 0, 0).size());
    }
    return *it;
}

void TDiagramView::markMoving(Tiles& tiles) const {
    const QRectF t = target();
    const auto& calls = drawing_.record.calls();
    const int columns = (width() + Tile - 1) / Tile;
    const int rows = (height() + Tile - 1) / Tile;
    tiles.resize(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
    if (calls.empty() || t.isEmpty()) {
        return;
    }
    const double sx = t.width() / std::max(source_.client.width(), 1);
    const double sy = t.height() / std::max(source_.client.height(), 1);
    const auto at = [&](double fx, double fy) { return ClientToDevice(t, sx, sy, fx, fy); };
    const auto mark = [&](const QRectF& box) {
        const QRect r = box.toAlignedRect() & rect();
        for (int row = r.top() / Tile; !r.isEmpty() && row <= r.bottom() / Tile; ++row) {
            for (int column = r.left() / Tile; column <= r.right() / Tile; ++column) {
                tiles[static_cast<std::size_t>(row * columns + column)] = 1;
            }
        }
    };
    // Each line in pieces no longer than a tile, each piece's box as wide
    // as its pen either side and a pixel more for the antialiasing: a band
    // along a slanting ray, not the box of the whole ray.
    double reach = 0;
    QPointF from;
    const auto [first, last] = drawing_.moving();
    for (std::size_t i = first; i < last; ++i) {
        const DrawingRecord::Call& c = calls[i];
        switch (c.op) {
        case DrawingRecord::Op::Pen:
            reach = std::max(c.pen.width * sx, 1.0) + 2;
            break;
        case DrawingRecord::Op::MoveTo:
            from = at(c.fa, c.fb);
            break;
        case DrawingRecord::Op::LineTo: {
            const QPointF to = at(c.fa, c.fb);
            // Only the part within the view; far-off ends cost nothing.
            if (const auto seen = ClipLine(QLineF(from, to), QRectF(rect()))) {
                const int pieces = std::max(1, static_cast<int>(std::ceil(seen->length() / Tile)));
                for (int k = 0; k < pieces; ++k) {
                    mark(QRectF(seen->pointAt(double(k) / pieces),
                                seen->pointAt(double(k + 1) / pieces))
                             .normalized()
                             .adjusted(-reach, -reach, reach, reach));
                }
            }
            from = to;
            break;
        }
        case DrawingRecord::Op::Ellipse:
            mark(QRectF(at(c.fa, c.fb), at(c.fc, c.fd))
                     .normalized()
                     .adjusted(-reach, -reach, reach, reach));
            break;
        case DrawingRecord::Op::Text: {
            const TTextMark& text = drawing_.record.textOf(c);
            const QSizeF size = textSize(text);
            const QPointF corner(c.fa - size.width() * static_cast<double>(text.align) / 2,
                                 c.fb - size.height() * static_cast<double>(text.valign) / 2);
            mark(QRectF(at(corner.x(), corner.y()),
                        at(corner.x() + size.width(), corner.y() + size.height()))
                     .adjusted(-3 * sx, -3 * sy, 3 * sx, 3 * sy));
            break;
        }
        }
    }
}

QRectF TDiagramView::target() const {
    return FitClient(source_, QRectF(rect()));
}

QPointF TDiagramView::toClient(const QPointF& at) const {
    const QRectF t = target();
    const double sx = t.width() / std::max(source_.client.width(), 1);
    const double sy = t.height() / std::max(source_.client.height(), 1);
    if (sx <= 0 || sy <= 0) {
        return {std::nan(""), std::nan("")};
    }
    // A pointer position names the pixel to its right and below; client
    // pixel i has its centre at i + 0.5 client pixels from the target's
    // corner, as the painter surface draws it.
    return {(at.x() + 0.5 - t.x()) / sx - 0.5, (at.y() + 0.5 - t.y()) / sy - 0.5};
}

void TDiagramView::paintEvent(QPaintEvent* event) {
    RunHandler([this, event] {
        const qreal ratio = devicePixelRatioF();
        const QSize pixels = (QSizeF(size()) * ratio).toSize();
        if (environment_.size() != pixels) {
            environment_ = QImage(pixels, QImage::Format_RGB32);
            environment_.setDevicePixelRatio(ratio);
            QPainter e(&environment_);
            e.fillRect(rect(), ToQColor(source_.background));
            if (source_.drawing) {
                PainterSurface s(e, target(), source_.client.width(), source_.client.height());
                const auto [first, last] = drawing_.environment();
                drawing_.record.replay(s, first, last);
            }
        }
        QPainter p(this);
        // Each rectangle clipped to itself: Qt copies rows whole within a
        // rectangle, where the region's clip would have it cut every row.
        for (const QRect& r : event->region()) {
            p.setClipRect(r);
            p.drawImage(r, environment_,
                        QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
        }
        p.setClipping(false);
        if (source_.drawing) {
            PainterSurface s(p, target(), source_.client.width(), source_.client.height());
            const auto [first, last] = drawing_.moving();
            drawing_.record.replay(s, first, last);
        }
    });
}

void TDiagramView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // The kept picture is as large as the screen.
    environment_ = QImage();
}

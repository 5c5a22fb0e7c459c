// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PictureLayers.h"

#include "plot/PainterSurface.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// The scale from the painter's coordinates to the device's pixels where it
// is a plain enlargement with a whole-pixel offset (a widget's painter on a
// screen of any pixel ratio), else 0: the kept image could not be copied
// pixel for pixel.
qreal PixelRatioOf(const QPainter& painter, const QRectF& area) {
    if (painter.paintEngine() == nullptr || painter.paintEngine()->type() != QPaintEngine::Raster) {
        return 0;
    }
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() != t.m22() || t.m11() <= 0) {
        return 0;
    }
    const qreal ratio = t.m11();
    const QRectF device = t.mapRect(area);
    const auto whole = [](qreal v) { return v == std::round(v); };
    if (!whole(device.x()) || !whole(device.y()) || !whole(device.width()) ||
        !whole(device.height())) {
        return 0;
    }
    return ratio;
}

// A surface that draws nothing and marks the squares of a grid over the view
// that its calls would paint, pen width, antialiasing and round ends
// allowed for.
class TileMarks : public Surface {
public:
    static constexpr int Tile = 64;

    TileMarks(const QRectF& area, const QRectF& target, QSize client)
        : area_(area), target_(target), client_(client), sx_(target.width() / client.width()),
          sy_(target.height() / client.height()),
          columns_(static_cast<int>(std::ceil(area.width() / Tile))),
          rows_(static_cast<int>(std::ceil(area.height() / Tile))),
          marks_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0) {}

    int clientWidth() const override { return client_.width(); }
    int clientHeight() const override { return client_.height(); }
    void frameAndFill(int, int) override {}
    void setClip(int, int) override {}
    void selectPen(const TPen& pen) override { pen_ = pen; }
    TPen pen() const override { return pen_; }
    void moveTo(std::int32_t x, std::int32_t y) override { moveToExact(x, y, x, y); }
    void lineTo(std::int32_t x, std::int32_t y) override { lineToExact(x, y, x, y); }
    void ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
        ellipseExact(l, t, r, b, l, t, r, b);
    }
    void moveToExact(std::int32_t, std::int32_t, double fx, double fy) override {
        current_ = toView(fx, fy);
    }
    void lineToExact(std::int32_t, std::int32_t, double fx, double fy) override {
        const QPointF to = toView(fx, fy);
        markBand(current_, to, reachOfPen());
        current_ = to;
    }
    void ellipseExact(std::int32_t, std::int32_t, std::int32_t, std::int32_t, double l, double t,
                      double r, double b) override {
        const QRectF box = QRectF(toView(l, t), toView(r, b)).normalized();
        const double reach = reachOfPen();
        mark(box.adjusted(-reach, -reach, reach, reach));
    }

    QRegion region() const {
        QList<QRect> rects;
        const QRect bounds = area_.toAlignedRect();
        for (int row = 0; row < rows_; ++row) {
            for (int column = 0; column < columns_;) {
                if (!marks_[index(column, row)]) {
                    ++column;
                    continue;
                }
                const int first = column;
                while (column < columns_ && marks_[index(column, row)]) {
                    ++column;
                }
                const QRect r = QRect(bounds.x() + first * Tile, bounds.y() + row * Tile,
                                      (column - first) * Tile, Tile)
                                    .intersected(bounds);
                if (!r.isEmpty()) {
                    rects.append(r);
                }
            }
        }
        // Whole rows of tiles are bands of equal height, as setRects wants.
        QRegion region;
        region.setRects(rects.constData(), static_cast<int>(rects.size()));
        return region;
    }

private:
    QPointF toView(double fx, double fy) const { return ClientToDevice(target_, sx_, sy_, fx, fy); }
    // Half the widest a pen paints, with its round ends, the half client
    // pixel a thin line starts early and the antialiased fringe.
    double reachOfPen() const {
        return std::max(pen_.width * std::max(sx_, sy_), 1.0) / 2 + std::max(sx_, sy_) / 2 + 2;
    }
    std::size_t index(int column, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column);
    }
    void mark(const QRectF& r) {
        const QRectF local = r.translated(-area_.topLeft());
        const int r0 = std::max(0, static_cast<int>(std::floor(local.top() / Tile)));
        const int r1 = std::min(rows_ - 1, static_cast<int>(std::floor(local.bottom() / Tile)));
        for (int row = r0; row <= r1; ++row) {
            markColumns(row, local.left(), local.right());
        }
    }
    void markColumns(int row, double left, double right) {
        const int c0 = std::max(0, static_cast<int>(std::floor(left / Tile)));
        const int c1 = std::min(columns_ - 1, static_cast<int>(std::floor(right / Tile)));
        if (c0 <= c1) {
            std::fill(marks_.begin() + static_cast<std::ptrdiff_t>(index(c0, row)),
                      marks_.begin() + static_cast<std::ptrdiff_t>(index(c1, row)) + 1, 1);
        }
    }
    // Every tile within `reach` of the segment: in each row of tiles, the
    // stretch of the segment that comes within reach of the row, widened.
    void markBand(const QPointF& a, const QPointF& b, double reach) {
        const QPointF p = a - area_.topLeft(), q = b - area_.topLeft();
        const double top = std::min(p.y(), q.y()) - reach;
        const double bottom = std::max(p.y(), q.y()) + reach;
        const int r0 = std::max(0, static_cast<int>(std::floor(top / Tile)));
        const int r1 = std::min(rows_ - 1, static_cast<int>(std::floor(bottom / Tile)));
        const double dy = q.y() - p.y();
        for (int row = r0; row <= r1; ++row) {
            double left = std::min(p.x(), q.x()), right = std::max(p.x(), q.x());
            if (std::abs(dy) > 1e-9) {
                // The part of the segment between the row's edges, each
                // moved out by the reach.
                const double t0 = std::clamp((row * Tile - reach - p.y()) / dy, 0.0, 1.0);
                const double t1 = std::clamp(((row + 1) * Tile + reach - p.y()) / dy, 0.0, 1.0);
                const double x0 = p.x() + (q.x() - p.x()) * t0;
                const double x1 = p.x() + (q.x() - p.x()) * t1;
                left = std::min(x0, x1);
                right = std::max(x0, x1);
            }
            markColumns(row, left - reach, right + reach);
        }
    }

    QRectF area_, target_;
    QSize client_;
    double sx_, sy_;
    int columns_, rows_;
    std::vector<std::uint8_t> marks_;
    TPen pen_;
    QPointF current_;
};

} // namespace

void PictureLayers::clear() {
    image_ = QImage();
    kept_.clear();
    shown_.clear();
}

QRegion PictureLayers::changedRegion(const PictureSource& source, const QRectF& area) const {
    const QRegion all(area.toAlignedRect());
    if (image_.isNull() || source.drawing == nullptr || area != area_ ||
        source.background != background_ || source.client != client_ || source.client.isEmpty()) {
        return all;
    }
    const std::vector<DrawingRecord::Call>& calls = source.drawing->calls();
    const auto before =
        std::mismatch(shown_.begin(), shown_.end(), calls.begin(), calls.end()).first;
    const auto from = static_cast<std::size_t>(before - shown_.begin());
    if (from == shown_.size() && from == calls.size()) {
        return {};
    }
    // The current point and pen at the first difference are the same in
    // both drawings: start from the line's beginning.
    std::size_t start = from;
    while (start > 0 && calls[start - 1].op == DrawingRecord::Op::LineTo) {
        --start;
    }
    if (start > 0) {
        --start; // the move the line starts from
    }
    const QRectF target = FitClient(source, area);
    TileMarks marks(area, target, source.client);
    DrawingRecord::Replay(shown_, marks, start, shown_.size());
    source.drawing->replay(marks, start, calls.size());
    return marks.region();
}

void PictureLayers::paint(QPainter& painter, const PictureSource& source, const QRectF& area,
                          const QRegion& exposed) {
    const qreal ratio = PixelRatioOf(painter, area);
    if (ratio == 0 || source.drawing == nullptr || area.isEmpty()) {
        clear();
        PaintPicture(painter, source, area);
        return;
    }
    if (ratio != ratio_ || area != area_ || source.background != background_ ||
        source.client != client_) {
        clear();
        ratio_ = ratio;
        area_ = area;
        background_ = source.background;
        client_ = source.client;
    }
    const DrawingRecord& drawing = *source.drawing;
    const std::vector<DrawingRecord::Call>& calls = drawing.calls();
    const std::size_t same = static_cast<std::size_t>(
        std::mismatch(kept_.begin(), kept_.end(), calls.begin(), calls.end()).first -
        kept_.begin());
    if (image_.isNull() || same < kept_.size()) {
        // Kept: the whole drawing the first time, then what it has in common
        // with the one before, cut where a new line begins.
        std::size_t keep = image_.isNull() ? calls.size() : same;
        while (keep > 0 && keep < calls.size() && calls[keep].op == DrawingRecord::Op::LineTo) {
            --keep;
        }
        const QSize pixels = (area.size() * ratio).toSize();
        if (image_.size() != pixels) {
            image_ = QImage(pixels, QImage::Format_RGB32);
        }
        image_.setDevicePixelRatio(ratio);
        image_.fill(ToQColor(source.background));
        QPainter layer(&image_);
        {
            PainterSurface surface(layer, FitClient(source, QRectF(QPointF(0, 0), area.size())),
                                   source.client.width(), source.client.height());
            drawing.replay(surface, 0, keep);
        }
        kept_.assign(calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(keep));
    }
    shown_ = calls;
    // Only the rectangles of the paint: the whole image copied costs several
    // times filling it. In each, the lines are cut to what can reach it, as
    // the raster engine would walk a line's whole length under any clip.
    const QRegion parts = exposed.isEmpty() ? QRegion(area.toAlignedRect()) : exposed;
    for (const QRect& r : parts) {
        const QRectF part = QRectF(r).intersected(area);
        if (part.isEmpty()) {
            continue;
        }
        painter.drawImage(part, image_,
                          QRectF((part.topLeft() - area.topLeft()) * ratio, part.size() * ratio));
        if (kept_.size() < calls.size()) {
            painter.save();
            {
                PainterSurface surface(painter, FitClient(source, area), source.client.width(),
                                       source.client.height(), part);
                drawing.replay(surface, kept_.size(), calls.size());
            }
            painter.restore();
        }
    }
}

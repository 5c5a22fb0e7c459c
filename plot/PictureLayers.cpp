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

// Marks the squares of a grid over the view that lines and ellipses of the
// client area would paint, pen width, antialiasing and round ends allowed
// for.
class TileMarks {
public:
    static constexpr int Tile = 64;

    TileMarks(const QRectF& area, const QRectF& target, QSize client)
        : area_(area), target_(target), sx_(target.width() / client.width()),
          sy_(target.height() / client.height()),
          columns_(static_cast<int>(std::ceil(area.width() / Tile))),
          rows_(static_cast<int>(std::ceil(area.height() / Tile))),
          marks_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0) {}

    // The line between two client points.
    void line(const TPen& pen, const QPointF& from, const QPointF& to) {
        markBand(toView(from), toView(to), reachOf(pen));
    }
    // The ellipse in a box of client coordinates.
    void ellipse(const TPen& pen, const QRectF& box) {
        const QRectF view = QRectF(toView(box.topLeft()), toView(box.bottomRight())).normalized();
        const double reach = reachOf(pen);
        mark(view.adjusted(-reach, -reach, reach, reach));
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
    QPointF toView(const QPointF& client) const {
        return ClientToDevice(target_, sx_, sy_, client.x(), client.y());
    }
    // Half the widest a pen paints, with its round ends, the half client
    // pixel a thin line starts early and the antialiased fringe.
    double reachOf(const TPen& pen) const {
        return std::max(pen.width * std::max(sx_, sy_), 1.0) / 2 + std::max(sx_, sy_) / 2 + 2;
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
    double sx_, sy_;
    int columns_, rows_;
    std::vector<std::uint8_t> marks_;
};

// A line or an ellipse of a drawing, as the painter surface draws it: a
// line with its pen, its ends, and whether it goes on from the line before
// in one chain (whose joins depend on both).
struct Piece {
    const DrawingRecord::Call* call;
    TPen pen;
    double fromX, fromY;
    bool joined;

    bool isLine() const { return call->op == DrawingRecord::Op::LineTo; }
    QPointF from() const { return {fromX, fromY}; }
    QPointF to() const { return {call->fa, call->fb}; }
    bool operator==(const Piece& o) const {
        return *call == *o.call && pen == o.pen && fromX == o.fromX && fromY == o.fromY &&
               joined == o.joined;
    }
};

// The pieces of the calls from `first`, a move, on.
std::vector<Piece> PiecesOf(const std::vector<DrawingRecord::Call>& calls, std::size_t first) {
    std::vector<Piece> pieces;
    pieces.reserve(calls.size() - first);
    TPen pen;
    for (std::size_t i = first; i-- > 0;) {
        if (calls[i].op == DrawingRecord::Op::Pen) {
            pen = calls[i].pen;
            break;
        }
    }
    double x = 0, y = 0;
    bool joined = false;
    for (auto c = calls.begin() + static_cast<std::ptrdiff_t>(first); c != calls.end(); ++c) {
        switch (c->op) {
        case DrawingRecord::Op::Pen:
            joined = joined && c->pen == pen;
            pen = c->pen;
            break;
        case DrawingRecord::Op::MoveTo:
            x = c->fa;
            y = c->fb;
            joined = false;
            break;
        case DrawingRecord::Op::LineTo:
            pieces.push_back({&*c, pen, x, y, joined});
            x = c->fa;
            y = c->fb;
            joined = true;
            break;
        case DrawingRecord::Op::Ellipse:
            pieces.push_back({&*c, pen, 0, 0, false});
            joined = false;
            break;
        }
    }
    return pieces;
}

void Mark(TileMarks& marks, const Piece& p) {
    if (p.isLine()) {
        marks.line(p.pen, p.from(), p.to());
    } else {
        const DrawingRecord::Call& c = *p.call;
        marks.ellipse(p.pen, QRectF(QPointF(c.fa, c.fb), QPointF(c.fc, c.fd)));
    }
}

// Whether `now` is `was` with its ends moved along the same line: a solid
// line then paints the same pixels between the ends of both, and only
// between where each end was and is can the picture change. (A dotted line
// starts its dots at its start, so its dots move all along it.)
bool SameLineFurther(const Piece& was, const Piece& now) {
    if (!was.isLine() || !now.isLine() || was.pen != now.pen || was.joined != now.joined ||
        (now.pen.width <= 1 && now.pen.style != LineStyle::Solid)) {
        return false;
    }
    const QPointF a = was.from(), d = was.to() - a;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0) {
        return false;
    }
    // Both of the new ends on the old line, to well under a pixel.
    constexpr double Off = 1e-6;
    const auto offLine = [&a, &d, length](const QPointF& p) {
        const QPointF v = p - a;
        return std::abs(d.x() * v.y() - d.y() * v.x()) / length;
    };
    return offLine(now.from()) <= Off && offLine(now.to()) <= Off;
}

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
    const auto differs = std::mismatch(shown_.begin(), shown_.end(), calls.begin(), calls.end());
    if (differs.first == shown_.end() && differs.second == calls.end()) {
        return {};
    }
    // Piece by piece, in the order both drawings paint them: a piece the
    // same in both, over and under the same pieces, paints the same pixels
    // wherever no other piece changed. Before the last move both make up to
    // the first call that differs, every piece is the same.
    const auto moves = [this, &calls](std::size_t i) {
        return i < shown_.size() && i < calls.size() && shown_[i].op == DrawingRecord::Op::MoveTo &&
               calls[i].op == DrawingRecord::Op::MoveTo;
    };
    auto first = static_cast<std::size_t>(differs.first - shown_.begin());
    while (first > 0 && !moves(first)) {
        --first;
    }
    const std::vector<Piece> was = PiecesOf(shown_, first), now = PiecesOf(calls, first);
    TileMarks marks(area, FitClient(source, area), source.client);
    const std::size_t both = std::min(was.size(), now.size());
    for (std::size_t i = 0; i < both; ++i) {
        const Piece &o = was[i], &n = now[i];
        if (o == n) {
            continue;
        }
        if (SameLineFurther(o, n)) {
            if (o.fromX != n.fromX || o.fromY != n.fromY) {
                marks.line(n.pen, o.from(), n.from());
            }
            if (o.call->fa != n.call->fa || o.call->fb != n.call->fb) {
                marks.line(n.pen, o.to(), n.to());
            }
            continue;
        }
        Mark(marks, o);
        Mark(marks, n);
    }
    for (std::size_t i = both; i < was.size(); ++i) {
        Mark(marks, was[i]);
    }
    for (std::size_t i = both; i < now.size(); ++i) {
        Mark(marks, now[i]);
    }
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
            surface.stampRoundEnds();
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
                surface.stampRoundEnds();
                drawing.replay(surface, kept_.size(), calls.size());
            }
            painter.restore();
        }
    }
}

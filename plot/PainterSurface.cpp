// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PainterSurface.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// On/off runs of the one-pixel styled pens in client pixels, as the panel
// draws them.
QList<qreal> DashRuns(LineStyle style) {
    switch (style) {
    case LineStyle::Dash:
        return {18, 6};
    case LineStyle::Dot:
        return {3, 3};
    case LineStyle::DashDot:
        return {9, 6, 3, 6};
    case LineStyle::Solid:
        break;
    }
    return {};
}

// A disc of one colour and radius whose centre is `dx`, `dy` eighths of a
// pixel right of and below a pixel's corner, drawn once, antialiased, on a
// transparent square.
struct DiscStamp {
    QRgb colour;
    double radius;
    int dx, dy;
    QImage image;
    QPoint centre; // the pixel whose corner the disc is placed from
};

constexpr int StampSteps = 8;

const DiscStamp& Stamp(QRgb colour, double radius, int dx, int dy) {
    // The arrows of a diagram use two or three of them; a drawing with many
    // colours or widths only makes the list start again.
    thread_local std::vector<DiscStamp> stamps;
    for (const DiscStamp& s : stamps) {
        if (s.colour == colour && s.radius == radius && s.dx == dx && s.dy == dy) {
            return s;
        }
    }
    if (stamps.size() >= 256) {
        stamps.clear();
    }
    const int c = static_cast<int>(std::ceil(radius)) + 2;
    QImage image(2 * c + 1, 2 * c + 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(colour));
        p.drawEllipse(QPointF(c + static_cast<double>(dx) / StampSteps,
                              c + static_cast<double>(dy) / StampSteps),
                      radius, radius);
    }
    stamps.push_back({colour, radius, dx, dy, std::move(image), QPoint(c, c)});
    return stamps.back();
}

} // namespace

PainterSurface::PainterSurface(QPainter& painter, const QRectF& target, int clientWidth,
                               int clientHeight, bool antialiasing)
    : PainterSurface(painter, target, clientWidth, clientHeight, antialiasing, std::nullopt) {}

PainterSurface::PainterSurface(QPainter& painter, const QRectF& target, int clientWidth,
                               int clientHeight, const QRectF& part)
    : PainterSurface(painter, target, clientWidth, clientHeight, true, part) {}

PainterSurface::PainterSurface(QPainter& painter, const QRectF& target, int clientWidth,
                               int clientHeight, bool antialiasing,
                               const std::optional<QRectF>& part)
    : painter_(painter), target_(target), clientWidth_(std::max(clientWidth, 1)),
      clientHeight_(std::max(clientHeight, 1)), sx_(target.width() / clientWidth_),
      sy_(target.height() / clientHeight_) {
    painter_.setRenderHint(QPainter::Antialiasing, antialiasing);
    rasterLines_ = antialiasing && painter_.paintEngine() != nullptr &&
                   painter_.paintEngine()->type() == QPaintEngine::Raster;
    if (part) {
        // Clipped to the rectangle being painted; what cannot reach it is
        // left out as it is drawn.
        painter_.setClipRect(part->intersected(target_));
        callersClip_ = QRegion(part->toAlignedRect());
        if (rasterLines_) {
            cull_ = *part;
        }
        return;
    }
    // A clip costs the raster engine its fast paths; where the target is the
    // whole device, the device's own edges clip the same.
    const QPaintDevice* device = painter_.device();
    const bool whole = device != nullptr && painter_.transform().isIdentity() &&
                       target_ == QRectF(0, 0, device->width(), device->height());
    if (painter_.hasClipping()) {
        callersClip_ = painter_.clipRegion();
    }
    if (!whole || callersClip_) {
        clipTo(target_);
    }
}

void PainterSurface::clipTo(const QRectF& rect) {
    // Within the caller's own clip, if it set one.
    if (callersClip_) {
        painter_.setClipRegion(*callersClip_);
        painter_.setClipRect(rect, Qt::IntersectClip);
    } else {
        painter_.setClipRect(rect);
    }
}

PainterSurface::~PainterSurface() {
    flush();
}

QPointF PainterSurface::toDevice(double fx, double fy) const {
    return ClientToDevice(target_, sx_, sy_, fx, fy);
}

bool PainterSurface::drawsDotted() const {
    return pen_.width <= 1 && pen_.style != LineStyle::Solid;
}

QPen PainterSurface::qtPen() const {
    const double width = penWidth();
    QPen pen(ToQColor(pen_.color), width);
    pen.setJoinStyle(Qt::RoundJoin);
    if (pen_.width > 1) {
        // Wide pens have round ends on the panel.
        pen.setCapStyle(Qt::RoundCap);
    } else {
        pen.setCapStyle(Qt::FlatCap);
        if (drawsDotted()) {
            // Qt measures dashes in pen widths.
            QList<qreal> runs = DashRuns(pen_.style);
            for (qreal& run : runs) {
                run = run * sx_ / width;
            }
            pen.setDashPattern(runs);
        }
    }
    return pen;
}

QPointF PainterSurface::thinStart(const QPointF& from, const QPointF& to) const {
    // Half a client pixel along the line, measured in client pixels.
    const double dx = (to.x() - from.x()) / sx_, dy = (to.y() - from.y()) / sy_;
    const double length = std::hypot(dx, dy);
    if (length <= 0) {
        return from;
    }
    return {from.x() - 0.5 * dx / length * sx_, from.y() - 0.5 * dy / length * sy_};
}

bool PainterSurface::culled(const QPointF& a, const QPointF& b, double reach) const {
    if (!cull_) {
        return false;
    }
    const QRectF box = QRectF(a, b).normalized().adjusted(-reach, -reach, reach, reach);
    return !box.intersects(*cull_);
}

std::optional<std::pair<double, double>> PainterSurface::partOf(const QPointF& a, const QPointF& b,
                                                                double reach) const {
    if (!cull_) {
        return std::pair{0.0, 1.0};
    }
    // Liang and Barsky's clipping of the line to the part, widened.
    const QRectF box = cull_->adjusted(-reach, -reach, reach, reach);
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const auto edge = [&t0, &t1](double p, double q) {
        if (p == 0) {
            return q >= 0;
        }
        const double t = q / p;
        if (p < 0) {
            if (t > t1) {
                return false;
            }
            t0 = std::max(t0, t);
        } else {
            if (t < t0) {
                return false;
            }
            t1 = std::min(t1, t);
        }
        return true;
    };
    if (edge(-dx, a.x() - box.left()) && edge(dx, box.right() - a.x()) &&
        edge(-dy, a.y() - box.top()) && edge(dy, box.bottom() - a.y()) && t0 <= t1) {
        return std::pair{t0, t1};
    }
    return std::nullopt;
}

void PainterSurface::drawChainAsLines() {
    // Half the pen, the half pixel a thin line starts early, and the
    // antialiased fringe.
    const double reach = penWidth() / 2 + std::max(sx_, sy_) / 2 + 1;
    if (cull_ && !chain_.boundingRect().adjusted(-reach, -reach, reach, reach).intersects(*cull_)) {
        // Painted a part at a time, most chains miss most parts.
        return;
    }
    const QPen pen = qtPen();
    const bool round = pen_.width > 1;
    QList<QLineF>& lines = lines_;
    lines.clear();
    bool hasLength = false;
    for (qsizetype i = 0; i + 1 < chain_.size(); ++i) {
        const QPointF& from = chain_[i];
        const QPointF& to = chain_[i + 1];
        if (from == to) {
            continue;
        }
        hasLength = true;
        // A thin line starts half a pixel back, which covers its first
        // pixel and overlaps the line before it, so that no seam shows
        // where two antialiased ends meet.
        const QLineF line(round ? from : thinStart(from, to), to);
        // Of a long line only what can reach the part being painted: the
        // raster engine walks a line's whole length whatever the clip.
        if (const auto part = partOf(line.p1(), line.p2(), reach)) {
            lines.append(QLineF(line.pointAt(part->first), line.pointAt(part->second)));
        }
    }
    if (!lines.isEmpty()) {
        QPen flat = pen;
        flat.setCapStyle(Qt::FlatCap);
        painter_.setPen(flat);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawLines(lines);
    }
    if (!hasLength) {
        return;
    }
    // Round ends and joins are discs of the pen's width at the points; a
    // thin chain needs them only where it turns sharply.
    const double radius = pen.widthF() / 2;
    bool filling = false;
    for (qsizetype i = 0; i < chain_.size(); ++i) {
        bool disc = round;
        if (!round && i > 0 && i + 1 < chain_.size()) {
            const QPointF a = chain_[i] - chain_[i - 1], b = chain_[i + 1] - chain_[i];
            const double cross = a.x() * b.y() - a.y() * b.x();
            const double dot = a.x() * b.x() + a.y() * b.y();
            disc = std::abs(std::atan2(cross, dot)) > 0.35;
        }
        if (disc && !culled(chain_[i], chain_[i], reach)) {
            if (stampDisc(chain_[i], radius, pen.color())) {
                continue;
            }
            if (!filling) {
                painter_.setPen(Qt::NoPen);
                painter_.setBrush(pen.color());
                filling = true;
            }
            painter_.drawEllipse(chain_[i], radius, radius);
        }
    }
    if (filling) {
        painter_.setBrush(Qt::NoBrush);
    }
}

bool PainterSurface::stampDisc(const QPointF& centre, double radius, const QColor& colour) {
    // Only where a device pixel is a pixel of the painter, moved a whole
    // number of them: the stamp is copied as it is.
    const QTransform t = painter_.deviceTransform();
    if (!stamps_ || !rasterLines_ || t.type() > QTransform::TxTranslate ||
        t.dx() != std::round(t.dx()) || t.dy() != std::round(t.dy()) || radius > 64) {
        return false;
    }
    // The centre to the nearest eighth of a pixel: the pixel whose corner
    // it lies from, and how many eighths on.
    const double ex = std::round(centre.x() * StampSteps), ey = std::round(centre.y() * StampSteps);
    const double px = std::floor(ex / StampSteps), py = std::floor(ey / StampSteps);
    const DiscStamp& stamp = Stamp(colour.rgb(), radius, static_cast<int>(ex - px * StampSteps),
                                   static_cast<int>(ey - py * StampSteps));
    painter_.drawImage(QPointF(px - stamp.centre.x(), py - stamp.centre.y()), stamp.image);
    return true;
}

void PainterSurface::flush() {
    if (chain_.size() >= 2) {
        if (rasterLines_) {
            drawChainAsLines();
        } else {
            if (pen_.width <= 1) {
                chain_[0] = thinStart(chain_[0], chain_[1]);
            }
            painter_.setPen(qtPen());
            painter_.setBrush(Qt::NoBrush);
            painter_.drawPolyline(chain_);
        }
    }
    chain_.clear();
    chain_.append(current_);
}

void PainterSurface::fill(TColor color) {
    flush();
    painter_.fillRect(QRectF(target_.topLeft(), QSizeF(clientWidth_ * sx_, clientHeight_ * sy_)),
                      ToQColor(color));
}

void PainterSurface::frameAndFill(int w, int h) {
    flush();
    if (w <= 0 || h <= 0) {
        return;
    }
    const QRectF outer(target_.x(), target_.y(), w * sx_, h * sy_);
    painter_.fillRect(outer, Qt::black);
    if (w > 2 && h > 2) {
        painter_.fillRect(outer.adjusted(sx_, sy_, -sx_, -sy_), Qt::white);
    }
}

void PainterSurface::setClip(int w, int h) {
    flush();
    clipTo(QRectF(target_.x(), target_.y(), std::max(w, 0) * sx_, std::max(h, 0) * sy_));
}

void PainterSurface::selectPen(const TPen& pen) {
    if (pen == pen_) {
        return;
    }
    flush();
    pen_ = pen;
}

void PainterSurface::moveTo(std::int32_t x, std::int32_t y) {
    moveToExact(x, y, x, y);
}

void PainterSurface::lineTo(std::int32_t x, std::int32_t y) {
    lineToExact(x, y, x, y);
}

void PainterSurface::ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                             std::int32_t bottom) {
    ellipseExact(left, top, right, bottom, left, top, right, bottom);
}

void PainterSurface::moveToExact(std::int32_t, std::int32_t, double fx, double fy) {
    flush();
    current_ = toDevice(fx, fy);
    chain_.clear();
    chain_.append(current_);
}

void PainterSurface::lineToExact(std::int32_t, std::int32_t, double fx, double fy) {
    const QPointF to = toDevice(fx, fy);
    if (drawsDotted()) {
        // The dots start again at every line, as on the panel, so a line
        // left out changes none of the others.
        QPen pen = qtPen();
        const QLineF line(current_, to);
        if (const auto part = partOf(line.p1(), line.p2(), pen.widthF() / 2 + 1)) {
            // The dots go on from where they would be on the whole line.
            pen.setDashOffset(part->first * line.length() / pen.widthF());
            painter_.setPen(pen);
            painter_.drawLine(QLineF(line.pointAt(part->first), line.pointAt(part->second)));
        }
        current_ = to;
        chain_.clear();
        chain_.append(current_);
        return;
    }
    chain_.append(to);
    current_ = to;
}

void PainterSurface::ellipseExact(std::int32_t left, std::int32_t top, std::int32_t right,
                                  std::int32_t bottom, double fLeft, double fTop, double fRight,
                                  double fBottom) {
    // The panel leaves out a box of less than two pixels either way.
    if (std::abs(static_cast<std::int64_t>(right) - left) < 2 ||
        std::abs(static_cast<std::int64_t>(bottom) - top) < 2) {
        return;
    }
    flush();
    // The box leaves out its right column and bottom row: the outline runs
    // through the centres of the first and the last pixels inside it.
    const double l = std::min(fLeft, fRight), r = std::max(fLeft, fRight);
    const double t = std::min(fTop, fBottom), b = std::max(fTop, fBottom);
    const QPointF topLeft = toDevice(l, t);
    const QPointF bottomRight = toDevice(r - 1, b - 1);
    const QPen pen = qtPen();
    if (culled(topLeft, bottomRight, pen.widthF() / 2 + 1)) {
        return;
    }
    painter_.setPen(pen);
    painter_.setBrush(Qt::white);
    painter_.drawEllipse(QRectF(topLeft, bottomRight));
    painter_.setBrush(Qt::NoBrush);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PainterSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

PainterSurface::PainterSurface(QPainter& painter, const QRectF& target, int clientWidth,
                               int clientHeight, bool antialiasing)
    : painter_(painter), target_(target), clientWidth_(std::max(clientWidth, 1)),
      clientHeight_(std::max(clientHeight, 1)), sx_(target.width() / clientWidth_),
      sy_(target.height() / clientHeight_) {
    painter_.setRenderHint(QPainter::Antialiasing, antialiasing);
    rasterLines_ = antialiasing && painter_.paintEngine() != nullptr &&
                   painter_.paintEngine()->type() == QPaintEngine::Raster;
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
    // Its client pixels on the device, at least one unit.
    const double width = std::max(pen_.width * sx_, 1.0);
    QPen pen(ToQColor(pen_.color), width);
    pen.setJoinStyle(Qt::RoundJoin);
    if (pen_.width > 1) {
        // Wide pens have round ends on the panel.
        pen.setCapStyle(pen_.squareEnds ? Qt::SquareCap : Qt::RoundCap);
    } else {
        pen.setCapStyle(Qt::FlatCap);
        if (drawsDotted()) {
            // Qt measures dashes in pen widths.
            QList<qreal> runs;
            for (const int run : DashPattern(pen_.style)) {
                runs.append(run * sx_ / width);
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

void PainterSurface::drawChainAsLines() {
    QPen pen = qtPen();
    const bool round = pen_.width > 1 && !pen_.squareEnds;
    lines_.clear();
    for (qsizetype i = 0; i + 1 < chain_.size(); ++i) {
        const QPointF& from = chain_[i];
        const QPointF& to = chain_[i + 1];
        // A thin line starts half a pixel back, which covers its first
        // pixel and overlaps the line before it, so that no seam shows
        // where two antialiased ends meet.
        if (from != to) {
            lines_.append(QLineF(round || pen_.squareEnds ? from : thinStart(from, to), to));
        }
    }
    if (lines_.isEmpty()) {
        return;
    }
    pen.setCapStyle(pen_.squareEnds ? Qt::SquareCap : Qt::FlatCap);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawLines(lines_);
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
        if (disc) {
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

void PainterSurface::moveTo(std::int32_t, std::int32_t, double fx, double fy) {
    flush();
    current_ = toDevice(fx, fy);
    chain_.clear();
    chain_.append(current_);
}

void PainterSurface::lineTo(std::int32_t, std::int32_t, double fx, double fy) {
    const QPointF to = toDevice(fx, fy);
    if (drawsDotted()) {
        // The dots start again at every line, as on the panel, so a line
        // left out changes none of the others.
        painter_.setPen(qtPen());
        painter_.drawLine(QLineF(current_, to));
        current_ = to;
        chain_.clear();
        chain_.append(current_);
        return;
    }
    chain_.append(to);
    current_ = to;
}

void PainterSurface::ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
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
    painter_.setPen(qtPen());
    painter_.setBrush(Qt::white);
    painter_.drawEllipse(QRectF(topLeft, bottomRight));
    painter_.setBrush(Qt::NoBrush);
}

QFont AsTyped(QFont font) {
    // Latin text needs no shaping; without it the shaper joins no glyphs.
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

QFont TextFont(const TTextMark& mark) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(mark.height))));
    font.setBold(mark.bold);
    return AsTyped(font);
}

QRectF TextBox(const TTextMark& mark, double fx, double fy) {
    const QFontMetricsF metrics(TextFont(mark));
    const double w = metrics.horizontalAdvance(mark.text);
    const double h = metrics.ascent() + metrics.descent();
    const double x = fx - w * static_cast<double>(mark.align) / 2;
    const double y = fy - h * static_cast<double>(mark.valign) / 2;
    return {x, y, w, h};
}

void PainterSurface::text(double fx, double fy, const TTextMark& mark) {
    flush();
    const QFont font = TextFont(mark);
    const QRectF box = TextBox(mark, fx, fy);
    const QFontMetricsF metrics(font);
    painter_.save();
    // In client pixels, scaled with the picture like every line.
    painter_.translate(toDevice(0, 0));
    painter_.scale(sx_, sy_);
    painter_.setFont(font);
    painter_.setPen(ToQColor(mark.color));
    painter_.drawText(QPointF(box.x(), box.y() + metrics.ascent()), mark.text);
    painter_.restore();
}

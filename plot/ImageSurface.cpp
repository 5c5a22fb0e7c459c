// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/ImageSurface.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <QPainter>
#include <utility>

namespace {

QRgb ToRgb(TColor c) {
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

// The pattern as one bit a pixel of its period, the first pixel lowest, and
// the period; a solid line is a period of one pixel, on.
std::pair<std::uint32_t, int> PatternBits(LineStyle style) {
    std::uint32_t bits = 0;
    int period = 0;
    bool on = true;
    for (const int run : DashPattern(style)) {
        bits |= on ? ((1U << run) - 1) << period : 0;
        period += run;
        on = !on;
    }
    return period == 0 ? std::pair{1U, 1} : std::pair{bits, period};
}

// Where a line starts its minor steps: the minor offset of step i of a line
// n steps long and dMinor across is floor((2 i dMinor + n) / 2n), returned
// as the quotient and the remainder (0 <= rem < 2n) for step `first`. Far-off
// end points need up to 68 bits for the numerator.
std::pair<std::int64_t, std::int64_t> MinorStart(std::int64_t first, std::int64_t dMinor,
                                                 std::int64_t n) {
    __extension__ typedef __int128 Wide;
    const Wide start = Wide{2} * first * dMinor + n;
    const Wide twoN = Wide{2} * n;
    const Wide q = start / twoN - (start % twoN < 0 ? 1 : 0);
    return {static_cast<std::int64_t>(q), static_cast<std::int64_t>(start - q * twoN)};
}

} // namespace

ImageSurface::ImageSurface(int width, int height)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32), clipW_(width),
      clipH_(height), touched_(static_cast<std::size_t>(std::max(height, 0))) {
    image_.fill(Qt::white);
}

QRgb* ImageSurface::pixels() {
    // bits() detaches the image, and a detach runs the image's cache hooks
    // every time, once per line drawn; the pointer is taken again only when
    // the image has been replaced or shared since.
    if (pixels_ == nullptr || reinterpret_cast<const uchar*>(pixels_) != image_.constBits() ||
        !image_.isDetached()) {
        pixels_ = reinterpret_cast<QRgb*>(image_.bits());
    }
    return pixels_;
}

void ImageSurface::touch(std::int64_t left, std::int64_t top, std::int64_t right,
                         std::int64_t bottom, const QRect& within) {
    left = std::max<std::int64_t>(left, within.left());
    right = std::min<std::int64_t>(right, within.right());
    top = std::max<std::int64_t>(top, within.top());
    bottom = std::min<std::int64_t>(bottom, within.bottom());
    if (left <= right && top <= bottom) {
        mark(static_cast<int>(top), static_cast<int>(bottom), static_cast<int>(left),
             static_cast<int>(right));
    }
}

void ImageSurface::touch(const QRect& r) {
    touch(r.left(), r.top(), r.right(), r.bottom(), image_.rect());
}

QRect ImageSurface::touched() const {
    return rows_.first > rows_.last
               ? QRect()
               : QRect(QPoint(columns_.first, rows_.first), QPoint(columns_.last, rows_.last));
}

QRect ImageSurface::restoreTouched(const QImage& kept) {
    const QRect r = touched();
    QRgb* const to = pixels();
    const auto* const from = reinterpret_cast<const QRgb*>(kept.constBits());
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (int y = r.top(); y <= r.bottom(); ++y) {
        Span& row = touched_[static_cast<std::size_t>(y)];
        if (row.first <= row.last) {
            const qsizetype at = y * stride + row.first;
            std::memcpy(to + at, from + at,
                        static_cast<std::size_t>(row.last - row.first + 1) * sizeof(QRgb));
        }
        row = Span{};
    }
    rows_ = columns_ = Span{};
    return r;
}

void ImageSurface::forgetTouched() {
    for (int y = rows_.first; y <= rows_.last; ++y) {
        touched_[static_cast<std::size_t>(y)] = Span{};
    }
    rows_ = columns_ = Span{};
}

void ImageSurface::fill(TColor color) {
    image_.fill(ToRgb(color));
    touch(image_.rect());
}

void ImageSurface::frameAndFill(int w, int h) {
    w = std::min(w, image_.width());
    h = std::min(h, image_.height());
    if (w <= 0 || h <= 0) {
        return;
    }
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    touch(QRect(0, 0, w, h));
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line, line + w, y == 0 || y == h - 1 ? black : white);
        line[0] = line[w - 1] = black;
    }
}

void ImageSurface::setClip(int w, int h) {
    clipW_ = std::clamp(w, 0, image_.width());
    clipH_ = std::clamp(h, 0, image_.height());
}

void ImageSurface::moveTo(std::int32_t x, std::int32_t y, double fx, double fy) {
    if (record_) {
        record_->moveTo(x, y, fx, fy);
    }
    curX_ = x;
    curY_ = y;
}

void ImageSurface::lineTo(std::int32_t x, std::int32_t y, double fx, double fy) {
    if (record_) {
        record_->lineTo(x, y, fx, fy);
    }
    if (pen_.width > 1) {
        wideLine(curX_, curY_, x, y);
    } else {
        thinLine(curX_, curY_, x, y);
    }
    curX_ = x;
    curY_ = y;
}

// Pixel i of the line (counted from its start along the major axis) sits at
// minor offset round(i * dminor / dmajor), halves away from the start; the
// end point itself is never painted. Only the steps inside the clip are
// walked, so a line with far-off end points costs no more than its visible
// part; each step moves one pixel along, and sideways when its minor offset
// grows, without a multiplication.
void ImageSurface::thinLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    const std::int64_t dx = x1 - x0;
    const std::int64_t dy = y1 - y0;
    if (dx == 0 && dy == 0) {
        return;
    }
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t major0 = xMajor ? x0 : y0;
    const std::int64_t minor0 = xMajor ? y0 : x0;
    const std::int64_t dMajor = xMajor ? dx : dy;
    const std::int64_t dMinor = xMajor ? dy : dx;
    const std::int64_t n = std::abs(dMajor);
    const std::int64_t dir = dMajor < 0 ? -1 : 1;
    const std::int64_t majorLimit = xMajor ? clipW_ : clipH_;
    const std::int64_t minorLimit = xMajor ? clipH_ : clipW_;
    // The steps i in [0, n) whose major coordinate lies in [0, majorLimit).
    const std::int64_t first =
        std::max<std::int64_t>(0, dir > 0 ? -major0 : major0 - majorLimit + 1);
    const std::int64_t last = std::min(n - 1, dir > 0 ? majorLimit - 1 - major0 : major0);
    if (first > last) {
        return;
    }
    const auto [bits, period] = PatternBits(pen_.style);
    // Where step `first` falls in the pattern, carried on from there.
    int phase = static_cast<int>(first % period);
    const QRgb rgb = ToRgb(pen_.color);
    // The minor offset of step i is floor((2 i dMinor + n) / 2n), walked as
    // a quotient and a remainder. |dMinor| <= n, so the remainder leaves its
    // range by at most one period per step.
    const std::int64_t twoN = 2 * n;
    const std::int64_t twoDMinor = 2 * dMinor;
    auto [q, rem] = MinorStart(first, dMinor, n);
    QRgb* const pixels = this->pixels();
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const qsizetype alongMajor = xMajor ? dir : dir * stride;
    const qsizetype alongMinor = xMajor ? stride : 1;
    std::int64_t minor = minor0 + q;
    const std::int64_t major = major0 + dir * first;
    qsizetype at = xMajor ? minor * stride + major : major * stride + minor;
    bool inside = minor >= 0 && minor < minorLimit;
    // The steps [runStart, i] share one minor offset: a run along a row, or
    // down a column, counted as painted when it ends.
    std::int64_t runStart = first;
    const auto endRun = [&](std::int64_t i) {
        const auto a = static_cast<int>(major0 + dir * runStart);
        const auto b = static_cast<int>(major0 + dir * i);
        const auto m = static_cast<int>(minor);
        if (inside) {
            xMajor ? mark(m, m, std::min(a, b), std::max(a, b))
                   : mark(std::min(a, b), std::max(a, b), m, m);
        }
        runStart = i + 1;
    };
    for (std::int64_t i = first; i <= last; ++i, at += alongMajor) {
        if (inside && (bits >> phase & 1U)) {
            pixels[at] = rgb;
        }
        phase = phase + 1 == period ? 0 : phase + 1;
        rem += twoDMinor;
        if (rem >= twoN || rem < 0) {
            endRun(i);
            const std::int64_t side = rem < 0 ? -1 : 1;
            rem -= side * twoN;
            minor += side;
            at += side * alongMinor;
            inside = minor >= 0 && minor < minorLimit;
        }
    }
    if (runStart <= last) {
        endRun(last);
    }
}

// Pens wider than one pixel always draw solid, with round ends: a pixel is
// painted when its sample point lies less than half the width from the
// segment. Odd widths sample at the pixel's own coordinates, even widths half
// a pixel further on, so a vertical line is exactly `width` pixels wide.
void ImageSurface::wideLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    const double half = pen_.width / 2.0;
    const double shift = pen_.width % 2 == 0 ? 0.5 : 0.0;
    const auto lo = [&](std::int32_t a, std::int32_t b) {
        return static_cast<std::int64_t>(std::floor(std::min(a, b) - half - shift));
    };
    const auto hi = [&](std::int32_t a, std::int32_t b) {
        return static_cast<std::int64_t>(std::ceil(std::max(a, b) + half - shift));
    };
    const std::int64_t left = std::max<std::int64_t>(lo(x0, x1), 0);
    const std::int64_t right = std::min<std::int64_t>(hi(x0, x1), clipW_ - 1);
    const std::int64_t top = std::max<std::int64_t>(lo(y0, y1), 0);
    const std::int64_t bottom = std::min<std::int64_t>(hi(y0, y1), clipH_ - 1);
    if (left > right || top > bottom) {
        return;
    }
    const double dx = static_cast<double>(x1) - x0;
    const double dy = static_cast<double>(y1) - y0;
    const double length2 = dx * dx + dy * dy;
    const double limit = half * half;
    const auto near = [&](std::int64_t x, std::int64_t y) {
        const double px = x + shift - x0;
        const double py = y + shift - y0;
        const double t = length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0.0;
        const double ex = px - t * dx;
        const double ey = py - t * dy;
        return ex * ex + ey * ey < limit;
    };
    // The same test in integers, at twice the scale so that the sample
    // points are whole, for the short segments of arrows: there the
    // rounding above never decides, and the distance is never exactly half
    // the width (whole sample points and an odd width, or half-way ones and
    // an even width, never allow it), so both give the same pixels.
    const std::int64_t w = pen_.width;
    const std::int64_t ix = x1 - std::int64_t{x0};
    const std::int64_t iy = y1 - std::int64_t{y0};
    const bool whole = w <= 16 && std::abs(ix) <= 4096 && std::abs(iy) <= 4096;
    const std::int64_t len2 = ix * ix + iy * iy;
    const std::int64_t odd = w % 2 == 0 ? 1 : 0;
    const QRgb rgb = ToRgb(pen_.color);
    QRgb* const pixels = this->pixels();
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (std::int64_t y = top; y <= bottom; ++y) {
        QRgb* const line = pixels + y * stride;
        Span painted;
        const std::int64_t py = 2 * (y - y0) + odd;
        std::int64_t px = 2 * (left - x0) + odd;
        std::int64_t along = px * ix + py * iy;  // twice the projection on the segment
        std::int64_t across = px * iy - py * ix; // twice the cross product
        for (std::int64_t x = left; x <= right; ++x, px += 2, along += 2 * ix, across += 2 * iy) {
            bool in = false;
            if (!whole) {
                in = near(x, y);
            } else if (along <= 0) {
                in = px * px + py * py < w * w;
            } else if (along >= 2 * len2) {
                in = (px - 2 * ix) * (px - 2 * ix) + (py - 2 * iy) * (py - 2 * iy) < w * w;
            } else {
                in = across * across < w * w * len2;
            }
            if (in) {
                line[x] = rgb;
                painted.add(static_cast<int>(x), static_cast<int>(x));
            }
        }
        if (painted.first <= painted.last) {
            mark(static_cast<int>(y), static_cast<int>(y), painted.first, painted.last);
        }
    }
}

void ImageSurface::ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom, double fLeft, double fTop, double fRight,
                           double fBottom) {
    if (record_) {
        record_->ellipse(left, top, right, bottom, fLeft, fTop, fRight, fBottom);
    }
    const std::int64_t l = std::min(left, right), r = std::max(left, right);
    const std::int64_t t = std::min(top, bottom), b = std::max(top, bottom);
    // The box excludes its right column and bottom row; an empty box paints
    // nothing. Boxes far larger than the image are left out: the raster
    // engine floods the clip area with them.
    if (r - l < 2 || b - t < 2 || r - l > 65536 || b - t > 65536) {
        return;
    }
    // The painter's outline may stand out of the box by half its width, and
    // where the box leaves the image, it may paint well to the side of it.
    const std::int64_t out = pen_.width / 2 + 1;
    const QRect clip(0, 0, clipW_, clipH_);
    if (pen_.width <= 1 && pen_.style == LineStyle::Solid && r - l <= 64 && b - t <= 64) {
        touch(l - out, t - out, r + out, b + out, clip);
        smallEllipse(l, t, r, b);
        return;
    }
    touch(0, t - out, clipW_ - 1, b + out, clip);
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipRect(0, 0, clipW_, clipH_);
    QPen pen(QColor(ToRgb(pen_.color)));
    if (pen_.width > 1) {
        pen.setWidth(pen_.width);
    } else {
        pen.setWidth(0);
        if (const auto pattern = DashPattern(pen_.style); !pattern.empty()) {
            pen.setCapStyle(Qt::FlatCap);
            pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
        }
    }
    p.setPen(pen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l - 1),
                        static_cast<int>(b - t - 1)));
}

// The small marks of the diagram, without a painter: the outline follows the
// ellipse through the box's first and last columns and rows, half a pixel
// either side of it, and the inside is white.
void ImageSurface::smallEllipse(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
    const double cx = (l + r - 1) / 2.0;
    const double cy = (t + b - 1) / 2.0;
    const double a = (r - l - 1) / 2.0;
    const double c = (b - t - 1) / 2.0;
    const double pen = 0.5 / std::min(a, c);
    const double outer = (1 + pen) * (1 + pen);
    const double inner = (1 - pen) * (1 - pen);
    const QRgb outline = ToRgb(pen_.color);
    const QRgb white = qRgb(255, 255, 255);
    QRgb* const pixels = this->pixels();
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (std::int64_t y = std::max<std::int64_t>(t, 0); y < std::min<std::int64_t>(b, clipH_);
         ++y) {
        QRgb* const line = pixels + y * stride;
        for (std::int64_t x = std::max<std::int64_t>(l, 0); x < std::min<std::int64_t>(r, clipW_);
             ++x) {
            const double u = (x - cx) / a;
            const double v = (y - cy) / c;
            const double rho = u * u + v * v;
            if (rho <= inner) {
                line[x] = white;
            } else if (rho <= outer) {
                line[x] = outline;
            }
        }
    }
}

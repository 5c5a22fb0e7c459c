// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/ImageSurface.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <QPainter>
#include <span>

namespace {

QRgb ToRgb(TColor c) {
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

int PatternPeriod(std::span<const int> pattern) {
    int period = 0;
    for (int run : pattern) {
        period += run;
    }
    return period;
}

// Whether the pixel at `pos` within one period of the pattern is painted.
bool PatternOnAt(std::span<const int> pattern, int pos) {
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        if (pos < pattern[k]) {
            return k % 2 == 0;
        }
        pos -= pattern[k];
    }
    return false;
}

// Where a line starts its minor steps: the minor offset of step i of a line
// n steps long and dMinor across is floor((2 i dMinor + n) / 2n), returned
// as the quotient and the remainder (0 <= rem < 2n) for step `first`. Far-off
// end points need up to 68 bits for the numerator; the lines of a drawing on
// the panel are short, their product fits 64 bits, and a 64-bit division is
// several times cheaper than the wide one.
template <typename Int>
std::pair<std::int64_t, std::int64_t> StepStart(Int first, Int dMinor, Int n) {
    const Int start = 2 * first * dMinor + n;
    const Int twoN = 2 * n;
    Int q = start / twoN;
    if (start % twoN < 0) {
        --q;
    }
    return {static_cast<std::int64_t>(q), static_cast<std::int64_t>(start - q * twoN)};
}

std::pair<std::int64_t, std::int64_t> MinorStart(std::int64_t first, std::int64_t dMinor,
                                                 std::int64_t n) {
    constexpr std::int64_t Small = std::int64_t{1} << 30;
    if (first < Small && first > -Small && dMinor < Small && dMinor > -Small && n < Small) {
        return StepStart(first, dMinor, n);
    }
    __extension__ typedef __int128 Wide;
    return StepStart<Wide>(first, dMinor, n);
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
                         std::int64_t bottom) {
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, clipW_ - 1);
    bottom = std::min<std::int64_t>(bottom, clipH_ - 1);
    if (left <= right && top <= bottom) {
        touch(QRect(QPoint(static_cast<int>(left), static_cast<int>(top)),
                    QPoint(static_cast<int>(right), static_cast<int>(bottom))));
    }
}

void ImageSurface::touch(const QRect& r) {
    const QRect inside = r & image_.rect();
    for (int y = inside.top(); !inside.isEmpty() && y <= inside.bottom(); ++y) {
        Span& row = touched_[static_cast<std::size_t>(y)];
        row.first = std::min(row.first, inside.left());
        row.last = std::max(row.last, inside.right());
    }
}

QRect ImageSurface::touched() const {
    int left = std::numeric_limits<int>::max(), right = -1, top = -1, bottom = -1;
    for (std::size_t y = 0; y < touched_.size(); ++y) {
        if (touched_[y].first <= touched_[y].last) {
            left = std::min(left, touched_[y].first);
            right = std::max(right, touched_[y].last);
            top = top < 0 ? static_cast<int>(y) : top;
            bottom = static_cast<int>(y);
        }
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect ImageSurface::restoreTouched(const QImage& kept) {
    const QRect r = touched();
    constexpr qsizetype Pixel = sizeof(QRgb);
    uchar* const bits = reinterpret_cast<uchar*>(pixels());
    const qsizetype stride = image_.bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        Span& row = touched_[static_cast<std::size_t>(y)];
        if (row.first <= row.last) {
            std::memcpy(bits + y * stride + row.first * Pixel,
                        kept.constScanLine(y) + row.first * Pixel,
                        static_cast<std::size_t>((row.last - row.first + 1) * Pixel));
        }
        row = Span{};
    }
    return r;
}

void ImageSurface::forgetTouched() {
    std::fill(touched_.begin(), touched_.end(), Span{});
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
        const bool edgeRow = (y == 0 || y == h - 1);
        for (int x = 0; x < w; ++x) {
            line[x] = (edgeRow || x == 0 || x == w - 1) ? black : white;
        }
    }
}

void ImageSurface::setClip(int w, int h) {
    clipW_ = std::clamp(w, 0, image_.width());
    clipH_ = std::clamp(h, 0, image_.height());
}

void ImageSurface::moveTo(std::int32_t x, std::int32_t y) {
    curX_ = x;
    curY_ = y;
}

void ImageSurface::lineTo(std::int32_t x, std::int32_t y) {
    if (pen_.width > 1) {
        wideLine(curX_, curY_, x, y);
    } else {
        thinLine(curX_, curY_, x, y);
    }
    curX_ = x;
    curY_ = y;
}

void ImageSurface::moveToExact(std::int32_t x, std::int32_t y, double fx, double fy) {
    if (record_) {
        record_->moveTo(x, y, fx, fy);
    }
    ImageSurface::moveTo(x, y);
}

void ImageSurface::lineToExact(std::int32_t x, std::int32_t y, double fx, double fy) {
    if (record_) {
        record_->lineTo(x, y, fx, fy);
    }
    ImageSurface::lineTo(x, y);
}

void ImageSurface::ellipseExact(std::int32_t left, std::int32_t top, std::int32_t right,
                                std::int32_t bottom, double fLeft, double fTop, double fRight,
                                double fBottom) {
    if (record_) {
        record_->ellipse(left, top, right, bottom, fLeft, fTop, fRight, fBottom);
    }
    ImageSurface::ellipse(left, top, right, bottom);
}

// Pixel i of the line (counted from its start along the major axis) sits at
// minor offset round(i * dminor / dmajor), halves away from the start; the
// end point itself is never painted. Only the pixels inside the clip are
// visited, so a line with far-off end points costs no more than its
// visible part.
void ImageSurface::thinLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    const std::int64_t dx = x1 - x0;
    const std::int64_t dy = y1 - y0;
    if (dx == 0 && dy == 0) {
        return;
    }
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const std::int64_t major0 = xMajor ? x0 : y0;
    const std::int64_t minor0 = xMajor ? y0 : x0;
    const std::int64_t dMajor = xMajor ? dx : dy;
    const std::int64_t dMinor = xMajor ? dy : dx;
    const std::int64_t n = dMajor < 0 ? -dMajor : dMajor;
    const std::int64_t dir = dMajor < 0 ? -1 : 1;
    const std::int64_t majorLimit = xMajor ? clipW_ : clipH_;
    const std::int64_t minorLimit = xMajor ? clipH_ : clipW_;

    // The steps i in [0, n) whose major coordinate lies in [0, majorLimit).
    std::int64_t first = 0;
    std::int64_t last = n - 1;
    if (dir > 0) {
        first = std::max(first, -major0);
        last = std::min(last, majorLimit - 1 - major0);
    } else {
        first = std::max(first, major0 - (majorLimit - 1));
        last = std::min(last, major0);
    }
    if (first > last) {
        return;
    }
    const std::span<const int> pattern = DashPattern(pen_.style);
    const bool solid = pattern.empty();
    const int period = solid ? 1 : PatternPeriod(pattern);
    // Where step `first` falls in the pattern, carried on from there.
    int phase = static_cast<int>(first % period);
    const QRgb rgb = ToRgb(pen_.color);
    // The minor offset of step i is floor((2 i dMinor + n) / 2n); walk it as
    // a quotient and a remainder so that no step divides. |dMinor| <= n, so
    // the remainder leaves its range by at most one period per step.
    const std::int64_t twoN = 2 * n;
    auto [q, rem] = MinorStart(first, dMinor, n);
    const std::int64_t twoDMinor = 2 * dMinor;
    QRgb* const pixels = this->pixels();
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t minor = minor0 + q;
        const bool on = solid || PatternOnAt(pattern, phase);
        if (!solid && ++phase == period) {
            phase = 0;
        }
        if (on && minor >= 0 && minor < minorLimit) {
            const std::int64_t major = major0 + dir * i;
            const int px = static_cast<int>(xMajor ? major : minor);
            const int py = static_cast<int>(xMajor ? minor : major);
            pixels[py * stride + px] = rgb;
            Span& row = touched_[static_cast<std::size_t>(py)];
            row.first = std::min(row.first, px);
            row.last = std::max(row.last, px);
        }
        rem += twoDMinor;
        if (rem >= twoN) {
            rem -= twoN;
            ++q;
        } else if (rem < 0) {
            rem += twoN;
            --q;
        }
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
    const QRgb rgb = ToRgb(pen_.color);
    QRgb* const pixels = this->pixels();
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (std::int64_t y = top; y <= bottom; ++y) {
        Span& row = touched_[static_cast<std::size_t>(y)];
        for (std::int64_t x = left; x <= right; ++x) {
            const double px = x + shift - x0;
            const double py = y + shift - y0;
            const double t =
                length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0.0;
            const double ex = px - t * dx;
            const double ey = py - t * dy;
            if (ex * ex + ey * ey < limit) {
                pixels[y * stride + x] = rgb;
                row.first = std::min(row.first, static_cast<int>(x));
                row.last = std::max(row.last, static_cast<int>(x));
            }
        }
    }
}

void ImageSurface::ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom) {
    const std::int64_t l = std::min(left, right), r = std::max(left, right);
    const std::int64_t t = std::min(top, bottom), b = std::max(top, bottom);
    // The box excludes its right column and bottom row; an empty box paints
    // nothing. Boxes far larger than the image are left out: the raster
    // engine floods the clip area with them.
    if (r - l < 2 || b - t < 2 || r - l > 65536 || b - t > 65536) {
        return;
    }
    // The painter's outline may stand out of the box by half its width.
    const std::int64_t out = pen_.width / 2 + 1;
    touch(l - out, t - out, r + out, b + out);
    if (pen_.width <= 1 && pen_.style == LineStyle::Solid && r - l <= 64 && b - t <= 64) {
        smallEllipse(l, t, r, b);
        return;
    }
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

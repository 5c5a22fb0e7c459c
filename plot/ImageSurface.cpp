#include "ImageSurface.h"

#include <algorithm>
#include <array>
#include <QPainter>
#include <span>

namespace {

__extension__ typedef __int128 Wide;

QRgb ToRgb(TColor c) {
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

Wide FloorDiv(Wide a, Wide b) {
    Wide q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

// On/off run lengths of the one-pixel styled pens, as the window system
// draws them; an empty pattern is a solid line.
std::span<const int> DashPattern(LineStyle style) {
    static constexpr std::array<int, 2> dash{18, 6};
    static constexpr std::array<int, 2> dot{3, 3};
    static constexpr std::array<int, 4> dashDot{9, 6, 3, 6};
    switch (style) {
    case LineStyle::Dash:
        return dash;
    case LineStyle::Dot:
        return dot;
    case LineStyle::DashDot:
        return dashDot;
    case LineStyle::Solid:
        break;
    }
    return {};
}

bool PatternOn(std::span<const int> pattern, std::int64_t index) {
    if (pattern.empty()) {
        return true;
    }
    int period = 0;
    for (int run : pattern) {
        period += run;
    }
    std::int64_t pos = index % period;
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        if (pos < pattern[k]) {
            return k % 2 == 0;
        }
        pos -= pattern[k];
    }
    return false;
}

} // namespace

ImageSurface::ImageSurface(int width, int height)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32), clipW_(width),
      clipH_(height) {
    image_.fill(Qt::white);
}

void ImageSurface::fill(TColor color) {
    image_.fill(ToRgb(color));
}

void ImageSurface::frameAndFill(int w, int h) {
    w = std::min(w, image_.width());
    h = std::min(h, image_.height());
    if (w <= 0 || h <= 0) {
        return;
    }
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
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
    const std::span<const int> pattern = DashPattern(pen_.style);
    const QRgb rgb = ToRgb(pen_.color);
    for (std::int64_t i = first; i <= last; ++i) {
        if (!PatternOn(pattern, i)) {
            continue;
        }
        const std::int64_t major = major0 + dir * i;
        const std::int64_t minor =
            minor0 + static_cast<std::int64_t>(
                         FloorDiv(2 * static_cast<Wide>(i) * dMinor + n, 2 * static_cast<Wide>(n)));
        if (minor < 0 || minor >= minorLimit) {
            continue;
        }
        const int px = static_cast<int>(xMajor ? major : minor);
        const int py = static_cast<int>(xMajor ? minor : major);
        reinterpret_cast<QRgb*>(image_.scanLine(py))[px] = rgb;
    }
}

// Pens wider than one pixel always draw solid, with round ends.
void ImageSurface::wideLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipRect(0, 0, clipW_, clipH_);
    p.setPen(
        QPen(QColor(ToRgb(pen_.color)), pen_.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPoint(x0, y0), QPoint(x1, y1));
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

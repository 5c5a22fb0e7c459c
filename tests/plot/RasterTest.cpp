// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's lines against the rule they follow, one pixel at a time, and
// every pixel a line painted put back by the restore.
#include "plot/ImageSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

constexpr int W = 48, H = 40;
constexpr QRgb White = 0xffffffff;

bool PatternOn(LineStyle style, long long i) {
    const auto runs = DashPattern(style);
    long long period = 0;
    for (const int run : runs) {
        period += run;
    }
    long long pos = period == 0 ? 0 : i % period;
    for (std::size_t k = 0; k < runs.size(); pos -= runs[k], ++k) {
        if (pos < runs[k]) {
            return k % 2 == 0;
        }
    }
    return true;
}

// A one-pixel pen paints step i of the longer axis at offset
// floor((2 i dMinor + n) / 2n) across, where the pattern is on; a wider one
// paints solid every pixel whose sample point (half a pixel on for an even
// width) lies less than half the width from the segment.
QImage Rule(const TPen& pen, int clipW, int clipH, long long x0, long long y0, long long x1,
            long long y1) {
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(White);
    const QRgb ink = qRgb(RedOf(pen.color), GreenOf(pen.color), BlueOf(pen.color));
    const auto paint = [&](long long x, long long y) {
        if (x >= 0 && y >= 0 && x < clipW && y < clipH) {
            image.setPixel(static_cast<int>(x), static_cast<int>(y), ink);
        }
    };
    const long long dx = x1 - x0, dy = y1 - y0;
    if (pen.width <= 1) {
        const bool xMajor = std::llabs(dx) >= std::llabs(dy);
        const long long n = std::llabs(xMajor ? dx : dy), across = xMajor ? dy : dx;
        for (long long i = 0; i < n; ++i) {
            const long long num = 2 * i * across + n, off = num / (2 * n) - (num % (2 * n) < 0);
            const long long along = i * ((xMajor ? dx : dy) < 0 ? -1 : 1);
            if (PatternOn(pen.style, i)) {
                xMajor ? paint(x0 + along, y0 + off) : paint(x0 + off, y0 + along);
            }
        }
        return image;
    }
    const double half = pen.width / 2.0, shift = pen.width % 2 == 0 ? 0.5 : 0.0;
    const double length2 = double(dx) * dx + double(dy) * dy;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const double px = x + shift - x0, py = y + shift - y0;
            const double t = length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0;
            const double ex = px - t * dx, ey = py - t * dy;
            if (ex * ex + ey * ey < half * half) {
                paint(x, y);
            }
        }
    }
    return image;
}

TEST(ImageSurfaceLines, FollowTheRuleAndArePutBackWhole) {
    std::mt19937 random(21);
    const auto any = [&random](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    for (int k = 0; k < 4000; ++k) {
        const TPen pen{static_cast<LineStyle>(any(0, 3)), RGB(0, 128, 255), any(0, 4) * any(0, 2)};
        const int far = k % 8 == 0 ? 3000 : 60;
        const int x0 = any(-far, W + far), y0 = any(-far, H + far);
        const int x1 = x0 + any(-far, far), y1 = y0 + any(-far, far);
        const int clipW = any(W / 2, W), clipH = any(H / 2, H);
        ImageSurface s(W, H);
        s.setClip(clipW, clipH);
        s.selectPen(pen);
        s.moveTo(x0, y0);
        s.lineTo(x1, y1);
        const QString line = QString("%1,%2 to %3,%4, style %5, width %6")
                                 .arg(x0)
                                 .arg(y0)
                                 .arg(x1)
                                 .arg(y1)
                                 .arg(int(pen.style))
                                 .arg(pen.width);
        ASSERT_TRUE(s.image() == Rule(pen, clipW, clipH, x0, y0, x1, y1)) << qPrintable(line);
        QImage blank(W, H, QImage::Format_RGB32);
        blank.fill(White);
        s.restoreTouched(blank);
        ASSERT_TRUE(s.image() == blank) << qPrintable(line);
    }
}

} // namespace

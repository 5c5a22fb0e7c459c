// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/ImageSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr TColor Green = RGB(100, 250, 150), Blue = RGB(0, 128, 255), White = RGB(255, 255, 255);
constexpr TPen Solid{LineStyle::Solid, Green, 1}, Dotted{LineStyle::Dot, Green, 1};
constexpr int Far = 2'000'000'000, W = 48, H = 40;
constexpr auto Rgb = [](TColor c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); };

// Calls on a surface filled with one colour, and the picture they leave: '#' the pen's colour,
// 'k' black, '.' white, 'x' anything else, rows joined by '|'; an expected '?' takes any pixel.
TEST(ImageSurface, Pictures) {
    using S = ImageSurface;
    const std::map<int, void (S::*)(int, int)> twoArgumentCalls{
        {'M', &S::moveTo}, {'L', &S::lineTo}, {'F', &S::frameAndFill}, {'C', &S::setClip}};
    const struct {
        std::vector<std::vector<int>> calls; // M x y, L x y, E l t r b, F w h, C w h
        std::string picture;
        TPen pen = Solid;
        TColor background = White;
    } cases[] = {// The end point is left out either way, and a line of no length paints nothing.
                 {{{'M', 2, 0}, {'L', 8, 0}, {'M', 8, 1}, {'L', 2, 1}}, "..######..|...######."},
                 {{{'M', 1, 5}, {'L', 1, 1}, {'M', 0, 0}, {'L', 0, 0}}, "...|...|.#.|.#.|.#.|.#."},
                 // Dots are 3 on, 3 off from the start of each line.
                 {{{'M', 0, 0}, {'L', 20, 0}, {'M', 19, 1}, {'L', 0, 1}},
                  "###...###...###...##|.#...###...###...###",
                  Dotted},
                 {{{'C', 5, 3}, {'M', -Far, 1}, {'L', Far, 1}, {'M', 3, Far}, {'L', 3, -Far}},
                  "...#....|#####...|...#....|........"}, // clipped, from far-off ends
                 {{{'F', 6, 4}}, "kkkkkkx|k....kx|k....kx|kkkkkkx|xxxxxxx", Solid, Blue},
                 // The ellipse's box is normalised; its right column and bottom row are left out.
                 {{{'E', 5, 5, 1, 1}}, "xxxxxx|x?##?x|x#..#x|x#..#x|x?##?x|xxxxxx", Solid, Blue}};
    for (const auto& c : cases) {
        const int w = int(c.picture.find('|')); // every picture has two rows or more
        ImageSurface s(w, int(c.picture.size() + 1) / (w + 1));
        s.fill(c.background);
        s.selectPen(c.pen);
        for (const auto& k : c.calls)
            k[0] == 'E' ? s.ellipse(k[1], k[2], k[3], k[4])
                        : (s.*twoArgumentCalls.at(k[0]))(k[1], k[2]);
        const QRgb palette[] = {Rgb(c.pen.color), qRgb(0, 0, 0), qRgb(255, 255, 255)};
        std::string got;
        for (int y = 0; y < s.image().height(); ++y, got += '|')
            for (int x = 0; x < w; ++x) {
                const auto ink = std::ranges::find(palette, s.image().pixel(x, y)) - palette;
                got += c.picture[got.size()] == '?' ? '?' : "#k.x"[ink];
            }
        EXPECT_EQ(c.picture + '|', got);
    }
}

// A one-pixel pen paints step i of the longer axis at offset floor((2 i dMinor + n) / 2n)
// across, where its pattern is on; a wider one paints solid every pixel whose sample point
// (half a pixel on for an even width) lies less than half the width from the segment.
QImage Rule(const TPen& pen, int clipW, int clipH, int x0, int y0, int x1, int y1) {
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::white);
    const auto paint = [&](long long x, long long y) {
        if (x >= 0 && y >= 0 && x < clipW && y < clipH)
            image.setPixel(int(x), int(y), Rgb(pen.color));
    };
    const long long dx = x1 - x0, dy = y1 - y0;
    if (pen.width <= 1) {
        std::vector<bool> on; // the pattern, pixel by pixel
        for (std::size_t k = 0; k < DashPattern(pen.style).size(); ++k)
            on.insert(on.end(), std::size_t(DashPattern(pen.style)[k]), k % 2 == 0);
        const bool xMajor = std::llabs(dx) >= std::llabs(dy);
        const long long n = std::llabs(xMajor ? dx : dy), across = xMajor ? dy : dx;
        for (long long i = 0; i < n; ++i) {
            const long long num = 2 * i * across + n, off = num / (2 * n) - (num % (2 * n) < 0);
            const long long along = i * ((xMajor ? dx : dy) < 0 ? -1 : 1);
            if (on.empty() || on[std::size_t(i) % on.size()])
                xMajor ? paint(x0 + along, y0 + off) : paint(x0 + off, y0 + along);
        }
        return image;
    }
    const double half = pen.width / 2.0, shift = pen.width % 2 == 0 ? 0.5 : 0.0;
    const double length2 = double(dx) * dx + double(dy) * dy;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double px = x + shift - x0, py = y + shift - y0;
            const double t = length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0;
            const double ex = px - t * dx, ey = py - t * dy;
            if (ex * ex + ey * ey < half * half)
                paint(x, y);
        }
    return image;
}

// Lines against the rule, one pixel at a time, and every pixel a line painted put back by the
// restore.
TEST(ImageSurface, LinesFollowTheRuleAndArePutBackWhole) {
    std::mt19937 r(21);
    const auto any = [&r](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(r); };
    QImage blank(W, H, QImage::Format_RGB32);
    blank.fill(Qt::white);
    for (int k = 0; k < 4000; ++k) {
        const TPen pen{static_cast<LineStyle>(any(0, 3)), Blue, any(0, 4) * any(0, 2)};
        const int far = k % 8 == 0 ? 3000 : 60;
        const int x0 = any(-far, W + far), y0 = any(-far, H + far);
        const int x1 = x0 + any(-far, far), y1 = y0 + any(-far, far);
        const int clipW = any(W / 2, W), clipH = any(H / 2, H);
        SCOPED_TRACE(testing::Message() << x0 << ',' << y0 << " to " << x1 << ',' << y1
                                        << ", style " << int(pen.style) << ", width " << pen.width);
        ImageSurface s(W, H);
        s.setClip(clipW, clipH);
        s.selectPen(pen);
        s.moveTo(x0, y0);
        s.lineTo(x1, y1);
        ASSERT_TRUE(s.image() == Rule(pen, clipW, clipH, x0, y0, x1, y1));
        s.restoreTouched(blank);
        ASSERT_TRUE(s.image() == blank);
    }
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/ImageSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr TColor Green = RGB(100, 250, 150), Blue = RGB(0, 128, 255), White = RGB(255, 255, 255);
constexpr TPen Solid{LineStyle::Solid, Green, 1}, Dotted{LineStyle::Dot, Green, 1};
constexpr TPen Wide{LineStyle::Dot, Green, 2};
constexpr int Far = 2'000'000'000;

// Calls on a surface filled with one colour, and the picture they leave: '#' the pen's colour,
// 'k' black, '.' white, 'x' anything else, rows joined by '|'; an expected '?' takes any pixel.
struct Case {
    std::vector<std::vector<int>> calls; // M x y, L x y, E l t r b, F w h, C w h
    std::string picture;
    TPen pen = Solid;
    TColor background = White;
};

using S = ImageSurface;
const std::map<int, void (S::*)(int, int)> TwoArgumentCalls{
    {'M', &S::moveTo}, {'L', &S::lineTo}, {'F', &S::frameAndFill}, {'C', &S::setClip}};

class Painted : public ::testing::TestWithParam<Case> {};

TEST_P(Painted, Pixels) {
    const Case& c = GetParam();
    const int w = static_cast<int>(c.picture.find('|')); // every picture has two rows or more
    ImageSurface s(w, static_cast<int>(c.picture.size() + 1) / (w + 1));
    s.fill(c.background);
    s.selectPen(c.pen);
    for (const auto& k : c.calls) {
        if (k[0] == 'E') {
            s.ellipse(k[1], k[2], k[3], k[4]);
        } else {
            (s.*TwoArgumentCalls.at(k[0]))(k[1], k[2]);
        }
    }
    std::string got;
    const QRgb palette[] = {qRgb(RedOf(c.pen.color), GreenOf(c.pen.color), BlueOf(c.pen.color)),
                            qRgb(0, 0, 0), qRgb(255, 255, 255)};
    for (int y = 0; y < s.image().height(); ++y) {
        for (int x = 0; x < w; ++x) {
            const auto i = std::ranges::find(palette, s.image().pixel(x, y)) - palette;
            got += c.picture[got.size()] == '?' ? '?' : "#k.x"[i];
        }
        got += y + 1 < s.image().height() ? "|" : "";
    }
    EXPECT_EQ(c.picture, got);
}

INSTANTIATE_TEST_SUITE_P(
    ImageSurface, Painted,
    ::testing::Values(
        // The end point is left out either way, and a line of no length paints nothing.
        Case{{{'M', 2, 0}, {'L', 8, 0}, {'M', 8, 1}, {'L', 2, 1}}, "..######..|...######."},
        Case{{{'M', 1, 5}, {'L', 1, 1}, {'M', 0, 0}, {'L', 0, 0}}, "...|...|.#.|.#.|.#.|.#."},
        // One pixel per step along the longer axis; halves go away from the start.
        Case{{{'M', 0, 0}, {'L', 10, 5}},
             "#.........|.##.......|...##.....|.....##...|.......##.|.........#"},
        // Dots are 3 on, 3 off from the start of each line; wider pens draw solid.
        Case{{{'M', 0, 0}, {'L', 20, 0}, {'M', 19, 1}, {'L', 0, 1}},
             "###...###...###...##|.#...###...###...###",
             Dotted},
        Case{{{'M', 2, 1}, {'L', 17, 1}}, ".?###############?..|.?###############?..", Wide},
        Case{{{'C', 5, 3}, {'M', -Far, 1}, {'L', Far, 1}, {'M', 3, Far}, {'L', 3, -Far}},
             "...#....|#####...|...#....|........"}, // clipped, from far-off ends
        Case{{{'F', 6, 4}}, "kkkkkkx|k....kx|k....kx|kkkkkkx|xxxxxxx", Solid, Blue},
        // The ellipse's box is normalised; its right column and bottom row are left out.
        Case{{{'E', 5, 5, 1, 1}}, "xxxxxx|x?##?x|x#..#x|x#..#x|x?##?x|xxxxxx", Solid, Blue}));

} // namespace

#include "ImageSurface.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const QRgb White = qRgb(255, 255, 255);

// The pixels of one row as a string: '#' painted, '.' white.
std::string Row(const ImageSurface& s, int y, int from, int to) {
    std::string out;
    for (int x = from; x < to; ++x) {
        out += s.image().pixel(x, y) == White ? '.' : '#';
    }
    return out;
}

int Painted(const ImageSurface& s) {
    int n = 0;
    for (int y = 0; y < s.image().height(); ++y) {
        for (int x = 0; x < s.image().width(); ++x) {
            n += s.image().pixel(x, y) != White;
        }
    }
    return n;
}

TEST(ImageSurface, LinesLeaveOutTheirEndPoint) {
    ImageSurface s(20, 5);
    s.moveTo(2, 1);
    s.lineTo(8, 1);
    EXPECT_EQ("..######............", Row(s, 1, 0, 20));
    s.lineTo(2, 1); // back again: now 8 is painted, 2 is not (already was)
    EXPECT_EQ("..#######...........", Row(s, 1, 0, 20));
    ImageSurface v(5, 10);
    v.moveTo(2, 8);
    v.lineTo(2, 3); // upwards: rows 8 down to 4
    EXPECT_EQ(5, Painted(v));
    EXPECT_NE(White, v.image().pixel(2, 8));
    EXPECT_EQ(White, v.image().pixel(2, 3));
}

TEST(ImageSurface, ZeroLengthLinePaintsNothingButMoves) {
    ImageSurface s(10, 10);
    s.moveTo(4, 4);
    s.lineTo(4, 4);
    EXPECT_EQ(0, Painted(s));
    s.lineTo(6, 4);
    EXPECT_EQ("....##....", Row(s, 4, 0, 10));
}

TEST(ImageSurface, DiagonalsTakeOnePixelPerMajorStep) {
    ImageSurface s(20, 20);
    s.moveTo(0, 0);
    s.lineTo(10, 5);
    EXPECT_EQ(10, Painted(s));
    EXPECT_NE(White, s.image().pixel(0, 0));
    EXPECT_NE(White, s.image().pixel(9, 5)); // 9 * 5 / 10 = 4.5 rounds away from the start
}

TEST(ImageSurface, OnePixelDotsAreThreeOnThreeOff) {
    ImageSurface s(20, 3);
    s.selectPen({LineStyle::Dot, 0, 1});
    s.moveTo(0, 1);
    s.lineTo(20, 1);
    EXPECT_EQ("###...###...###...##", Row(s, 1, 0, 20));
    // Every line starts its pattern afresh.
    s.selectPen({LineStyle::Dot, 0, 1});
    s.moveTo(19, 2);
    s.lineTo(0, 2);
    EXPECT_EQ(".#...###...###...###", Row(s, 2, 0, 20));
}

TEST(ImageSurface, WiderPensDrawSolidWhateverTheirStyle) {
    ImageSurface s(30, 10);
    s.selectPen({LineStyle::Dot, 0, 2});
    s.moveTo(2, 5);
    s.lineTo(27, 5);
    const std::string row = Row(s, 5, 0, 30);
    EXPECT_EQ(std::string::npos, row.find("#.#")) << row;
    EXPECT_EQ(std::string::npos, row.substr(3, 23).find('.')) << row;
}

TEST(ImageSurface, ColourIsTheRequestedOne) {
    ImageSurface s(10, 10);
    s.selectPen({LineStyle::Solid, RGB(100, 250, 150), 1});
    s.moveTo(0, 0);
    s.lineTo(5, 0);
    EXPECT_EQ(qRgb(100, 250, 150), s.image().pixel(1, 0));
}

TEST(ImageSurface, ClippedAtTheEdgesEvenFromFarAway) {
    ImageSurface s(40, 30);
    s.setClip(40, 30);
    s.moveTo(-2000000000, 10);
    s.lineTo(2000000000, 10);
    EXPECT_EQ(std::string(40, '#'), Row(s, 10, 0, 40));
    s.moveTo(20, -2000000000);
    s.lineTo(20, 2000000000);
    EXPECT_EQ(40 + 29, Painted(s));
    ImageSurface c(40, 30);
    c.setClip(10, 10);
    c.moveTo(0, 5);
    c.lineTo(40, 5);
    EXPECT_EQ(10, Painted(c));
}

TEST(ImageSurface, FrameAndFillAndEllipseBox) {
    ImageSurface s(12, 8);
    s.fill(RGB(0, 255, 0));
    s.frameAndFill(12, 8);
    EXPECT_EQ("############", Row(s, 0, 0, 12));
    EXPECT_EQ("#..........#", Row(s, 3, 0, 12));
    EXPECT_EQ("############", Row(s, 7, 0, 12));
    ImageSurface e(12, 12);
    e.fill(RGB(0, 255, 0));
    e.ellipse(6, 6, 2, 2); // normalised to (2, 2)-(6, 6), right and bottom excluded
    EXPECT_EQ(qRgb(0, 255, 0), e.image().pixel(6, 4));
    EXPECT_EQ(qRgb(0, 255, 0), e.image().pixel(4, 6));
    EXPECT_EQ(qRgb(0, 0, 0), e.image().pixel(2, 4));
    EXPECT_EQ(qRgb(0, 0, 0), e.image().pixel(5, 4));
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/Optics.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <tuple>

namespace {

struct Row {
    TMirrorKind kind;
    double object, image, magnification, height;
    TImageKind imageKind;
    TSizeClass size;
};

class ImageTable : public ::testing::TestWithParam<Row> {};

// Bit for bit: the digits shown depend on the last bit, and the sign of a zero counts.
TEST_P(ImageTable, ResultsAreExact) {
    const Row& r = GetParam();
    const ImageResult got = ComputeImage(Scene{r.kind, r.object});
    const auto bits = [](auto... v) { return std::array{std::bit_cast<std::uint64_t>(v)...}; };
    EXPECT_EQ(bits(r.image, r.magnification, r.height),
              bits(got.position, got.magnification, got.height))
        << std::hexfloat << got.position << " " << got.magnification << " " << got.height;
    EXPECT_EQ(std::tuple(r.imageKind, r.size, r.image == ImageAtInfinity),
              std::tuple(got.kind, got.size, got.atInfinity));
    EXPECT_EQ(CurvatureSignOf(r.kind), r.kind == MirrorConcave ? -1 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ImageTable,
    ::testing::Values(Row{MirrorPlane, -40, 40, 1, 10, ImageVirtual, SizeEqual},
                      Row{MirrorConvex, -100, 20, 0.2, 2, ImageVirtual, SizeReduced},
                      Row{MirrorConvex, -25, 12.5, 0.5, 5, ImageVirtual, SizeReduced},
                      Row{MirrorConcave, -100, -33.333333333333336, -0.33333333333333337,
                          -3.333333333333334, ImageReal, SizeReduced},
                      Row{MirrorConcave, -75, -37.5, -0.5, -5, ImageReal, SizeReduced},
                      Row{MirrorConcave, -50, -50, -1, -10, ImageReal, SizeEqual},
                      Row{MirrorConcave, -30, -150, -5, -50, ImageReal, SizeEnlarged},
                      Row{MirrorConcave, -25, 1000000, 40000, 400000, ImageVirtual, SizeEnlarged},
                      Row{MirrorConcave, -10, 16.666666666666668, 1.6666666666666667,
                          16.666666666666668, ImageVirtual, SizeEnlarged},
                      Row{MirrorConcave, -5, 6.25, 1.25, 12.5, ImageVirtual, SizeEnlarged},
                      Row{MirrorPlane, 0, -0.0, 1, 10, ImageReal, SizeEqual},
                      Row{MirrorConvex, 0, 0, 1, 10, ImageReal, SizeEqual},
                      Row{MirrorConcave, 0, 0, 1, 10, ImageReal, SizeEqual},
                      // Objects typed behind the mirror go through the same formulas.
                      Row{MirrorConvex, 25, 1000000, -40000, -400000, ImageVirtual, SizeEnlarged},
                      Row{MirrorConcave, 25, -12.5, 0.5, 5, ImageReal, SizeReduced},
                      Row{MirrorPlane, 20, -20, 1, 10, ImageReal, SizeEqual}));

TEST(ImageModel, JustEitherSideOfTheFocusTheImageIsFarOnOppositeSides) {
    for (auto [object, kind] : {std::pair{-25.000000000000004, ImageReal},
                                std::pair{-24.999999999999996, ImageVirtual}}) {
        const ImageResult image = ComputeImage(Scene{MirrorConcave, object});
        EXPECT_GT(std::fabs(image.position), 1e14) << object;
        EXPECT_EQ(std::pair(kind, false), std::pair(image.kind, image.atInfinity)) << object;
    }
}

} // namespace

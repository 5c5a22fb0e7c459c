#include "Optics.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

struct Row {
    TMirrorKind kind;
    double object;
    double image;
    double magnification;
    double height;
    std::uint8_t imageKind;
    std::uint8_t size;
};

void Compute(TMirrorKind kind, double object) {
    MirrorKind = kind;
    CurvatureSign = kind == MirrorConcave ? -1 : 1;
    ComputeImage(object);
}

// Bit-for-bit: the shown digits depend on the last bit of each result.
::testing::AssertionResult SameBits(double expected, double actual) {
    if (std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(actual)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "expected " << std::hexfloat << expected << " got " << actual;
}

class ImageTable : public ::testing::TestWithParam<Row> {};

TEST_P(ImageTable, ResultsAreExact) {
    const Row& r = GetParam();
    Compute(r.kind, r.object);
    EXPECT_TRUE(SameBits(r.image, ImagePos));
    EXPECT_TRUE(SameBits(r.magnification, Magnification));
    EXPECT_TRUE(SameBits(r.height, ImageHeight));
    EXPECT_EQ(r.imageKind, ImageKind);
    EXPECT_EQ(r.size, SizeClass);
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
                      Row{MirrorConvex, 0, 0, 1, 10, ImageReal, SizeEqual},
                      Row{MirrorConcave, 0, 0, 1, 10, ImageReal, SizeEqual},
                      // Objects typed behind the mirror go through the same formulas.
                      Row{MirrorConvex, 25, 1000000, -40000, -400000, ImageVirtual, SizeEnlarged},
                      Row{MirrorConcave, 25, -12.5, 0.5, 5, ImageReal, SizeReduced},
                      Row{MirrorPlane, 20, -20, 1, 10, ImageReal, SizeEqual}));

TEST(ImageModel, PlaneMirrorAtZeroGivesNegativeZeroAndARealImage) {
    Compute(MirrorPlane, 0.0);
    EXPECT_EQ(0.0, ImagePos);
    EXPECT_TRUE(std::signbit(ImagePos));
    EXPECT_EQ(ImageReal, ImageKind);
    EXPECT_EQ(SizeEqual, SizeClass);
    EXPECT_GE(Magnification, 0.0); // upright
}

TEST(ImageModel, JustInsideAndOutsideTheFocus) {
    Compute(MirrorConcave, -25.000000000000004);
    EXPECT_LT(ImagePos, -1e14);
    EXPECT_EQ(ImageReal, ImageKind);
    Compute(MirrorConcave, -24.999999999999996);
    EXPECT_GT(ImagePos, 1e14);
    EXPECT_EQ(ImageVirtual, ImageKind);
}

} // namespace

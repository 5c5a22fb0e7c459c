// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/Optics.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <tuple>

namespace {

struct Row {
    TMirrorKind kind;
    double object, image, magnification, height;
    TImageKind imageKind;
    TSizeClass size;
};

const Row Rows[] = {{MirrorPlane, -40, 40, 1, 10, ImageVirtual, SizeEqual},
                    {MirrorConvex, -100, 20, 0.2, 2, ImageVirtual, SizeReduced},
                    {MirrorConvex, -25, 12.5, 0.5, 5, ImageVirtual, SizeReduced},
                    {MirrorConcave, -100, -33.333333333333336, -0.33333333333333337,
                     -3.333333333333334, ImageReal, SizeReduced},
                    {MirrorConcave, -75, -37.5, -0.5, -5, ImageReal, SizeReduced},
                    {MirrorConcave, -50, -50, -1, -10, ImageReal, SizeEqual},
                    {MirrorConcave, -30, -150, -5, -50, ImageReal, SizeEnlarged},
                    {MirrorConcave, -25, 1000000, 40000, 400000, ImageVirtual, SizeEnlarged},
                    // Just either side of the focus the image is far, on opposite sides.
                    {MirrorConcave, -25.000000000000004, -1.7599755824648349e+17, -7039902329859339,
                     -70399023298593392, ImageReal, SizeEnlarged},
                    {MirrorConcave, -24.999999999999996, 1.7589267293167629e+17, 7035706917267053,
                     70357069172670528, ImageVirtual, SizeEnlarged},
                    {MirrorConcave, -10, 16.666666666666668, 1.6666666666666667, 16.666666666666668,
                     ImageVirtual, SizeEnlarged},
                    {MirrorConcave, -5, 6.25, 1.25, 12.5, ImageVirtual, SizeEnlarged},
                    {MirrorPlane, 0, -0.0, 1, 10, ImageReal, SizeEqual},
                    {MirrorConvex, 0, 0, 1, 10, ImageReal, SizeEqual},
                    {MirrorConcave, 0, 0, 1, 10, ImageReal, SizeEqual},
                    // Objects typed behind the mirror go through the same formulas.
                    {MirrorConvex, 25, 1000000, -40000, -400000, ImageVirtual, SizeEnlarged},
                    {MirrorConcave, 25, -12.5, 0.5, 5, ImageReal, SizeReduced},
                    {MirrorPlane, 20, -20, 1, 10, ImageReal, SizeEqual}};

// Bit for bit: the digits shown depend on the last bit, and the sign of a zero counts.
TEST(ImageModel, ResultsAreExact) {
    const auto bits = [](auto... v) { return std::array{std::bit_cast<std::uint64_t>(v)...}; };
    for (const Row& r : Rows) {
        SCOPED_TRACE(testing::Message() << +r.kind << " at " << r.object);
        const ImageResult got = ComputeImage(Scene{r.kind, r.object});
        EXPECT_EQ(bits(r.image, r.magnification, r.height),
                  bits(got.position, got.magnification, got.height))
            << std::hexfloat << got.position << " " << got.magnification << " " << got.height;
        EXPECT_EQ(std::tuple(r.imageKind, r.size, r.image == ImageAtInfinity),
                  std::tuple(got.kind, got.size, got.atInfinity));
        EXPECT_EQ(CurvatureSignOf(r.kind), r.kind == MirrorConcave ? -1 : 1);
    }
}

} // namespace

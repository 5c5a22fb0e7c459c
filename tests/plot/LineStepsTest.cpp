// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/LineSteps.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The plain formula, for lines short enough that 64 bits hold it.
LineStepStart Small(std::int64_t first, std::int64_t dMinor, std::int64_t n) {
    const std::int64_t start = 2 * first * dMinor + n, twoN = 2 * n;
    std::int64_t q = start / twoN;
    if (start % twoN < 0)
        --q;
    return {q, start - q * twoN};
}

} // namespace

// The portable way agrees with the plain formula where it applies and with
// the 128-bit one everywhere the rasteriser can ask, the far ends included.
TEST(LineStepStart, PortableAgreesWithTheWideIntegers) {
    constexpr std::int64_t Far = std::int64_t{1} << 33; // two 32-bit ends apart
    const std::int64_t edges[][3] = {{0, 0, 1},
                                     {0, 1, 1},
                                     {0, -1, 1},
                                     {5, 3, 7},
                                     {6, -7, 7},
                                     {1000, 999, 1001},
                                     {Far - 1, Far, Far},
                                     {Far - 1, -Far, Far},
                                     {Far / 2, 12345, Far},
                                     {Far - 2, -(Far - 3), Far - 1}};
    for (const auto& [first, dMinor, n] : edges) {
        const LineStepStart got = LineStepStartPortable(first, dMinor, n);
        EXPECT_EQ(got, LineStepStartOf(first, dMinor, n)) << first << " " << dMinor << " " << n;
        EXPECT_TRUE(got.rem >= 0 && got.rem < 2 * n) << first << " " << dMinor << " " << n;
        if (n < (std::int64_t{1} << 30)) {
            EXPECT_EQ(got, Small(first, dMinor, n)) << first << " " << dMinor << " " << n;
        }
    }
    std::mt19937_64 rng(20261207);
    for (int i = 0; i < 20000; ++i) {
        const std::int64_t n = std::uniform_int_distribution<std::int64_t>(1, Far)(rng);
        const std::int64_t dMinor = std::uniform_int_distribution<std::int64_t>(-n, n)(rng);
        const std::int64_t first = std::uniform_int_distribution<std::int64_t>(0, n - 1)(rng);
        ASSERT_EQ(LineStepStartPortable(first, dMinor, n), LineStepStartOf(first, dMinor, n))
            << first << " " << dMinor << " " << n;
    }
}

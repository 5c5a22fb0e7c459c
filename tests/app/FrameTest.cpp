#include "ErrorReport.h"
#include "Random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(ApplicationTitle, BaseNameUpToTheFirstDotWithTheRestLowered) {
    const struct {
        const char* path;
        const char* title;
    } rows[] = {
        {"/usr/bin/mirvex", "mirvex"},    {"mirvex", "mirvex"},
        {"/opt/x/MIRVEX.EXE", "Mirvex"},  {"/opt/x/mirvex.exe", "mirvex"},
        {"/a.b/MirVex.tar.gz", "Mirvex"}, {"/home/u/ÉCOLE", "École"},
        {"/home/u/.hidden", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ApplicationTitleFromPath(QString::fromUtf8(row.path)),
                  QString::fromUtf8(row.title))
            << row.path;
    }
}

TEST(RandomGenerator, SeedIsTheMillisecondOfTheDay) {
    EXPECT_EQ(SeedFromTimeOfDay(0, 0, 0, 0), 0u);
    EXPECT_EQ(SeedFromTimeOfDay(0, 0, 1, 5), 1005u);
    EXPECT_EQ(SeedFromTimeOfDay(1, 2, 3, 4), 3723004u);
    EXPECT_EQ(SeedFromTimeOfDay(23, 59, 59, 999), 86399999u);
}

TEST(RandomGenerator, ExactSequenceFromAGivenSeed) {
    // Worked out independently: seed := seed * 134775813 + 1 (mod 2^32),
    // result := (seed * n) >> 32.
    RandSeed = 12345;
    const struct {
        std::uint32_t n, result, seedAfter;
    } draws[] = {
        {100, 38, 1655067934u}, {60, 17, 1242767767u}, {60, 4, 342459380u},
        {20, 11, 2377737157u},  {50, 31, 2721613530u}, {1000000, 341599, 1467157059u},
    };
    for (const auto& d : draws) {
        EXPECT_EQ(Random(d.n), d.result);
        EXPECT_EQ(RandSeed, d.seedAfter);
    }
}

// The seed whose next step gives `after`: the multiplier is odd, so the step
// can be undone with its inverse modulo 2^32.
std::uint32_t SeedBefore(std::uint32_t after) {
    constexpr std::uint32_t Inverse = 0xD94FA8CDu;
    static_assert(134775813u * Inverse == 1u);
    return (after - 1u) * Inverse;
}

TEST(RandomGenerator, StaysBelowTheRangeAtTheExtremeSeeds) {
    RandSeed = SeedBefore(0xFFFFFFFFu);
    EXPECT_EQ(Random(60), 59u);
    RandSeed = SeedBefore(0);
    EXPECT_EQ(Random(60), 0u);
    EXPECT_EQ(Random(0), 0u);
}

TEST(RandomGenerator, RandomizeSeedsFromTheClock) {
    RandSeed = 0xFFFFFFFFu;
    Randomize();
    EXPECT_LT(RandSeed, 86400000u);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberText.h"
#include "core/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(RandomGenerator, ExactSequenceFromAGivenSeed) {
    // Worked out by hand: seed := seed * 134775813 + 1 (mod 2^32), result := (seed * n) >> 32.
    RandSeed = 12345;
    const std::uint32_t draws[][3] = {{100, 38, 1655067934u}, {60, 17, 1242767767u},
                                      {60, 4, 342459380u},    {20, 11, 2377737157u},
                                      {50, 31, 2721613530u},  {1000000, 341599, 1467157059u}};
    for (const auto& [n, result, seedAfter] : draws) {
        EXPECT_EQ(Random(n), result);
        EXPECT_EQ(RandSeed, seedAfter);
    }
    EXPECT_EQ(SeedFromTimeOfDay(23, 59, 59, 999), 86399999u); // the millisecond of the day
    Randomize();
    EXPECT_LT(RandSeed, 86400000u);
}

// Fixed for up to 15 digits and from 0.00001 on, else scientific; 15 significant digits at most.
TEST(NumberText, GeneralFormat) {
    const std::pair<double, const char*> rows[] = {{-0.0, "0"},
                                                   {40000, "40000"},
                                                   {0.1 + 0.2, "0.3"},
                                                   {-100 / 3.0, "-33.3333333333333"},
                                                   {50 / 3.0, "16.6666666666667"},
                                                   {999999999999999, "999999999999999"},
                                                   {1e-5, "0.00001"},
                                                   {1.23e-5, "0.0000123"},
                                                   {-1.25e-8, "-1.25E-8"},
                                                   {0.000009, "9E-6"},
                                                   {9.999999999999999e14, "1E15"},
                                                   {123456789012345678.0, "1.23456789012346E17"},
                                                   {HUGE_VAL, "INF"},
                                                   {std::nan(""), "NAN"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(FloatToStrGeneral(value, "."), QString(text)) << text;
    EXPECT_EQ(FloatToStrGeneral(-1.25e-8, ","), QStringLiteral("-1,25E-8"));
    EXPECT_EQ(FloatToStr(0.5), QStringLiteral("0.5")); // the separator of LANG=C.UTF-8
}

TEST(NumberText, IntegerEdges) {
    EXPECT_EQ(ParseInteger("000000000000000000040"), 40);
    EXPECT_EQ(ParseInteger("$7fffffff"), 2147483647);
    // Among them, what is typed into the position field by mistake.
    for (const char* text :
         {"+$10", "$000000001", "99999999999999999999", "", " ", "abc", "+", "-", "40 ", "\t40",
          "1.5", "2147483648", "-2147483649", "$", "-$10", "$G", "$123456789", "0x10", "４０"})
        EXPECT_EQ(ParseInteger(text), std::nullopt) << text;
}

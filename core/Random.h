// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The program's random generator: one 32-bit seed, a linear congruential
// step per draw.
extern std::uint32_t RandSeed;

// The seed that a UTC time of day gives: milliseconds since midnight.
std::uint32_t SeedFromTimeOfDay(int hour, int minute, int second, int millisecond);
// Seeds the generator from the current UTC time of day.
void Randomize();
// A whole number in 0 ... n - 1 (0 when n is 0).
std::uint32_t Random(std::uint32_t n);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Random.h"

#include <chrono>

std::uint32_t RandSeed = 0;

std::uint32_t SeedFromTimeOfDay(int hour, int minute, int second, int millisecond) {
    return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

void Randomize() {
    using namespace std::chrono;
    // The system clock counts UTC without leap seconds, so the milliseconds
    // since the last midnight are the time of day's
    // ((h * 60 + m) * 60 + s) * 1000 + ms.
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    const auto ofDay = ms % (24LL * 60 * 60 * 1000);
    RandSeed = static_cast<std::uint32_t>(ofDay);
}

std::uint32_t Random(std::uint32_t n) {
    // Unsigned arithmetic wraps modulo 2^32 by itself.
    RandSeed = RandSeed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(RandSeed) * n) >> 32);
}

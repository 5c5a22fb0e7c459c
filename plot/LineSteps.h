// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Where a one-pixel line starts its minor steps. The minor offset of step i
// of a line n steps long and dMinor across is floor((2 i dMinor + n) / 2n);
// for far-off lines the numerator needs up to 68 bits. Returns the quotient
// and the remainder (0 <= rem < 2n) for the first step drawn.
struct LineStepStart {
    std::int64_t q;
    std::int64_t rem;
    bool operator==(const LineStepStart&) const = default;
};

// Preconditions, as the line rasteriser guarantees: first >= 0, n > 0,
// |dMinor| <= n, and first, n below 2^40.

// Exact with 64-bit integers only, for compilers without a 128-bit type.
LineStepStart LineStepStartPortable(std::int64_t first, std::int64_t dMinor, std::int64_t n);

// The compiler's 128-bit integers where it has them, else the portable way.
inline LineStepStart LineStepStartOf(std::int64_t first, std::int64_t dMinor, std::int64_t n) {
#if defined(__SIZEOF_INT128__)
    __extension__ typedef __int128 Wide;
    const Wide start = 2 * static_cast<Wide>(first) * dMinor + n;
    const Wide twoN = 2 * static_cast<Wide>(n);
    Wide q = start / twoN;
    if (start % twoN < 0)
        --q;
    return {static_cast<std::int64_t>(q), static_cast<std::int64_t>(start - q * twoN)};
#else
    return LineStepStartPortable(first, dMinor, n);
#endif
}

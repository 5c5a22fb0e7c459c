// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/LineSteps.h"

LineStepStart LineStepStartPortable(std::int64_t first, std::int64_t dMinor, std::int64_t n) {
    // With first = k n + r (0 <= r < n), 2 first dMinor + n is
    // 2n (k dMinor) + (2 r dMinor + n), and k dMinor fits 64 bits. The second
    // term is split the same way, by halves of r, so no product leaves 64
    // bits: |2 r dMinor| < 2n^2 is what a single step could not hold.
    const std::int64_t twoN = 2 * n;
    const std::int64_t k = first / n;
    const std::int64_t r = first % n;
    std::int64_t q = k * dMinor;
    std::int64_t rem = n;
    // Adds 2 r dMinor to rem one binary digit of r at a time, carrying whole
    // periods 2n into q so that rem stays in [0, 2n).
    std::int64_t addend = dMinor % twoN;  // 2^j dMinor mod 2n, times 2 below
    std::int64_t addendQ = dMinor / twoN; // and its whole periods
    for (std::int64_t bits = r; bits != 0; bits >>= 1) {
        // term = 2 * 2^j * dMinor = 2 (addendQ 2n + addend)
        const std::int64_t termQ = 2 * addendQ;
        const std::int64_t termRem = 2 * addend; // |termRem| < 4n, fits
        if (bits & 1) {
            q += termQ;
            rem += termRem;
            while (rem >= twoN) {
                rem -= twoN;
                ++q;
            }
            while (rem < 0) {
                rem += twoN;
                --q;
            }
        }
        // Next binary digit: 2^(j+1) dMinor = 2 (addendQ 2n + addend).
        addendQ *= 2;
        addend *= 2;
        while (addend >= twoN) {
            addend -= twoN;
            ++addendQ;
        }
        while (addend <= -twoN) {
            addend += twoN;
            --addendQ;
        }
    }
    while (rem >= twoN) {
        rem -= twoN;
        ++q;
    }
    while (rem < 0) {
        rem += twoN;
        --q;
    }
    return {q, rem};
}

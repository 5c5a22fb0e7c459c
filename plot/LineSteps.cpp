// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/LineSteps.h"

namespace {

// Moves whole periods of `period` between a remainder and its quotient until
// the remainder lies in [low, low + period).
void Carry(std::int64_t& rem, std::int64_t& quotient, std::int64_t period, std::int64_t low) {
    while (rem >= low + period) {
        rem -= period;
        ++quotient;
    }
    while (rem < low) {
        rem += period;
        --quotient;
    }
}

} // namespace

LineStepStart LineStepStartPortable(std::int64_t first, std::int64_t dMinor, std::int64_t n) {
    // With first = k n + r (0 <= r < n), 2 first dMinor + n is
    // 2n (k dMinor) + (2 r dMinor + n), and k dMinor fits 64 bits. The second
    // term is added one binary digit of r at a time, so no product leaves 64
    // bits: |2 r dMinor| < 2n^2 is what a single step could not hold.
    const std::int64_t twoN = 2 * n;
    std::int64_t q = first / n * dMinor;
    std::int64_t rem = n;
    // 2^j dMinor as whole periods of 2n and what is left, |addend| < 2n.
    std::int64_t addend = dMinor % twoN;
    std::int64_t addendQ = dMinor / twoN;
    for (std::int64_t bits = first % n; bits != 0; bits >>= 1) {
        if (bits & 1) {
            // 2 * 2^j dMinor = 2 (addendQ 2n + addend); |2 addend| < 4n fits.
            q += 2 * addendQ;
            rem += 2 * addend;
            Carry(rem, q, twoN, 0);
        }
        addendQ *= 2;
        addend *= 2;
        Carry(addend, addendQ, twoN, -twoN + 1);
    }
    return {q, rem};
}

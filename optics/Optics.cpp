// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/Optics.h"

#include <cmath>

TMirrorKind MirrorKind = MirrorPlane;
std::int32_t CurvatureSign = 0;
double ImagePos = 0.0;
double ImageHeight = 0.0;
double Magnification = 0.0;
std::uint8_t ImageKind = ImageReal;
std::uint8_t SizeClass = SizeEnlarged;

std::int32_t CurvatureSignOf(TMirrorKind kind) {
    return kind == MirrorConcave ? -1 : 1;
}

void ComputeImage(double objectPos) {
    // Every intermediate is extended precision and every result a double:
    // the values shown to pupils (e.g. -33.333333333333336) depend on it.
    Magnification = 1.0;
    if (MirrorKind == MirrorPlane) {
        ImagePos = -objectPos;
    } else if (objectPos == 0.0) {
        ImagePos = 0.0;
    } else {
        const long double s = CurvatureSign;
        if (s * static_cast<long double>(objectPos) == FocalLength) {
            // The object at the focus: the rays leave parallel.
            ImagePos = ImageAtInfinity;
        } else {
            // 1/f written as the rounded literal 0.04, not computed as
            // 1/25: the results shown depend on that last bit.
            ImagePos = static_cast<double>(1.0L / (s * 0.04L - 1.0L / objectPos));
        }
        Magnification = static_cast<double>(-static_cast<long double>(ImagePos) / objectPos);
    }
    ImageHeight = static_cast<double>(static_cast<long double>(ObjectHeight) * Magnification);
    ImageKind = ImagePos > 0.0 ? ImageVirtual : ImageReal;
    const double m = std::fabs(Magnification);
    SizeClass = static_cast<std::uint8_t>((m <= 1.0 ? 1 : 0) + (m < 1.0 ? 1 : 0));
}

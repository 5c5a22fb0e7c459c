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
        if (s * static_cast<long double>(objectPos) == 25.0L) {
            // The object at the focus: the rays leave parallel.
            ImagePos = ImageAtInfinity;
        } else {
            ImagePos = static_cast<double>(1.0L / (s * 0.04L - 1.0L / objectPos));
        }
        Magnification = static_cast<double>(-static_cast<long double>(ImagePos) / objectPos);
    }
    ImageHeight = static_cast<double>(10.0L * Magnification);
    ImageKind = ImagePos > 0.0 ? ImageVirtual : ImageReal;
    const double m = std::fabs(Magnification);
    SizeClass = static_cast<std::uint8_t>((m <= 1.0 ? 1 : 0) + (m < 1.0 ? 1 : 0));
}

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

namespace {

// One formula for every mirror; the sign is passed in because a curved
// mirror's sign is the caller's (the main window keeps it as a view, set
// before its computation).
ImageResult Image(TMirrorKind kind, std::int32_t sign, double objectPos) {
    // Every intermediate is extended precision and every result a double:
    // the values shown to pupils (e.g. -33.333333333333336) depend on it.
    ImageResult r;
    r.magnification = 1.0;
    if (kind == MirrorPlane) {
        r.position = -objectPos;
    } else if (objectPos == 0.0) {
        r.position = 0.0;
    } else {
        const long double s = sign;
        if (s * static_cast<long double>(objectPos) == FocalLength) {
            r.position = ImageAtInfinity;
            r.atInfinity = true;
        } else {
            // 1/f written as the rounded literal 0.04, not computed as
            // 1/25: the results shown depend on that last bit.
            r.position = static_cast<double>(1.0L / (s * 0.04L - 1.0L / objectPos));
        }
        r.magnification = static_cast<double>(-static_cast<long double>(r.position) / objectPos);
    }
    r.height = static_cast<double>(static_cast<long double>(ObjectHeight) * r.magnification);
    r.kind = r.position > 0.0 ? ImageVirtual : ImageReal;
    const double m = std::fabs(r.magnification);
    r.size = static_cast<TSizeClass>((m <= 1.0 ? 1 : 0) + (m < 1.0 ? 1 : 0));
    return r;
}

} // namespace

ImageResult ComputeImage(const Scene& scene) {
    return Image(scene.kind, CurvatureSignOf(scene.kind), scene.objectPos);
}

void SetImageView(const ImageResult& image) {
    ImagePos = image.position;
    Magnification = image.magnification;
    ImageHeight = image.height;
    ImageKind = image.kind;
    SizeClass = image.size;
}

void ComputeImage(double objectPos) {
    SetImageView(Image(MirrorKind, CurvatureSign, objectPos));
}

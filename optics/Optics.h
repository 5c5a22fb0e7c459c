// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The mirror image model: the physics behind the ray diagram. The state is
// program-wide, one instance each, overwritten by every update.

using TMirrorKind = std::uint8_t;

inline constexpr TMirrorKind MirrorPlane = 0;
inline constexpr TMirrorKind MirrorConvex = 1;
inline constexpr TMirrorKind MirrorConcave = 2;

// Fixed geometry of the diagram's world, in world units. The centre of
// curvature and the focus of a curved mirror lie on the axis at these
// distances, in front of a concave mirror and behind a convex one.
inline constexpr double ObjectHeight = 10.0;
inline constexpr double CurvatureRadius = 50.0;
inline constexpr double FocalLength = CurvatureRadius / 2;
// Half the height of the plane mirror's line.
inline constexpr double PlaneMirrorHalfHeight = 60.0;

// The image position that stands for "at infinity" (object at the focus).
inline constexpr double ImageAtInfinity = 1000000.0;

enum TImageKind : std::uint8_t { ImageReal = 0, ImageVirtual = 1 };
enum TSizeClass : std::uint8_t { SizeEnlarged = 0, SizeEqual = 1, SizeReduced = 2 };

extern TMirrorKind MirrorKind;
extern std::int32_t CurvatureSign; // +1 convex (and plane), -1 concave
extern double ImagePos;
extern double ImageHeight;
extern double Magnification;
extern std::uint8_t ImageKind; // TImageKind
extern std::uint8_t SizeClass; // TSizeClass

// The sign of the curvature for a mirror: -1 for a concave mirror, +1 for
// the others (the plane mirror's never enters a formula).
std::int32_t CurvatureSignOf(TMirrorKind kind);

// Computes the image of an object standing at abscissa objectPos, with
// MirrorKind and CurvatureSign already set, and writes the five results.
void ComputeImage(double objectPos);

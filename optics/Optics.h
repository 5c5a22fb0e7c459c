// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The mirror image model: the physics behind the ray diagram. A scene (a
// mirror and an object) goes in, its image comes out, and nothing else is
// read or written. The program-wide variables below are the main window's
// view of its current scene, written by its update alone.

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

// What the picture shows: one mirror and one object standing on the axis.
struct Scene {
    TMirrorKind kind = MirrorPlane;
    double objectPos = 0.0; // abscissa of the object (negative: in front)
    bool operator==(const Scene&) const = default;
};

// Where the image of a scene forms and what it is like.
struct ImageResult {
    double position = 0.0; // abscissa, or ImageAtInfinity
    double magnification = 1.0;
    double height = 0.0; // ordinate of the image arrow's tip
    TImageKind kind = ImageReal;
    TSizeClass size = SizeEqual;
    bool atInfinity = false; // the object at the focus: the rays leave parallel
    bool inverted() const { return magnification < 0; }
    bool operator==(const ImageResult&) const = default;
};

ImageResult ComputeImage(const Scene& scene);

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
// Writes the five results of the image model from a computed image.
void SetImageView(const ImageResult& image);

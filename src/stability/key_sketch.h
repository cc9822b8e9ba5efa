#pragma once
// The schematic ground reaction under a base with a shear key, drawn on the key dialogs. Its
// coordinates are fixed; only the variant depends on the eccentricity e and the base width B.

#include "forms/controls.h"

namespace pelzaro {

enum class SketchVariant {
    None,                  // no base width: no ground reaction to show
    TrapezoidFrontLarger,  // whole base in contact, larger pressure at the front end (e >= 0)
    TrapezoidRearLarger,   // whole base in contact, larger pressure at the rear end (e < 0)
    TriangleFront,         // uplift at the rear, pressure from the front end (e >= 0)
    TriangleRear,          // uplift at the front, pressure from the rear end (e < 0)
};

// r = |e| / B against 1/6, both in single precision; e = 0 counts as e >= 0.
SketchVariant sketchVariant(float e, float baseWidth);

// The sketch of the residential-land dialog (wedge start and key face ordinates) and of the
// road-guideline dialog (key face ordinate only).
void drawResidentialSketch(PictureBox& surface, SketchVariant variant);
void drawRoadSketch(PictureBox& surface, SketchVariant variant);

}  // namespace pelzaro

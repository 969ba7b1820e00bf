#pragma once

#include <optional>

// The work of a straight segment in each of the seven force fields, in newton-centimetres,
// from its start point to the current point. Pure functions of the two end points.
//
// The homogeneous fields take snapped twips (X, Y from the field picture's top-left
// corner, Y growing downward); the others take field units in centimetres (x to the right,
// y upward, origin at the field's centre). Each function keeps the precision of every
// step as the read-out needs it: single for the homogeneous fields, double otherwise.
namespace work {

constexpr int twipsPerCm = 665;          // scale of the homogeneous fields
constexpr int forceConstant = 10;        // k of the cylinder, sphere and vortex fields, Ncm (Ncm² for the sphere)
constexpr int flowHalfWidthSquared = 25; // a_o² of the flow field, cm²
constexpr int flowFactor = 2;            // k of the flow field, N/cm²
constexpr double oneThird = 1.0 / 3.0;
constexpr double vortexRadicandOffset = 1.0001;
constexpr double vortexDivisorOffset = 0.001;

// Against 1 N pointing in -y: W = (ystart - Y) / 665.
float homogeneousDown(float ystart, float Y);

// Against 1 N in +x and 1 N in +y: W = ((xstart - X) - ystart + Y) / 665, in that order.
float homogeneousDiagonal(float xstart, float ystart, float X, float Y);

// Against 1 N pointing in -x: W = -(xstart - X) / 665.
float homogeneousLeft(float xstart, float X);

// By the cylinder field k r/r² (k = 10 Ncm): W = 10 ln(r / r0).
// No value when either point is the origin.
std::optional<double> cylinder(float x0, float y0, float x, float y);

// Against the sphere field k r/r³ (k = 10 Ncm²): W = 10/r - 10/r0.
// No value when either point is the origin.
std::optional<double> sphere(float x0, float y0, float x, float y);

// By the flow field 2 (25 - x²) e_y along the straight segment:
// W = d (25 - (x0² + x² + x0 x) / 3) with d = (y0 - y) (-2) held in single precision.
double flow(float x0, float y0, float x, float y);

// Ten times the unsigned angle between the two position vectors, through
// W = 10 atan(sqrt(1.0001 - c²) / (c + 0.001)), c the cosine rounded to single precision.
// No value when either point is the origin, where the angle has none.
std::optional<double> vortex(float x0, float y0, float x, float y);

} // namespace work

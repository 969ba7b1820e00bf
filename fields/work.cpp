#include "fields/work.h"

#include <cmath>

namespace work {

float homogeneousDown(float ystart, float Y)
{
    return (ystart - Y) / static_cast<float>(twipsPerCm);
}

float homogeneousDiagonal(float xstart, float ystart, float X, float Y)
{
    return (((xstart - X) - ystart) + Y) / static_cast<float>(twipsPerCm);
}

float homogeneousLeft(float xstart, float X)
{
    return -(xstart - X) / static_cast<float>(twipsPerCm);
}

namespace {

// Distance from the origin; the squares of single-precision values are exact in double.
double radius(float x, float y)
{
    const double dx = x, dy = y;
    return std::sqrt(dy * dy + dx * dx);
}

} // namespace

std::optional<double> cylinder(float x0, float y0, float x, float y)
{
    const double r = radius(x, y);
    const double r0 = radius(x0, y0);
    if (r == 0 || r0 == 0)
        return std::nullopt;
    return forceConstant * std::log(r / r0);
}

std::optional<double> sphere(float x0, float y0, float x, float y)
{
    const double r = radius(x, y);
    const double r0 = radius(x0, y0);
    if (r == 0 || r0 == 0)
        return std::nullopt;
    return forceConstant / r - forceConstant / r0;
}

double flow(float x0, float y0, float x, float y)
{
    const float d = (y0 - y) * static_cast<float>(-flowFactor);
    const double dx0 = x0, dx = x;
    const double q = dx0 * dx0 + dx * dx + dx0 * dx;
    return d * (flowHalfWidthSquared - q * oneThird);
}

std::optional<double> vortex(float x0, float y0, float x, float y)
{
    const float n = x0 * x + y0 * y;
    const float D = x0 * x0 * x * x + y0 * y0 * x * x + x0 * x0 * y * y + y0 * y0 * y * y;
    if (D == 0)
        return std::nullopt;
    const float c = static_cast<float>(n / std::sqrt(static_cast<double>(D)));
    const double cc = static_cast<double>(c) * c;
    return forceConstant * std::atan(std::sqrt(vortexRadicandOffset - cc) / (c + vortexDivisorOffset));
}

} // namespace work

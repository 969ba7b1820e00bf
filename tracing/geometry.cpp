#include "tracing/geometry.h"

namespace geometry {

namespace {
constexpr int snapStep = 100;
constexpr int originTwips = 3360;
constexpr int twipsPer5cmAcross = 3330;
constexpr int twipsPer5cmUp = 3320;
constexpr int fieldStepsPerUnit = 5;
constexpr int diagramTwipsPerUnit = 30;
constexpr int diagramOffsetU = 35;
constexpr int diagramOffsetV = 25;
constexpr int diagramOffsetH = 100;
constexpr double diagramSlant = 1.4;

float u(float x)
{
    return x / diagramTwipsPerUnit + diagramOffsetU;
}

float v(float y)
{
    return y / diagramTwipsPerUnit + diagramOffsetV;
}
} // namespace

float snapped(float twips)
{
    return numbers::Round(twips / snapStep, 1) * snapStep;
}

float fieldX(float X)
{
    return numbers::Round((X - originTwips) / twipsPer5cmAcross, 2) * fieldStepsPerUnit;
}

float fieldY(float Y)
{
    return numbers::Round((originTwips - Y) / twipsPer5cmUp, 2) * fieldStepsPerUnit;
}

double diagramH(float x, float y)
{
    return u(x) + (diagramOffsetH - v(y) / diagramSlant);
}

double diagramV(float y, double baseLine, double height)
{
    return v(y) / diagramSlant + baseLine - height;
}

DiagramSegment diagramSegment(float px, float py, float qx, float qy, float summe, const Number& arbeit)
{
    const double hp = diagramH(px, py);
    const double hq = diagramH(qx, qy);
    const double total = numbers::toDouble(numbers::plus(summe, arbeit));
    return {
        QLineF(hq, diagramV(qy, newBaseLine, total), hp, diagramV(py, oldBaseLine, summe)),
        QLineF(hq, numbers::toInt16(diagramV(qy, oldBaseLine, 0)), hp, diagramV(py, oldBaseLine, 0)),
    };
}

} // namespace geometry

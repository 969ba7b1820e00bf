#pragma once

#include <QRectF>

class QPainter;

// The two formulas beside the work read-outs. The window's index labels complete them,
// so their letters stand where those labels expect them.
namespace work_formulas {

// The pictures' own units, 2.5 twips each.
inline constexpr QRectF segmentExtent(3062, 96, 1634, 1487);
inline constexpr QRectF totalExtent(2774, 1776, 1970, 1487);

void drawSegment(QPainter& painter); // I_n as the integral along the newest segment
void drawTotal(QPainter& painter);   // the sum of the I_n over the path

} // namespace work_formulas

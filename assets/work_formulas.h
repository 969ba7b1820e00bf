#pragma once

#include <QRectF>

class QPainter;

// The two formulas beside the work read-outs. The window's index labels complete them,
// so their letters stand where those labels expect them.
namespace work_formulas {

// The pictures' own units, 2.5 twips each.
inline constexpr QRectF segmentExtent(3062, 96, 1634, 1487);
inline constexpr QRectF totalExtent(2774, 1776, 1970, 1487);

// Where the window shows the formulas and the index labels that complete them, in its
// twips. The letters are set against the labels, so the window places both from here.
namespace places {
inline constexpr QRectF Image1(6900, 4800, 2415, 1275);
inline constexpr QRectF Image2(6900, 6120, 2175, 1155);
inline constexpr QRectF Labelin(7080, 5400, 255, 255); // the index of I on Image1
inline constexpr QRectF Labeln[] = {
    {7560, 5880, 315, 255}, // the lower limit on Image1
    {7620, 5040, 255, 255}, // the upper limit on Image1
    {7080, 6240, 375, 255}, // over the sum on Image2
    {7440, 6660, 375, 255}, // the index of I on Image2
    {7920, 6240, 435, 255}, // the upper limit on Image2
    {7860, 7020, 255, 255}, // the lower limit on Image2
};
} // namespace places

void drawSegment(QPainter& painter); // I_n as the integral along the newest segment
void drawTotal(QPainter& painter);   // the sum of the I_n over the path

} // namespace work_formulas

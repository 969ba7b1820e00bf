#pragma once

class QPainter;

// The two formulas beside the work read-outs. The window's index labels complete them,
// so their letters stand where those labels expect them.
namespace work {

void drawSegment(QPainter& painter); // I_n as the integral along the newest segment
void drawTotal(QPainter& painter);   // the sum of the I_n over the path

} // namespace work

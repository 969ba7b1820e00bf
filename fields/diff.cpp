// The work models of the seven fields: each stores the work of the open segment in
// `arbeit` and shows it in the read-out beside the segment formula.
#include "app/formfeld1.h"
#include "fields/work.h"

void Formfeld1::showWork(Number W)
{
    arbeit = W;
    Label1->setText(numbers::readout(numbers::Round(arbeit, 2)));
}

void Formfeld1::resetWork()
{
    Label1->setText(numbers::readout(int16_t{0}));
    arbeit = int16_t{0};
    summe = 0;
}

void Formfeld1::diff0(float Y, float)
{
    showWork(work::homogeneousDown(ystart, Y));
}

void Formfeld1::diff1(float Y, float X)
{
    showWork(work::homogeneousDiagonal(xstart, ystart, X, Y));
}

void Formfeld1::diff2(float, float X)
{
    showWork(work::homogeneousLeft(xstart, X));
}

// The sphere and cylinder models have no value with either point at the origin; the
// read-out then keeps the last one. So does the vortex model, whose angle has none there.
void Formfeld1::diff3(float y, float x)
{
    if (const auto W = work::sphere(xstartcm, ystartcm, x, y))
        showWork(*W);
}

void Formfeld1::diff4(float y, float x)
{
    if (const auto W = work::cylinder(xstartcm, ystartcm, x, y))
        showWork(*W);
}

void Formfeld1::diff5(float y, float x)
{
    showWork(work::flow(xstartcm, ystartcm, x, y));
}

void Formfeld1::diff6(float y, float x)
{
    if (const auto W = work::vortex(xstartcm, ystartcm, x, y))
        showWork(*W);
}

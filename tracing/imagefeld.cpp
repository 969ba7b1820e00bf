// Tracing a path on the field picture: click to click, the newest segment's end
// following the pointer, the work of the open segment shown as the pointer moves.
#include "app/event_codes.h"
#include "app/formfeld1.h"
#include "tracing/geometry.h"

#include <limits>

using numbers::Int;
using numbers::plus;
using numbers::text;
using numbers::toDouble;

namespace {
constexpr int16_t mostSegments = std::numeric_limits<int16_t>::max();
} // namespace

void Formfeld1::Imagefeld_MouseMove(int16_t Index, int16_t, int16_t, float X, float Y)
{
    xpos = geometry::snapped(X);
    ypos = geometry::snapped(Y);
    const float xcm = geometry::fieldX(X);
    const float ycm = geometry::fieldY(Y);
    Imagefeld(Index)->setToolTipText(text(xcm) + QStringLiteral(" ; ") + text(ycm));
    if (!zeichnen)
        return;

    // After an erase there is no segment to extend; the hidden template stays hidden.
    if (lnr > 0) {
        auto line = Line1->element(lnr);
        line.set(&LineProperties::X2, xpos);
        line.set(&LineProperties::Y2, ypos);
        line.set(&LineProperties::Visible, true);
    }
    xstartcm = geometry::fieldX(xstart);
    ystartcm = geometry::fieldY(ystart);
    switch (feldnr) {
    case 1: diff0(ypos, xpos); break;
    case 2: diff1(ypos, xpos); break;
    case 3: diff2(ypos, xpos); break;
    case 4: diff4(ycm, xcm); break;
    case 5: diff3(ycm, xcm); break;
    case 6: diff5(ycm, xcm); break;
    case 7: diff6(ycm, xcm); break;
    default: break;
    }
}

// A press acts where the pointer last moved, not where the press reports.
void Formfeld1::Imagefeld_MouseDown(int16_t, int16_t Button, int16_t, float, float)
{
    // Segment numbers are 16-bit: once they are used up, a left press does nothing.
    if (Button == leftButton && lnr == mostSegments)
        return;

    const float px = xstart, py = ystart;
    if (Button == leftButton) {
        zeichnen = true;
        lnr = static_cast<int16_t>(lnr + 1);
        const int16_t n = lnr;
        Line1->load(n);
        Labellnr->load(n);
        auto line = Line1->element(n);
        line.set(&LineProperties::X1, xpos);
        line.set(&LineProperties::Y1, ypos);
        xstart = xpos;
        ystart = ypos;
        auto label = Labellnr->element(n);
        label.set(&LabelProperties::Top, ypos);
        label.set(&LabelProperties::Left, xpos);
        label.set(&LabelProperties::Caption, text(n));
        label.set(&LabelProperties::Visible, true);
        showIndexes(n);
    }
    if (Button == leftButton && lnr > 1) {
        const auto segment = geometry::diagramSegment(px, py, xstart, ystart, summe, arbeit);
        Picture1->Line(segment.work);
        Picture1->Line(segment.ground, Qt::black);
    }
    summe = static_cast<float>(toDouble(plus(summe, arbeit)));
    Label2->setText(numbers::readout(Int(summe)));
    if (Button == rightButton)
        zeichnen = false;
}

void Formfeld1::showIndexes(int16_t n)
{
    Labelin->setText(text(n));
    for (int16_t i = 1; i <= 4; ++i)
        Labeln(i)->setText(text(n));
    Labeln(0)->setText(text(n - 1));
}

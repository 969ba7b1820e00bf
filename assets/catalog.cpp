#include "assets/pictures.h"

#include "assets/diagram_axes.h"
#include "assets/field_pictures.h"
#include "assets/formula_pictures.h"
#include "assets/work_formulas.h"

#include <array>

namespace pictures {

namespace {

template <int entry>
void fieldPicture(QPainter& painter)
{
    field::draw(painter, entry);
}

template <int entry>
void formulaPicture(QPainter& painter)
{
    formula::draw(painter, entry);
}

// Natural sizes in twips; extents in units of 2.5 twips, the axes' in units of 0.2.
constexpr QSizeF fieldSize(12087, 8487);
constexpr QRectF fieldExtent(467, 803, 4835, 3395);

const std::array<Picture, 8> fields{{
    {fieldSize, fieldExtent, fieldPicture<0>},
    {fieldSize, fieldExtent, fieldPicture<1>},
    {fieldSize, fieldExtent, fieldPicture<2>},
    {fieldSize, fieldExtent, fieldPicture<3>},
    {fieldSize, fieldExtent, fieldPicture<4>},
    {fieldSize, fieldExtent, fieldPicture<4>}, // the sphere field shares the cylinder's lines
    {fieldSize, fieldExtent, fieldPicture<6>},
    {{12065, 8443}, {467, 812, 4826, 3377}, fieldPicture<7>},
}};

const std::array<Picture, 7> formulas{{
    {{11780, 1605}, {288, 1776, 4712, 642}, formulaPicture<1>},
    {{17540, 1605}, {672, 1728, 7016, 642}, formulaPicture<2>},
    {{11780, 1605}, {288, 1776, 4712, 642}, formulaPicture<3>},
    {{16808, 3118}, {0, 1632, 6723, 1247}, formulaPicture<4>},
    {{17168, 3118}, {240, 1632, 6867, 1247}, formulaPicture<5>},
    {{20540, 1605}, {-1296, 1555, 8216, 642}, formulaPicture<6>},
    {{16808, 3118}, {0, 1632, 6723, 1247}, formulaPicture<7>},
}};

const Picture segment{{4085, 3717}, work::segmentExtent, work::drawSegment};
const Picture total{{4925, 3717}, work::totalExtent, work::drawTotal};
const Picture diagram{{6521, 5964}, axes::extent, axes::draw};

} // namespace

const Picture& field(int entry)
{
    return fields.at(entry);
}

const Picture* formula(int entry)
{
    return entry == 0 ? nullptr : &formulas.at(entry - 1);
}

const Picture& segmentWork()
{
    return segment;
}

const Picture& totalWork()
{
    return total;
}

const Picture& diagramAxes()
{
    return diagram;
}

QList<PicturePart> diagramAxesPlacement(const QSizeF& box, QPointF origin)
{
    return axes::placement(box, origin);
}

} // namespace pictures

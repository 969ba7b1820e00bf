#include "assets/pictures.h"

#include "assets/diagram_axes.h"
#include "assets/field_pictures.h"
#include "assets/formula_pictures.h"
#include "assets/work_formulas.h"

#include <QPainter>

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

// Extents in units of 2.5 twips, the axes' in units of 0.2.
constexpr QRectF fieldExtent(467, 803, 4835, 3395);

const std::array<Picture, 8> fields{{
    {fieldExtent, fieldPicture<0>},
    {fieldExtent, fieldPicture<1>},
    {fieldExtent, fieldPicture<2>},
    {fieldExtent, fieldPicture<3>},
    {fieldExtent, fieldPicture<4>},
    {fieldExtent, fieldPicture<4>}, // the sphere field shares the cylinder's lines
    {fieldExtent, fieldPicture<6>},
    {{467, 812, 4826, 3377}, fieldPicture<7>},
}};

const std::array<Picture, 7> formulas{{
    {{288, 1776, 4712, 642}, formulaPicture<1>},
    {{672, 1728, 7016, 642}, formulaPicture<2>},
    {{288, 1776, 4712, 642}, formulaPicture<3>},
    {{0, 1632, 6723, 1247}, formulaPicture<4>},
    {{240, 1632, 6867, 1247}, formulaPicture<5>},
    {{-1296, 1555, 8216, 642}, formulaPicture<6>},
    {{0, 1632, 6723, 1247}, formulaPicture<7>},
}};

const Picture segment{work_formulas::segmentExtent, work_formulas::drawSegment};
const Picture total{work_formulas::totalExtent, work_formulas::drawTotal};
const Picture diagram{axes::extent, axes::draw};

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

PicturePart stretched(const Picture& picture, const QRectF& target)
{
    const QRectF extent = picture.extent;
    return {QRectF(), QTransform::fromTranslate(-extent.left(), -extent.top()) *
                          QTransform::fromScale(target.width() / extent.width(), target.height() / extent.height()) *
                          QTransform::fromTranslate(target.left(), target.top())};
}

void draw(QPainter& painter, const Picture& picture, const PicturePart& part)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (!part.clip.isNull())
        painter.setClipRect(part.clip, Qt::IntersectClip);
    painter.setTransform(part.transform, true);
    picture.draw(painter);
    painter.restore();
}

} // namespace pictures

#include "app/controls/picture_box.h"

#include "assets/pictures.h"

#include <QPainter>

PictureBox::PictureBox(const QString& name, units::TwipsRect twips, const QColor& foreColor, QWidget* parent)
    : QWidget(parent), twips_(twips), foreColor_(foreColor)
{
    setObjectName(name);
    setGeometry(units::pixelGeometry(twips));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const Picture* picture, QList<PicturePart> parts)
{
    picture_ = picture;
    parts_ = std::move(parts);
    canvas_.drop();
    update();
}

void PictureBox::Line(QLineF line)
{
    Line(line, foreColor_);
}

void PictureBox::Line(QLineF line, const QColor& color)
{
    drawn_.push_back({line, color});
    if (!canvas_.isStale(*this, size())) {
        QPainter painter(&canvas_.image());
        draw(painter, drawn_.back());
    }
    const QRectF bounds = QRectF(line.p1(), line.p2()).normalized().adjusted(-2, -2, 2, 2);
    update(bounds.toAlignedRect());
}

void PictureBox::Cls()
{
    drawn_.clear();
    canvas_.drop();
    update();
}

void PictureBox::draw(QPainter& painter, const DrawnLine& line)
{
    painter.setPen(QPen(line.color, 1));
    painter.drawLine(line.line);
}

const QImage& PictureBox::canvas()
{
    if (!canvas_.isStale(*this, size()))
        return canvas_.image();
    QPainter painter(&canvas_.start(*this, size(), Qt::transparent));
    for (const PicturePart& part : parts_)
        pictures::draw(painter, *picture_, part);
    for (const DrawnLine& line : drawn_)
        draw(painter, line);
    return canvas_.image();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), canvas());
}

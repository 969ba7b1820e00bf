#include "app/picture_box.h"

#include "app/screen_image.h"
#include "assets/pictures.h"

#include <QPainter>

PictureBox::PictureBox(const QString& name, units::TwipsRect twips, uint32_t foreColor, QWidget* parent)
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
    canvas_ = {};
    update();
}

void PictureBox::Line(QLineF line)
{
    Line(line, foreColor_);
}

void PictureBox::Line(QLineF line, uint32_t bgr)
{
    drawn_.push_back({line, units::fromBgr(bgr)});
    if (!canvas_.isNull()) {
        QPainter painter(&canvas_);
        draw(painter, drawn_.back());
    }
    const QRectF bounds = QRectF(line.p1(), line.p2()).normalized().adjusted(-2, -2, 2, 2);
    update(bounds.toAlignedRect());
}

void PictureBox::Cls()
{
    drawn_.clear();
    canvas_ = {};
    update();
}

void PictureBox::draw(QPainter& painter, const DrawnLine& line)
{
    painter.setPen(QPen(line.color, 1));
    painter.drawLine(line.line);
}

const QImage& PictureBox::canvas()
{
    if (screen_image::fits(canvas_, *this))
        return canvas_;
    canvas_ = screen_image::blank(*this, Qt::transparent);
    QPainter painter(&canvas_);
    for (const PicturePart& part : parts_) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(part.clip);
        painter.setTransform(part.transform);
        picture_->draw(painter);
        painter.restore();
    }
    for (const DrawnLine& line : drawn_)
        draw(painter, line);
    return canvas_;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), canvas());
}

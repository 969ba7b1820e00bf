#include "app/image.h"

#include "app/screen_image.h"
#include "assets/pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

Image::Image(QWidget* parent, const QString& name, units::TwipsRect twips, const Picture* picture, bool bordered)
    : QWidget(parent), twips_(twips), picture_(picture), bordered_(bordered)
{
    setObjectName(name);
    setGeometry(units::pixelGeometry(twips));
    setMouseTracking(true);
}

void Image::setToolTipText(const QString& text)
{
    setToolTip(text);
    if (QToolTip::isVisible() && underMouse())
        QToolTip::showText(lastGlobal_.toPoint(), text, this);
}

const QImage& Image::rendering()
{
    if (screen_image::fits(cache_, *this))
        return cache_;
    cache_ = screen_image::blank(*this, Qt::transparent);
    QPainter painter(&cache_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF extent = picture_->extent;
    painter.scale(width() / extent.width(), height() / extent.height());
    painter.translate(-extent.topLeft());
    picture_->draw(painter);
    return cache_;
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (picture_)
        painter.drawImage(QPointF(0, 0), rendering());
    if (bordered_) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void Image::mousePressEvent(QMouseEvent* event)
{
    const int16_t button = buttonCode(event->button());
    if (button == 0) {
        event->ignore();
        return;
    }
    lastGlobal_ = event->globalPosition();
    emit mouseDown(button, shiftCode(event->modifiers()), units::twips(event->position().x()),
                   units::twips(event->position().y()));
}

void Image::mouseMoveEvent(QMouseEvent* event)
{
    lastGlobal_ = event->globalPosition();
    emit mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), units::twips(event->position().x()),
                   units::twips(event->position().y()));
}

int16_t buttonCode(Qt::MouseButtons buttons)
{
    return static_cast<int16_t>((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
                                (buttons & Qt::MiddleButton ? 4 : 0));
}

int16_t shiftCode(Qt::KeyboardModifiers modifiers)
{
    return static_cast<int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
                                (modifiers & Qt::AltModifier ? 4 : 0));
}

#include "app/image.h"

#include "app/event_codes.h"
#include "app/screen_image.h"
#include "assets/pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTabletEvent>
#include <QToolTip>
#include <QTouchEvent>

Image::Image(const QString& name, units::TwipsRect twips, const Picture* picture, bool bordered, QWidget* parent)
    : QWidget(parent), twips_(twips), picture_(picture), bordered_(bordered),
      touch_([this](QPointF at) { reportMove(1, at); }, [this](int16_t button, QPointF at) { reportPress(button, at); })
{
    setObjectName(name);
    setGeometry(units::pixelGeometry(twips));
    setMouseTracking(true);
    setAttribute(Qt::WA_AcceptTouchEvents);
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
    drawStretched(painter, *picture_, rect());
    return cache_;
}

void drawStretched(QPainter& painter, const Picture& picture, const QRectF& target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF extent = picture.extent;
    painter.translate(target.topLeft());
    painter.scale(target.width() / extent.width(), target.height() / extent.height());
    painter.translate(-extent.topLeft());
    picture.draw(painter);
    painter.restore();
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

// Touches and pens are taken here, before Qt would turn them into mouse events, so that a
// touch held still can end the path.
bool Image::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: touched(*static_cast<QTouchEvent*>(event)); return true;
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease: penned(*static_cast<QTabletEvent*>(event)); return true;
    default: return QWidget::event(event);
    }
}

// Only the first finger traces; others that join it are ignored.
void Image::touched(const QTouchEvent& event)
{
    if (event.type() == QEvent::TouchCancel || event.points().isEmpty()) {
        touch_.cancel();
        return;
    }
    const QEventPoint& finger = event.points().constFirst();
    switch (event.type()) {
    case QEvent::TouchBegin: touch_.begin(finger.position()); break;
    case QEvent::TouchUpdate: touch_.update(finger.position()); break;
    default:
        touch_.update(finger.position());
        touch_.end();
        break;
    }
}

// The tip traces like a finger; a side button presses as the platform names it (Qt names
// the upper one the right button); a pen held above the picture moves the pointer.
void Image::penned(const QTabletEvent& event)
{
    const QPointF at = event.position();
    if (event.type() == QEvent::TabletPress && event.button() == Qt::LeftButton)
        touch_.begin(at);
    else if (event.type() == QEvent::TabletPress)
        reportPress(buttonCode(event.button()), at);
    else if (event.type() == QEvent::TabletMove && event.buttons() & Qt::LeftButton)
        touch_.update(at);
    else if (event.type() == QEvent::TabletMove)
        reportMove(buttonCode(event.buttons()), at);
    else if (event.button() == Qt::LeftButton)
        touch_.end();
}

void Image::reportMove(int16_t button, QPointF at)
{
    lastGlobal_ = mapToGlobal(at);
    emit mouseMove(button, 0, units::twips(at.x()), units::twips(at.y()));
}

void Image::reportPress(int16_t button, QPointF at)
{
    if (button == 0)
        return;
    lastGlobal_ = mapToGlobal(at);
    emit mouseDown(button, 0, units::twips(at.x()), units::twips(at.y()));
}

#include "app/controls/image.h"

#include "app/event_codes.h"
#include "assets/pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTabletEvent>
#include <QToolTip>
#include <QTouchEvent>

Image::Image(const QString& name, units::TwipsRect twips, const Picture* picture, Border border, QWidget* parent)
    : QWidget(parent), twips_(twips), picture_(picture), border_(border),
      touch_([this](QPointF at) { reportMove(leftButton, 0, at); },
             [this](int16_t button, QPointF at) { reportPress(button, 0, at); })
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
    if (cache_.isStale(*this, size())) {
        QPainter painter(&cache_.start(*this, size(), Qt::transparent));
        pictures::draw(painter, *picture_, pictures::stretched(*picture_, rect()));
    }
    return cache_.image();
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (picture_)
        painter.drawImage(QPointF(0, 0), rendering());
    if (border_ == Border::flatLine) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void Image::mousePressEvent(QMouseEvent* event)
{
    if (!reportPress(buttonCode(event->button()), shiftCode(event->modifiers()), event->position()))
        event->ignore();
}

void Image::mouseMoveEvent(QMouseEvent* event)
{
    reportMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), event->position());
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
    case QEvent::TabletRelease:
        // Taken, or Qt would deliver the pen once more as the mouse.
        event->accept();
        penned(*static_cast<QTabletEvent*>(event));
        return true;
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
        reportPress(buttonCode(event.button()), 0, at);
    else if (event.type() == QEvent::TabletMove && event.buttons() & Qt::LeftButton)
        touch_.update(at);
    else if (event.type() == QEvent::TabletMove)
        reportMove(buttonCode(event.buttons()), 0, at);
    else if (event.button() == Qt::LeftButton)
        touch_.end();
}

void Image::reportMove(int16_t button, int16_t shift, QPointF at)
{
    lastGlobal_ = mapToGlobal(at);
    emit mouseMove(button, shift, units::twips(at.x()), units::twips(at.y()));
}

bool Image::reportPress(int16_t button, int16_t shift, QPointF at)
{
    if (button == 0)
        return false;
    lastGlobal_ = mapToGlobal(at);
    emit mouseDown(button, shift, units::twips(at.x()), units::twips(at.y()));
    return true;
}

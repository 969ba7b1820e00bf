#include "app/touch_press.h"

#include "app/event_codes.h"

#include <QGuiApplication>
#include <QStyleHints>

TouchPress::TouchPress(Move move, Press press, QObject* parent)
    : QObject(parent), move_(std::move(move)), press_(std::move(press))
{
    hold_.setSingleShot(true);
    connect(&hold_, &QTimer::timeout, this, &TouchPress::held);
}

void TouchPress::begin(QPointF at)
{
    start_ = at;
    meaning_ = Meaning::undecided;
    hold_.start(QGuiApplication::styleHints()->mousePressAndHoldInterval());
}

void TouchPress::update(QPointF at)
{
    if (meaning_ == Meaning::drag) {
        move_(at);
    } else if (meaning_ == Meaning::undecided &&
               (at - start_).manhattanLength() >= QGuiApplication::styleHints()->startDragDistance()) {
        hold_.stop();
        meaning_ = Meaning::drag;
        move_(start_);
        press_(leftButton, start_);
        move_(at);
    }
}

void TouchPress::end()
{
    if (meaning_ == Meaning::undecided) {
        hold_.stop();
        move_(start_);
        press_(leftButton, start_);
    }
    meaning_ = Meaning::none;
}

void TouchPress::cancel()
{
    hold_.stop();
    meaning_ = Meaning::none;
}

void TouchPress::held()
{
    if (meaning_ != Meaning::undecided)
        return;
    meaning_ = Meaning::hold;
    move_(start_);
    press_(rightButton, start_);
}

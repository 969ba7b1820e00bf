#pragma once

#include <QObject>
#include <QPointF>
#include <QTimer>

#include <functional>

// A finger or a pen tip on the field picture, read as the mouse input it stands for. A
// touch's meaning is decided before anything acts on it: a tap, known at its release, is
// a left press where it landed; a drag, known once it leaves the platform's drag distance,
// is a left press where it began, then movements; a hold, known when it stays within that
// distance for the platform's press-and-hold interval, is a right press where it began,
// which ends the path as the right button does. So a hold never leaves a segment behind.
class TouchPress : public QObject {
public:
    using Move = std::function<void(QPointF)>;
    using Press = std::function<void(int16_t button, QPointF)>;

    TouchPress(Move move, Press press, QObject* parent = nullptr);

    void begin(QPointF at);
    void update(QPointF at);
    void end();
    void cancel();

private:
    enum class Meaning { none, undecided, drag, hold };

    void held();

    Move move_;
    Press press_;
    QTimer hold_;
    QPointF start_;
    Meaning meaning_ = Meaning::none;
};

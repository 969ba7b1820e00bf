#pragma once

#include "app/controls/screen_cache.h"
#include "app/touch_press.h"
#include "app/units.h"

#include <QWidget>

class QPainter;
class QTabletEvent;
class QTouchEvent;
struct Picture;

// An image control: shows its picture stretched to its rectangle and takes the mouse,
// reporting positions in twips and buttons as 1 (left), 2 (right) and 4 (middle). A finger
// or a pen reports the mouse input it stands for.
class Image : public QWidget {
    Q_OBJECT
public:
    enum class Border { none, flatLine };

    Image(const QString& name, units::TwipsRect twips, const Picture* picture, Border border, QWidget* parent);

    // The hover text. While it is on screen it follows every change.
    void setToolTipText(const QString& text);
    const Picture* picture() const { return picture_; }
    units::TwipsRect twipsRect() const { return twips_; }

signals:
    void mouseDown(int16_t button, int16_t shift, float x, float y);
    void mouseMove(int16_t button, int16_t shift, float x, float y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const QImage& rendering();
    void touched(const QTouchEvent& event);
    void penned(const QTabletEvent& event);
    void reportMove(int16_t button, int16_t shift, QPointF at);
    // False for a button that is none of the three.
    bool reportPress(int16_t button, int16_t shift, QPointF at);

    units::TwipsRect twips_;
    const Picture* picture_;
    Border border_;
    ScreenCache cache_; // the picture at this widget's size
    QPointF lastGlobal_;
    TouchPress touch_;
};

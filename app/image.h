#pragma once

#include "app/touch_press.h"
#include "app/units.h"

#include <QImage>
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
    Image(const QString& name, units::TwipsRect twips, const Picture* picture, bool bordered,
          QWidget* parent = nullptr);

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
    void reportMove(int16_t button, QPointF at);
    void reportPress(int16_t button, QPointF at);

    units::TwipsRect twips_;
    const Picture* picture_;
    bool bordered_;
    QImage cache_; // the picture at this widget's size and pixel ratio
    QPointF lastGlobal_;
    TouchPress touch_;
};

// Draws `picture` as an image control shows it: its extent stretched onto `target`,
// independently in x and y, smoothed.
void drawStretched(QPainter& painter, const Picture& picture, const QRectF& target);

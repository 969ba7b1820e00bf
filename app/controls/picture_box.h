#pragma once

#include "app/controls/screen_cache.h"
#include "app/units.h"
#include "assets/pictures.h"

#include <QLineF>
#include <QWidget>

#include <vector>

// A picture box: a design-time picture with lines drawn over it at run time, in pixels.
// What is drawn stays until Cls, whether the box is hidden, shown or covered meanwhile.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    struct DrawnLine {
        QLineF line;
        QColor color;
    };

    PictureBox(const QString& name, units::TwipsRect twips, const QColor& foreColor, QWidget* parent);

    void setPicture(const Picture* picture, QList<PicturePart> parts);
    void Line(QLineF line); // in the foreground colour
    void Line(QLineF line, const QColor& color);
    void Cls();
    const std::vector<DrawnLine>& drawnLines() const { return drawn_; }
    QColor foreColor() const { return foreColor_; }
    units::TwipsRect twipsRect() const { return twips_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const QImage& canvas();
    static void draw(QPainter& painter, const DrawnLine& line);

    units::TwipsRect twips_;
    QColor foreColor_;
    const Picture* picture_ = nullptr;
    QList<PicturePart> parts_;
    std::vector<DrawnLine> drawn_;
    ScreenCache canvas_; // the picture and every drawn line
};

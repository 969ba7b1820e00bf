#pragma once

#include "app/units.h"

#include <QWidget>

// A circle outline, one pixel wide and unfilled. Shapes never take the mouse: events
// pass to whatever lies beneath.
class Shape : public QWidget {
    Q_OBJECT
public:
    Shape(const QString& name, units::TwipsRect twips, const QColor& borderColor, QWidget* parent);

    void setBorderColor(const QColor& color);
    QColor borderColor() const { return borderColor_; }
    units::TwipsRect twipsRect() const { return twips_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    units::TwipsRect twips_;
    QColor borderColor_;
};

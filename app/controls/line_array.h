#pragma once

#include "app/controls/stored_layer.h"

struct LineProperties {
    float X1, Y1, X2, Y2; // end points, twips
    bool Visible;
};

// The line control array: straight lines between two points, all of one colour and
// width, drawn in mask mode (each pixel the bitwise AND of the pen colour and what lies
// beneath), so crossing lines and the pictures beneath stay visible.
class LineArray : public StoredLayer<LineProperties> {
    Q_OBJECT
public:
    LineArray(const QString& name, LineProperties design, const QColor& color, int widthPixels, QWidget* parent);

    QColor color() const { return color_; }
    int widthPixels() const { return width_; }

protected:
    QRectF area(int index) const override;
    void drawElement(QPainter& painter, int index) const override;
    void drawElements(QPainter& painter, const QImage& cache, int from, int to) const override;

private:
    QLineF line(int index) const; // logical pixels
    QPen pen() const;

    QColor color_;
    int width_;
};

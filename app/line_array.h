#pragma once

#include "app/stored_layer.h"

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
    class Element {
    public:
        void setStart(float x1, float y1)
        {
            array_.change(index_, [&](LineProperties& p) { p.X1 = x1, p.Y1 = y1; });
        }
        void setEnd(float x2, float y2)
        {
            array_.change(index_, [&](LineProperties& p) { p.X2 = x2, p.Y2 = y2; });
        }
        void setVisible(bool visible)
        {
            array_.change(index_, [&](LineProperties& p) { p.Visible = visible; });
        }

    private:
        friend class LineArray;
        Element(LineArray& array, int16_t index) : array_(array), index_(index) {}
        LineArray& array_;
        int16_t index_;
    };

    LineArray(QWidget* parent, const QString& name, LineProperties design, uint32_t bgr, int widthPixels);

    Element element(int16_t index) { return Element(*this, index); }
    QColor color() const { return color_; }
    int widthPixels() const { return width_; }

protected:
    QRectF area(int index) const override;
    void drawElement(QPainter& painter, int index) const override;

private:
    QColor color_;
    int width_;
};

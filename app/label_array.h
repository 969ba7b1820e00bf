#pragma once

#include "app/stored_layer.h"
#include "app/units.h"

#include <QFont>
#include <QString>

struct LabelProperties {
    QString Caption;
    units::TwipsRect twips;
    bool Visible;
};

// The label control array: transparent labels with a caption at their top left, in one
// font. Its elements let the mouse through to the field picture beneath, so that the
// pointer passing over a number does not interrupt tracing.
class LabelArray : public StoredLayer<LabelProperties> {
    Q_OBJECT
public:
    class Element {
    public:
        void setCaption(const QString& caption)
        {
            array_.change(index_, [&](LabelProperties& p) { p.Caption = caption; });
        }
        void setLeft(float twips)
        {
            array_.change(index_, [&](LabelProperties& p) { p.twips.left = twips; });
        }
        void setTop(float twips)
        {
            array_.change(index_, [&](LabelProperties& p) { p.twips.top = twips; });
        }
        void setVisible(bool visible)
        {
            array_.change(index_, [&](LabelProperties& p) { p.Visible = visible; });
        }

    private:
        friend class LabelArray;
        Element(LabelArray& array, int16_t index) : array_(array), index_(index) {}
        LabelArray& array_;
        int16_t index_;
    };

    LabelArray(QWidget* parent, const QString& name, LabelProperties design, const QFont& font);

    Element element(int16_t index) { return Element(*this, index); }
    QFont labelFont() const { return font_; }

protected:
    QRectF area(int index) const override;
    void drawElement(QPainter& painter, int index) const override;

private:
    QFont font_;
};

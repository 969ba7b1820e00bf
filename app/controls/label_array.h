#pragma once

#include "app/controls/stored_layer.h"

#include <QFont>
#include <QString>

struct LabelProperties {
    QString Caption;
    float Left, Top, Width, Height; // twips
    bool Visible;
};

// The label control array: transparent labels with a caption at their top left, in one
// font. Its elements let the mouse through to the field picture beneath, so that the
// pointer passing over a number does not interrupt tracing.
class LabelArray : public StoredLayer<LabelProperties> {
    Q_OBJECT
public:
    LabelArray(const QString& name, LabelProperties design, const QFont& font, QWidget* parent);

    QFont labelFont() const { return font_; }
    // Where element `index` lies in the window, in whole pixels.
    QRect pixelRect(int index) const;

protected:
    QRectF area(int index) const override;
    void drawElement(QPainter& painter, int index) const override;

private:
    QFont font_;
};

#pragma once

#include "app/units.h"

#include <QLabel>

// A label of the window: transparent, text at the top left, clipped to its rectangle.
// Like every label it takes the mouse over its rectangle, even without a caption, so
// whatever lies beneath does not see those events.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(const QString& name, units::TwipsRect twips, const QString& caption, const QFont& font, QWidget* parent);

    units::TwipsRect twipsRect() const { return twips_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    units::TwipsRect twips_;
};

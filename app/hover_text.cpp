#include "app/hover_text.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

// Qt builds its hover-text window once and polishes it before the platform window
// exists; flags set then are the ones the window is created with. The platform would make
// a hover text stay on top anyway: asking for it here spares the re-creation that would
// drop the transparency on X.
class HoverTextPassThrough : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish && watched->inherits("QTipLabel")) {
            auto* tip = static_cast<QWidget*>(watched);
            tip->overrideWindowFlags(tip->windowFlags() | Qt::WindowTransparentForInput | Qt::WindowStaysOnTopHint);
        }
        return false;
    }
};

} // namespace

void letPointerThroughHoverTexts(QObject* owner)
{
    qApp->installEventFilter(new HoverTextPassThrough(owner));
}

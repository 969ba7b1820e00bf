// The bare window with a single line of text: what the first font alone costs, beside
// the bare window's figures. Any window that shows text starts from here.
#include "paint_probe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(862, 560);
    auto* label = new QLabel(QStringLiteral("0 Ncm"), &window);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    label->setFont(font);
    new PaintProbe(&window);
    window.show();
    return application.exec();
}

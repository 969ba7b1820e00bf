// A bare Qt window of the same size, for comparison: shown, painted, nothing else.
#include "paint_probe.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(862, 560);
    new PaintProbe(&window);
    window.show();
    return application.exec();
}

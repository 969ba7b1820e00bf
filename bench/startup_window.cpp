// The program's window, started as the program starts it, reporting its first paint.
#include "app/formfeld1.h"
#include "paint_probe.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Formfeld1 window;
    new PaintProbe(&window);
    window.show();
    return application.exec();
}

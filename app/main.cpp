#include "app/formfeld1.h"
#include "app/qt_german.h"

#include <QApplication>

int main(int, char* argv[])
{
    // The program takes no command line. Qt would read options of its own from it (a
    // style sheet file, a mirrored layout, a window geometry), so it sees the name alone.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    loadQtGerman(application);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KRAFTFELD_APP_ID));
    Formfeld1 window;
    window.show();
    return application.exec();
}

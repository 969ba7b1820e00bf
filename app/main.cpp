#include "app/formfeld1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KRAFTFELD_APP_ID));
    Formfeld1 window;
    window.show();
    return application.exec();
}

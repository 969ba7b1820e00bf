#include "app/formfeld1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Formfeld1 window;
    window.show();
    return application.exec();
}

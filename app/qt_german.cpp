#include "app/qt_german.h"

#include <QCoreApplication>
#include <QTranslator>

void loadQtGerman(QCoreApplication& application)
{
    auto* german = new QTranslator(&application);
    if (german->load(QStringLiteral(":/translations/qtbase_de.qm")))
        QCoreApplication::installTranslator(german);
}

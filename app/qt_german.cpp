#include "app/qt_german.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void loadQtGerman(QCoreApplication& application)
{
    auto* german = new QTranslator(&application);
    if (german->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(german);
}

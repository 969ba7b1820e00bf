#include "assets/carried_fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QtDebug>

namespace carried_fonts {

void load()
{
    static const bool loaded = [] {
        const QDir folder(QStringLiteral(":/fonts"));
        for (const QString& file : folder.entryList(QDir::Files))
            if (QFontDatabase::addApplicationFont(folder.filePath(file)) == -1)
                qWarning("Font %s cannot be loaded", qPrintable(file));
        return true;
    }();
    (void)loaded;
}

} // namespace carried_fonts

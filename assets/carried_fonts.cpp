#include "assets/carried_fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QtDebug>

namespace carried_fonts {

namespace {

// The window and its pictures were designed in fonts that Windows has in versions of its
// own and Wine and Linux lack. They are drawn in the metric-compatible or closest faces
// the program carries, asked for by their own names, so that no font of the old name
// takes their place.
struct StandIn {
    const char* designed;
    const char* carried;
};
constexpr StandIn standIns[] = {
    {"MS Sans Serif", "Liberation Sans"},    // the buttons, the list, the read-outs
    {"Arial", "Liberation Sans"},            // the axis names
    {"Times New Roman", "Liberation Serif"}, // the formulas, the scale digits
    {"Bookman Old Style", "URW Bookman"},    // the index labels
    {"Symbol", "Standard Symbols PS"},       // the sum and integral signs
};

} // namespace

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

QString family(const QString& designed)
{
    for (const StandIn& s : standIns)
        if (designed == QLatin1String(s.designed))
            return QString::fromLatin1(s.carried);
    return designed;
}

} // namespace carried_fonts

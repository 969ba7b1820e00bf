#include "app/fonts.h"
#include "app/formfeld1.h"
#include "app/qt_german.h"

#include <QApplication>

#include <iterator>

int main(int, char* argv[])
{
    // The program takes no command line. Qt would read options of its own from it (a
    // style sheet file, a mirrored layout, a window geometry), so it sees the name alone,
    // and on Windows the font engine. Windows' own narrows a face only by whole pixels of
    // its average letter width: a caption fitted to its button comes out narrower than
    // asked for, and under Wine in the regular weight. The FreeType engine that Qt carries
    // draws every face exactly as on Linux, and as the tests draw it on Windows.
#ifdef Q_OS_WIN
    char platform[] = "-platform", fontEngine[] = "windows:fontengine=freetype";
    char* qtArgv[] = {argv[0], platform, fontEngine, nullptr};
#else
    char* qtArgv[] = {argv[0], nullptr};
#endif
    int qtArgc = static_cast<int>(std::size(qtArgv)) - 1;
    QApplication application(qtArgc, qtArgv);
    loadQtGerman(application);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KRAFTFELD_APP_ID));
#ifdef Q_OS_WASM
    // The browser lends Qt no fonts, and Qt brings none: hover texts and Qt's own texts
    // take the window's face, at the size of a tooltip on Windows.
    QApplication::setFont(fonts::font(QStringLiteral("MS Sans Serif"), 9));
#endif
    Formfeld1 window;
#ifdef Q_OS_WASM
    // In the browser the page's canvas, made the window's size, is the window: it fills the
    // canvas without the title bar and frame that Qt would otherwise draw inside it.
    window.showFullScreen();
#else
    window.show();
#endif
    return application.exec();
}

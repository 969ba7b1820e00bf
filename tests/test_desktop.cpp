#include "window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolTip>

#include <sys/stat.h>

#include <cmath>
#include <map>

// The window on a real display, as a learner meets it: an X server with pointer input
// through the server itself, or a Wayland compositor; the desktop's theme; the screen's
// edges; the program started with whatever a desktop passes it.
class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void hoverTextLetsThePointerThrough();
    void tracesAndShowsTheHoverText();
    void windowStartsInsideTheScreen();
    void textsStandOutFromWhatLiesBehind_data();
    void textsStandOutFromWhatLiesBehind();
    void commandLineChangesNothing();

private:
    std::unique_ptr<Formfeld1> form;
};

namespace {

bool onX()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Real pointer input, through the X server as a mouse would give it.
bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QString windowId(const QWidget& w)
{
    return QString::number(w.winId());
}

// The window as fixture::open gives it, and active: Qt shows hover texts over the active
// window only, and on X without a window manager nothing activates it.
std::unique_ptr<Formfeld1> openActive()
{
    auto form = fixture::open();
    if (!form)
        return nullptr;
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        return nullptr;
    return form;
}

// The entry chosen as the list's popup would choose it. Weston's headless compositor has
// no seat, and Qt 6.4 on Wayland fails when it opens a popup without one.
void choose(Formfeld1& form, int entry)
{
    form.Combo1->setCurrentIndex(entry);
    emit form.Combo1->activated(entry);
}

QWidget* hoverText()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            return w;
    return nullptr;
}

double luminance(QRgb c)
{
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast between the commonest colour of a picture, its background, and
// any other colour in it, the core of its text.
double textContrast(const QImage& pixels)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            ++counts[pixels.pixel(x, y) | 0xFF000000];
    const QRgb background =
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    double strongest = 1;
    for (const auto& [colour, count] : counts)
        strongest = std::max(strongest, contrast(colour, background));
    return strongest;
}

} // namespace

void TestDesktop::initTestCase()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("needs a real display: run through on_display.sh");
}

void TestDesktop::init()
{
    // A real display shows every warning Qt has about the window; there should be none.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    if (onX())
        QVERIFY(xdotool({QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")}));
}

void TestDesktop::cleanup()
{
    form.reset();
    QToolTip::hideText();
}

// A flick down and to the right lands on the hover text, which Qt shows 2 px right of and
// 16 px below the pointer; the press that follows must still start a segment there.
void TestDesktop::hoverTextLetsThePointerThrough()
{
    if (!onX())
        QSKIP("pointer input through the display server is injected on X only");
    form = openActive();
    QVERIFY(form);
    QVERIFY(fixture::choose(*form, 1));
    const QString window = windowId(*form);
    QVERIFY(xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("100"),
                     QStringLiteral("100")}));
    QTRY_VERIFY_WITH_TIMEOUT(hoverText(), 5000);
    QVERIFY(hoverText()->geometry().contains(form->mapToGlobal(QPoint(130, 126))));

    QVERIFY(xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("130"),
                     QStringLiteral("126"), QStringLiteral("click"), QStringLiteral("1")}));
    QTRY_COMPARE(form->state().lnr, int16_t(1));
    QCOMPARE(form->state().xstart, 1950.f);
    QCOMPARE(form->state().ystart, 1890.f);
    // While tracing, the open segment's end follows at once.
    QVERIFY(xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("136"),
                     QStringLiteral("150")}));
    QTRY_COMPARE(form->state().ypos, 2250.f);
    QVERIFY(form->Label1->text() != QStringLiteral("0 Ncm"));
}

// Input that Qt delivers itself, on any display: a segment traced, its work shown, the
// hover text set and, where the window can be active, shown.
void TestDesktop::tracesAndShowsTheHoverText()
{
    form = fixture::open();
    QVERIFY(form);
    choose(*form, 1);
    fixture::pressLeftAt(*form, 3360, 3360);
    fixture::moveTo(*form, 3360, 1360);
    QCOMPARE(form->state().lnr, int16_t(1));
    QVERIFY(form->Label1->text() != QStringLiteral("0 Ncm"));
    QCOMPARE(form->Imagefeld(1)->toolTip(), QStringLiteral("0 ; 3"));
    if (onX()) {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        fixture::moveTo(*form, 3360, 1380);
    } else {
        // Qt shows hover texts over the active window only, and a compositor without a
        // seat activates none; the text is shown as Qt would show it.
        QToolTip::showText(form->mapToGlobal(QPoint(224, 92)), form->Imagefeld(1)->toolTip(), form->Imagefeld(1));
    }
    QTRY_VERIFY_WITH_TIMEOUT(hoverText(), 5000);
    QCOMPARE(QToolTip::text(), QStringLiteral("0 ; 3"));
}

// Centred where the window fits; where it does not, its top-left corner stays on the
// screen, so the list and the field picture's left edge can be reached.
void TestDesktop::windowStartsInsideTheScreen()
{
    if (!onX())
        QSKIP("a Wayland compositor places the window itself");
    form = fixture::open();
    QVERIFY(form);
    const QRect available = form->screen()->availableGeometry();
    const QRect frame = form->frameGeometry();
    QVERIFY2(available.contains(frame.topLeft()), qPrintable(QStringLiteral("at %1, %2 on %3 x %4")
                                                                 .arg(frame.x())
                                                                 .arg(frame.y())
                                                                 .arg(available.width())
                                                                 .arg(available.height())));
    if (available.width() >= frame.width())
        QVERIFY(std::abs(frame.center().x() - available.center().x()) <= 1);
    if (available.height() >= frame.height())
        QVERIFY(std::abs(frame.center().y() - available.center().y()) <= 1);
}

void TestDesktop::textsStandOutFromWhatLiesBehind_data()
{
    QTest::addColumn<QString>("control");
    for (const char* name : {"Label1", "Label2", "Labelin", "Labeln(0)", "Labeln(2)", "Labeln(5)", "Labellnr",
                             "Combo1 text", "Combo1 list", "Command1", "Commandloschen", "hover text", "Image1",
                             "Image2", "Imageformel(5)", "Imagefeld(5)", "Picture1"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Every text of the window, as the theme draws it, against what lies behind it: at least
// 4.5 : 1, the contrast that normal text needs to be read by most people.
void TestDesktop::textsStandOutFromWhatLiesBehind()
{
    QFETCH(QString, control);
    if (!onX())
        QSKIP("themes are tried on X");
    form = openActive();
    QVERIFY(form);
    choose(*form, 5);
    fixture::pressLeftAt(*form, 3000, 3000);
    fixture::moveTo(*form, 2000, 2000);

    QImage shown;
    if (control == QLatin1String("Combo1 text")) {
        shown = fixture::pixelsOf(form->Combo1->lineEdit());
    } else if (control == QLatin1String("Combo1 list")) {
        form->Combo1->showPopup();
        QTRY_VERIFY(form->Combo1->view()->isVisible());
        shown = fixture::pixelsOf(form->Combo1->view()->viewport());
    } else if (control == QLatin1String("hover text")) {
        QTRY_VERIFY_WITH_TIMEOUT(hoverText(), 5000);
        shown = fixture::pixelsOf(hoverText());
    } else {
        auto* widget = form->findChild<QWidget*>(control);
        QVERIFY(widget);
        if (widget->autoFillBackground() || qobject_cast<QPushButton*>(widget)) {
            shown = fixture::pixelsOf(widget);
        } else {
            // Labels and pictures draw straight onto the window's background.
            shown = QImage(widget->size(), QImage::Format_RGB32);
            shown.fill(form->palette().color(form->backgroundRole()));
            widget->render(&shown, {}, {}, QWidget::DrawChildren);
        }
        // A button's frame is no text; its caption lies well inside.
        if (qobject_cast<QPushButton*>(widget))
            shown = shown.copy(shown.rect().adjusted(5, 5, -5, -5) & shown.rect());
    }
    const double ratio = textContrast(shown);
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("contrast %1 : 1").arg(ratio, 0, 'f', 2)));
}

// Qt reads options of its own from the command line: a style sheet file, a mirrored
// layout, a window geometry. The program takes no command line, so none of them may
// change the window, and the style sheet named is never opened: it is a pipe that would
// keep a reader waiting.
void TestDesktop::commandLineChangesNothing()
{
    if (!onX())
        QSKIP("other programs' windows are read back on X only");
    const QString program = qEnvironmentVariable("KRAFTFELD_PROGRAM");
    if (program.isEmpty())
        QSKIP("KRAFTFELD_PROGRAM names no program");
    QTemporaryDir dir;
    const QString styleSheet = dir.filePath(QStringLiteral("style.qss"));
    QCOMPARE(mkfifo(qPrintable(styleSheet), 0600), 0);

    const auto windowOf = [&](const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        QImage pixels;
        for (int tries = 0; tries < 100 && pixels.isNull(); ++tries) {
            QProcess search;
            search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                     QStringLiteral("--pid"), QString::number(process.processId())});
            search.waitForFinished();
            const QString id = QString::fromLatin1(search.readAllStandardOutput()).trimmed();
            if (!id.isEmpty()) {
                QTest::qWait(500); // its first paint
                pixels = QGuiApplication::primaryScreen()
                             ->grabWindow(id.section(QLatin1Char('\n'), 0, 0).toULong())
                             .toImage();
            }
            QTest::qWait(100);
        }
        process.kill();
        process.waitForFinished();
        return pixels;
    };
    const QImage plain = windowOf({});
    QVERIFY(!plain.isNull());
    const QImage withOptions = windowOf({QStringLiteral("-stylesheet"), styleSheet, QStringLiteral("-reverse"),
                                         QStringLiteral("-qwindowgeometry"), QStringLiteral("400x300+10+10")});
    QVERIFY2(!withOptions.isNull(), "no window: the program waits on the style sheet");
    QCOMPARE(withOptions.size(), plain.size());
    QVERIFY(withOptions == plain);
}

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"

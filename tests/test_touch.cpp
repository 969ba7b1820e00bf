#include "window_fixture.h"

#include <QGuiApplication>
#include <QPointingDevice>
#include <QStyleHints>
#include <QTabletEvent>

// Tracing with a finger or a pen, as on an interactive whiteboard: taps trace where they
// land, a touch held still ends the path, a drag pulls the open segment's end. The field
// is the homogeneous one in -x, whose work is the x distance over 665 twips per newton.
class TestTouch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tapsTraceAndAHoldEndsThePath();
    void dragPullsTheOpenSegmentsEnd();
    void penTipTracesAndItsSideButtonEndsThePath();
    void mouseHeldStillStartsASegment();

private:
    void tap(QPoint at);
    void pen(QEvent::Type type, Qt::MouseButton button, QPoint at);

    std::unique_ptr<QPointingDevice> touchScreen;
    std::unique_ptr<Formfeld1> form;
};

namespace {

// Pixels of the window; 15 twips each.
constexpr QPoint a{100, 100}, b{200, 100}, c{300, 100}, d{400, 100};

// A short press-and-hold interval keeps the waits short; a tap, pressed and released at
// once, still ends long before it.
constexpr int holdMs = 100;

} // namespace

void TestTouch::initTestCase()
{
    touchScreen.reset(QTest::createTouchDevice());
    QGuiApplication::styleHints()->setMousePressAndHoldInterval(holdMs);
}

void TestTouch::init()
{
    form = fixture::open();
    QVERIFY(form);
    QVERIFY(fixture::choose(*form, 3));
}

void TestTouch::cleanup()
{
    form.reset();
}

void TestTouch::tap(QPoint at)
{
    QTest::touchEvent(form->windowHandle(), touchScreen.get()).press(0, at);
    QTest::touchEvent(form->windowHandle(), touchScreen.get()).release(0, at);
}

void TestTouch::tapsTraceAndAHoldEndsThePath()
{
    tap(a);
    tap(b);
    tap(c);
    const WindowState& s = form->state();
    QCOMPARE(s.lnr, int16_t(3));
    QCOMPARE(s.xstart, 4500.f); // segment 3 starts at c
    QCOMPARE(form->Labellnr->properties(2).Left, 3000.f);
    QCOMPARE(form->Labellnr->properties(1).Left, 1500.f);
    QVERIFY(s.zeichnen);

    QTest::touchEvent(form->windowHandle(), touchScreen.get()).press(0, d);
    QTRY_VERIFY(!s.zeichnen);
    QCOMPARE(s.lnr, int16_t(3)); // held: no further segment
    QTest::touchEvent(form->windowHandle(), touchScreen.get()).release(0, d);
    QCOMPARE(s.lnr, int16_t(3));
    QCOMPARE(form->Line1->properties(3).X2, 6000.f); // the last segment ends where the finger was held
    // 1500 + 1500 + 1500 twips to the right.
    QVERIFY(qAbs(s.summe - 4500.0 / 665) < 1e-5);
    QCOMPARE(form->Label2->text(), QStringLiteral("6 Ncm"));
}

// A touch that moves beyond the drag distance at once is a left press where it began; the
// open segment's end then follows the finger, as it follows a mouse with the button held.
void TestTouch::dragPullsTheOpenSegmentsEnd()
{
    tap(a);
    QTest::touchEvent(form->windowHandle(), touchScreen.get()).press(0, b);
    QTest::touchEvent(form->windowHandle(), touchScreen.get()).move(0, b + QPoint(40, 20));
    QTest::touchEvent(form->windowHandle(), touchScreen.get()).move(0, c);
    QTest::qWait(3 * holdMs); // still down past the hold, but already a drag
    QTest::touchEvent(form->windowHandle(), touchScreen.get()).release(0, c);
    const WindowState& s = form->state();
    QCOMPARE(s.lnr, int16_t(2));
    QCOMPARE(s.xstart, 3000.f);
    QCOMPARE(form->Line1->properties(2).X2, 4500.f);
    QVERIFY(s.zeichnen);
    QCOMPARE(form->Label1->text(), QStringLiteral("2.26 Ncm"));
}

void TestTouch::pen(QEvent::Type type, Qt::MouseButton button, QPoint at)
{
    static const QPointingDevice stylus(QStringLiteral("pen"), 7, QInputDevice::DeviceType::Stylus,
                                        QPointingDevice::PointerType::Pen, QInputDevice::Capability::Position, 1, 3);
    QWidget* picture = form->Imagefeld(3);
    const Qt::MouseButtons held = type == QEvent::TabletRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QTabletEvent event(type, &stylus, at, picture->mapToGlobal(QPointF(at)), 0.5, 0, 0, 0, 0, 0, {}, button, held);
    // As Qt hands it to the widget; one left untaken Qt also delivers as a mouse press.
    event.setAccepted(false);
    QApplication::sendEvent(picture, &event);
    QVERIFY(event.isAccepted());
}

// Qt 6.4 reports a pen on X11 and on Wayland as tablet events: the tip as the left button,
// the upper side button as the right one.
void TestTouch::penTipTracesAndItsSideButtonEndsThePath()
{
    pen(QEvent::TabletPress, Qt::LeftButton, a);
    pen(QEvent::TabletRelease, Qt::LeftButton, a);
    pen(QEvent::TabletMove, Qt::NoButton, b); // above the picture, not touching it
    const WindowState& s = form->state();
    QCOMPARE(s.lnr, int16_t(1));
    QCOMPARE(s.xpos, 3000.f);
    pen(QEvent::TabletPress, Qt::RightButton, b);
    pen(QEvent::TabletRelease, Qt::RightButton, b);
    QVERIFY(!s.zeichnen);
    QCOMPARE(s.lnr, int16_t(1));
    QVERIFY(qAbs(s.summe - 1500.0 / 665) < 1e-5);
}

// A mouse is never read as a touch: its left button held for long is still a left press.
void TestTouch::mouseHeldStillStartsASegment()
{
    fixture::moveTo(*form, 1500, 1500);
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, a);
    QTest::qWait(3 * holdMs); // long past the hold of a touch
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, a);
    QCOMPARE(form->state().lnr, int16_t(1));
    QVERIFY(form->state().zeichnen);
}

QTEST_MAIN(TestTouch)
#include "test_touch.moc"

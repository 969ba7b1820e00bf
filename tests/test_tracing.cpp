#include "window_fixture.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QToolTip>

#include <variant>

// Tracing a path with real mouse input: the state table of idle and tracing, the segments
// with their numbers, the totals and the work diagram.
class TestTracing : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void movementBeforeAnyPressOnlyTracksThePointer();
    void firstLeftPressStartsSegmentOne();
    void pressActsWhereThePointerLastMoved();
    void pressBeforeAnyMovementActsAtTheCorner();
    void pressesAndMovements_data();
    void pressesAndMovements();
    void segmentsMaskWhatLiesBeneath_data();
    void segmentsMaskWhatLiesBeneath();
    void segmentsDrawnAnewOnAnotherScreen();
    void hoverTextFollowsThePointerWhileShown();
    void movementAfterAnEraseLeavesTheTemplateHidden();
    void diagramOfASegmentAlongTheXAxis();
    void noSegmentBeyondTheLast();

private:
    Formfeld1& f() { return *form; }
    std::unique_ptr<Formfeld1> form;
};

namespace {

void pressWithoutMoving(Formfeld1& form, Qt::MouseButton button, QPoint pixel)
{
    // Straight to the field picture, with no movement before it.
    QTest::mousePress(form.Imagefeld(0), button, {}, pixel);
    QTest::mouseRelease(form.Imagefeld(0), button, {}, pixel);
}

// A row's script: movements to points in twips, and presses where the pointer last moved.
using Step = std::variant<QPoint, Qt::MouseButton>;
using Script = QList<Step>;

// A diagram line's ends in hundredths of a pixel.
QList<int> hundredths(const QLineF& l)
{
    return {qRound(l.x1() * 100), qRound(l.y1() * 100), qRound(l.x2() * 100), qRound(l.y2() * 100)};
}

} // namespace

void TestTracing::init()
{
    form = fixture::open();
    QVERIFY(form);
}

void TestTracing::cleanup()
{
    form.reset();
}

void TestTracing::movementBeforeAnyPressOnlyTracksThePointer()
{
    QVERIFY(fixture::choose(f(), 1));
    fixture::moveTo(f(), 1500, 3000);
    QCOMPARE(f().state().xpos, 1500.0f);
    QCOMPARE(f().state().ypos, 3000.0f);
    QCOMPARE(f().Imagefeld(1)->toolTip(), QStringLiteral("-2.8 ; 0.55"));
    QCOMPARE(f().Line1->count(), 1);
    QVERIFY(!f().Line1->properties(0).Visible);
    QCOMPARE(f().Label1->text(), QStringLiteral("0 Ncm"));
    QVERIFY(std::holds_alternative<int16_t>(f().state().arbeit));
}

void TestTracing::firstLeftPressStartsSegmentOne()
{
    fixture::pressLeftAt(f(), 1500, 1500);
    QCOMPARE(f().state().lnr, int16_t{1});
    QVERIFY(f().state().zeichnen);
    QVERIFY(f().Line1->isLoaded(1));
    QCOMPARE(f().Line1->properties(1).X1, 1500.0f);
    QCOMPARE(f().Line1->properties(1).Y1, 1500.0f);
    QVERIFY(!f().Line1->properties(1).Visible); // shown from the first movement on
    const LabelProperties& number = f().Labellnr->properties(1);
    QCOMPARE(number.Caption, QStringLiteral("1"));
    QCOMPARE(number.Left, 1500.0f);
    QCOMPARE(number.Top, 1500.0f);
    QVERIFY(number.Visible);
    QCOMPARE(f().Labelin->text(), QStringLiteral("1"));
    for (int16_t i = 1; i <= 4; ++i)
        QCOMPARE(f().Labeln(i)->text(), QStringLiteral("1"));
    QCOMPARE(f().Labeln(0)->text(), QStringLiteral("0"));
    QCOMPARE(f().Labeln(5)->text(), QStringLiteral("1"));
    QVERIFY(f().Picture1->drawnLines().empty());
    QCOMPARE(f().Label2->text(), QStringLiteral("0 Ncm"));

    fixture::moveTo(f(), 3000, 2010);
    QVERIFY(f().Line1->properties(1).Visible);
    QCOMPARE(f().Line1->properties(1).X2, 3000.0f);
    QCOMPARE(f().Line1->properties(1).Y2, 2010.0f);
}

void TestTracing::pressActsWhereThePointerLastMoved()
{
    fixture::moveTo(f(), 1500, 1500);
    pressWithoutMoving(f(), Qt::LeftButton, fixture::pixelAt(3000, 3000));
    QCOMPARE(f().Line1->properties(1).X1, 1500.0f);
    QCOMPARE(f().state().xstart, 1500.0f);
    QCOMPARE(f().Labellnr->properties(1).Top, 1500.0f);
}

void TestTracing::pressBeforeAnyMovementActsAtTheCorner()
{
    pressWithoutMoving(f(), Qt::LeftButton, fixture::pixelAt(3000, 3000));
    QCOMPARE(f().state().lnr, int16_t{1});
    QCOMPARE(f().Line1->properties(1).X1, 0.0f);
    QCOMPARE(f().Line1->properties(1).Y1, 0.0f);
    QCOMPARE(f().Labellnr->properties(1).Left, 0.0f);
}

void TestTracing::pressesAndMovements_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<Script>("script");
    QTest::addColumn<bool>("tracing");
    QTest::addColumn<int>("segments");
    QTest::addColumn<float>("total");
    QTest::addColumn<Number>("work");
    QTest::addColumn<QStringList>("captions"); // the work, the total and the hover text
    QTest::addColumn<QPointF>("firstEnd");     // where segment 1 ends
    QTest::addColumn<int>("diagramLines");
    QTest::addColumn<QList<int>>("ground"); // the newest ground line in hundredths of a pixel

    // The pointer snaps to 10 twips, 4695 to 4700: 1340 / 665 = 2.015 Ncm to the right in
    // field 3. The hover text is in field units, ((x - 3360) / 3330 and (3360 - y) / 3320 to
    // hundredths) * 5. A point lies in the diagram at H = x / 30 + 135 - (y / 30 + 25) / 1.4,
    // V = (y / 30 + 25) / 1.4 + 32; a ground line runs from the new start, V rounded to a
    // whole pixel, to the old one; the field origin lies at (149.14, 129.86).
    const Script atOrigin{QPoint(3360, 3360), Qt::LeftButton};
    const float w = 1340.0f / 665.0f;
    const QList<int> none;
    const Number reset = int16_t{0};

    // Up by 1320 twips in a field of 1 N pointing down: 1320 / 665 = 1.985 Ncm.
    const Script up = atOrigin + Script{QPoint(3360, 2040)};
    const float v = 1320.0f / 665.0f;
    QTest::newRow("tracing evaluates the open segment")
        << 1 << up << true << 1 << 0.0f << Number(v) << QStringList{"1.98 Ncm", "0 Ncm", "0 ; 2"} << QPointF(3360, 2040)
        << 0 << none;
    const QList<int> fromAbove{18057, 9800, 14914, 12986};
    // Until the next movement the read-out still shows the finished segment.
    QTest::newRow("the next left press adds the work and numbers on")
        << 1 << up + Script{Qt::LeftButton} << true << 2 << v << Number(v) << QStringList{"1.98 Ncm", "1 Ncm", "0 ; 2"}
        << QPointF(3360, 2040) << 2 << fromAbove;
    QTest::newRow("a movement after it evaluates segment 2, down 660: -660 / 665")
        << 1 << up + Script{Qt::LeftButton, QPoint(3360, 2700)} << true << 2 << v << Number(-660.0f / 665.0f)
        << QStringList{"-0.99 Ncm", "1 Ncm", "0 ; 1"} << QPointF(3360, 2040) << 2 << fromAbove;

    const QList<int> fromRight{19381, 13000, 14914, 12986};
    const Script right = atOrigin + Script{QPoint(4695, 3360), Qt::RightButton};
    QTest::newRow("a right press ends tracing and adds the work")
        << 3 << right << false << 1 << w << Number(w) << QStringList{"2.02 Ncm", "2 Ncm", "2 ; 0"}
        << QPointF(4700, 3360) << 0 << none;
    QTest::newRow("after a right press movements only track the pointer")
        << 3 << right + Script{QPoint(1500, 1500)} << false << 1 << w << Number(w)
        << QStringList{"2.02 Ncm", "2 Ncm", "-2.8 ; 2.8"} << QPointF(4700, 3360) << 0 << none;
    QTest::newRow("a further right press adds the same work again")
        << 3 << right + Script{Qt::RightButton} << false << 1 << w + w << Number(w)
        << QStringList{"2.02 Ncm", "4 Ncm", "2 ; 0"} << QPointF(4700, 3360) << 0 << none;
    QTest::newRow("and so does a left press after it")
        << 3 << right + Script{Qt::RightButton, Qt::LeftButton} << true << 2 << w + w + w << Number(w)
        << QStringList{"2.02 Ncm", "6 Ncm", "2 ; 0"} << QPointF(4700, 3360) << 2 << fromRight;
    // The old end is the start of segment 1, not where the right press was.
    QTest::newRow("a left press after a right one draws from the last start")
        << 0 << atOrigin + Script{QPoint(4695, 3360), Qt::RightButton, QPoint(1500, 1500), Qt::LeftButton} << true << 2
        << 0.0f << reset << QStringList{"0 Ncm", "0 Ncm", "-2.8 ; 2.8"} << QPointF(4700, 3360) << 2
        << QList<int>{13143, 8600, 14914, 12986};
    // Tracing goes on, to 5010: 1650 / 665 = 2.48 Ncm.
    QTest::newRow("a middle press only adds the work")
        << 3 << atOrigin + Script{QPoint(4695, 3360), Qt::MiddleButton, QPoint(5010, 3360)} << true << 1 << w
        << Number(1650.0f / 665.0f) << QStringList{"2.48 Ncm", "2 Ncm", "2.5 ; 0"} << QPointF(5010, 3360) << 0 << none;
    // 3225 snaps to 3220: -140 / 665 = -0.21 Ncm.
    QTest::newRow("a negative total is rounded down")
        << 3 << atOrigin + Script{QPoint(3225, 3360), Qt::RightButton} << false << 1 << -140.0f / 665.0f
        << Number(-140.0f / 665.0f) << QStringList{"-0.21 Ncm", "-1 Ncm", "-0.2 ; 0"} << QPointF(3220, 3360) << 0
        << none;
    QTest::newRow("the coordinate system runs no model")
        << 0 << atOrigin + Script{QPoint(4695, 3360), Qt::LeftButton} << true << 2 << 0.0f << reset
        << QStringList{"0 Ncm", "0 Ncm", "2 ; 0"} << QPointF(4700, 3360) << 2 << fromRight;
    // Inside the number label's rectangle of 735 x 255 twips.
    QTest::newRow("number labels let the mouse through")
        << 0 << Script{QPoint(1500, 1500), Qt::LeftButton, QPoint(1800, 1650), Qt::LeftButton} << true << 2 << 0.0f
        << reset << QStringList{"0 Ncm", "0 Ncm", "-2.35 ; 2.6"} << QPointF(1800, 1650) << 2
        << QList<int>{13786, 8900, 13143, 8557};
}

void TestTracing::pressesAndMovements()
{
    QFETCH(int, field);
    QFETCH(Script, script);
    QFETCH(bool, tracing);
    QFETCH(int, segments);
    QFETCH(float, total);
    QFETCH(Number, work);
    QFETCH(QStringList, captions);
    QFETCH(QPointF, firstEnd);
    QFETCH(int, diagramLines);
    QFETCH(QList<int>, ground);
    if (field != 0) // the window opens with the coordinate system
        QVERIFY(fixture::choose(f(), field));
    QPoint at;
    for (const Step& step : script) {
        if (const auto* to = std::get_if<QPoint>(&step)) {
            at = *to;
            fixture::moveTo(f(), at.x(), at.y());
        } else {
            fixture::press(f(), std::get<Qt::MouseButton>(step), at.x(), at.y());
        }
    }

    QCOMPARE(f().state().zeichnen, tracing);
    QCOMPARE(int(f().state().lnr), segments);
    QCOMPARE(f().state().summe, total);
    QCOMPARE((QStringList{f().Label1->text(), f().Label2->text(), f().Imagefeld(field)->toolTip()}), captions);
    // The type decides the read-out's digits. 3360 snaps to 33.6 * 100, a little below 3360
    // in single precision: ends and work compare to single precision, not exactly.
    QCOMPARE(f().state().arbeit.index(), work.index());
    QCOMPARE(float(numbers::toDouble(f().state().arbeit)), float(numbers::toDouble(work)));
    QCOMPARE(f().Line1->properties(1).X2, float(firstEnd.x()));
    QCOMPARE(f().Line1->properties(1).Y2, float(firstEnd.y()));
    const QString number = QString::number(segments);
    QCOMPARE(f().Labelin->text(), number);
    QCOMPARE(f().Labellnr->properties(segments).Caption, number);
    QCOMPARE(f().Labeln(0)->text(), QString::number(segments - 1));
    const auto& lines = f().Picture1->drawnLines();
    QCOMPARE(int(lines.size()), diagramLines);
    QCOMPARE(lines.empty() ? QList<int>{} : hundredths(lines.back().line), ground);
}

void TestTracing::segmentsMaskWhatLiesBeneath_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("resized");
    QTest::newRow("the newest segment, drawn as it follows the pointer") << 1 << false;
    QTest::newRow("a finished segment") << 2 << false;
    QTest::newRow("a finished segment after the window was made smaller and larger again") << 2 << true;
}

// Each pixel a segment covers becomes the bitwise AND of the pen colour (C0 red) and what
// lies beneath, here the vortex field's picture, the one field picture below the segments.
// The segment runs along y = 100 pixels from x = 100 to 333, each end under its number.
void TestTracing::segmentsMaskWhatLiesBeneath()
{
    QFETCH(int, presses);
    QFETCH(bool, resized);
    QVERIFY(fixture::choose(f(), 7));
    const QImage beneath = fixture::pixelsOf(&f());
    fixture::pressLeftAt(f(), 1500, 1500);
    fixture::moveTo(f(), 5000, 1500);
    if (presses == 2)
        fixture::press(f(), Qt::LeftButton, 5000, 1500);
    if (resized) {
        const QSize size = f().size();
        f().resize(size / 2);
        QVERIFY(QTest::qWaitForWindowExposed(&f()));
        f().resize(size);
    }
    const QImage drawn = fixture::pixelsOf(&f());
    const int ratio = qRound(drawn.devicePixelRatio());
    const QRgb pen = qRgb(0xC0, 0, 0);
    for (int x = 160 * ratio; x < 320 * ratio; ++x) {
        int masked = 0;
        for (int y = 90 * ratio; y < 110 * ratio; ++y) {
            if (drawn.pixel(x, y) == (beneath.pixel(x, y) & pen))
                ++masked;
            else
                QCOMPARE(drawn.pixel(x, y), beneath.pixel(x, y));
        }
        QVERIFY2(masked >= 2 * ratio, qPrintable(QStringLiteral("column %1: %2 pixels").arg(x).arg(masked)));
    }
}

// On a screen of another pixel ratio every segment and number is drawn anew at once, some
// of them in another thread; back again, they are drawn anew once more, exactly as they were.
void TestTracing::segmentsDrawnAnewOnAnotherScreen()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2 || screens[0]->devicePixelRatio() == screens[1]->devicePixelRatio())
        QSKIP("needs a second screen of another pixel ratio");
    QVERIFY(fixture::choose(f(), 7));
    const QImage bare = fixture::pixelsOf(&f());
    fixture::pressLeftAt(f(), 1500, 1500);
    for (const QPoint twips : {QPoint(5000, 1500), QPoint(5000, 4000), QPoint(1500, 4000)})
        fixture::pressLeftAt(f(), twips.x(), twips.y());
    const QImage traced = fixture::pixelsOf(&f());
    const QPoint home = f().pos();

    f().move(screens[1]->geometry().topLeft());
    QVERIFY(QTest::qWaitFor([this, &screens] { return f().screen() == screens[1]; }));
    const QImage there = fixture::pixelsOf(&f());
    QCOMPARE(there.devicePixelRatio(), screens[1]->devicePixelRatio());
    f().move(home);
    QVERIFY(QTest::qWaitFor([this, &screens] { return f().screen() == screens[0]; }));
    QCOMPARE(fixture::pixelsOf(&f()), traced);
    QVERIFY(traced != bare);
}

void TestTracing::hoverTextFollowsThePointerWhileShown()
{
    fixture::moveTo(f(), 1500, 1500);
    QHelpEvent hover(QEvent::ToolTip, fixture::pixelAt(1500, 1500), f().mapToGlobal(fixture::pixelAt(1500, 1500)));
    QApplication::sendEvent(f().Imagefeld(0), &hover);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("-2.8 ; 2.8"));
    fixture::moveTo(f(), 3360, 3360);
    QCOMPARE(QToolTip::text(), QStringLiteral("0 ; 0"));
    QToolTip::hideText();
}

void TestTracing::movementAfterAnEraseLeavesTheTemplateHidden()
{
    fixture::pressLeftAt(f(), 1500, 1500);
    fixture::moveTo(f(), 3000, 3000);
    QTest::mouseClick(f().Commandloschen, Qt::LeftButton);
    QVERIFY(f().state().zeichnen);
    fixture::moveTo(f(), 4500, 4500);
    QCOMPARE(f().state().lnr, int16_t{0});
    QVERIFY(!f().Line1->properties(0).Visible);
    QCOMPARE(f().Line1->properties(0).X2, 600.0f);
    QCOMPARE(f().Line1->count(), 1);
    fixture::press(f(), Qt::LeftButton, 4500, 4500);
    QCOMPARE(f().Labellnr->properties(1).Caption, QStringLiteral("1"));
}

void TestTracing::diagramOfASegmentAlongTheXAxis()
{
    fixture::pressLeftAt(f(), 3360, 3360);
    fixture::moveTo(f(), 6690, 3360);
    const QImage before = fixture::pixelsOf(f().Picture1);
    fixture::press(f(), Qt::LeftButton, 6690, 3360);

    const auto& lines = f().Picture1->drawnLines();
    QCOMPARE(lines.size(), size_t{2});
    QCOMPARE(hundredths(lines[0].line), (QList<int>{26014, 13086, 14914, 12986}));
    QCOMPARE(lines[0].color, QColor(Qt::red));
    QCOMPARE(hundredths(lines[1].line), (QList<int>{26014, 13000, 14914, 12986}));
    QCOMPARE(lines[1].color, QColor(Qt::black));

    // What changed on screen lies along the two lines, and the work line shows in red.
    const QImage after = fixture::pixelsOf(f().Picture1);
    const double ratio = after.devicePixelRatio(); // the box in the screen's own pixels
    int changed = 0, red = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) == before.pixel(x, y))
                continue;
            ++changed;
            const double px = x / ratio, py = y / ratio;
            QVERIFY2(px >= 148 && px <= 263 && py >= 128 && py <= 132,
                     qPrintable(QStringLiteral("%1,%2").arg(px).arg(py)));
            red += after.pixel(x, y) == qRgb(255, 0, 0);
        }
    // The ground line runs along the diagram's own black axis; the work line climbs one
    // pixel above it in red.
    QVERIFY2(changed > 30, qPrintable(QString::number(changed)));
    QVERIFY2(red > 30, qPrintable(QString::number(red)));
}

void TestTracing::noSegmentBeyondTheLast()
{
    QVERIFY(fixture::choose(f(), 3));
    fixture::moveTo(f(), 3360, 3360);
    for (int n = 1; n <= 32767; ++n)
        fixture::press(f(), Qt::LeftButton, 3360, 3360);
    QCOMPARE(f().state().lnr, int16_t{32767});
    QCOMPARE(f().Labelin->text(), QStringLiteral("32767"));
    fixture::moveTo(f(), 4695, 3360);
    const float summe = f().state().summe;
    const size_t drawn = f().Picture1->drawnLines().size();

    fixture::press(f(), Qt::LeftButton, 4695, 3360);
    QCOMPARE(f().state().lnr, int16_t{32767});
    QCOMPARE(f().state().summe, summe);
    QCOMPARE(f().Picture1->drawnLines().size(), drawn);
    QCOMPARE(f().Labeln(0)->text(), QStringLiteral("32766"));
    QCOMPARE(f().Line1->count(), 32768);

    // Tracing goes on with the newest segment.
    fixture::moveTo(f(), 5010, 3360);
    QCOMPARE(f().Line1->properties(32767).X2, 5010.0f);
    QCOMPARE(f().Label1->text(), QStringLiteral("2.48 Ncm")); // 1650 / 665

    // Erasing frees every segment; the sanitizers' run checks that nothing leaks.
    QTest::mouseClick(f().Commandloschen, Qt::LeftButton);
    QCOMPARE(f().Line1->count(), 1);
    QCOMPARE(f().Labellnr->count(), 1);
    QCOMPARE(f().Line1->end(), 1);
    fixture::press(f(), Qt::LeftButton, 5010, 3360);
    QCOMPARE(f().Labellnr->properties(1).Caption, QStringLiteral("1"));
}

QTEST_MAIN(TestTracing)
#include "test_tracing.moc"

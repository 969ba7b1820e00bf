#include "window_fixture.h"

#include <QApplication>

// "Linien löschen" erases the path and its work; "Energie" shows or hides the diagram.
class TestButtons : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void eraseBeforeAnySegment();
    void eraseAfterThreeSegments();
    void eraseWhileTracingKeepsTracingOn();
    void eraseKeepsTheChosenField();
    void eraseClearsAHiddenDiagram();
    void energieFlipsTheDiagram();
    void eraseButtonIgnoresTypedCharacters();

private:
    void traceThreeSegments();
    void checkErased();
    Formfeld1& f() { return *form; }
    std::unique_ptr<Formfeld1> form;
};

void TestButtons::init()
{
    form = fixture::open();
    QVERIFY(form);
}

void TestButtons::cleanup()
{
    form.reset();
}

void TestButtons::traceThreeSegments()
{
    QVERIFY(fixture::choose(f(), 3));
    fixture::pressLeftAt(f(), 3360, 3360);
    fixture::pressLeftAt(f(), 4695, 3360);
    fixture::pressLeftAt(f(), 4695, 4695);
    fixture::moveTo(f(), 6030, 4695);
    QCOMPARE(f().state().lnr, int16_t{3});
    QVERIFY(!f().Picture1->drawnLines().empty());
}

void TestButtons::checkErased()
{
    QCOMPARE(f().state().lnr, int16_t{0});
    QCOMPARE(f().Line1->count(), 1);
    QCOMPARE(f().Labellnr->count(), 1);
    QVERIFY(!f().Line1->properties(0).Visible);
    QCOMPARE(f().Labelin->text(), QStringLiteral("1"));
    for (int16_t i = 1; i <= 4; ++i)
        QCOMPARE(f().Labeln(i)->text(), QStringLiteral("1"));
    QCOMPARE(f().Labeln(0)->text(), QStringLiteral("0"));
    QCOMPARE(f().Labeln(5)->text(), QStringLiteral("1"));
    QVERIFY(std::holds_alternative<int16_t>(f().state().arbeit));
    QCOMPARE(f().state().summe, 0.0f);
    QCOMPARE(f().Label1->text(), QStringLiteral("0 Ncm"));
    QCOMPARE(f().Label2->text(), QStringLiteral("0 Ncm"));
    QVERIFY(f().Picture1->drawnLines().empty());
}

void TestButtons::eraseBeforeAnySegment()
{
    const QImage axes = fixture::pixelsOf(f().Picture1);
    QTest::mouseClick(f().Commandloschen, Qt::LeftButton);
    checkErased();
    QCOMPARE(fixture::pixelsOf(f().Picture1), axes);
}

void TestButtons::eraseAfterThreeSegments()
{
    const QImage axes = fixture::pixelsOf(f().Picture1);
    traceThreeSegments();
    QTest::mouseClick(f().Commandloschen, Qt::LeftButton);
    checkErased();
    for (int16_t i = 1; i <= 3; ++i) {
        QVERIFY(!f().Line1->isLoaded(i));
        QVERIFY(!f().Labellnr->isLoaded(i));
    }
    QCOMPARE(fixture::pixelsOf(f().Picture1), axes);

    fixture::pressLeftAt(f(), 1500, 1500);
    QVERIFY(f().Line1->isLoaded(1));
    QCOMPARE(f().Labellnr->properties(1).Caption, QStringLiteral("1"));
    QCOMPARE(f().Labeln(0)->text(), QStringLiteral("0"));
}

void TestButtons::eraseWhileTracingKeepsTracingOn()
{
    traceThreeSegments();
    QTest::mouseClick(f().Commandloschen, Qt::LeftButton);
    QVERIFY(f().state().zeichnen);
    QCOMPARE(f().state().lnr, int16_t{0});
    QCOMPARE(f().state().xstart, 4700.0f); // the start of the last segment stays
}

void TestButtons::eraseKeepsTheChosenField()
{
    QVERIFY(fixture::choose(f(), 5));
    QTest::mouseClick(f().Commandloschen, Qt::LeftButton);
    QCOMPARE(int(f().state().feldnr), 5);
    QCOMPARE(fixture::visibleIndex(f().Imagefeld), 5);
    QCOMPARE(fixture::visibleIndex(f().Imageformel), 5);
    QVERIFY(!f().Shapekugel(0)->isHidden());
    QVERIFY(!f().Label3->isHidden());
}

void TestButtons::eraseClearsAHiddenDiagram()
{
    const QImage axes = fixture::pixelsOf(f().Picture1);
    traceThreeSegments();
    QTest::mouseClick(f().Command1, Qt::LeftButton);
    QVERIFY(f().Picture1->isHidden());
    QTest::mouseClick(f().Commandloschen, Qt::LeftButton);
    QVERIFY(f().Picture1->isHidden());
    QTest::mouseClick(f().Command1, Qt::LeftButton);
    QVERIFY(!f().Picture1->isHidden());
    QCOMPARE(fixture::pixelsOf(f().Picture1), axes);
}

void TestButtons::energieFlipsTheDiagram()
{
    traceThreeSegments();
    const QImage diagram = fixture::pixelsOf(f().Picture1);
    const auto drawn = f().Picture1->drawnLines().size();
    const QString total = f().Label2->text();
    QTest::mouseClick(f().Command1, Qt::LeftButton);
    QVERIFY(f().Picture1->isHidden());
    QTest::mouseClick(f().Command1, Qt::LeftButton);
    QVERIFY(!f().Picture1->isHidden());
    QCOMPARE(fixture::pixelsOf(f().Picture1), diagram);
    QCOMPARE(f().Picture1->drawnLines().size(), drawn);
    QCOMPARE(f().Label2->text(), total);
    QCOMPARE(f().state().lnr, int16_t{3});
}

void TestButtons::eraseButtonIgnoresTypedCharacters()
{
    traceThreeSegments();
    f().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f()));
    f().Commandloschen->setFocus();
    QTest::keyClicks(f().Commandloschen, QStringLiteral("x1-\r"));
    QCOMPARE(f().state().lnr, int16_t{3});
    // Space is the button's own key: it presses the button.
    QTest::keyClick(f().Commandloschen, Qt::Key_Space);
    QCOMPARE(f().state().lnr, int16_t{0});
}

QTEST_MAIN(TestButtons)
#include "test_buttons.moc"

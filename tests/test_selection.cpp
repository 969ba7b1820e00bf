#include "app/qt_german.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

// Choosing a field with the mouse, and the list refusing the keyboard.
class TestSelection : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void eachEntryShowsItsPictures_data();
    void eachEntryShowsItsPictures();
    void circlesFollowTheField();
    void firstChoiceOfTheShownEntryRunsToo();
    void originSquareIsDeadForTracing_data();
    void originSquareIsDeadForTracing();
    void choosingKeepsTheTracedPath();
    void keysChangeNothing_data();
    void keysChangeNothing();
    void keysInTheOpenListChangeNothing();
    void tabMovesTheFocusOn();
    void contextMenuSpeaksGerman_data();
    void contextMenuSpeaksGerman();

private:
    void checkCircles(bool sphere, bool cylinder, uint32_t cylinderColour);
    Formfeld1& f() { return *form; }
    std::unique_ptr<Formfeld1> form;
};

void TestSelection::init()
{
    form = fixture::open();
    QVERIFY(form);
}

void TestSelection::cleanup()
{
    form.reset();
}

void TestSelection::checkCircles(bool sphere, bool cylinder, uint32_t cylinderColour)
{
    for (int16_t i = 0; i < 6; ++i)
        QCOMPARE(!f().Shapekugel(i)->isHidden(), sphere);
    for (int16_t i = 0; i < 3; ++i) {
        QCOMPARE(!f().Shapezylinder(i)->isHidden(), cylinder);
        QCOMPARE(f().Shapezylinder(i)->borderColor(), units::fromBgr(cylinderColour));
    }
    QCOMPARE(!f().Label3->isHidden(), sphere || cylinder);
}

void TestSelection::eachEntryShowsItsPictures_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("sphere");
    QTest::addColumn<bool>("cylinder");
    QTest::addColumn<uint>("colour");
    constexpr uint lightGreen = 0x80FF80, blue = 0xFF0000;
    QTest::newRow("0 Koordinatensystem") << 0 << false << false << lightGreen;
    QTest::newRow("1 homogeneous -y") << 1 << false << false << lightGreen;
    QTest::newRow("2 homogeneous xy") << 2 << false << false << lightGreen;
    QTest::newRow("3 homogeneous -x") << 3 << false << false << lightGreen;
    QTest::newRow("4 cylinder") << 4 << false << true << lightGreen;
    QTest::newRow("5 sphere") << 5 << true << false << lightGreen;
    QTest::newRow("6 flow") << 6 << false << false << lightGreen;
    QTest::newRow("7 vortex") << 7 << false << true << blue;
}

void TestSelection::eachEntryShowsItsPictures()
{
    QFETCH(int, entry);
    QFETCH(bool, sphere);
    QFETCH(bool, cylinder);
    QFETCH(uint, colour);
    // Start from another entry, so that every row changes what is shown.
    QVERIFY(fixture::choose(f(), entry == 5 ? 7 : 5));
    QVERIFY(fixture::choose(f(), entry));
    QCOMPARE(fixture::visibleIndex(f().Imagefeld), entry);
    QCOMPARE(fixture::visibleIndex(f().Imageformel), entry);
    QCOMPARE(f().Imageformel(0)->picture(), nullptr); // entry 0 shows no formula
    checkCircles(sphere, cylinder, colour);
    QCOMPARE(f().Label1->text(), QStringLiteral("0 Ncm"));
    QVERIFY(std::holds_alternative<int16_t>(f().state().arbeit));
    QCOMPARE(f().state().summe, 0.0f);
}

void TestSelection::circlesFollowTheField()
{
    QVERIFY(fixture::choose(f(), 5));
    checkCircles(true, false, 0x80FF80);
    QVERIFY(fixture::choose(f(), 4));
    checkCircles(false, true, 0x80FF80);
    QVERIFY(fixture::choose(f(), 7));
    checkCircles(false, true, 0xFF0000);
    QVERIFY(fixture::choose(f(), 4));
    checkCircles(false, true, 0x80FF80);
    for (int entry : {0, 1, 2, 3, 6}) {
        QVERIFY(fixture::choose(f(), 7));
        QVERIFY(fixture::choose(f(), entry));
        checkCircles(false, false, 0x80FF80);
    }
}

void TestSelection::firstChoiceOfTheShownEntryRunsToo()
{
    // Until a choice, two cylinder circles keep their design-time green; any choice,
    // even of the entry already shown, gives them the colour of its field.
    QCOMPARE(f().Shapezylinder(2)->borderColor(), units::fromBgr(0x00C000));
    QVERIFY(fixture::choose(f(), 0));
    checkCircles(false, false, 0x80FF80);
}

void TestSelection::originSquareIsDeadForTracing_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("dead");
    QTest::newRow("cylinder") << 4 << true;
    QTest::newRow("sphere") << 5 << true;
    QTest::newRow("vortex") << 7 << true;
    QTest::newRow("flow") << 6 << false;
}

void TestSelection::originSquareIsDeadForTracing()
{
    QFETCH(int, entry);
    QFETCH(bool, dead);
    QVERIFY(fixture::choose(f(), entry));
    fixture::moveTo(f(), 4500, 4500);
    const QString hover = f().Imagefeld(int16_t(entry))->toolTip();
    fixture::pressLeftAt(f(), 3360, 3360);
    if (dead) {
        QCOMPARE(f().state().lnr, int16_t{0});
        QCOMPARE(f().Imagefeld(int16_t(entry))->toolTip(), hover);
        QCOMPARE(f().state().xpos, 4500.0f);
    } else {
        QCOMPARE(f().state().lnr, int16_t{1});
        QCOMPARE(f().state().xstart, 3360.0f);
        QCOMPARE(f().Imagefeld(int16_t(entry))->toolTip(), QStringLiteral("0 ; 0"));
    }
}

void TestSelection::choosingKeepsTheTracedPath()
{
    QVERIFY(fixture::choose(f(), 3));
    fixture::pressLeftAt(f(), 3360, 3360);
    fixture::moveTo(f(), 4695, 3360); // 1340 / 665 = 2.015 Ncm
    fixture::pressLeftAt(f(), 4695, 3360);
    fixture::moveTo(f(), 6030, 3360);
    QCOMPARE(f().Label2->text(), QStringLiteral("2 Ncm"));

    QVERIFY(fixture::choose(f(), 1));
    QCOMPARE(f().Label1->text(), QStringLiteral("0 Ncm"));
    QCOMPARE(f().Label2->text(), QStringLiteral("2 Ncm"));
    QCOMPARE(f().state().lnr, int16_t{2});
    QVERIFY(f().state().zeichnen);
    QCOMPARE(f().Labellnr->properties(2).Caption, QStringLiteral("2"));
    QCOMPARE(f().Labelin->text(), QStringLiteral("2"));

    // The open segment is now measured in the new field, and the total starts again.
    fixture::moveTo(f(), 4695, 2025);
    QCOMPARE(f().Label1->text(), QStringLiteral("2.02 Ncm")); // up 1340 twips
    fixture::press(f(), Qt::LeftButton, 4695, 2025);
    QCOMPARE(f().state().lnr, int16_t{3});
    QCOMPARE(f().Labellnr->properties(3).Caption, QStringLiteral("3"));
    QCOMPARE(f().Label2->text(), QStringLiteral("2 Ncm"));
    QCOMPARE(f().state().summe, 1340.0f / 665.0f);
}

void TestSelection::keysChangeNothing_data()
{
    QTest::addColumn<QKeyCombination>("key");
    QTest::newRow("letter") << QKeyCombination(Qt::Key_A);
    QTest::newRow("digit") << QKeyCombination(Qt::Key_5);
    QTest::newRow("up") << QKeyCombination(Qt::Key_Up);
    QTest::newRow("down") << QKeyCombination(Qt::Key_Down);
    QTest::newRow("left") << QKeyCombination(Qt::Key_Left);
    QTest::newRow("home") << QKeyCombination(Qt::Key_Home);
    QTest::newRow("end") << QKeyCombination(Qt::Key_End);
    QTest::newRow("page up") << QKeyCombination(Qt::Key_PageUp);
    QTest::newRow("page down") << QKeyCombination(Qt::Key_PageDown);
    QTest::newRow("alt+down") << (Qt::AltModifier | Qt::Key_Down);
    QTest::newRow("f4") << QKeyCombination(Qt::Key_F4);
    QTest::newRow("delete") << QKeyCombination(Qt::Key_Delete);
    QTest::newRow("backspace") << QKeyCombination(Qt::Key_Backspace);
    QTest::newRow("ctrl+v") << (Qt::ControlModifier | Qt::Key_V);
    QTest::newRow("ctrl+x") << (Qt::ControlModifier | Qt::Key_X);
    QTest::newRow("shift+insert") << (Qt::ShiftModifier | Qt::Key_Insert);
    QTest::newRow("space") << QKeyCombination(Qt::Key_Space);
    QTest::newRow("return") << QKeyCombination(Qt::Key_Return);
}

void TestSelection::keysChangeNothing()
{
    QFETCH(QKeyCombination, key);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QVERIFY(fixture::choose(f(), 2));
    f().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f()));
    f().Combo1->setFocus();
    QVERIFY(f().Combo1->hasFocus());
    f().Combo1->lineEdit()->selectAll();

    QTest::keyClick(f().Combo1, key.key(), key.keyboardModifiers());
    QCOMPARE(f().Combo1->currentIndex(), 2);
    QCOMPARE(f().Combo1->currentText(), QStringLiteral("Homogenes Feld in xy-Richtung (45°)"));
    QVERIFY(!f().Combo1->view()->isVisible());
    QCOMPARE(int(f().state().feldnr), 2);
}

void TestSelection::keysInTheOpenListChangeNothing()
{
    QVERIFY(fixture::choose(f(), 2));
    fixture::pressLeftAt(f(), 3360, 3360);
    fixture::moveTo(f(), 4695, 3360);
    const QString shown = f().Label1->text();
    QComboBox* combo = f().Combo1;
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QVERIFY(combo->view()->isVisible());
    QCOMPARE(combo->currentIndex(), 2);
    QCOMPARE(int(f().state().feldnr), 2);
    QCOMPARE(f().Label1->text(), shown); // no choice was made, so nothing was reset
    combo->hidePopup();
}

void TestSelection::tabMovesTheFocusOn()
{
    f().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f()));
    f().Combo1->setFocus();
    QTest::keyClick(f().Combo1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f().Picture1);
    QTest::keyClick(f().Picture1, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), f().Combo1);
}

void TestSelection::contextMenuSpeaksGerman_data()
{
    QTest::addColumn<QContextMenuEvent::Reason>("reason");
    QTest::newRow("right button") << QContextMenuEvent::Mouse;
    QTest::newRow("menu key") << QContextMenuEvent::Keyboard;
}

// Qt's own menu on the list's text field, in German like the rest of the window.
void TestSelection::contextMenuSpeaksGerman()
{
    QFETCH(QContextMenuEvent::Reason, reason);
    loadQtGerman(*qApp);
    QLineEdit* field = f().Combo1->lineEdit();
    QContextMenuEvent request(reason, field->rect().center(), field->mapToGlobal(field->rect().center()));
    QApplication::sendEvent(field, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList shown;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            shown << action->text();
    menu->close();
    QCOMPARE(shown, (QStringList{QStringLiteral("&Kopieren\tStrg+C"), QStringLiteral("Alles auswählen\tStrg+A")}));
}

QTEST_MAIN(TestSelection)
#include "test_selection.moc"

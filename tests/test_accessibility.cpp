#include "window_fixture.h"

#include <QAccessible>

// What the window tells assistive technology, read through Qt's accessibility interfaces.
class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyControlHasAName();
    void controlsSayWhatTheyDo();
    void readoutsAnnounceTheirLiveText();
    void fieldPicturesAnnounceTheirHoverText();
    void segmentNumbersAreLabels();

private:
    std::unique_ptr<Formfeld1> form;
};

namespace {

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject* object)
{
    return accessible(object)->text(QAccessible::Name);
}

QString descriptionOf(QObject* object)
{
    return accessible(object)->text(QAccessible::Description);
}

} // namespace

void TestAccessibility::init()
{
    form = std::make_unique<Formfeld1>();
}

void TestAccessibility::cleanup()
{
    form.reset();
}

void TestAccessibility::everyControlHasAName()
{
    QCOMPARE(nameOf(form.get()), QStringLiteral("Arbeit im Kraftfeld"));
    QCOMPARE(form->windowTitle(), QStringLiteral(" "));
    QAccessibleInterface* window = accessible(form.get());
    QCOMPARE(window->childCount(), form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size());
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* control = window->child(i);
        QVERIFY2(!control->text(QAccessible::Name).isEmpty(), qPrintable(control->object()->objectName()));
    }
}

void TestAccessibility::controlsSayWhatTheyDo()
{
    const QList<QWidget*> controls{form->Command1, form->Commandloschen, form->Combo1,   form->Picture1,
                                   form->Image1,   form->Image2,         form->Label1,   form->Label2,
                                   form->Labelin,  form->Labeln(0),      form->Labeln(5)};
    for (QWidget* control : controls)
        QVERIFY2(!descriptionOf(control).isEmpty(), qPrintable(control->objectName()));
    QCOMPARE(nameOf(form->Command1), QStringLiteral("Energie"));
    QCOMPARE(nameOf(form->Commandloschen), QStringLiteral("Linien löschen"));
    QCOMPARE(accessible(form->Command1)->role(), QAccessible::Button);
    QCOMPARE(accessible(form->Combo1)->role(), QAccessible::ComboBox);
    // Pictures are announced as pictures, not as empty panels.
    for (QWidget* picture : {static_cast<QWidget*>(form->Picture1), static_cast<QWidget*>(form->Image1),
                             static_cast<QWidget*>(form->Imagefeld(3)), static_cast<QWidget*>(form->Imageformel(3)),
                             static_cast<QWidget*>(form->Shapekugel(0)), static_cast<QWidget*>(form->Line1)})
        QCOMPARE(accessible(picture)->role(), QAccessible::Graphic);
    // The texts on screen stay as they are.
    QCOMPARE(form->Command1->text(), QStringLiteral("Energie"));
    QCOMPARE(form->Combo1->currentText(), QStringLiteral("Koordinatensystem"));
}

void TestAccessibility::readoutsAnnounceTheirLiveText()
{
    QCOMPARE(nameOf(form->Label1), QStringLiteral("0 Ncm"));
    QCOMPARE(nameOf(form->Labeln(0)), QStringLiteral("n-1"));
    QVERIFY(fixture::show(*form));
    QVERIFY(fixture::choose(*form, 1));
    fixture::pressLeftAt(*form, 3360, 4500);
    fixture::moveTo(*form, 3360, 1500);
    QCOMPARE(nameOf(form->Label1), form->Label1->text());
    QVERIFY(nameOf(form->Label1) != QStringLiteral("0 Ncm"));
    fixture::press(*form, Qt::LeftButton, 3360, 1500);
    QCOMPARE(nameOf(form->Label2), form->Label2->text());
    QVERIFY(nameOf(form->Label2) != QStringLiteral("0 Ncm"));
    QCOMPARE(nameOf(form->Labelin), QStringLiteral("2"));
    QCOMPARE(nameOf(form->Labeln(0)), QStringLiteral("1"));
    QCOMPARE(accessible(form->Label1)->role(), QAccessible::StaticText);
}

void TestAccessibility::fieldPicturesAnnounceTheirHoverText()
{
    QVERIFY(fixture::show(*form));
    for (int16_t entry : {0, 5}) {
        QVERIFY(fixture::choose(*form, entry));
        Image* picture = form->Imagefeld(entry);
        QCOMPARE(nameOf(picture), QStringLiteral("Feldbild: ") + form->Combo1->itemText(entry));
        fixture::moveTo(*form, 5025, 1860);
        QCOMPARE(descriptionOf(picture), picture->toolTip());
        QVERIFY(!picture->toolTip().isEmpty());
    }
}

void TestAccessibility::segmentNumbersAreLabels()
{
    QVERIFY(fixture::show(*form));
    const QPoint presses[] = {{1500, 1500}, {3000, 2010}, {4700, 3360}}; // twips, on the snapping grid
    for (QPoint at : presses)
        fixture::pressLeftAt(*form, at.x(), at.y());
    QAccessibleInterface* numbers = accessible(form->Labellnr);
    QCOMPARE(numbers->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* number = numbers->child(i);
        QVERIFY(number);
        QCOMPARE(number->role(), QAccessible::StaticText);
        QCOMPARE(number->text(QAccessible::Name), QString::number(i + 1));
        // The template's 735 x 255 twips, its top left corner where the segment starts.
        const QPoint corner = fixture::pixelAt(presses[i].x(), presses[i].y());
        QCOMPARE(number->rect(), QRect(form->mapToGlobal(corner), QSize(49, 17)));
        QCOMPARE(number->parent(), numbers);
        QCOMPARE(numbers->indexOfChild(number), i);
        QCOMPARE(numbers->child(i), number); // one node per number, as the bus addresses it
        QCOMPARE(numbers->childAt(number->rect().center().x(), number->rect().center().y()), number);
    }
    QTest::mouseClick(form->Commandloschen, Qt::LeftButton);
    QCOMPARE(numbers->childCount(), 0);
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"

#include "window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QProxyStyle>
#include <QStyleOptionButton>

#include <cmath>
#include <numbers>

using units::TwipsRect;

// The window as it starts: every control as the window's description gives it.
class TestWindowDesign : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controls_data();
    void controls();
    void stackingOrder();
    void colours();
    void circlesInTheirExactColour_data();
    void circlesInTheirExactColour();
    void fonts_data();
    void fonts();
    void captionsFitInsideTheStylesFrame();
    void listShowsItsTextWithNoEntryChosen();
    void windowSizeTitleAndPlace();
    void mouseRouting();
    void mousePositionReachesTheHandlerInTwips();
    void tabOrderAndInitialFocus();
    void stateStartsAtZero();
    void loadAndUnloadOfArrayElements();

private:
    std::unique_ptr<Formfeld1> form;
};

namespace {

struct Control {
    const char* name;
    const char* kind;
    TwipsRect twips;
    bool shown;
    const char* caption;
};

// Topmost first, as the windowless controls are stacked.
const Control design[] = {
    {"Command1", "QPushButton", {10740, 6420, 1035, 495}, true, "Energie"},
    {"Picture1", "PictureBox", {6900, 720, 4455, 4035}, true, nullptr},
    {"Combo1", "QComboBox", {6900, 60, 4515, 360}, true, "Koordinatensystem"},
    {"Commandloschen", "QPushButton", {10740, 7020, 1095, 495}, true, "Linien löschen"},
    {"Labellnr", "LabelArray", {7680, 7260, 735, 255}, false, "Label4"},
    {"Labeln(5)", "Label", {7860, 7020, 255, 255}, true, "1"},
    {"Labeln(3)", "Label", {7440, 6660, 375, 255}, true, "n"},
    {"Labeln(4)", "Label", {7920, 6240, 435, 255}, true, "n"},
    {"Labeln(2)", "Label", {7080, 6240, 375, 255}, true, "n"},
    {"Labeln(0)", "Label", {7560, 5880, 315, 255}, true, "n-1"},
    {"Labeln(1)", "Label", {7620, 5040, 255, 255}, true, "n"},
    {"Labelin", "Label", {7080, 5400, 255, 255}, true, "n"},
    {"Image2", "Image", {6900, 6120, 2175, 1155}, true, nullptr},
    {"Image1", "Image", {6900, 4800, 2415, 1275}, true, nullptr},
    {"Label1", "Label", {9240, 5280, 1335, 255}, true, "0 Ncm"},
    {"Imageformel(7)", "Image", {60, 6840, 3735, 735}, false, nullptr},
    {"Label3", "Label", {3290, 3290, 195, 195}, false, ""},
    {"Imageformel(6)", "Image", {60, 6900, 6915, 555}, false, nullptr},
    {"Imagefeld(6)", "Image", {0, 0, 6750, 6750}, false, nullptr},
    {"Label2", "Label", {9180, 6480, 1335, 255}, true, "0 Ncm"},
    {"Shapezylinder(2)", "Shape", {1561, 1561, 3613, 3613}, false, nullptr},
    {"Shapezylinder(1)", "Shape", {2703, 2703, 1329, 1329}, false, nullptr},
    {"Shapezylinder(0)", "Shape", {3123, 3123, 489, 489}, false, nullptr},
    {"Shapekugel(5)", "Shape", {2814, 2814, 1107, 1107}, false, nullptr},
    {"Shapekugel(4)", "Shape", {2703, 2703, 1329, 1329}, false, nullptr},
    {"Shapekugel(3)", "Shape", {2537, 2537, 1661, 1661}, false, nullptr},
    {"Shapekugel(2)", "Shape", {2260, 2260, 2215, 2215}, false, nullptr},
    {"Shapekugel(1)", "Shape", {1706, 1706, 3322, 3322}, false, nullptr},
    {"Shapekugel(0)", "Shape", {45, 45, 6645, 6645}, false, nullptr},
    {"Imageformel(5)", "Image", {0, 6840, 4575, 795}, false, nullptr},
    {"Imageformel(4)", "Image", {60, 6840, 3975, 735}, false, nullptr},
    {"Imageformel(3)", "Image", {60, 6840, 3135, 435}, false, nullptr},
    {"Imageformel(2)", "Image", {60, 6840, 5655, 495}, false, nullptr},
    {"Imageformel(1)", "Image", {60, 6840, 3795, 525}, false, nullptr},
    {"Imageformel(0)", "Image", {60, 6840, 4875, 735}, true, nullptr},
    {"Imagefeld(5)", "Image", {0, 0, 6750, 6750}, false, nullptr},
    {"Imagefeld(4)", "Image", {0, 0, 6750, 6750}, false, nullptr},
    {"Imagefeld(3)", "Image", {0, 0, 6750, 6750}, false, nullptr},
    {"Imagefeld(2)", "Image", {0, 0, 6750, 6750}, false, nullptr},
    {"Imagefeld(1)", "Image", {0, 0, 6750, 6750}, false, nullptr},
    {"Imagefeld(0)", "Image", {0, 0, 6750, 6750}, true, nullptr},
    {"Line1", "LineArray", {30, 6690, 600, 6300}, false, nullptr},
    {"Imagefeld(7)", "Image", {0, 0, 6750, 6750}, false, nullptr},
};

bool sameTwips(TwipsRect a, TwipsRect b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

TwipsRect twipsOf(QWidget* w)
{
    if (auto* label = qobject_cast<Label*>(w))
        return label->twipsRect();
    if (auto* image = qobject_cast<Image*>(w))
        return image->twipsRect();
    if (auto* shape = qobject_cast<Shape*>(w))
        return shape->twipsRect();
    if (auto* box = qobject_cast<PictureBox*>(w))
        return box->twipsRect();
    const QRect g = w->geometry();
    return {units::twips(g.x()), units::twips(g.y()), units::twips(g.width()), units::twips(g.height())};
}

} // namespace

void TestWindowDesign::init()
{
    form = fixture::open();
    QVERIFY(form);
}

void TestWindowDesign::cleanup()
{
    form.reset();
}

void TestWindowDesign::controls_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(design)); ++i)
        QTest::newRow(design[i].name) << i;
}

void TestWindowDesign::controls()
{
    QFETCH(int, row);
    const Control& c = design[row];
    auto* w = form->findChild<QWidget*>(QString::fromUtf8(c.name), Qt::FindDirectChildrenOnly);
    QVERIFY(w);
    QCOMPARE(w->metaObject()->className(), c.kind);

    if (auto* lines = qobject_cast<LineArray*>(w)) {
        const LineProperties& line = lines->properties(0);
        QCOMPARE(line.X1, c.twips.left);
        QCOMPARE(line.Y1, c.twips.top);
        QCOMPARE(line.X2, c.twips.width);
        QCOMPARE(line.Y2, c.twips.height);
        QCOMPARE(line.Visible, c.shown);
        return;
    }
    if (auto* labels = qobject_cast<LabelArray*>(w)) {
        const LabelProperties& label = labels->properties(0);
        QVERIFY(sameTwips({label.Left, label.Top, label.Width, label.Height}, c.twips));
        QCOMPARE(label.Visible, c.shown);
        QCOMPARE(label.Caption, QString::fromUtf8(c.caption));
        return;
    }
    QVERIFY(sameTwips(twipsOf(w), c.twips));
    QCOMPARE(w->geometry(), units::pixelGeometry(c.twips));
    QCOMPARE(!w->isHidden(), c.shown);
    if (!c.caption)
        return;
    const QString caption = QString::fromUtf8(c.caption);
    if (auto* label = qobject_cast<Label*>(w))
        QCOMPARE(label->text(), caption);
    else if (auto* button = qobject_cast<QPushButton*>(w))
        QCOMPARE(button->text(), caption);
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        QCOMPARE(combo->currentText(), caption);
}

void TestWindowDesign::stackingOrder()
{
    QStringList bottomUp;
    for (QObject* child : form->children())
        if (child->isWidgetType())
            bottomUp << child->objectName();
    QStringList expected;
    for (auto it = std::rbegin(design); it != std::rend(design); ++it)
        expected << QString::fromUtf8(it->name);
    QCOMPARE(bottomUp, expected);
}

void TestWindowDesign::colours()
{
    QCOMPARE(form->backgroundRole(), QPalette::ToolTipBase);
    QVERIFY(form->autoFillBackground());
    QCOMPARE(form->Line1->color(), units::fromBgr(0x0000C0));
    QCOMPARE(form->Line1->color(), QColor(0xC0, 0, 0)); // blue in the high byte: a dark red
    QCOMPARE(form->Line1->widthPixels(), 2);
    QCOMPARE(form->Picture1->foreColor(), units::fromBgr(0x0000FF));
    QCOMPARE(form->Picture1->backgroundRole(), QPalette::Base);
    QCOMPARE(form->Combo1->palette().color(QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(form->Shapezylinder(0)->borderColor(), units::fromBgr(0x80FF80));
    for (int16_t i : {1, 2})
        QCOMPARE(form->Shapezylinder(i)->borderColor(), units::fromBgr(0x00C000));
    for (int16_t i = 0; i < 6; ++i)
        QCOMPARE(form->Shapekugel(i)->borderColor(), units::fromBgr(0x00C000));
}

void TestWindowDesign::circlesInTheirExactColour_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("pixel ratio 1") << qreal(1);
    QTest::newRow("pixel ratio 2") << qreal(2);
}

// Each circle drawn alone: at 720 points of its ideal outline, which runs half a device
// pixel inside the shape's rectangle, a pixel within one device pixel must have the
// outline's exact colour. 99 % of the points must: nothing covers the outline here, but
// the snapped outline may stray a little further at a few points, where the control's
// whole pixels clip it; a smoothed outline fails by far (at ratio 1 it reaches the
// colour at about 1 % of the points, at ratio 2 at about 80 %).
void TestWindowDesign::circlesInTheirExactColour()
{
    QFETCH(qreal, ratio);
    constexpr int points = 720;
    for (const ControlArray<Shape>* array : {&form->Shapekugel, &form->Shapezylinder})
        for (int16_t i = 0; i < array->size(); ++i) {
            Shape* shape = (*array)(i);
            QImage image((QSizeF(shape->size()) * ratio).toSize(), QImage::Format_ARGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::transparent);
            shape->render(&image, {}, {}, {});
            const QColor colour = shape->borderColor();
            const units::TwipsRect t = shape->twipsRect();
            const QPointF centre =
                (units::pixels(QPointF(t.left + t.width / 2, t.top + t.height / 2)) - QPointF(shape->pos())) * ratio;
            const double radius = units::pixels(t.width) / 2 * ratio - 0.5;
            int exact = 0;
            for (int k = 0; k < points; ++k) {
                const double a = 2 * std::numbers::pi * k / points;
                const QPointF q = centre + radius * QPointF(std::cos(a), std::sin(a));
                const QPoint p(int(std::floor(q.x())), int(std::floor(q.y())));
                bool found = false;
                for (int dy = -1; dy <= 1 && !found; ++dy)
                    for (int dx = -1; dx <= 1 && !found; ++dx)
                        found =
                            image.rect().contains(p + QPoint(dx, dy)) && image.pixelColor(p + QPoint(dx, dy)) == colour;
                exact += found;
            }
            QVERIFY2(exact >= points * 99 / 100,
                     qPrintable(QStringLiteral("%1: %2 of %3 points").arg(shape->objectName()).arg(exact).arg(points)));
        }
}

void TestWindowDesign::fonts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<int>("weight");
    const auto row = [](const char* name, const QString& control, const char* family, int pixels, bool bold,
                        bool italic, QFont::Weight weight) {
        QTest::newRow(name) << control << QString::fromUtf8(family) << pixels << bold << italic << int(weight);
    };
    // "MS Sans Serif" at 8.25 and 9.75 pt, "Bookman Old Style" at 9.75 pt light italic.
    row("button", "Command1", "Liberation Sans", 11, true, false, QFont::Bold);
    row("other button", "Commandloschen", "Liberation Sans", 11, true, false, QFont::Bold);
    row("field list", "Combo1", "Liberation Sans", 13, true, false, QFont::Bold);
    row("segment read-out", "Label1", "Liberation Sans", 13, true, true, QFont::Bold);
    row("total read-out", "Label2", "Liberation Sans", 13, true, true, QFont::Bold);
    row("origin label", "Label3", "Liberation Sans", 11, false, false, QFont::Normal);
    row("segment numbers", "Labellnr", "Liberation Sans", 11, false, false, QFont::Normal);
    row("first index", "Labeln(0)", "URW Bookman", 13, false, true, QFont::Light);
    row("last index", "Labeln(5)", "URW Bookman", 13, false, true, QFont::Light);
    row("segment index", "Labelin", "URW Bookman", 13, false, true, QFont::Light);
}

// Each control asks for the face the program carries, by its own name, and gets that face
// itself, never a system font of the same or another name.
void TestWindowDesign::fonts()
{
    QFETCH(QString, control);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(int, weight);
    QWidget* w = form->findChild<QWidget*>(control);
    QVERIFY(w);
    const auto* array = qobject_cast<LabelArray*>(w);
    const QFont f = array ? array->labelFont() : w->font();
    QCOMPARE(f.family(), family);
    QCOMPARE(f.pixelSize(), pixels);
    QCOMPARE(f.bold(), bold);
    QCOMPARE(f.italic(), italic);
    QCOMPARE(int(f.weight()), weight);
    const QFontInfo shown(f);
    QCOMPARE(fixture::familyShown(f), family);
    QCOMPARE(shown.bold(), bold);
    QCOMPARE(shown.italic(), italic);
    QCOMPARE(int(shown.weight()), weight);
    // Each button's caption fits inside it.
    if (auto* b = qobject_cast<QPushButton*>(w))
        QVERIFY(b->fontMetrics().horizontalAdvance(b->text()) <= b->width() - 4);
}

// Windows' own style keeps 4 pixels each side of a button's caption, and cuts off what
// reaches beyond.
class WideButtonFrame : public QProxyStyle {
public:
    WideButtonFrame() : QProxyStyle(QStringLiteral("fusion")) {}
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override
    {
        if (element == SE_PushButtonContents)
            return option->rect.adjusted(4, 4, -4, -4);
        return QProxyStyle::subElementRect(element, option, widget);
    }
};

void TestWindowDesign::captionsFitInsideTheStylesFrame()
{
    form.reset();
    const QString before = QApplication::style()->name();
    QApplication::setStyle(new WideButtonFrame);
    form = fixture::open();
    for (auto* b : form->findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(b);
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
        QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) <= room.width(), qPrintable(b->text()));
    }
    form.reset();
    QApplication::setStyle(before);
    form = fixture::open();
}

void TestWindowDesign::listShowsItsTextWithNoEntryChosen()
{
    QComboBox* combo = form->Combo1;
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QStringLiteral("Koordinatensystem"));
    const QStringList entries = {"Koordinatensystem",
                                 "Homogenes Feld in -y-Richtung",
                                 "Homogenes Feld in xy-Richtung (45°)",
                                 "Homogenes Feld in -x-Richtung",
                                 "Zylinderfeld in der Ebene",
                                 "Kugelfeld in der Ebene",
                                 "Strömungsfeld",
                                 "Reines Wirbelfeld"};
    QCOMPARE(combo->count(), entries.size());
    for (int i = 0; i < entries.size(); ++i)
        QCOMPARE(combo->itemText(i), entries[i]);
}

void TestWindowDesign::windowSizeTitleAndPlace()
{
    QCOMPARE(form->size(), QSize(862, 560)); // 12930 x 8400 twips
    QCOMPARE(form->windowTitle(), QStringLiteral(" "));
    const QList<QSize> iconSizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    QCOMPARE(form->windowIcon().availableSizes(), iconSizes);
    const QRect screen = form->screen()->availableGeometry();
    QVERIFY(qAbs(form->frameGeometry().center().x() - screen.center().x()) <= 2);
    QVERIFY(qAbs(form->frameGeometry().center().y() - screen.center().y()) <= 2);
    // Sizable: nothing fixes its size.
    QVERIFY(form->minimumSize() != form->maximumSize());
}

void TestWindowDesign::mouseRouting()
{
    // Moves at the field picture's centre reach the shown field picture.
    fixture::moveTo(*form, 1000, 1000);
    fixture::moveTo(*form, 3360, 3360);
    QCOMPARE(form->Imagefeld(0)->toolTip(), QStringLiteral("0 ; 0"));

    // A shown circle lets the mouse through.
    form->Shapekugel(0)->show();
    fixture::moveTo(*form, 3700, 3360);
    QCOMPARE(form->Imagefeld(0)->toolTip(), QStringLiteral("0.5 ; 0"));

    // The caption-less, transparent origin label takes the mouse over its square.
    form->Label3->show();
    fixture::moveTo(*form, 3360, 3360);
    QCOMPARE(form->Imagefeld(0)->toolTip(), QStringLiteral("0.5 ; 0"));
    fixture::press(*form, Qt::LeftButton, 3360, 3360);
    QCOMPARE(form->state().lnr, int16_t{0});
    fixture::press(*form, Qt::LeftButton, 3700, 3360);
    QCOMPARE(form->state().lnr, int16_t{1});
}

void TestWindowDesign::mousePositionReachesTheHandlerInTwips()
{
    // Pixel (10, 20) is twips (150, 300): x = Round(-3210 / 3330, 2) * 5 = -4.8,
    // y = Round(3060 / 3320, 2) * 5 = 4.6.
    QTest::mouseMove(form->windowHandle(), QPoint(10, 20));
    QCOMPARE(form->Imagefeld(0)->toolTip(), QStringLiteral("-4.8 ; 4.6"));
    QCOMPARE(form->state().xpos, 150.0f);
    QCOMPARE(form->state().ypos, 300.0f);
    QCOMPARE(units::pixels(150.0), 10.0);
    QCOMPARE(units::twips(20), 300.0f);
    QCOMPARE(units::pixelGeometry({3290, 3290, 195, 195}), QRect(219, 219, 13, 13));
}

void TestWindowDesign::tabOrderAndInitialFocus()
{
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(QApplication::focusWidget(), form->Commandloschen);
    const QList<QWidget*> cycle = {form->Combo1, form->Picture1, form->Command1, form->Commandloschen, form->Combo1};
    for (QWidget* next : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next->objectName());
    }
}

void TestWindowDesign::stateStartsAtZero()
{
    const WindowState& s = form->state();
    for (float v : {s.xpos, s.ypos, s.xstart, s.ystart, s.xstartcm, s.ystartcm, s.summe})
        QCOMPARE(v, 0.0f);
    QVERIFY(std::holds_alternative<int16_t>(s.arbeit));
    QCOMPARE(std::get<int16_t>(s.arbeit), int16_t{0});
    QCOMPARE(s.lnr, int16_t{0});
    QCOMPARE(s.feldnr, uint8_t{0});
    QVERIFY(!s.zeichnen);
}

void TestWindowDesign::loadAndUnloadOfArrayElements()
{
    LineArray& lines = *form->Line1;
    lines.element(0).set(&LineProperties::Visible, true); // a loaded element starts hidden even from a shown template
    lines.load(1);
    QVERIFY(lines.isLoaded(1));
    QCOMPARE(lines.properties(1).X1, 30.0f);
    QCOMPARE(lines.properties(1).Y2, 6300.0f);
    QVERIFY(!lines.properties(1).Visible);

    lines.element(1).set(&LineProperties::X2, 5);
    lines.load(1); // already loaded: unchanged
    QCOMPARE(lines.properties(1).X2, 5.0f);
    lines.load(0);
    lines.load(-1);
    QCOMPARE(lines.count(), 2);

    lines.load(32767);
    QVERIFY(lines.isLoaded(32767));
    lines.unload(32767);
    lines.unload(1);
    lines.unload(0); // the design-time element stays
    QCOMPARE(lines.count(), 1);
    QVERIFY(lines.isLoaded(0));
    QCOMPARE(lines.end(), 1);

    LabelArray& labels = *form->Labellnr;
    labels.load(1);
    QCOMPARE(labels.properties(1).Caption, QStringLiteral("Label4"));
    QVERIFY(!labels.properties(1).Visible);
    labels.unload(1);
    QVERIFY(!labels.isLoaded(1));
}

QTEST_MAIN(TestWindowDesign)
#include "test_window_design.moc"

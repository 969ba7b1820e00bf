#include "app/event_codes.h"
#include "tracing/geometry.h"
#include "window_fixture.h"

#include <QGlyphRun>
#include <QTextLayout>

#include <cmath>

// The seven work models as the window runs them: the work stored in `arbeit` with its
// type, and the read-out beside the segment formula, under German and English settings.
class TestWorkModels : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void models_data();
    void models();
    void originKeepsTheLastValue_data();
    void originKeepsTheLastValue();
    void separatorHasAGlyph_data();
    void separatorHasAGlyph();

private:
    void startSegmentAt(float x, float y, bool fieldUnits);
    void run(int field, float y, float x);
    Image& shownField() const { return *form->Imagefeld(form->state().feldnr); }

    std::unique_ptr<Formfeld1> form;
};

namespace {

// A snapped position in twips that the window turns into `target`, as near as single
// precision gives it (-0.05 comes out as -0.049999997).
float twipsFor(float target, float (*convert)(float))
{
    for (int t = -1500; t < 9000; t += 10)
        if (std::abs(convert(float(t)) - target) < 1e-6f)
            return float(t);
    return NAN;
}

const QLocale german(QLocale::German, QLocale::Germany);
const QLocale english(QLocale::English, QLocale::UnitedKingdom);

// The first row of a label's pixels that holds a dark one: the tops of its digits and
// capitals.
int topInkRow(QWidget* label)
{
    const QImage pixels = fixture::pixelsOf(label);
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (qGray(pixels.pixel(x, y)) < 128)
                return y;
    return -1;
}

} // namespace

void TestWorkModels::init()
{
    form = std::make_unique<Formfeld1>();
    QVERIFY(fixture::show(*form));
}

void TestWorkModels::cleanup()
{
    form.reset();
    QLocale::setDefault(QLocale::c());
}

// A left press makes the point the segment start; the movement after it converts the start
// to field units. The shown field picture reports both to the window, wherever the
// origin's label would take the mouse.
void TestWorkModels::startSegmentAt(float x, float y, bool fieldUnits)
{
    QPointF p(x, y);
    if (fieldUnits)
        p = QPointF(twipsFor(x, geometry::fieldX), twipsFor(y, geometry::fieldY));
    QVERIFY(!std::isnan(p.x()) && !std::isnan(p.y()));
    emit shownField().mouseMove(0, 0, float(p.x()), float(p.y()));
    emit shownField().mouseDown(leftButton, 0, float(p.x()), float(p.y()));
    emit shownField().mouseMove(0, 0, float(p.x()) + 105, float(p.y()) + 45);
    if (fieldUnits) {
        QCOMPARE(form->state().xstartcm, x);
        QCOMPARE(form->state().ystartcm, y);
    } else {
        QCOMPARE(form->state().xstart, x);
        QCOMPARE(form->state().ystart, y);
    }
}

// The pointer moved to (x, y) on the picture of `field`, chosen in the list: twips for
// fields 1 to 3, centimetres for the others. The movement handler picks the model.
void TestWorkModels::run(int field, float y, float x)
{
    if (form->state().feldnr != field)
        QVERIFY(fixture::choose(*form, field));
    if (field >= 4) {
        x = twipsFor(x, geometry::fieldX);
        y = twipsFor(y, geometry::fieldY);
        QVERIFY(!std::isnan(x) && !std::isnan(y));
    }
    emit shownField().mouseMove(0, 0, x, y);
}

void TestWorkModels::models_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QPointF>("start"); // twips for fields 1 to 3, centimetres otherwise
    QTest::addColumn<QPointF>("current");
    QTest::addColumn<double>("work");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");

    // 1330 twips are 2 cm at 665 twips per centimetre.
    QTest::newRow("1: up 1330") << 1 << QPointF(3360, 3360) << QPointF(3360, 2030) << 2.0 << "2 Ncm"
                                << "2 Ncm";
    QTest::newRow("1: down 1330") << 1 << QPointF(3360, 3360) << QPointF(3360, 4690) << -2.0 << "-2 Ncm"
                                  << "-2 Ncm";
    QTest::newRow("2: right and down") << 2 << QPointF(3360, 3360) << QPointF(4690, 4690) << 0.0 << "0 Ncm"
                                       << "0 Ncm";
    QTest::newRow("2: left and down") << 2 << QPointF(3360, 3360) << QPointF(2030, 4690) << 4.0 << "4 Ncm"
                                      << "4 Ncm";
    QTest::newRow("3: right 1330") << 3 << QPointF(3360, 3360) << QPointF(4690, 3360) << 2.0 << "2 Ncm"
                                   << "2 Ncm";
    QTest::newRow("3: left 1330") << 3 << QPointF(3360, 3360) << QPointF(2030, 3360) << -2.0 << "-2 Ncm"
                                  << "-2 Ncm";
    // -(0) / 665 is a negative zero; it shows without a sign.
    QTest::newRow("3: no move") << 3 << QPointF(3360, 3360) << QPointF(3360, 3360) << 0.0 << "0 Ncm"
                                << "0 Ncm";
    // 10 ln(2 / 1) = 6.9315.
    QTest::newRow("4: (1,0) to (0,2)") << 4 << QPointF(1, 0) << QPointF(0, 2) << 6.931471805599453 << "6,93 Ncm"
                                       << "6.93 Ncm";
    QTest::newRow("4: same distance") << 4 << QPointF(1, 0) << QPointF(0, -1) << 0.0 << "0 Ncm"
                                      << "0 Ncm";
    // 10/2 - 10/5.
    QTest::newRow("5: (3,4) to (0,2)") << 5 << QPointF(3, 4) << QPointF(0, 2) << 3.0 << "3 Ncm"
                                       << "3 Ncm";
    QTest::newRow("5: away from the origin") << 5 << QPointF(0, 1) << QPointF(0, 2) << -5.0 << "-5 Ncm"
                                             << "-5 Ncm";
    // 2 * 1 * (25 - 9/3) and 2 * 3 * (25 - (1 - 2 + 4)/3).
    QTest::newRow("6: (0,0) to (3,1)") << 6 << QPointF(0, 0) << QPointF(3, 1) << 44.0 << "44 Ncm"
                                       << "44 Ncm";
    QTest::newRow("6: (1,-1) to (-2,2)") << 6 << QPointF(1, -1) << QPointF(-2, 2) << 144.0 << "144 Ncm"
                                         << "144 Ncm";
    QTest::newRow("6: along x") << 6 << QPointF(1, 1) << QPointF(4, 1) << 0.0 << "0 Ncm"
                                << "0 Ncm";
    // Ten times the angle, through the arctangent with its two offsets.
    QTest::newRow("7: same ray") << 7 << QPointF(1, 0) << QPointF(2, 0) << 0.0999 << "0,1 Ncm"
                                 << "0.1 Ncm";
    QTest::newRow("7: 45 degrees") << 7 << QPointF(1, 0) << QPointF(1, 1) << 7.8474 << "7,85 Ncm"
                                   << "7.85 Ncm";
    QTest::newRow("7: 90 degrees") << 7 << QPointF(1, 0) << QPointF(0, 1) << 15.698 << "15,7 Ncm"
                                   << "15.7 Ncm";
    QTest::newRow("7: 90 degrees clockwise") << 7 << QPointF(1, 0) << QPointF(0, -1) << 15.698 << "15,7 Ncm"
                                             << "15.7 Ncm";
    QTest::newRow("7: just past 90, the sign jumps")
        << 7 << QPointF(1, 0) << QPointF(-0.05, 1) << -15.2184 << "-15,22 Ncm"
        << "-15.22 Ncm";
    QTest::newRow("7: 135 degrees") << 7 << QPointF(1, 0) << QPointF(-1, 1) << -7.8616 << "-7,86 Ncm"
                                    << "-7.86 Ncm";
    QTest::newRow("7: opposite") << 7 << QPointF(1, 0) << QPointF(-1, 0) << -0.1001 << "-0,1 Ncm"
                                 << "-0.1 Ncm";
}

void TestWorkModels::models()
{
    QFETCH(int, field);
    QFETCH(QPointF, start);
    QFETCH(QPointF, current);
    QFETCH(double, work);
    QFETCH(QString, german);
    QFETCH(QString, english);
    const bool fieldUnits = field >= 4;
    startSegmentAt(float(start.x()), float(start.y()), fieldUnits);

    for (const auto& [locale, caption] : {std::pair{::german, german}, std::pair{::english, english}}) {
        QLocale::setDefault(locale);
        run(field, float(current.y()), float(current.x()));
        const Number& arbeit = form->state().arbeit;
        QCOMPARE(std::holds_alternative<double>(arbeit), fieldUnits);
        QCOMPARE(std::holds_alternative<float>(arbeit), !fieldUnits);
        QVERIFY2(qAbs(numbers::toDouble(arbeit) - work) < 1e-4,
                 qPrintable(QString::number(numbers::toDouble(arbeit), 'g', 17)));
        QCOMPARE(form->Label1->text(), caption);
    }
}

void TestWorkModels::originKeepsTheLastValue_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("startAtOrigin");
    for (int field : {4, 5, 7}) {
        QTest::addRow("field %d, current point at the origin", field) << field << false;
        QTest::addRow("field %d, start at the origin", field) << field << true;
    }
}

void TestWorkModels::originKeepsTheLastValue()
{
    QFETCH(int, field);
    QFETCH(bool, startAtOrigin);
    startSegmentAt(1, 0, true);
    run(field, 2, 0);
    const Number before = form->state().arbeit;
    const QString shown = form->Label1->text();
    QVERIFY(shown != QStringLiteral("0 Ncm"));

    if (startAtOrigin) {
        startSegmentAt(0, 0, true);
        run(field, 2, 1);
    } else {
        run(field, 0, 0);
    }
    QCOMPARE(form->state().arbeit, before);
    QCOMPARE(form->Label1->text(), shown);

    // Off the origin again, the read-out follows.
    if (startAtOrigin)
        startSegmentAt(-1, 0, true);
    run(field, 1, 1);
    QVERIFY(form->state().arbeit != before);
    QVERIFY(form->Label1->text() != shown);
}

void TestWorkModels::separatorHasAGlyph_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("Egypt, U+066B") << "ar_EG";
    QTest::newRow("Iran, U+066B") << "fa_IR";
    QTest::newRow("Germany, comma") << "de_DE";
}

// Whatever separator the regional settings give, the read-out draws it with a real glyph,
// not the empty box of a font that lacks it, and on the baseline of the total beside it,
// which has none: the face that has the separator is taller than the read-out's own.
void TestWorkModels::separatorHasAGlyph()
{
    QFETCH(QString, locale);
    startSegmentAt(1, 0, true);
    QLocale::setDefault(QLocale(locale));
    run(4, 2, 0);
    const QString caption = form->Label1->text();
    QVERIFY2(caption.contains(QLocale(locale).decimalPoint()), qPrintable(caption));

    QTextLayout layout(caption, form->Label1->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& glyphs : layout.glyphRuns())
        QVERIFY2(!glyphs.glyphIndexes().contains(0), qPrintable(glyphs.rawFont().familyName()));

    QCOMPARE(form->Label2->text(), QStringLiteral("0 Ncm"));
    QCOMPARE(topInkRow(form->Label1), topInkRow(form->Label2));
}

QTEST_MAIN(TestWorkModels)
#include "test_work_models.moc"

#include "window_fixture.h"

#include "app/controls/image.h"
#include "app/controls/label.h"
#include "app/units.h"
#include "assets/ink.h"
#include "assets/pictures.h"
#include "assets/typeset.h"
#include "tracing/geometry.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <numbers>

Q_DECLARE_METATYPE(const Picture*)

namespace {

constexpr QSize fieldShown(450, 450); // 6750 twips square

// The picture as an image holder shows it: its extent stretched onto `target`, which
// lies in an otherwise transparent image of `size`.
QImage render(const Picture& picture, QSize size, qreal ratio = 1, QRectF target = {})
{
    if (target.isNull())
        target = QRectF(QPointF(0, 0), QSizeF(size));
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    pictures::draw(painter, picture, pictures::stretched(picture, target));
    return image;
}

QColor colourAt(const QImage& image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

bool isBlue(QColor c)
{
    return c.alpha() >= 96 && c.blue() > c.red() + 80 && c.blue() > c.green() + 80;
}

bool isBlack(QColor c)
{
    return c.alpha() >= 160 && c.red() < 90 && c.green() < 90 && c.blue() < 90;
}

bool isInk(QColor c)
{
    return c.alpha() >= 64;
}

template <typename Test>
bool anyIn(const QImage& image, QRect area, Test test)
{
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(colourAt(image, x, y)))
                return true;
    return false;
}

// Whether any pixel within one of `p` passes `test`.
template <typename Test>
bool near(const QImage& image, QPointF p, Test test)
{
    return anyIn(image, QRect(int(std::floor(p.x())) - 1, int(std::floor(p.y())) - 1, 3, 3), test);
}

// Field centimetres in pixels of the shown field picture: the frame's origin is the
// drawing point (2880, 2496), one centimetre 480 units across and 336 down.
QPointF fieldPixel(const Picture& picture, double x, double y)
{
    const QRectF e = picture.extent;
    return {(2880 + 480 * x - e.left()) * fieldShown.width() / e.width(),
            (2496 - 336 * y - e.top()) * fieldShown.height() / e.height()};
}

// The middle of the run of pixels passing `test` through `from`, along `step`.
template <typename Test>
double runMiddle(const QImage& image, QPoint from, QPoint step, Test test)
{
    const auto passes = [&](QPoint p) { return image.rect().contains(p) && test(colourAt(image, p.x(), p.y())); };
    QPoint lo = from, hi = from;
    while (passes(lo - step))
        lo -= step;
    while (passes(hi + step))
        hi += step;
    const QPointF mid = (QPointF(lo) + QPointF(hi)) / 2 + QPointF(0.5, 0.5);
    return step.x() != 0 ? mid.x() : mid.y();
}

// Probes around a filled head with its tip at `tip`, pointing along `angle` (radians):
// ink across the wide end, none beside the point or beyond it.
void filledHeadProbes(QPointF tip, double angle, QList<QPointF>& ink, QList<QPointF>& clear)
{
    const QPointF d(std::cos(angle), std::sin(angle));
    const QPointF n(-d.y(), d.x());
    ink << tip - 0.14 * d + 0.04 * n << tip - 0.14 * d - 0.04 * n;
    clear << tip + 0.06 * n << tip - 0.06 * n << tip + 0.12 * d;
}

// Probes around an open head of two 0.18 cm strokes: ink along each stroke, none on
// the mirrored strokes a head pointing the other way would have.
void openHeadProbes(QPointF tip, double angle, QList<QPointF>& ink, QList<QPointF>& clear)
{
    const QPointF d(std::cos(angle), std::sin(angle));
    const QPointF n(-d.y(), d.x());
    // Halfway along a stroke at 30 degrees: 0.078 cm back, 0.045 cm aside.
    ink << tip - 0.078 * d + 0.045 * n << tip - 0.078 * d - 0.045 * n;
    clear << tip + 0.078 * d + 0.045 * n << tip + 0.078 * d - 0.045 * n;
}

// Runs that stand side by side in the formulas, where letters lean into each other, and
// the pixels a unit becomes across and down where the window shows them smallest.
struct Neighbours {
    const char* name;
    typeset::Style style;
    std::vector<typeset::Run> runs;
    QSizeF scale;
};

const Neighbours neighbours[] = {
    {"formulas 4, 5 and 7: e with subscript y, then the bracket",
     {.bold = true, .italic = true},
     {typeset::vector("e"), typeset::subscript("y"), typeset::word(")")},
     {3735 / 6723.0 / 15, 735 / 1247.0 / 15}},
    {"formula 2: k with subscript y",
     {.italic = true},
     {typeset::word("k"), typeset::subscript("y")},
     {5655 / 7016.0 / 15, 495 / 642.0 / 15}},
};

// The index labels on the two work formulas, read from the window as it places them.
struct IndexLabel {
    const char* name;
    Label* (*of)(const Formfeld1&);
    bool total; // on the total-work formula, else the segment's
    bool over;  // stands over its sign rather than after a letter
};

const IndexLabel indexLabels[] = {
    {"Labelin: I", [](const Formfeld1& f) { return f.Labelin; }, false, false},
    {"Labeln(1): upper limit", [](const Formfeld1& f) { return f.Labeln(1); }, false, false},
    {"Labeln(0): lower limit", [](const Formfeld1& f) { return f.Labeln(0); }, false, false},
    {"Labeln(2): over the sum", [](const Formfeld1& f) { return f.Labeln(2); }, true, true},
    {"Labeln(3): I", [](const Formfeld1& f) { return f.Labeln(3); }, true, false},
    {"Labeln(4): upper limit", [](const Formfeld1& f) { return f.Labeln(4); }, true, false},
    {"Labeln(5): lower limit", [](const Formfeld1& f) { return f.Labeln(5); }, true, false},
};

Image* holderOf(const Formfeld1& form, const IndexLabel& label)
{
    return label.total ? form.Image2 : form.Image1;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void gridAtWholeCentimetres_data();
    void gridAtWholeCentimetres();
    void axesCrossAtTheOrigin_data();
    void axesCrossAtTheOrigin();
    void fieldLines_data();
    void fieldLines();
    void cylinderAndSphereShareAPicture();
    void onlyTheDiagramAxesPaintABackground_data();
    void onlyTheDiagramAxesPaintABackground();
    void formulasStayInsideTheirExtents_data();
    void formulasStayInsideTheirExtents();
    void entryZeroHasNoFormula();
    void runsNeverTouch_data();
    void runsNeverTouch();
    void indexLabelsCompleteTheirLetters_data();
    void indexLabelsCompleteTheirLetters();
    void indexCaptionsClearTheirFormula_data();
    void indexCaptionsClearTheirFormula();
    void diagramAxesCrossAtTheFieldOrigin();
    void sharperAtPixelRatioTwo_data();
    void sharperAtPixelRatioTwo();
    void textInTheCarriedFaces_data();
    void textInTheCarriedFaces();

private:
    std::unique_ptr<Formfeld1> form; // where the window places the index labels
};

void TestPictures::initTestCase()
{
    form = std::make_unique<Formfeld1>();
}

void TestPictures::cleanupTestCase()
{
    form.reset();
}

void TestPictures::gridAtWholeCentimetres_data()
{
    QTest::addColumn<int>("entry");
    for (int entry = 0; entry < 8; ++entry)
        QTest::addRow("entry %d", entry) << entry;
}

// Along y = -4.7 cm and x = -4.7 cm no field line, text or axis runs, so every pixel
// there is either a grid line (or the axis over the middle one) or transparent.
void TestPictures::gridAtWholeCentimetres()
{
    QFETCH(int, entry);
    const Picture& picture = pictures::field(entry);
    const QImage image = render(picture, fieldShown);
    const QColor grey(178, 178, 178);
    for (bool across : {true, false}) {
        for (int i = -5; i <= 5; ++i) {
            const QPointF p = across ? fieldPixel(picture, i, -4.7) : fieldPixel(picture, -4.7, i);
            const auto expected = [&](QColor c) { return i == 0 ? isBlack(c) : c == grey; };
            QVERIFY2(near(image, p, expected), qPrintable(QStringLiteral("line %1, %2").arg(i).arg(across)));
        }
        const QPointF o = fieldPixel(picture, 0, 0);
        const QPointF line = fieldPixel(picture, -4.7, -4.7);
        const double perCm = across ? fieldPixel(picture, 1, 0).x() - o.x() : o.y() - fieldPixel(picture, 0, 1).y();
        for (int k = 0; k < fieldShown.width(); ++k) {
            const double cm = across ? (k + 0.5 - o.x()) / perCm : (o.y() - k - 0.5) / perCm;
            const double pixelsFromGrid = std::abs(cm - std::round(cm)) * perCm;
            const QPoint at = across ? QPoint(k, int(line.y())) : QPoint(int(line.x()), k);
            if (pixelsFromGrid > 2 || std::abs(cm) > 5.1)
                QCOMPARE(colourAt(image, at.x(), at.y()).alpha(), 0);
        }
    }
}

void TestPictures::axesCrossAtTheOrigin_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QPointF>("origin");
    // The origin (2880, 2496) lands at (3368.7, 3366.1) twips, pixels 224.58, 224.41.
    QTest::newRow("coordinate system") << 0 << QPointF(3368.7 / 15, 3366.1 / 15);
    QTest::newRow("flow field") << 6 << QPointF(3368.7 / 15, 3366.1 / 15);
    // Entry 7's extent is narrower: (2880 - 467) * 6750 / 4826 = 3375.0 twips across.
    QTest::newRow("vortex field") << 7 << QPointF(3375.0 / 15, 3366.0 / 15);
}

void TestPictures::axesCrossAtTheOrigin()
{
    QFETCH(int, entry);
    QFETCH(QPointF, origin);
    const Picture& picture = pictures::field(entry);
    const QImage image = render(picture, fieldShown);
    // Columns and rows between grid lines and clear of every field line.
    for (double x : {-3.75, -2.25, 2.25, 4.25}) {
        const QPoint at = fieldPixel(picture, x, 0).toPoint();
        QVERIFY(isBlack(colourAt(image, at.x(), at.y())));
        QVERIFY(std::abs(runMiddle(image, at, {0, 1}, isBlack) - origin.y()) <= 1);
    }
    for (double y : {-3.75, -2.25, 2.25, 3.75}) {
        const QPoint at = fieldPixel(picture, 0, y).toPoint();
        QVERIFY(isBlack(colourAt(image, at.x(), at.y())));
        QVERIFY(std::abs(runMiddle(image, at, {1, 0}, isBlack) - origin.x()) <= 1);
    }
    // Barbed heads: filled just short of the tip, open in the notch behind it, where a
    // plain triangle would be filled (about 3 pixels behind the notch's edges).
    const double tipX = entry == 7 ? (5232 - 2880) / 480.0 : 5.0;
    const double tipY = entry == 7 ? (2496 - 864) / 336.0 : 5.0;
    QVERIFY(near(image, fieldPixel(picture, tipX - 0.2, 0.1), isBlack));
    QVERIFY(!near(image, fieldPixel(picture, tipX - 0.34, 0.07), isBlack));
    QVERIFY(near(image, fieldPixel(picture, 0.1, tipY - 0.3), isBlack));
    QVERIFY(!near(image, fieldPixel(picture, 0.07, tipY - 0.48), isBlack));
}

void TestPictures::fieldLines_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QList<QPointF>>("blue");  // field centimetres with a blue line within a pixel
    QTest::addColumn<QList<QPointF>>("clear"); // and without

    QList<QPointF> ink, clear;
    for (double x : {-3.5, -2.5, -1.5, -0.5, 0.5, 1.5, 2.5, 3.4}) {
        ink << QPointF(x, 3.5) << QPointF(x, -2);
        openHeadProbes({x, -4}, -std::numbers::pi / 2, ink, clear);
    }
    QTest::newRow("1: down, open heads at the foot") << 1 << ink << clear;

    ink.clear(), clear.clear();
    for (QPointF start : {QPointF(-4, -1), QPointF(-3, -2.07), QPointF(-2, -3.07), QPointF(-1, -4.07)}) {
        ink << start + QPointF(0.5, 0.5) << start + QPointF(3.5, 3.5);
        openHeadProbes(start + QPointF(5, 5), std::numbers::pi / 4, ink, clear);
    }
    QTest::newRow("2: at 45 degrees, heads up and right") << 2 << ink << clear;

    ink.clear(), clear.clear();
    for (double y : {3.43, 2.43, 1.43, 0.43, -0.57, -1.57, -2.57, -3.57}) {
        ink << QPointF(3.5, y) << QPointF(-2.2, y);
        openHeadProbes({-4, y}, std::numbers::pi, ink, clear);
    }
    QTest::newRow("3: to the left, heads at the left end") << 3 << ink << clear;

    ink.clear(), clear.clear();
    for (double degrees : {21, 45, 70, 110, 134, 159, 201, 225, 251, 291, 315, 339}) {
        const double a = degrees * std::numbers::pi / 180;
        const QPointF d(std::cos(a), std::sin(a));
        ink << 1.5 * d << 3.5 * d;
        filledHeadProbes(4.8 * d, a, ink, clear);
    }
    // Between two rays of a quadrant nothing is drawn.
    clear << 3 * QPointF(std::cos(0.58), std::sin(0.58));
    QTest::newRow("4: rays out of the origin") << 4 << ink << clear;

    ink.clear(), clear.clear();
    for (double x : {-3.15, -0.75, -0.15, 0.15, 0.75, 3.15}) {
        ink << QPointF(x, 4.4) << QPointF(x, -1.8);
        filledHeadProbes({x, -4.5}, -std::numbers::pi / 2, ink, clear);
    }
    QTest::newRow("6: down, filled heads at y = -4.5") << 6 << ink << clear;

    ink.clear(), clear.clear();
    for (double y : {0.38, 0.99, 2.69})
        filledHeadProbes({0.09, y}, 0, ink, clear);
    // No lines: the circles are shapes of the window.
    clear << QPointF(0, 1.5) << QPointF(0.99, 0) << QPointF(2.7, 0);
    QTest::newRow("7: three heads turning clockwise") << 7 << ink << clear;

    QTest::newRow("0: the frame only") << 0 << QList<QPointF>{}
                                       << QList<QPointF>{{-3.5, 2}, {-1.5, 1.5}, {2, 2.43}, {1.34, 0.51}};
}

void TestPictures::fieldLines()
{
    QFETCH(int, entry);
    QFETCH(QList<QPointF>, blue);
    QFETCH(QList<QPointF>, clear);
    const Picture& picture = pictures::field(entry);
    const QImage image = render(picture, fieldShown);
    for (QPointF cm : blue)
        QVERIFY2(near(image, fieldPixel(picture, cm.x(), cm.y()), isBlue),
                 qPrintable(QStringLiteral("no line at %1, %2").arg(cm.x()).arg(cm.y())));
    for (QPointF cm : clear)
        QVERIFY2(!near(image, fieldPixel(picture, cm.x(), cm.y()), isBlue),
                 qPrintable(QStringLiteral("a line at %1, %2").arg(cm.x()).arg(cm.y())));
}

void TestPictures::cylinderAndSphereShareAPicture()
{
    QCOMPARE(render(pictures::field(5), fieldShown), render(pictures::field(4), fieldShown));
}

void TestPictures::onlyTheDiagramAxesPaintABackground_data()
{
    QTest::addColumn<const Picture*>("picture");
    QTest::addColumn<bool>("painted");
    for (int entry = 0; entry < 8; ++entry)
        QTest::addRow("field %d", entry) << &pictures::field(entry) << false;
    for (int entry = 1; entry < 8; ++entry)
        QTest::addRow("formula %d", entry) << pictures::formula(entry) << false;
    QTest::newRow("segment work") << &pictures::segmentWork() << false;
    QTest::newRow("total work") << &pictures::totalWork() << false;
    QTest::newRow("diagram axes") << &pictures::diagramAxes() << true;
}

void TestPictures::onlyTheDiagramAxesPaintABackground()
{
    QFETCH(const Picture*, picture);
    QFETCH(bool, painted);
    const QImage image = render(*picture, {300, 200});
    int transparent = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            transparent += colourAt(image, x, y).alpha() == 0;
    if (painted) {
        QCOMPARE(transparent, 0);
        QCOMPARE(colourAt(image, 5, 5), QColor(Qt::white));
    } else {
        QVERIFY(transparent > image.width() * image.height() / 2);
    }
}

void TestPictures::formulasStayInsideTheirExtents_data()
{
    QTest::addColumn<const Picture*>("picture");
    QTest::addColumn<QSize>("shown"); // pixels of the holder
    QTest::addColumn<bool>("fraction");
    const QSize sizes[] = {{253, 35}, {377, 33}, {209, 29}, {265, 49}, {305, 53}, {461, 37}, {249, 49}};
    for (int entry = 1; entry < 8; ++entry)
        QTest::addRow("formula %d", entry)
            << pictures::formula(entry) << sizes[entry - 1] << (entry == 4 || entry == 5 || entry == 7);
    QTest::newRow("segment work") << &pictures::segmentWork() << QSize(161, 85) << false;
    QTest::newRow("total work") << &pictures::totalWork() << QSize(145, 77) << false;
}

// Rendered with a margin round the holder's rectangle: all ink falls inside it, starts
// at its left and fills most of its height, so the formula neither spills nor shrinks
// into a corner. In a fraction the longest stretch of ink in any row is the bar, in the
// middle third and wider than a quarter of the picture (the numerator is about a third).
void TestPictures::formulasStayInsideTheirExtents()
{
    QFETCH(const Picture*, picture);
    QFETCH(QSize, shown);
    QFETCH(bool, fraction);
    constexpr int margin = 20;
    const QRect holder(QPoint(margin, margin), shown);
    const QImage image = render(*picture, shown + QSize(2 * margin, 2 * margin), 1, holder);
    QRect inked;
    int longest = 0, longestRow = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0, run = 0; x < image.width(); ++x) {
            run = isInk(colourAt(image, x, y)) ? run + 1 : 0;
            if (run > 0)
                inked |= QRect(x, y, 1, 1);
            if (run > longest)
                longest = run, longestRow = y - margin;
        }
    QVERIFY(holder.contains(inked));
    QVERIFY(inked.left() - holder.left() < shown.width() / 10);
    QVERIFY(inked.height() > shown.height() * 0.6);
    const bool bar =
        longest > shown.width() / 4 && longestRow > shown.height() / 3 && longestRow < shown.height() * 2 / 3;
    QCOMPARE(bar, fraction);
}

void TestPictures::entryZeroHasNoFormula()
{
    QCOMPARE(pictures::formula(0), nullptr);
    for (int entry = 1; entry < 8; ++entry)
        QVERIFY(pictures::formula(entry) != nullptr);
}

void TestPictures::runsNeverTouch_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<qreal>("ratio");
    for (int i = 0; i < int(std::size(neighbours)); ++i)
        for (qreal ratio : {1, 2})
            QTest::addRow("%s, ratio %g", neighbours[i].name, ratio) << i << ratio;
}

// Each run drawn alone where the formula sets it: no ink of one run on or next to ink of
// another.
void TestPictures::runsNeverTouch()
{
    QFETCH(int, row);
    QFETCH(qreal, ratio);
    const Neighbours& n = neighbours[row];
    const QPointF origin(100, 600);
    const std::vector<double> at = typeset::starts(origin, n.runs, n.style);
    const QSize size(int((typeset::width(n.runs, n.style) + 200) * n.scale.width()) + 1, int(900 * n.scale.height()));
    std::vector<QImage> runs;
    for (size_t i = 0; i < n.runs.size(); ++i) {
        QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(n.scale.width(), n.scale.height());
        typeset::draw(painter, {at[i], origin.y()}, std::span(&n.runs[i], 1), n.style);
        runs.push_back(image);
    }
    for (size_t i = 0; i < runs.size(); ++i)
        for (int y = 0; y < runs[i].height(); ++y)
            for (int x = 0; x < runs[i].width(); ++x)
                for (size_t j = i + 1; j < runs.size() && isInk(colourAt(runs[i], x, y)); ++j)
                    QVERIFY2(!near(runs[j], QPointF(x, y), isInk),
                             qPrintable(QStringLiteral("runs %1 and %2 at %3, %4").arg(i).arg(j).arg(x).arg(y)));
}

void TestPictures::indexLabelsCompleteTheirLetters_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(indexLabels)); ++i)
        QTest::newRow(indexLabels[i].name) << i;
}

// The label's text must not touch the formula's ink, and the letter it indexes must
// end just left of it (within 4 pixels, from at most 10 pixels above its letters down
// to its baseline), or, for the sum's upper bound, the sign must lie right under it.
void TestPictures::indexLabelsCompleteTheirLetters()
{
    QFETCH(int, row);
    const IndexLabel& label = indexLabels[row];
    const Image* holder = holderOf(*form, label);
    const QImage image = render(*holder->picture(), holder->size());

    const Label* shown = label.of(*form);
    const QFontMetricsF metrics(shown->font());
    const QPoint corner = shown->pos() - holder->pos();
    const QRect glyphs =
        metrics.tightBoundingRect(shown->text()).translated(corner + QPointF(0, metrics.ascent())).toAlignedRect();

    QVERIFY(!anyIn(image, glyphs, isInk));
    const QRect beside = label.over ? QRect(glyphs.left(), glyphs.bottom() + 1, glyphs.width(), 10)
                                    : QRect(glyphs.left() - 4, glyphs.top() - 10, 4, glyphs.height() + 10);
    QVERIFY(anyIn(image, beside, isInk));
}

void TestPictures::indexCaptionsClearTheirFormula_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<qreal>("ratio");
    for (int i = 0; i < int(std::size(indexLabels)); ++i)
        for (qreal ratio : {1, 2})
            QTest::addRow("%s, ratio %g", indexLabels[i].name, ratio) << i << ratio;
}

// From the first segment on the labels show numbers, whose digits stand taller than an
// "n"; numbers of four and five digits the label cuts off at its right edge. No ink of
// a caption lies on or next to ink of the formula.
void TestPictures::indexCaptionsClearTheirFormula()
{
    QFETCH(int, row);
    QFETCH(qreal, ratio);
    const IndexLabel& label = indexLabels[row];
    const Image* holder = holderOf(*form, label);
    const QImage formula = render(*holder->picture(), holder->size(), ratio);
    // A label of the same size and font, so that the window's keep their captions.
    const Label* placed = label.of(*form);
    Label shown(QStringLiteral("index"), placed->twipsRect(), {}, placed->font(), nullptr);
    const QPoint corner = placed->pos() - holder->pos();
    for (const char* caption : {"1", "12", "999", "n-1", "1234", "12345"}) {
        shown.setText(QString::fromLatin1(caption));
        QImage text(formula.size(), QImage::Format_ARGB32_Premultiplied);
        text.setDevicePixelRatio(ratio);
        text.fill(Qt::transparent);
        shown.render(&text, corner, {}, {});
        for (int y = 0; y < text.height(); ++y)
            for (int x = 0; x < text.width(); ++x)
                if (isInk(colourAt(text, x, y)))
                    QVERIFY2(!near(formula, QPointF(x, y), isInk),
                             qPrintable(QStringLiteral("\"%1\" at %2, %3").arg(caption).arg(x).arg(y)));
    }
}

void TestPictures::diagramAxesCrossAtTheFieldOrigin()
{
    const QSizeF box(297, 269); // Picture1, 4455 x 4035 twips
    const Picture& axes = pictures::diagramAxes();
    const QPointF origin(geometry::diagramH(3360, 3360), geometry::diagramV(3360, geometry::oldBaseLine, 0));
    QImage image(box.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PicturePart& part : pictures::diagramAxesPlacement(box, origin)) {
        // The crossing (16307, 14910) goes where the diagram draws the field origin at no work.
        const QPointF crossing = part.transform.map(QPointF(16307, 14910));
        QVERIFY(std::abs(crossing.x() - 149.14) < 0.01 && std::abs(crossing.y() - 129.86) < 0.01);
        painter.save();
        painter.setClipRect(part.clip);
        painter.setTransform(part.transform);
        axes.draw(painter);
        painter.restore();
    }
    painter.end();
    // The picture covers the whole box, its olive frame along the top, right and bottom
    // edges, so none of the box's own background shows.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(colourAt(image, x, y).alpha() == 255, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    const QColor olive(128, 128, 0);
    QCOMPARE(colourAt(image, 60, 0), olive);
    QCOMPARE(colourAt(image, 60, image.height() - 1), olive);
    QCOMPARE(colourAt(image, image.width() - 1, 60), olive);
    QVERIFY(isBlack(colourAt(image, 149, 130)));
    for (int x : {40, 100, 200, 250})
        QVERIFY(std::abs(runMiddle(image, {x, 130}, {0, 1}, isBlack) - 129.86) <= 1);
    for (int y : {40, 100, 200, 250})
        QVERIFY(std::abs(runMiddle(image, {149, y}, {1, 0}, isBlack) - 149.14) <= 1);
}

void TestPictures::sharperAtPixelRatioTwo_data()
{
    QTest::addColumn<const Picture*>("picture");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("field 4") << &pictures::field(4) << fieldShown;
    QTest::newRow("formula 6") << pictures::formula(6) << QSize(461, 37);
    QTest::newRow("segment work") << &pictures::segmentWork() << QSize(161, 85);
}

// The image control on a screen of ratio 2 draws hard edges; the ratio-1 rendering blown
// up to the same size has soft ones. Count the neighbouring pixel pairs whose coverage jumps by half.
void TestPictures::sharperAtPixelRatioTwo()
{
    QFETCH(const Picture*, picture);
    QFETCH(QSize, shown);
    const auto edges = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 1; x < image.width(); ++x)
                count += std::abs(qAlpha(image.pixel(x, y)) - qAlpha(image.pixel(x - 1, y))) >= 128;
        return count;
    };
    if (QGuiApplication::primaryScreen()->devicePixelRatio() < 2)
        QSKIP("needs a screen of pixel ratio 2 (test_pictures_ratio2)");
    QWidget window;
    Image control(QStringLiteral("control"), {0, 0, units::twips(shown.width()), units::twips(shown.height())}, picture,
                  Image::Border::none, &window);
    window.resize(shown);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QImage sharp(shown * 2, QImage::Format_ARGB32_Premultiplied);
    sharp.setDevicePixelRatio(2);
    sharp.fill(Qt::transparent);
    control.render(&sharp, {}, {}, QWidget::DrawChildren); // what it paints, without the window's background
    const QImage blown =
        render(*picture, shown, 1).scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY2(edges(sharp) > edges(blown) * 1.3,
             qPrintable(QStringLiteral("%1 %2").arg(edges(sharp)).arg(edges(blown))));
}

void TestPictures::textInTheCarriedFaces_data()
{
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    const auto row = [](const char* name, const char* named, const char* family, bool bold, bool italic) {
        QTest::newRow(name) << QString::fromUtf8(named) << QString::fromUtf8(family) << bold << italic;
    };
    row("formula letters", "Times New Roman", "Liberation Serif", false, true);
    row("heavy formula letters", "Times New Roman", "Liberation Serif", true, true);
    row("scale digits", "Times New Roman", "Liberation Serif", true, false);
    row("axis names", "Arial", "Liberation Sans", true, false);
    row("diagram letter", "Arial", "Liberation Sans", false, false);
    row("sum and integral", "Symbol", "Standard Symbols PS", false, false);
}

// The pictures name the fonts the window was designed with and are drawn in the faces the
// program carries for them, whatever fonts of those or other names the system has.
void TestPictures::textInTheCarriedFaces()
{
    QFETCH(QString, named);
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    const QFont font = ink::cellFont(named, 480, {.bold = bold, .italic = italic});
    const QFontInfo shown(font);
    QCOMPARE(fixture::familyShown(font), family);
    QCOMPARE(shown.bold(), bold);
    QCOMPARE(shown.italic(), italic);
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"

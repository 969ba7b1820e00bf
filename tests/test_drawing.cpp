#include "app/digit_text.h"
#include "app/fonts.h"
#include "app/inked_tiles.h"

#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

// The short cuts that redraw tens of thousands of segments quickly leave the pixels as the
// plain way would draw them.
class TestDrawing : public QObject {
    Q_OBJECT
private slots:
    void digitsAsDrawTextDrawsThem_data();
    void digitsAsDrawTextDrawsThem();
    void numbersLeftOutChangeNothing_data();
    void numbersLeftOutChangeNothing();
    void linesLeftOutChangeNothing_data();
    void linesLeftOutChangeNothing();
};

namespace {

QImage blank(double ratio, QColor fill, QSize size = {120, 60})
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

} // namespace

void TestDrawing::digitsAsDrawTextDrawsThem_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("ratio");
    for (double ratio : {1.0, 2.0}) {
        const QByteArray at = " at ratio " + QByteArray::number(ratio);
        QTest::newRow("one digit" + at) << "7" << ratio;
        QTest::newRow("a pair that fonts often kern" + at) << "11" << ratio;
        QTest::newRow("the highest segment number" + at) << "32767" << ratio;
        QTest::newRow("letters, drawn by drawText" + at) << "Label4" << ratio;
        QTest::newRow("wider than the box, clipped" + at) << "12345678901234" << ratio;
    }
}

// The segment numbers' font and box (735 x 255 twips), the box at a whole pixel.
void TestDrawing::digitsAsDrawTextDrawsThem()
{
    QFETCH(QString, caption);
    QFETCH(double, ratio);
    const QFont font = fonts::defaultLabelFont();
    const QRectF box(30, 20, 49, 17);
    QImage expected = blank(ratio, Qt::transparent), drawn = expected;
    {
        QPainter painter(&expected);
        painter.setFont(font);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    }
    {
        QPainter painter(&drawn);
        DigitText(font).draw(painter, box, caption);
    }
    QVERIFY(expected != blank(ratio, Qt::transparent));
    QCOMPARE(drawn, expected);
}

void TestDrawing::numbersLeftOutChangeNothing_data()
{
    QTest::addColumn<double>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 1.5") << 1.5;
    QTest::newRow("ratio 2") << 2.0;
}

// Numbers as crowded as 32,767 of them on the field picture, so that many digits fall on
// black or nearly black: drawn in one batch they leave the pixels as drawText leaves them,
// number by number.
void TestDrawing::numbersLeftOutChangeNothing()
{
    QFETCH(double, ratio);
    const QFont font = fonts::defaultLabelFont();
    const DigitText text(font);
    QImage expected = blank(ratio, Qt::transparent, {240, 160}), drawn = expected;
    {
        QPainter plain(&expected), batched(&drawn);
        plain.setFont(font);
        DigitText::Batch batch(text, batched);
        QRandomGenerator random(11);
        for (int i = 0; i < 6400; ++i) {
            const QRectF box(random.bounded(-10, 230), random.bounded(-5, 155), 49, 17);
            const QString caption = QString::number(random.bounded(1, 32768));
            plain.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
            batch.draw(box, caption);
        }
    }
    QCOMPARE(drawn, expected);
}

void TestDrawing::linesLeftOutChangeNothing_data()
{
    numbersLeftOutChangeNothing_data();
}

// Segments of the width and pen of Line1, crowded into a small picture so that it fills:
// each one the tiles call covered must leave every pixel as it was.
void TestDrawing::linesLeftOutChangeNothing()
{
    QFETCH(double, ratio);
    const QPen pen(QColor(0xC0, 0, 0), 2, Qt::SolidLine, Qt::RoundCap);
    QImage image = blank(ratio, Qt::white);
    QPainter painter(&image);
    painter.setPen(pen);
    InkedTiles inked(image, pen);
    QRandomGenerator random(7);
    const auto point = [&] { return QPointF(random.bounded(118.0) + 1, random.bounded(58.0) + 1); };
    int left = 0;
    for (int i = 0; i < 3000; ++i) {
        const QLineF line(point(), point());
        if (inked.cover(line)) {
            const QImage before = image.copy();
            painter.drawLine(line);
            QCOMPARE(image, before);
            ++left;
        } else {
            painter.drawLine(line);
            inked.update(line);
        }
    }
    QVERIFY2(left > 500, qPrintable(QString::number(left)));
}

QTEST_MAIN(TestDrawing)
#include "test_drawing.moc"

#include "app/controls/inked_tiles.h"

#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

// The short cut that redraws tens of thousands of segments quickly leaves the pixels as
// drawing every one would.
class TestDrawing : public QObject {
    Q_OBJECT
private slots:
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

void TestDrawing::linesLeftOutChangeNothing_data()
{
    QTest::addColumn<double>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 1.5") << 1.5;
    QTest::newRow("ratio 2") << 2.0;
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

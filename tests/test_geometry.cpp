#include "tracing/geometry.h"

#include <QTest>

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    void snapsToTenTwips_data();
    void snapsToTenTwips();
    void fieldUnits_data();
    void fieldUnits();
    void diagramOfASegmentAlongTheXAxis();
    void diagramHeightIsTheTotalWork();
};

void TestGeometry::snapsToTenTwips_data()
{
    QTest::addColumn<float>("twips");
    QTest::addColumn<float>("snapped");
    QTest::newRow("1234 down") << 1234.0f << 1230.0f;
    QTest::newRow("1236 up") << 1236.0f << 1240.0f;
    // 1225 / 100 = 12.25, a true tie in binary: to the even 12.2.
    QTest::newRow("1225 tie to even") << 1225.0f << 1220.0f;
    QTest::newRow("1235 tie to even") << 1235.0f << 1240.0f;
    QTest::newRow("negative") << -14.0f << -10.0f;
}

void TestGeometry::snapsToTenTwips()
{
    QFETCH(float, twips);
    QFETCH(float, snapped);
    QCOMPARE(geometry::snapped(twips), snapped);
}

void TestGeometry::fieldUnits_data()
{
    QTest::addColumn<float>("X");
    QTest::addColumn<float>("Y");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::newRow("origin") << 3360.0f << 3360.0f << 0.0f << 0.0f;
    QTest::newRow("right and top edges") << 6690.0f << 40.0f << 5.0f << 5.0f;
    QTest::newRow("bottom edge") << 3360.0f << 6680.0f << 0.0f << -5.0f;
    // 765 / 3330 = 0.2297 rounds to 0.23; times 5 is 1.15.
    QTest::newRow("steps of 0.05") << 4125.0f << 4885.0f << 1.15f << -2.3f;
}

void TestGeometry::fieldUnits()
{
    QFETCH(float, X);
    QFETCH(float, Y);
    QFETCH(float, x);
    QFETCH(float, y);
    QCOMPARE(geometry::fieldX(X), x);
    QCOMPARE(geometry::fieldY(Y), y);
}

void TestGeometry::diagramOfASegmentAlongTheXAxis()
{
    // From the field origin 5 cm to the right, no work yet.
    const auto s = geometry::diagramSegment(3360, 3360, 6690, 3360, 0, Number{int16_t{0}});
    QCOMPARE(qRound(s.ground.x1() * 100), 26014);
    QCOMPARE(s.ground.y1(), 130.0); // 129.857 as a whole row
    QCOMPARE(qRound(s.ground.x2() * 100), 14914);
    QCOMPARE(qRound(s.ground.y2() * 100), 12986);
    QCOMPARE(qRound(s.work.x1() * 100), 26014);
    QCOMPARE(qRound(s.work.y1() * 100), 13086); // one unit above the old base line
    QCOMPARE(qRound(s.work.x2() * 100), 14914);
    QCOMPARE(qRound(s.work.y2() * 100), 12986);
}

void TestGeometry::diagramHeightIsTheTotalWork()
{
    // The old end stands at the total before the segment, the new end at the total after.
    const auto s = geometry::diagramSegment(3360, 3360, 3360, 3360, 10, Number{2.5});
    QCOMPARE(s.work.y2(), s.ground.y2() - 10);
    QCOMPARE(s.work.y1(), s.ground.y2() + 1 - 12.5);
}

QTEST_APPLESS_MAIN(TestGeometry)
#include "test_geometry.moc"

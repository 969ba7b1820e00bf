#include "fields/work.h"

#include <QTest>

// What the read-outs cannot show: the precision of each step, and where a model has no value.
class TestWork : public QObject {
    Q_OBJECT
private slots:
    void homogeneousFieldsComputeInSinglePrecision();
    void flowHoldsItsFactorInSinglePrecision();
    void vortexJumpsJustPastARightAngle();
    void vortexIgnoresTheSenseOfTurning();
    void noValueAtTheOrigin_data();
    void noValueAtTheOrigin();
};

void TestWork::homogeneousFieldsComputeInSinglePrecision()
{
    // 1000 / 665 differs in its last digits between single and double precision.
    QCOMPARE(work::homogeneousDown(1000, 0), 1000.0f / 665.0f);
    QVERIFY(double(work::homogeneousDown(1000, 0)) != 1000.0 / 665.0);
    // The diagonal field subtracts in the stated order: (((xstart - X) - ystart) + Y).
    const float xs = 16777216, ys = 1, X = 0, Y = 0; // 2^24: adding 1 first would be lost
    QCOMPARE(work::homogeneousDiagonal(xs, ys, X, Y), ((xs - X) - ys + Y) / 665.0f);
}

void TestWork::flowHoldsItsFactorInSinglePrecision()
{
    // d = (0.1 - 0) * -2 rounded to single, then the rest in double.
    const float d = (0.1f - 0.0f) * -2.0f;
    QCOMPARE(work::flow(0, 0.1f, 0, 0), double(d) * 25);
    QVERIFY(work::flow(0, 0.1f, 0, 0) != -0.2 * 25);
}

void TestWork::vortexJumpsJustPastARightAngle()
{
    // Start on the x axis; the current point turns from just below to just above 90 degrees.
    const double before = *work::vortex(1, 0, -0.0005f, 1);
    const double after = *work::vortex(1, 0, -0.05f, 1);
    QVERIFY2(before > 15.6 && before < 15.8, qPrintable(QString::number(before)));
    QVERIFY2(after < -15.0 && after > -15.8, qPrintable(QString::number(after)));
}

void TestWork::vortexIgnoresTheSenseOfTurning()
{
    QCOMPARE(*work::vortex(1, 0, 1, 1), *work::vortex(1, 0, 1, -1));
}

void TestWork::noValueAtTheOrigin_data()
{
    QTest::addColumn<float>("x0");
    QTest::addColumn<float>("y0");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<double>("flow");
    // The flow field alone has a value there: d (25 - (x0² + x² + x0 x) / 3), d = (y0 - y) (-2).
    // From (0,0) to (1,2) d = 4: 4 (25 - 1/3) = 296/3; the way back has d = -4, no move d = 0.
    QTest::newRow("start at origin") << 0.0f << 0.0f << 1.0f << 2.0f << 296.0 / 3;
    QTest::newRow("current at origin") << 1.0f << 2.0f << 0.0f << 0.0f << -296.0 / 3;
    QTest::newRow("both at origin") << 0.0f << 0.0f << 0.0f << 0.0f << 0.0;
}

void TestWork::noValueAtTheOrigin()
{
    QFETCH(float, x0);
    QFETCH(float, y0);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(double, flow);
    QVERIFY(!work::cylinder(x0, y0, x, y));
    QVERIFY(!work::sphere(x0, y0, x, y));
    QVERIFY(!work::vortex(x0, y0, x, y));
    QCOMPARE(work::flow(x0, y0, x, y), flow);
}

QTEST_APPLESS_MAIN(TestWork)
#include "test_work.moc"

#include "state/number.h"

#include <QTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(Number)

class TestNumber : public QObject {
    Q_OBJECT
private slots:
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void roundKeepsType();
    void toInt16_data();
    void toInt16();
    void intRoundsDown();
    void plusTakesTheOperandsType();
    void text_data();
    void text();
    void textFollowsLocale();
};

void TestNumber::roundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expected");
    // 0.125, 0.375 and 2.5 are exact in binary, so they are true ties.
    QTest::newRow("0.125 tie down to even") << 0.125 << 2 << 0.12;
    QTest::newRow("0.375 tie up to even") << 0.375 << 2 << 0.38;
    QTest::newRow("-0.125 tie") << -0.125 << 2 << -0.12;
    QTest::newRow("2.5 to 2") << 2.5 << 0 << 2.0;
    QTest::newRow("3.5 to 4") << 3.5 << 0 << 4.0;
    // 1.005 and 2.675 are stored just below the decimal tie, so they round down.
    QTest::newRow("1.005 below tie") << 1.005 << 2 << 1.0;
    QTest::newRow("2.675 below tie") << 2.675 << 2 << 2.67;
    // 0.135 is stored just above, so it rounds up although 3 is odd.
    QTest::newRow("0.135 above tie") << 0.135 << 2 << 0.14;
    QTest::newRow("ordinary") << 6.931471805599453 << 2 << 6.93;
    QTest::newRow("one decimal") << 12.35 << 1 << 12.3; // 12.35 is stored below the tie
}

void TestNumber::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    QCOMPARE(numbers::Round(value, decimals), expected);
}

void TestNumber::roundKeepsType()
{
    // A single-precision value rounds to the single nearest the decimal result.
    QCOMPARE(numbers::Round(0.229729f, 2), 0.23f);
    QVERIFY(std::holds_alternative<float>(numbers::Round(Number{6.931f}, 2)));
    QVERIFY(std::holds_alternative<double>(numbers::Round(Number{6.931}, 2)));
    QCOMPARE(std::get<int16_t>(numbers::Round(Number{int16_t{0}}, 2)), int16_t{0});
    // 0.125f is a true tie in single precision too.
    QCOMPARE(numbers::Round(0.125f, 2), 0.12f);
}

void TestNumber::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("129.857 up") << 129.857142857 << 130;
    QTest::newRow("128.5 tie to even") << 128.5 << 128;
    QTest::newRow("129.5 tie to even") << 129.5 << 130;
    QTest::newRow("-2.5 tie to even") << -2.5 << -2;
    QTest::newRow("above range saturates") << 1e6 << 32767;
    QTest::newRow("below range saturates") << -1e6 << -32768;
}

void TestNumber::toInt16()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(int(numbers::toInt16(value)), expected);
}

void TestNumber::intRoundsDown()
{
    QCOMPARE(numbers::Int(-0.2f), -1.0f);
    QCOMPARE(numbers::Int(-3.5f), -4.0f);
    QCOMPARE(numbers::Int(2.99f), 2.0f);
}

void TestNumber::plusTakesTheOperandsType()
{
    QVERIFY(std::holds_alternative<float>(numbers::plus(1.5f, Number{int16_t{2}})));
    QVERIFY(std::holds_alternative<float>(numbers::plus(1.5f, Number{0.25f})));
    QVERIFY(std::holds_alternative<double>(numbers::plus(1.5f, Number{0.25})));
    // 0.1f + 0.2f in single precision differs from the sum in double.
    QCOMPARE(std::get<float>(numbers::plus(0.1f, Number{0.2f})), 0.1f + 0.2f);
    QCOMPARE(std::get<double>(numbers::plus(0.1f, Number{0.2})), double(0.1f) + 0.2);
}

void TestNumber::text_data()
{
    QTest::addColumn<Number>("value");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::newRow("whole") << Number{2.0f} << "2"
                           << "2";
    QTest::newRow("two decimals") << Number{6.93f} << "6,93"
                                  << "6.93";
    QTest::newRow("below one has a 0") << Number{-0.1} << "-0,1"
                                       << "-0.1";
    QTest::newRow("negative") << Number{-2.3f} << "-2,3"
                              << "-2.3";
    // 6.93 held in double shows as typed, not as its 17-digit expansion.
    QTest::newRow("double 6.93") << Number{6.93} << "6,93"
                                 << "6.93";
    // The same digits held in single precision would show garbage if printed as a double.
    QTest::newRow("single 6.93 as 7 digits") << Number{6.93f} << "6,93"
                                             << "6.93";
    QTest::newRow("single 7 significant") << Number{1.2345678f} << "1,234568"
                                          << "1.234568";
    QTest::newRow("double 15 significant") << Number{1.0 / 3} << "0,333333333333333"
                                           << "0.333333333333333";
    QTest::newRow("no grouping") << Number{12345.5f} << "12345,5"
                                 << "12345.5";
    QTest::newRow("minus zero has no sign") << Number{-0.0} << "0"
                                            << "0";
    QTest::newRow("single minus zero") << Number{-0.0f} << "0"
                                       << "0";
    QTest::newRow("integer") << Number{int16_t{0}} << "0"
                             << "0";
    // Beyond 7 digits the single's value is shown without an exponent.
    QTest::newRow("large single, no exponent") << Number{123456792.0f} << "123456800"
                                               << "123456800";
    QTest::newRow("small double, no exponent") << Number{0.00001} << "0,00001"
                                               << "0.00001";
}

void TestNumber::text()
{
    QFETCH(Number, value);
    QFETCH(QString, german);
    QFETCH(QString, english);
    QCOMPARE(numbers::text(value, QLocale(QLocale::German, QLocale::Germany)), german);
    QCOMPARE(numbers::text(value, QLocale::c()), english);
    QCOMPARE(numbers::text(value, QLocale(QLocale::English, QLocale::UnitedStates)), english);
}

void TestNumber::textFollowsLocale()
{
    // Without a locale named, the text follows the default one, which is the system's
    // regional settings unless a program changes it.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(numbers::text(1.15f) + " ; " + numbers::text(-2.3f), QStringLiteral("1,15 ; -2,3"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QCOMPARE(numbers::text(1.15f), QStringLiteral("1,15"));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(numbers::text(1.15f), QStringLiteral("1.15"));
}

QTEST_APPLESS_MAIN(TestNumber)
#include "test_number.moc"

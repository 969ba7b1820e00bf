#include "state/number.h"

#include <QTest>

// Numbers take the decimal separator of the regional settings the environment gives the
// program: LC_ALL before LC_NUMERIC before LANG. CTest runs this with several settings.
class TestRegional : public QObject {
    Q_OBJECT
private slots:
    void separatorFromTheEnvironment();
};

void TestRegional::separatorFromTheEnvironment()
{
    const QString expected = qEnvironmentVariable("EXPECTED_TEXT");
    QVERIFY2(!expected.isEmpty(), "run through CTest, which names the expected text");
    QCOMPARE(numbers::text(numbers::Round(6.931f, 2)) + QStringLiteral(" ") + numbers::text(numbers::Round(-0.1001, 2)),
             expected);
}

QTEST_APPLESS_MAIN(TestRegional)
#include "test_regional.moc"

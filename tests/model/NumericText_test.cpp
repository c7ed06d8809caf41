#include "model/NumericText.h"

#include <QTest>

using namespace mtz4;

class NumericTextTest : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "145.000000" << 145.0;
        QTest::newRow("blanks and sign") << "  -12.5" << -12.5;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("leading point") << ".531000" << 0.531;
        QTest::newRow("sign after point stops") << ".0000-1" << 0.0;
        QTest::newRow("negative fraction") << "-.123456" << -0.123456;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("trailing text") << "0050abc" << 50.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("no exponent") << "1e5" << 1.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(NumericValue(text), value);
    }

    void roundsHalvesToEven() {
        QCOMPARE(RoundHalfEven(2.5), 2);
        QCOMPARE(RoundHalfEven(3.5), 4);
        QCOMPARE(RoundHalfEven(-2.5), -2);
        QCOMPARE(RoundHalfEven(-3.5), -4);
        QCOMPARE(RoundHalfEven(2.4999), 2);
        QCOMPARE(RoundHalfEven(-0.6), -1);
        QCOMPARE(RoundHalfEven(qQNaN()), 0);
        QCOMPARE(RoundHalfEven(1e300), std::numeric_limits<qint64>::max());
    }

    void formatsSixDecimals() {
        QCOMPARE(FormatMHz(145.0), QStringLiteral("145.000000"));
        QCOMPARE(FormatMHz(0.531), QStringLiteral("0.531000"));
        QCOMPARE(FormatMHz(1295.0), QStringLiteral("1295.000000"));
        QCOMPARE(FormatMHz(-1.5), QStringLiteral("-1.500000"));
        QCOMPARE(FormatMHz(-0.0000001), QStringLiteral("0.000000"));
    }
};

QTEST_APPLESS_MAIN(NumericTextTest)
#include "NumericText_test.moc"

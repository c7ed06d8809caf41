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

    // Numbers as spreadsheets write them, read whole or not at all.
    void wholeNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // -1: no number
        QTest::newRow("plain") << "145.500000" << 145.5;
        QTest::newRow("decimal comma") << "145,5000" << 145.5;
        QTest::newRow("blanks and plus") << " +7 " << 7.0;
        QTest::newRow("exponent") << "1E-06" << 0.000001;
        QTest::newRow("exponent with comma") << "1,45E+02" << 145.0;
        QTest::newRow("thousands and comma") << "1.234,5" << 1234.5;
        QTest::newRow("thousands and point") << "1,234.5" << 1234.5;
        QTest::newRow("thousands only") << "1.234.567" << 1234567.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("negative") << "-0,6" << -0.6;
        QTest::newRow("unit") << "145.5 MHz" << -1.0;
        QTest::newRow("date") << "12/1" << -1.0;
        QTest::newRow("groups wrong") << "12.34,5" << -1.0;
        QTest::newRow("two marks") << "1.2.3,4" << -1.0;
        QTest::newRow("exponent alone") << "E5" << -1.0;
        QTest::newRow("exponent unfinished") << "1e" << -1.0;
        QTest::newRow("sign only") << "-" << -1.0;
        QTest::newRow("empty") << "" << -1.0;
    }
    void wholeNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ParseNumber(text).value_or(-1.0), value);
    }

    void typedDecimalComma() {
        QCOMPARE(TypedNumericValue(QStringLiteral("118,7")), 118.7);
        QCOMPARE(TypedNumericValue(QStringLiteral("145.5")), 145.5);
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

#include "model/EnableCodec.h"
#include "model/HexBits.h"

#include <QRandomGenerator>
#include <QTest>
#include <memory>

using namespace mtz4;

class EnableCodecTest : public QObject {
    Q_OBJECT

private slots:
    void hexAndBits() {
        QCOMPARE(HexToBin(QStringLiteral("a")), QStringLiteral("0000"));
        QCOMPARE(HexToBin(QString()), QStringLiteral("0000"));
        QCOMPARE(HexToBin(QStringLiteral("C")), QStringLiteral("1100"));
        QCOMPARE(BinToHex(QStringLiteral("0101")), QStringLiteral("5"));
        QCOMPARE(BinToHex(QStringLiteral("1111")), QStringLiteral("F"));
        QCOMPARE(BinToHex(QStringLiteral("01")), QString());
        QCOMPARE(BinToHex(QStringLiteral("0121")), QString());
        for (int v = 0; v < 16; ++v) {
            const QString digit = QString::number(v, 16).toUpper();
            QCOMPARE(BinToHex(HexToBin(digit)), digit);
        }
        // Whole lines convert as the digit-by-digit rules do: lower case,
        // other characters and missing digits give 0000; a group of four
        // that is not all bits adds nothing.
        QCOMPARE(BitsOfLine(QStringLiteral("A5fz"), 6), QStringLiteral("101001010000000000000000"));
        QCOMPARE(HexOfBits(QStringLiteral("1010x1010000111")), QStringLiteral("A0"));
    }

    void emptyLinesDisableEverything() {
        auto ds = std::make_unique<DataSet>();
        InitTables(*ds);
        ds->MemEnable.fill(true);
        DecodeEnable(*ds);
        QVERIFY(std::none_of(ds->MemEnable.begin(), ds->MemEnable.end(), [](bool e) { return e; }));
    }

    void bitOrderIsMostSignificantFirst() {
        auto ds = std::make_unique<DataSet>();
        InitTables(*ds);
        ds->EnableLines.fill(QString(64, QLatin1Char('0')));
        ds->EnableLines[0].replace(0, 4, QStringLiteral("8001"));
        ds->EnableLines[5] = QStringLiteral("F");
        DecodeEnable(*ds);
        QVERIFY(ds->MemEnable[0]);
        QVERIFY(!ds->MemEnable[1]);
        QVERIFY(ds->MemEnable[15]);
        QVERIFY(!ds->MemEnable[16]);
        QVERIFY(ds->MemEnable[1280] && ds->MemEnable[1283] && !ds->MemEnable[1284]);
    }

    void roundTrip() {
        auto ds = std::make_unique<DataSet>();
        InitTables(*ds);
        QRandomGenerator rng(7);
        for (bool& e : ds->MemEnable)
            e = rng.bounded(2) == 1;
        ds->MemEnable[1296] = ds->MemEnable[1297] = ds->MemEnable[1298] = false;
        ds->MemEnable[1299] = true;
        const auto flags = ds->MemEnable;
        EncodeEnable(*ds);
        for (int j = 0; j < 5; ++j)
            QCOMPARE(ds->EnableLines[j].size(), 64);
        QCOMPARE(ds->EnableLines[5].size(), 5);
        QCOMPARE(ds->EnableLines[5].back(), QLatin1Char('1')); // entries 1296..1299, 1299 last
        ds->MemEnable.fill(false);
        DecodeEnable(*ds);
        QCOMPARE(ds->MemEnable, flags);
    }
};

QTEST_APPLESS_MAIN(EnableCodecTest)
#include "EnableCodec_test.moc"

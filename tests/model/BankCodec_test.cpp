#include "model/BankCodec.h"

#include <QRandomGenerator>
#include <QTest>
#include <memory>

using namespace mtz4;

namespace {
void SetSizes(DataSet& ds, std::initializer_list<int> sizes) {
    for (int b = 0; b < BankCount; ++b) {
        ds.BankSize[b] = 0;
        ds.BankText[b] = QStringLiteral("0");
    }
    int b = 0;
    for (int size : sizes) {
        ds.BankSize[b] = size;
        ds.BankText[b++] = QString::number(size);
    }
}
} // namespace

class BankCodecTest : public QObject {
    Q_OBJECT
    std::unique_ptr<DataSet> ds;

private slots:
    void init() {
        ds = std::make_unique<DataSet>();
        InitTables(*ds);
    }

    void defaultSizesEncode() {
        EncodeBanks(*ds);
        QCOMPARE(ds->BankLines[0], QString("6400").repeated(10) + QString("0000").repeated(6));
        QCOMPARE(ds->BankLines[1], QString("0000").repeated(16));
        QCOMPARE(ds->BankLines[2], QString("0000").repeated(16));
        QCOMPARE(ds->BankLines[3], QStringLiteral("000000006400640064001400"));
        QCOMPARE(ds->bank.txtBank[0], QStringLiteral("100"));
        QCOMPARE(ds->bank.lblAll, QStringLiteral("1000"));
    }

    void totalIsCutAt1000() {
        SetSizes(*ds, {600, 600, 7});
        EncodeBanks(*ds);
        QCOMPARE(ds->BankSize[0], 600);
        QCOMPARE(ds->BankSize[1], 400);
        QCOMPARE(ds->BankText[1], QStringLiteral("400"));
        QCOMPARE(ds->BankSize[2], 0);
        QCOMPARE(ds->bank.txtBank[2], QStringLiteral("0"));
        QCOMPARE(ds->BankLines[0].left(12), QStringLiteral("580290010000"));

        SetSizes(*ds, {1000, 5, 7});
        EncodeBanks(*ds);
        QCOMPARE(ds->BankSize[1], 0);
        QCOMPARE(ds->BankSize[2], 0);
        QCOMPARE(ds->bank.lblAll, QStringLiteral("1000"));
    }

    void textsThatDisagreeCannotExceed1000() {
        // The texts (as an import leaves them) say more than the sizes.
        SetSizes(*ds, {100});
        for (int b = 0; b < 20; ++b)
            ds->BankText[b] = QStringLiteral("100");
        EncodeBanks(*ds);
        int total = 0;
        for (int b = 0; b < BankCount; ++b)
            total += ds->BankSize[b];
        QCOMPARE(total, 1000);
        QCOMPARE(ds->BankText[10], QStringLiteral("0"));
    }

    void negativeSizeIsWrittenAsZero() {
        ds->BankLines[0] = QStringLiteral("FFFF") + QString("0000").repeated(15);
        DecodeBanks(*ds);
        QCOMPARE(ds->BankSize[0], -1);
        QCOMPARE(ds->BankText[0], QStringLiteral("-1"));
        ds->BankText[1] = QStringLiteral("1000");
        EncodeBanks(*ds);
        QCOMPARE(ds->BankSize[0], 0);
        QCOMPARE(ds->BankLines[0].left(8), QStringLiteral("0000E803"));
    }

    void shortLinesAndRoundTrip() {
        ds->BankLines = {QStringLiteral("0A000B"), QString(), QString(), QString()};
        DecodeBanks(*ds);
        QCOMPARE(ds->BankSize[0], 10);
        QCOMPARE(ds->BankSize[1], 11); // the missing high byte reads as 0
        QCOMPARE(ds->BankSize[2], 0);

        QRandomGenerator rng(99);
        for (int round = 0; round < 50; ++round) {
            int left = 1000;
            for (int b = 0; b < BankCount; ++b) {
                const int size = b == BankCount - 1 ? left : int(rng.bounded(left / 4 + 1));
                ds->BankSize[b] = size;
                ds->BankText[b] = QString::number(size);
                left -= size;
            }
            const auto sizes = ds->BankSize;
            EncodeBanks(*ds);
            ds->BankSize.fill(0);
            DecodeBanks(*ds);
            for (int b = 0; b < BankCount; ++b)
                QCOMPARE(ds->BankSize[b], sizes[b]);
        }
    }

    void boxesAndStarts() {
        ds->bank.txtBank.fill(QStringLiteral("0"));
        ds->bank.txtBank[0] = QStringLiteral("0050");
        ds->bank.txtBank[1] = QStringLiteral("900");
        ReadBankTexts(*ds);
        QCOMPARE(ds->BankSize[0], 50);
        QCOMPARE(ds->BankSize[BankCount], 50);
        QCOMPARE(ds->bank.lblAll, QStringLiteral("950"));
        ds->bank.txtBank[0] = QStringLiteral("99999999999");
        ReadBankTexts(*ds); // no overflow, element 50 stays 0
        QCOMPARE(ds->BankSize[BankCount], 0);

        InitTables(*ds);
        QCOMPARE(BankStart(*ds, 0), 0);
        QCOMPARE(BankStart(*ds, 1), 100);
        QCOMPARE(BankStart(*ds, 49), 1000);
    }
};

QTEST_APPLESS_MAIN(BankCodecTest)
#include "BankCodec_test.moc"

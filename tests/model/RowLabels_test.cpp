#include "model/RowLabels.h"

#include <QTest>

using namespace mtz4;

class RowLabelsTest : public QObject {
    Q_OBJECT

private slots:
    void factoryBanks() {
        BankControls bank;
        for (int b = 0; b < BankCount; ++b)
            bank.txtBank[b] = b < 10 ? QStringLiteral("100") : QStringLiteral("0");
        const QStringList labels = BuildRowLabels(bank);
        QCOMPARE(labels.size(), EntryCount);
        QCOMPARE(labels[0], QStringLiteral("00-000"));
        QCOMPARE(labels[99], QStringLiteral("00-099"));
        QCOMPARE(labels[100], QStringLiteral("01-000"));
        QCOMPARE(labels[999], QStringLiteral("09-099"));
        QCOMPARE(labels[1000], QStringLiteral("0A"));
        QCOMPARE(labels[1001], QStringLiteral("0B"));
        QCOMPARE(labels[1002], QStringLiteral("1A"));
        QCOMPARE(labels[1099], QStringLiteral("49B"));
        QCOMPARE(labels[1100], QStringLiteral("S0"));
        QCOMPARE(labels[1199], QStringLiteral("S99"));
        QCOMPARE(labels[1200], QStringLiteral("Pr0"));
        QCOMPARE(labels[1299], QStringLiteral("Pr99"));
    }

    void emptyBanksAreSkipped() {
        BankControls bank;
        bank.txtBank.fill(QStringLiteral("0"));
        bank.txtBank[1] = QStringLiteral("995");
        bank.txtBank[12] = QStringLiteral("5");
        const QStringList labels = BuildRowLabels(bank);
        QCOMPARE(labels[0], QStringLiteral("01-000"));
        QCOMPARE(labels[994], QStringLiteral("01-994"));
        QCOMPARE(labels[995], QStringLiteral("12-000"));
        QCOMPARE(labels[999], QStringLiteral("12-004"));
    }

    void rowsBeyondTheLastBankAreBlank() {
        BankControls bank;
        bank.txtBank.fill(QString());
        bank.txtBank[0] = QStringLiteral("950");
        bank.txtBank[49] = QStringLiteral("-4");
        const QStringList labels = BuildRowLabels(bank);
        QCOMPARE(labels[949], QStringLiteral("00-949"));
        QCOMPARE(labels[950], QString());
        QCOMPARE(labels[999], QString());
        QCOMPARE(labels[1000], QStringLiteral("0A"));
    }
};

QTEST_APPLESS_MAIN(RowLabelsTest)
#include "RowLabels_test.moc"

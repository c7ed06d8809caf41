#include "model/GroupCodec.h"

#include <QRandomGenerator>
#include <QTest>
#include <memory>

using namespace mtz4;

class GroupCodecTest : public QObject {
    Q_OBJECT
    std::unique_ptr<DataSet> ds;

private slots:
    void init() {
        ds = std::make_unique<DataSet>();
        InitTables(*ds);
    }

    void initialLineDecodes() {
        // The 32-digit initial line fills slots 0 and 1 only: slot 1 is all
        // ones, every bit beyond the 128th reads as clear.
        DecodeGroups(*ds);
        for (int r = 0; r < GroupRows; ++r)
            for (int b = 0; b < BankCount; ++b)
                QCOMPARE(ds->GroupFlag[r][b], r == 1);
    }

    void layoutWithFillerBits() {
        ds->GroupFlag[1][0] = true;
        EncodeGroups(*ds);
        const QString& line = ds->GroupLine;
        QCOMPARE(line.size(), 176);
        QCOMPARE(line.left(16), QString(16, QLatin1Char('0')));
        QCOMPARE(line.mid(16, 16), QStringLiteral("8") + QString(15, QLatin1Char('0')));
        QCOMPARE(line.mid(32, 128), QString(128, QLatin1Char('0')));
        QCOMPARE(line.mid(160), QStringLiteral("0000000000000400"));

        ds->GroupFlag[10][48] = ds->GroupFlag[10][49] = true;
        EncodeGroups(*ds);
        QCOMPARE(ds->GroupLine.mid(160), QStringLiteral("000000000000C400"));
    }

    void roundTripKeepsRowZeroOutOfTheImage() {
        QRandomGenerator rng(3);
        for (int r = 0; r < GroupRows; ++r)
            for (int b = 0; b < BankCount; ++b)
                ds->GroupFlag[r][b] = rng.bounded(2) == 1;
        ds->GroupFlag[0][0] = true;
        const auto flags = ds->GroupFlag;
        EncodeGroups(*ds);
        for (auto& row : ds->GroupFlag)
            row.fill(false);
        DecodeGroups(*ds);
        QVERIFY(!ds->GroupFlag[0][0]);
        for (int r = 1; r < GroupRows; ++r)
            QCOMPARE(ds->GroupFlag[r], flags[r]);
    }

    void checkBoxes() {
        ds->GroupFlag[3][7] = true;
        ShowGroups(*ds);
        QCOMPARE(ds->bank.chkGrp[157], 1);
        QCOMPARE(ds->bank.chkGrp[158], 0);
        ds->bank.chkGrp[0] = 1;
        ds->bank.chkGrp[549] = 1;
        ds->bank.chkGrp[157] = 2; // only a checked box (1) counts
        ReadGroupChecks(*ds);
        QVERIFY(ds->GroupFlag[0][0]);
        QVERIFY(ds->GroupFlag[10][49]);
        QVERIFY(!ds->GroupFlag[3][7]);
    }
};

QTEST_APPLESS_MAIN(GroupCodecTest)
#include "GroupCodec_test.moc"

#include "model/RecordCodec.h"
#include "model/ReferenceTables.h"
#include "model/SettingsCodec.h"
#include "reference/FactoryData.h"
#include "reference/VfoDefaults.h"

#include <QTest>
#include <memory>

using namespace mtz4;

class FactoryDataTest : public QObject {
    Q_OBJECT
    std::unique_ptr<DataSet> ds = std::make_unique<DataSet>();

    QString Vfo(int band, int col) const { return ds->VfoText[band][col]; }

private slots:
    void bandPlanPerModel() {
        MakeFactoryDataSet(*ds, Model::MTZ4J);
        QCOMPARE(Vfo(1, Col::Freq), QStringLiteral("0.531000"));
        QCOMPARE(Vfo(6, Col::Step), QStringLiteral("20KHz"));
        QCOMPARE(Vfo(10, Col::Step), QStringLiteral("20KHz"));
        QCOMPARE(Vfo(11, Col::Freq), QStringLiteral("475.750000"));
        QCOMPARE(Vfo(0, Col::Step), QStringLiteral("1KHz"));
        QCOMPARE(Vfo(0, Col::Shift), QStringLiteral("0.250000"));

        MakeFactoryDataSet(*ds, Model::MTZ40E);
        QCOMPARE(Vfo(1, Col::Freq), QStringLiteral("0.522000"));
        QCOMPARE(ds->VfoData[1][Col::Freq], 0.522);
        QCOMPARE(Vfo(1, Col::Step), QStringLiteral("9KHz"));
        QCOMPARE(Vfo(6, Col::Step), QStringLiteral("12.5KHz"));
        QCOMPARE(Vfo(10, Col::Step), QStringLiteral("12.5KHz"));
        QCOMPARE(Vfo(11, Col::Freq), QStringLiteral("476.750000"));
        QCOMPARE(Vfo(12, Col::Freq), QStringLiteral("806.000000"));

        MakeFactoryDataSet(*ds, Model::MTZ40K);
        QCOMPARE(Vfo(2, Col::Freq), QStringLiteral("29.000000"));
        QCOMPARE(Vfo(2, Col::Mode), QStringLiteral("FM"));
        QCOMPARE(Vfo(2, Col::Step), QStringLiteral("10KHz"));
        QCOMPARE(Vfo(7, Col::Freq), QStringLiteral("960.000000"));
        QCOMPARE(Vfo(7, Col::Shift), QStringLiteral("20.000000"));
        QCOMPARE(Vfo(2, Col::Secret), QStringLiteral("8"));
        QCOMPARE(Vfo(8, Col::Secret), QStringLiteral("11"));
        QCOMPARE(Vfo(13, Col::Freq), QStringLiteral("1295.000000"));
        QCOMPARE(Vfo(10, Col::Step), QStringLiteral("12.5KHz"));
    }

    void recordsAreConsistent() {
        for (int model = 0; model < ModelCount; ++model) {
            MakeFactoryDataSet(*ds, model);
            const ReferenceTables& t = Ref();
            const int bands = model < 2 ? 14 : 8;
            for (int b = 0; b < BandCount; ++b) {
                const auto& d = ds->VfoData[b];
                QCOMPARE(Vfo(b, Col::Carrier), QStringLiteral("JR"));
                QCOMPARE(Vfo(b, Col::Tone), QStringLiteral("88.5Hz"));
                QCOMPARE(Vfo(b, Col::Option), QStringLiteral("OFF"));
                QCOMPARE(Vfo(b, Col::ShiftDir), QStringLiteral("OFF"));
                QCOMPARE(Vfo(b, Col::Note), QString());
                QCOMPARE(FormatFreq(d[Col::Freq]), Vfo(b, Col::Freq));
                QCOMPARE(FormatFreq(d[Col::Shift]), Vfo(b, Col::Shift));
                QCOMPARE(t.StepList[int(d[Col::Step])], Vfo(b, Col::Step));
                // Each default lies in its band, except band 12 of MT-Z40E.
                if (b < bands && !(model == Model::MTZ40E && b == 12)) {
                    QVERIFY(d[Col::Freq] >= t.BandLimit[model][b][0]);
                    QVERIFY(d[Col::Freq] <= t.BandLimit[model][b][1]);
                }
                // A band survives the record codec unchanged.
                const auto texts = ds->VfoText[b];
                QVERIFY(DecodeVFO(*ds, QStringLiteral("\r\n") + EncodeVFO(*ds, b), b));
                QCOMPARE(ds->VfoText[b], texts);
            }
        }
    }

    void factoryState() {
        MakeFactoryDataSet(*ds, Model::MTZ4J);
        ds->MemData[3][Col::Freq] = 1;
        ds->MemText[3][Col::Note] = QStringLiteral("x");
        ds->MemEnable[3] = true;
        ds->bank.chkGrp[77] = 1;
        ds->GroupFlag[1][27] = true;
        ds->BankSize[0] = 1000;
        ds->bank.txtBank[0] = QStringLiteral("1000");
        ds->CurrentFile = QStringLiteral("/tmp/a.MZ4");
        ds->DataChanged = true;
        ds->ModelIndex = Model::MTZ40T;
        ds->SetLine1 = QStringLiteral("A5FF");

        ApplyFactoryData(*ds);
        QCOMPARE(ds->MemData[3][Col::Freq], 0.0);
        QCOMPARE(ds->MemText[3][Col::Note], QString());
        QVERIFY(!ds->MemEnable[3]);
        QCOMPARE(ds->bank.chkGrp[77], 0);
        QVERIFY(!ds->GroupFlag[1][27]);
        QCOMPARE(ds->BankSize[0], 100);
        QCOMPARE(ds->BankText[9], QStringLiteral("100"));
        QCOMPARE(ds->bank.txtBank[10], QStringLiteral("0"));
        QCOMPARE(ds->bank.lblAll, QStringLiteral("1000"));
        QCOMPARE(ds->CurrentFile, QString());
        QVERIFY(!ds->DataChanged);
        QCOMPARE(ds->SetLine1, DefaultSetLine1(Model::MTZ40T));
        QCOMPARE(ds->SetLine2, DefaultSetLine2(Model::MTZ40T));
        QCOMPARE(Vfo(1, Col::Freq), QStringLiteral("0.530000"));
    }

private:
    static QString FormatFreq(double mhz) { return QString::number(mhz, 'f', 6); }
};

QTEST_APPLESS_MAIN(FactoryDataTest)
#include "FactoryData_test.moc"

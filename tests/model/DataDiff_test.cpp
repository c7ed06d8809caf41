// The comparison of two data sets: one difference per changed field of
// every kind, in the form "where field: this -> other".
#include "model/DataDiff.h"
#include "model/NumericText.h"
#include "reference/FactoryData.h"

#include <QTest>
#include <functional>

using namespace mtz4;

class DataDiffTest : public QObject {
    Q_OBJECT

private slots:
    void everyKindOfField();
};

void DataDiffTest::everyKindOfField() {
    struct Case {
        std::function<void(DataSet&)> change;
        QStringList expected;
    };
    const auto enableEntry = [](DataSet& ds, int e, double mhz, const QString& name) {
        ds.MemEnable[e] = true;
        ds.MemData[e][Col::Freq] = mhz;
        ds.MemText[e][Col::Freq] = FormatMHz(mhz);
        ds.MemText[e][Col::Name] = name;
    };
    const std::vector<Case> cases = {
        {[](DataSet&) {}, {}},
        {[&](DataSet& ds) { enableEntry(ds, 12, 145.52, QStringLiteral("RPT")); },
         {"00-012 Frequency: 145.500000 -> 145.520000"}},
        {[&](DataSet& ds) { enableEntry(ds, 12, 145.5, QStringLiteral("CLUB")); },
         {"00-012 Name: RPT -> CLUB"}},
        {[](DataSet& ds) {
             ds.MemEnable[12] = false;
             ds.MemData[12].fill(0);
             ds.MemText[12].fill(QString());
         },
         {"00-012 Enabled: yes -> no", "00-012 Frequency: 145.500000 -> ", "00-012 Name: RPT -> "}},
        {[](DataSet& ds) { ds.MemData[12][Col::Skip] = 1; }, {"00-012 Skip: no -> yes"}},
        {[](DataSet& ds) { ds.MemText[12][Col::Note] = QStringLiteral("net"); },
         {"00-012 Note:  -> net"}},
        {[](DataSet& ds) { ds.VfoText[5][Col::Note] = QStringLiteral("air"); },
         {"Band 5 Note:  -> air"}},
        {[](DataSet& ds) {
             ds.bank.txtBank[0] = QStringLiteral("90");
             ds.bank.txtBank[12] = QStringLiteral("10");
         },
         {"Bank 0 Size: 100 -> 90", "Bank 12 Size: 0 -> 10"}},
        {[](DataSet& ds) { ds.bank.chkGrp[10 * BankCount + 49] = 1; },
         {"GRP-B Bank 49: no -> yes"}},
        {[](DataSet& ds) {
             ds.settings.optLamp = 2;
             ds.settings.cbbChargeTime = 3;
             ds.settings.chkATT = 1;
             ds.settings.Slider1 = 7;
         },
         {"Settings AF volume level: 20 -> 7", "Settings Lamp: 5sec -> ON",
          "Settings Charge Time: 12 hrs. -> 4 hrs.", "Settings Attenuator: off -> on"}},
        // Codes the texts do not show, as they go to the receiver.
        {[](DataSet& ds) {
             ds.MemData[12][Col::ShiftDir] = 0x10; // its text stays as it was
             ds.MemData[12][Col::Option] = 9;
         },
         {"00-012 Shift code: 00 -> 10", "00-012 Option code: 00 -> 09"}},
        {[](DataSet& ds) { ds.VfoData[2][Col::ShiftDir] = 3; }, {"Band 2 Shift code: 00 -> 03"}},
    };
    auto mine = std::make_unique<DataSet>();
    MakeFactoryDataSet(*mine, 0);
    enableEntry(*mine, 12, 145.5, QStringLiteral("RPT"));
    for (const Case& c : cases) {
        auto other = std::make_unique<DataSet>(*mine);
        c.change(*other);
        QStringList texts;
        for (const DataDifference& d : CompareData(*mine, *other))
            texts << d.text();
        QCOMPARE(texts, c.expected);
    }
}

QTEST_GUILESS_MAIN(DataDiffTest)
#include "DataDiff_test.moc"

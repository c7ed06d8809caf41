#include "model/ReferenceTables.h"

#include <QTest>

using namespace mtz4;

namespace {
template <std::size_t N> QStringList ToList(const std::array<QString, N>& table) {
    return QStringList(table.begin(), table.end());
}
QStringList Split(const char* texts) {
    return QString::fromLatin1(texts).split(QLatin1Char('|'));
}
} // namespace

class ReferenceTablesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitReferenceTables(); }

    void fixedTexts() {
        const ReferenceTables& t = Ref();
        QCOMPARE(t.CloneHeader, QStringLiteral("Orlenk  MT-Z4  Clone  File Start"));
        QCOMPARE(t.CloneTrailer, QStringLiteral("Orlenk  MT-Z4  Clone  File   End"));
        QCOMPARE(t.CloneHeader.size(), t.CloneTrailer.size());
        QCOMPARE(t.AppTitle, QStringLiteral("Orlenk MT-Z4/Z40 Clone Utility"));
    }

    void recordTexts() {
        const ReferenceTables& t = Ref();
        QCOMPARE(ToList(t.StepList),
                 Split("5KHz|6.25KHz|8.33KHz|10KHz|12.5KHz|15KHz|20KHz|25KHz|30KHz|50KHz|100KHz|"
                       "125KHz|150KHz|200KHz|500KHz|1MHz|1KHz|9KHz||"));
        QCOMPARE(ToList(t.ToneList),
                 Split("67.0Hz|69.3Hz|71.9Hz|74.4Hz|77.0Hz|79.7Hz|82.5Hz|85.4Hz|88.5Hz|91.5Hz|"
                       "94.8Hz|97.4Hz|100.0Hz|103.5Hz|107.2Hz|110.9Hz|114.8Hz|118.8Hz|123.0Hz|"
                       "127.3Hz|131.8Hz|136.5Hz|141.3Hz|146.2Hz|151.4Hz|156.7Hz|162.2Hz|167.9Hz|"
                       "173.8Hz|179.9Hz|186.2Hz|192.8Hz|203.5Hz|210.7Hz|218.1Hz|225.7Hz|233.6Hz|"
                       "241.8Hz|250.3Hz"));
        QCOMPARE(ToList(t.OptionList), Split("OFF|Train|Tone|Rev.|Scr"));
    }

    void settingsLists() {
        const ReferenceTables& t = Ref();
        QCOMPARE(t.ScanTimerList[0], QStringLiteral("BUSY"));
        QCOMPARE(t.ScanTimerList[1], QStringLiteral("1 SEC"));
        QCOMPARE(t.ScanTimerList[25], QStringLiteral("25 SEC"));
        QCOMPARE(t.ChargeTimeList[0], QStringLiteral("1 hrs."));
        QCOMPARE(t.ChargeTimeList[11], QStringLiteral("12 hrs."));
        QCOMPARE(t.ChargeTimeList[23], QStringLiteral("24 hrs."));
        QCOMPARE(ToList(t.SetModeTimeList).mid(0, 7),
                 Split("MANUAL| 5 SEC| 6 SEC| 7 SEC| 8 SEC| 9 SEC|10 SEC"));
        QCOMPARE(t.SetModeTimeList[21], QStringLiteral("25 SEC"));
        QCOMPARE(ToList(t.WildKeyList),
                 Split("ATT|ANTENA|ABAR|SBAR|LAMP|SCANTP|PRIO|TIMESP|TIMEPR|BAND|APO|BS|BEEP|BELL|"
                       "MONTYP|MONFNC|LOCBUG|BUGSNS|BUGTYP|CHARGE|CHGTIM|SETMOD|PROTCT|SKIP|"
                       "WILDKY|RMCN-A|RMCN-B|RMCN-C|RMCN-D"));
        QCOMPARE(ToList(t.RemoconKeyList),
                 Split("UP|DOWN|V/P/M|AUX IN|TONE|REVTON|TRAIN|MONI|BAND|PRIO|SPEED|AFTONE|PLAY|"
                       "REC|ATT|ANTENA|ABAR|SBAR|BEEP|BELL"));
        QCOMPARE(ToList(t.TimeSpList),
                 Split(" 5-SEC|10-SEC|15-SEC|20-SEC|25-SEC|30-SEC|45-SEC|60-SEC"));
    }

    void programScanLabels() {
        const auto& labels = Ref().ProgramScanLabel;
        QCOMPARE(labels[0], QStringLiteral("P0A"));
        QCOMPARE(labels[1], QStringLiteral("P0B"));
        QCOMPARE(labels[2], QStringLiteral("P1A"));
        QCOMPARE(labels[98], QStringLiteral("P49A"));
        QCOMPARE(labels[99], QStringLiteral("P49B"));
    }

    void bandTables() {
        const ReferenceTables& t = Ref();
        QCOMPARE(ToList(t.BandLabel[0]),
                 Split("(0.1-0.530MHz)|(0.531-1.620MHz)|(1.625-49.995MHz)|(50.000-75.995MHz)|"
                       "(76.000-107.995MHz)|(108.000-141.995MHz)|(142.000-169.995MHz)|"
                       "(170.000-221.995MHz)|(222.000-335.995MHz)|(336.000-429.995MHz)|"
                       "(430.000-469.995MHz)|(470.000-769.995MHz)|(770.000-959.995MHz)|"
                       "(960.000-1299.995MHz)"));
        QCOMPARE(ToList(t.BandLabel[1]),
                 Split("(0.1-0.521MHz)|(0.522-1.620MHz)|(1.625-49.995MHz)|(50.000-75.995MHz)|"
                       "(76.000-107.995MHz)|(108.000-141.995MHz)|(142.000-169.995MHz)|"
                       "(170.000-229.995MHz)|(230.000-335.995MHz)|(336.000-429.995MHz)|"
                       "(430.000-469.995MHz)|(470.000-869.995MHz)|(870.000-959.995MHz)|"
                       "(960.000-1299.995MHz)"));
        const QStringList eight =
            Split("(0.1-0.529MHz)|(0.530-28.995MHz)|(29.000-59.745MHz)|(59.750-107.995MHz)|"
                  "(108.000-215.995MHz)|(216.000-399.995MHz)|(400.000-959.995MHz)|"
                  "(960.000-1299.995MHz)||||||");
        QCOMPARE(ToList(t.BandLabel[2]), eight);
        QCOMPARE(ToList(t.BandLabel[3]), eight);

        // Every caption states its limits.
        for (int m = 0; m < ModelCount; ++m)
            for (int b = 0; b < BandCount; ++b) {
                const QString& label = t.BandLabel[m][b];
                if (label.isEmpty())
                    continue;
                const QStringList edges = label.mid(1, label.size() - 5).split(QLatin1Char('-'));
                QCOMPARE(edges[0].toDouble(), t.BandLimit[m][b][0]);
                QCOMPARE(edges[1].toDouble(), t.BandLimit[m][b][1]);
            }
        QCOMPARE(t.BandLimit[2][8][0], 824.0);
        QCOMPARE(t.BandLimit[2][9][1], 894.995);
        QCOMPARE(t.BandLimit[3][8][1], 0.0);
        QCOMPARE(t.BandLimit[2][10][1], 0.0);

        // 0.53 is band 0 of MT-Z4J, 0.531 band 1, 0.5305 neither.
        const auto in = [&](double f, int b) {
            return f >= t.BandLimit[0][b][0] && f <= t.BandLimit[0][b][1];
        };
        QVERIFY(in(0.53, 0) && in(0.531, 1) && !in(0.5305, 0) && !in(0.5305, 1));
    }

    void cellularRanges() {
        QVERIFY(!CellularAllowed(849.995));
        QVERIFY(!CellularAllowed(869.0));
        QVERIFY(!CellularAllowed(824.0));
        QVERIFY(!CellularAllowed(894.995));
        QVERIFY(CellularAllowed(850.0));
        QVERIFY(CellularAllowed(868.995));
        QVERIFY(CellularAllowed(823.995));
        QVERIFY(CellularAllowed(895.0));
    }
};

QTEST_APPLESS_MAIN(ReferenceTablesTest)
#include "ReferenceTables_test.moc"

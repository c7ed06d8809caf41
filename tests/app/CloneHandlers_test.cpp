// The window's clone handlers against a scripted receiver on fake time: the
// tab each selects, the buttons it disables and enables again, the progress
// bar, the pages it redraws and the memory grid's row it keeps.
#include "app/ReadCommands.h"
#include "app/WriteCommands.h"
#include "link/Commands.h"
#include "model/BankCodec.h"
#include "model/DataSet.h"
#include "model/RowLabels.h"
#include "support/FakeLink.h"
#include "support/FakeReceiver.h"
#include "support/RandomData.h"
#include "support/RecordingPages.h"
#include "support/TestFiles.h"

#include <QTest>
#include <functional>
#include <map>

using namespace mtz4;
using namespace mtz4::test;

namespace {

using Handler = std::function<CloneOutcome(Link&, DataSet&, ClonePages&)>;

const std::map<QString, Handler>& handlers() {
    static const std::map<QString, Handler> all = {
        {"cmbRxData", [](Link& l, DataSet& d, ClonePages& p) { return cmbRxData_Click(l, d, p); }},
        {"cmbRxData1", cmbRxData1_Click},
        {"cmbReadBank", cmbReadBank_Click},
        {"cmdReadGroup", cmdReadGroup_Click},
        {"mnuReAll", [](Link& l, DataSet& d, ClonePages& p) { return mnuReAll_Click(l, d, p); }},
        {"mnuReMem", [](Link& l, DataSet& d, ClonePages& p) { return mnuReMem_Click(l, d, p); }},
        {"cmbTxData", cmbTxData_Click},
        {"cmbTxData1", cmbTxData1_Click},
        {"cmbWriteBank", cmbWriteBank_Click},
        {"cmdWriteGroup", cmdWriteGroup_Click},
        {"mnuWrAll", mnuWrAll_Click},
    };
    return all;
}

// What goes wrong on the line: "" nothing, "refuse" the receiver refuses the
// model, "total" the bank sizes add up to 980, "silent:" or "port:" and a
// command prefix: no answer to, or a port failure at, that command.
void setUp(FakeReceiver& receiver, DataSet& ds, const QString& fault) {
    if (fault == QLatin1String("refuse")) {
        receiver.cloneMode = false;
        receiver.model = "MT-Z40E";
    } else if (fault == QLatin1String("total")) {
        receiver.cloneMode = false;
        for (int b = 0; b < BankCount; ++b)
            ds.bank.txtBank[b] = QString::number(b < 9 ? 100 : b == 9 ? 80 : 0);
        ReadBankTexts(ds);
        for (int b = 0; b < BankCount; ++b)
            ds.BankText[b] = ds.bank.txtBank[b];
    } else if (!fault.isEmpty()) {
        const QByteArray prefix = fault.section(QLatin1Char(':'), 1).toLatin1();
        const auto matches = [prefix](const QByteArray& command) {
            return command.startsWith(prefix);
        };
        (fault.startsWith(QLatin1String("port")) ? receiver.portFailsFor : receiver.silentFor) =
            matches;
    }
}

QString silentAt(int address) {
    return QStringLiteral("silent:") + readCommand(address);
}

} // namespace

class CloneHandlersTest : public QObject {
    Q_OBJECT

private slots:
    void everyHandlerShowsItsPagesAndEnablesItsButtonsAgain_data();
    void everyHandlerShowsItsPagesAndEnablesItsButtonsAgain();
};

void CloneHandlersTest::everyHandlerShowsItsPagesAndEnablesItsButtonsAgain_data() {
    QTest::addColumn<QString>("handler");
    QTest::addColumn<int>("startTab");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("endTab");
    // Lines the log must hold in this order (at its very end when
    // `atTheEnd`), and lines it must not hold.
    QTest::addColumn<QStringList>("inOrder");
    QTest::addColumn<bool>("atTheEnd");
    QTest::addColumn<QStringList>("absent");
    // The memory grid's current row before, and after (-1: not looked at).
    QTest::addColumn<int>("rowBefore");
    QTest::addColumn<int>("rowAfter");

    const int s1 = int(CloneTab::Settings1), memory = int(CloneTab::Memory);
    const int bank = int(CloneTab::Bank);
    const QStringList none;
    QTest::newRow("Read ALL goes from Bank to Settings 1, then to Memory")
        << "mnuReAll" << bank << "" << memory << QStringList{"tab 0", "tab 2"} << false << none << 0
        << -1;
    QTest::newRow("Read keeps the row")
        << "cmbRxData" << memory << "" << memory
        << QStringList{"memory list", "row 42", "enable 2", "enable 0"} << true << none << 42 << 42;
    QTest::newRow("Read stopped at entry 500 keeps the row")
        << "cmbRxData" << memory << silentAt(0xA00 + 0x20 * 500) << memory
        << QStringList{"memory list"} << false << none << 600 << 600;
    QTest::newRow("Read Group stopped shows no groups")
        << "cmdReadGroup" << bank << silentAt(0xA0) << bank << none << false
        << QStringList{"groups"} << 0 << -1;
    QTest::newRow("Read Bank stopped in the groups shows no groups")
        << "cmbReadBank" << bank << silentAt(0xA0) << bank << QStringList{"banks"} << false
        << QStringList{"groups"} << 0 << -1;
    QTest::newRow("Read ALL from Memory with a settings line failing stays on Settings 1")
        << "mnuReAll" << memory << QStringLiteral("port:") + readCommand(0) << s1 << none << false
        << QStringList{"tab 2", "select vfo grid"} << 0 << -1;
    QTest::newRow("Read Settings stopped in the VFO loop selects the VFO grid")
        << "cmbRxData1" << s1 << silentAt(0x300 + 0x20 * 5) << s1
        << QStringList{"settings", "vfo list", "select vfo grid", "enable 1"} << true << none << 0
        << -1;
    // A refusal changes nothing; the settings reads select the VFO grid as ever.
    for (const char* read :
         {"cmbRxData", "cmbRxData1", "cmbReadBank", "cmdReadGroup", "mnuReAll", "mnuReMem"}) {
        const bool all = QLatin1String(read) == "mnuReAll";
        const bool settings = all || QLatin1String(read) == "cmbRxData1";
        QTest::addRow("%s refused", read)
            << read << memory << "refuse" << (all ? s1 : memory)
            << (settings ? QStringList{"select vfo grid"} : none) << false
            << QStringList{"memory list", "settings", "banks", "groups"} << 0 << -1;
    }
    QTest::newRow("Write ALL goes from Bank to Settings 1, then to Memory")
        << "mnuWrAll" << bank << "" << memory << QStringList{"tab 0", "tab 2"} << false << none << 0
        << -1;
    QTest::newRow("Write Bank rebuilds the row labels and the memory list")
        << "cmbWriteBank" << bank << "" << bank << QStringList{"banks", "row labels", "memory list"}
        << false << none << 0 << -1;
    for (const char* write :
         {"cmbTxData", "cmbTxData1", "cmbWriteBank", "mnuWrAll", "cmdWriteGroup"})
        QTest::addRow("%s with 980 channels", write)
            << write << bank << "total" << (QLatin1String(write) == "mnuWrAll" ? s1 : bank) << none
            << false << none << 0 << -1;
    QTest::newRow("Write stopped in the entry loop")
        << "cmbTxData" << memory << "silent:QZ~BC" << memory << none << false
        << QStringList{"tab 0"} << 0 << -1;
    QTest::newRow("Write Settings stopped")
        << "cmbTxData1" << s1 << "silent:QZ~F00020W" << s1 << none << false << none << 0 << -1;
}

void CloneHandlersTest::everyHandlerShowsItsPagesAndEnablesItsButtonsAgain() {
    QFETCH(QString, handler);
    QFETCH(int, startTab);
    QFETCH(QString, fault);
    QFETCH(int, endTab);
    QFETCH(QStringList, inOrder);
    QFETCH(bool, atTheEnd);
    QFETCH(QStringList, absent);
    QFETCH(int, rowBefore);
    QFETCH(int, rowAfter);

    QRandomGenerator rng(4);
    const auto source = FactoryDataSet(Model::MTZ4J);
    FillRandomDataSet(*source, rng, Model::MTZ4J);
    FakeLink f;
    FakeReceiver receiver(f.port());
    receiver.load(*source);
    const auto ds = FactoryDataSet(Model::MTZ4J);
    FillRandomDataSet(*ds, rng, Model::MTZ4J);
    setUp(receiver, *ds, fault);
    RecordingPages pages;
    pages.tab = CloneTab(startTab);
    pages.currentRow = rowBefore;

    handlers().at(handler)(f.link(), *ds, pages);
    QCOMPARE(int(pages.tab), endTab);
    QVERIFY(pages.allButtonsEnabled());
    QVERIFY(!pages.progressVisible);
    const QString log = pages.log.join(QStringLiteral(", "));
    qsizetype at = -1;
    for (const QString& line : inOrder) {
        at = pages.log.indexOf(line, at + 1);
        QVERIFY2(at >= 0, qPrintable(line + QStringLiteral(" not in order in: ") + log));
    }
    if (atTheEnd)
        QCOMPARE(pages.log.mid(pages.log.size() - inOrder.size()), inOrder);
    for (const QString& line : absent)
        QVERIFY2(!pages.log.contains(line), qPrintable(line));
    if (rowAfter >= 0)
        QCOMPARE(pages.currentRow, rowAfter);
    if (pages.log.contains(QStringLiteral("row labels")))
        QCOMPARE(pages.rowLabels, BuildRowLabels(ds->bank));
}

QTEST_GUILESS_MAIN(CloneHandlersTest)
#include "CloneHandlers_test.moc"

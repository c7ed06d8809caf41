// The link and the clone read against mtz4sim on its pseudo-terminal, in
// real time, through the system serial port.
#include "files/CloneFile.h"
#include "link/CloneMode.h"
#include "link/CloneProgress.h"
#include "link/CloneRead.h"
#include "link/Commands.h"
#include "link/Link.h"
#include "link/Retry.h"
#include "model/DataSet.h"
#include "model/RecordCodec.h"
#include "support/RandomData.h"
#include "support/ScriptedPrompter.h"
#include "support/SimRunner.h"
#include "support/TestFiles.h"
#include "support/TimeBounds.h"

#include <QElapsedTimer>
#include <QTest>
#include <memory>

using namespace mtz4;
using namespace mtz4::test;

namespace {

const QString Probe = QStringLiteral("QZ~F00022R");

} // namespace

class SimLinkTest : public QObject {
    Q_OBJECT

private slots:
    void completeDataReplyWithEcho();
    void pacedRepliesAreTakenAsTheirLastByteArrives();
    void silentReceiverTimesOutEveryAttempt();
    void refusedIdentification();
    void receiverInCloneModeGetsNoIdentification();
    void receiverFallingSilentMidReadKeepsTheEarlierEntries();
};

void SimLinkTest::completeDataReplyWithEcho() {
    SimRunner sim;
    QVERIFY(sim.start(
        {QStringLiteral("--clone-mode"), QStringLiteral("--start-bank"), QStringLiteral("42")}));
    ScriptedPrompter prompter;
    Link link(prompter);
    link.setDevicePath(sim.device());
    QElapsedTimer elapsed;
    elapsed.start();
    const QString reply = link.SendQZData(Probe);
    QVERIFY2(isDataReply(reply), qPrintable(reply));
    QCOMPARE(blockDigits(reply).left(2), QStringLiteral("2A"));
    QVERIFY(elapsed.elapsed() <
            test::TimeBoundMs(400)); // the wait ends with the reply, not the time-out
}

void SimLinkTest::pacedRepliesAreTakenAsTheirLastByteArrives() {
    SimRunner sim;
    QVERIFY(sim.start({QStringLiteral("--clone-mode"), QStringLiteral("--pace")}));
    ScriptedPrompter prompter;
    Link link(prompter);
    link.setDevicePath(sim.device());
    QVERIFY(isDataReply(link.SendQZData(Probe))); // opens the port

    // Echo and CR, then CR LF, 64 digits, CR LF: 79 characters of 10 bits.
    constexpr int Exchanges = 20;
    constexpr double LineMs = 79 * 10 * 1000.0 / 38400;
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < Exchanges; ++i)
        QVERIFY(isDataReply(link.SendQZData(Probe)));
    const double perExchange = double(elapsed.nsecsElapsed()) / 1e6 / Exchanges;
    QVERIFY2(perExchange >= LineMs * 0.98 && perExchange < LineMs * 1.25 * test::TimeBoundFactor,
             qPrintable(QString::number(perExchange)));
}

void SimLinkTest::silentReceiverTimesOutEveryAttempt() {
    SimRunner sim;
    QVERIFY(sim.start({QStringLiteral("--silent-after"), QStringLiteral("0")}));
    ScriptedPrompter prompter;
    Link link(prompter);
    link.setDevicePath(sim.device());
    QElapsedTimer elapsed;
    elapsed.start();
    const DataLoop probe = retryData(link, Probe, ProbeAttempts);
    const qint64 ms = elapsed.elapsed();
    QCOMPARE(probe.end, LoopEnd::RetriesExhausted);
    QCOMPARE(probe.reply, ReplyTooShort);
    QVERIFY2(ms >= 3 * 490 && ms < test::TimeBoundMs(3 * 500 + 600),
             qPrintable(QString::number(ms)));
    QCOMPARE(sim.commands(), QStringList(3, Probe));
}

void SimLinkTest::refusedIdentification() {
    SimRunner sim;
    QVERIFY(sim.start({QStringLiteral("--model"), QStringLiteral("MT-Z40T")}));
    ScriptedPrompter prompter;
    Link link(prompter);
    link.setDevicePath(sim.device());
    auto ds = FactoryDataSet(Model::MTZ4J);
    QCOMPARE(SendQZMTZ4(link, *ds, CloneFlag::Read), LinkResult::RegionError);
    QCOMPARE(sim.commands(), (QStringList{Probe, Probe, Probe, QStringLiteral("QZ~MT-Z4J")}));
}

void SimLinkTest::receiverInCloneModeGetsNoIdentification() {
    SimRunner sim;
    QVERIFY(sim.start({QStringLiteral("--clone-mode")}));
    ScriptedPrompter prompter;
    Link link(prompter);
    link.setDevicePath(sim.device());
    auto ds = FactoryDataSet(Model::MTZ4J);
    QCOMPARE(SendQZMTZ4(link, *ds, CloneFlag::Write), LinkResult::Success);
    QCOMPARE(sim.commands(), QStringList{Probe});
    QCOMPARE(link.StartBankCode, QString());
}

void SimLinkTest::receiverFallingSilentMidReadKeepsTheEarlierEntries() {
    SimRunner sim;
    const QString image = sim.path(QStringLiteral("image.MZ4"));
    QRandomGenerator rng(77);
    auto source = FactoryDataSet(Model::MTZ4J);
    for (int n = 0; n < EntryCount; ++n) {
        DecodeMem(*source, QStringLiteral("\r\n") + RandomMemRecord(rng, Model::MTZ4J), n);
        source->MemEnable[n] = true;
    }
    QCOMPARE(SaveCloneFile(*source, image), CloneFileStatus::Ok);
    // The probe, 5 enable blocks, the probe, 4 bank and 3 group blocks, 20 entries.
    QVERIFY(sim.start({QStringLiteral("--clone-mode"), QStringLiteral("--image"), image,
                       QStringLiteral("--silent-after"), QStringLiteral("34")}));

    ScriptedPrompter prompter;
    Link link(prompter);
    link.setDevicePath(sim.device());
    auto ds = FactoryDataSet(Model::MTZ4J);
    const QString oldRecord = RandomMemRecord(rng, Model::MTZ4J);
    for (int n = 0; n < EntryCount; ++n) {
        DecodeMem(*ds, QStringLiteral("\r\n") + oldRecord, n);
        ds->MemEnable[n] = true;
    }
    const auto old = std::make_unique<DataSet>(*ds);
    CloneProgress progress;

    const CloneOutcome outcome = ReadMemory(link, *ds, progress);
    QCOMPARE(outcome.result, LinkResult::Failure);
    QCOMPARE(
        prompter.texts() << outcome.message,
        (QStringList{QStringLiteral("Communication Error"), QStringLiteral("Read Failed...")}));
    for (int n = 0; n < 20; ++n)
        QCOMPARE(ds->MemData[n], source->MemData[n]);
    for (int n = 20; n < 1280; ++n)
        QCOMPARE(ds->MemData[n], old->MemData[n]);
    QVERIFY(ds->DataChanged);
}

QTEST_GUILESS_MAIN(SimLinkTest)
#include "SimLink_test.moc"

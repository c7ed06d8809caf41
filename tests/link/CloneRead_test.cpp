// Clone read operations against a scripted receiver on fake time.
#include "link/CloneRead.h"
#include "link/Commands.h"
#include "model/DataSet.h"
#include "model/RecordCodec.h"
#include "support/FakeLink.h"
#include "support/FakeReceiver.h"
#include "support/RandomData.h"
#include "support/RecordingProgress.h"
#include "support/TestFiles.h"

#include <QTest>
#include <memory>

using namespace mtz4;
using namespace mtz4::test;

namespace {

using Operation = CloneOutcome (*)(Link&, DataSet&);

const QString Success = QStringLiteral("Successed!!");
const QString ReadFailed = QStringLiteral("Read Failed...");
const QString CommunicationError = QStringLiteral("Communication Error");
const QString ComPortError = QStringLiteral("COM Port Error");
// Entries below this one have enable bits in the receiver.
constexpr int EntriesWithEnableBits = 1280;

// The messages shown on the way, then the one that ends the operation.
QStringList messages(FakeLink& f, const CloneOutcome& outcome) {
    QStringList texts = f.prompter.texts();
    if (!outcome.message.isEmpty())
        texts << outcome.message;
    return texts;
}

CloneOutcome readMemory(Link& link, DataSet& ds) {
    RecordingProgress progress;
    return ReadMemory(link, ds, progress);
}

CloneOutcome readAll(Link& link, DataSet& ds) {
    RecordingProgress progress;
    return ReadAll(link, ds, progress);
}

// Every entry enabled and holding `record`.
void fillEntries(DataSet& ds, const QString& record) {
    for (int n = 0; n < EntryCount; ++n) {
        DecodeMem(ds, QStringLiteral("\r\n") + record, n);
        ds.MemEnable[n] = true;
    }
    ds.EnableLines[5] = QStringLiteral("FFFFF");
}

auto isCommand(const QString& command) {
    return [c = command.toLatin1()](const QByteArray& sent) { return sent == c; };
}

// The data the receiver holds, in the tables: everything but the PC-only notes.
void compareReceiverData(const DataSet& got, const DataSet& want) {
    for (int n = 0; n < EntriesWithEnableBits; ++n) {
        QCOMPARE(got.MemEnable[n], want.MemEnable[n]);
        QCOMPARE(got.MemData[n], want.MemData[n]);
        for (int c = 0; c < MemColumns; ++c)
            if (c != Col::Note)
                QCOMPARE(got.MemText[n][c], want.MemText[n][c]);
    }
    for (int b = 0; b < BandCount; ++b) {
        QCOMPARE(got.VfoData[b], want.VfoData[b]);
        for (int c = 0; c < VfoColumns; ++c)
            if (c != Col::Note)
                QCOMPARE(got.VfoText[b][c], want.VfoText[b][c]);
    }
    QCOMPARE(got.BankSize, want.BankSize);
    QCOMPARE(got.bank, want.bank);
    QCOMPARE(got.GroupFlag, want.GroupFlag);
}

} // namespace

class CloneReadTest : public QObject {
    Q_OBJECT

private slots:
    void readAllFromAReceiverOutsideCloneMode();
    void memoryReadEmptiesUnusedRecordsAndKeepsTheRow();
    void stoppedEntryLoopKeepsTheEntriesReadBeforeIt();
    void stoppedGroupReadChangesNoGroupBox();
    void settingsLineFailureChangesNothing_data();
    void settingsLineFailureChangesNothing();
    void stoppedVfoLoopKeepsTheBandsReadBeforeIt();
    void everyOperationReportsARefusal_data();
    void everyOperationReportsARefusal();
};

void CloneReadTest::readAllFromAReceiverOutsideCloneMode() {
    QRandomGenerator rng(4);
    auto source = FactoryDataSet(Model::MTZ4J);
    FillRandomDataSet(*source, rng, Model::MTZ4J);
    source->settings.optLamp = 2;
    source->settings.Slider1 = 12;
    FakeLink f;
    FakeReceiver receiver(f.port());
    receiver.load(*source);
    receiver.cloneMode = false;
    RecordingProgress progress;

    auto ds = FactoryDataSet(Model::MTZ4J);
    const CloneOutcome outcome = ReadAll(f.link(), *ds, progress);
    QCOMPARE(outcome.result, LinkResult::Success);
    QCOMPARE(messages(f, outcome), QStringList{Success});
    QCOMPARE(outcome.changed, DataPart::Settings | DataPart::Vfo | DataPart::Memory |
                                  DataPart::Banks | DataPart::Groups);
    compareReceiverData(*ds, *source);
    QCOMPARE(ds->settings.optLamp, 2);
    QCOMPARE(ds->settings.Slider1, 12);
    QVERIFY(ds->DataChanged);
    QCOMPARE(progress.memoryParts, 1);

    // Clone mode once, then the settings, the VFO bands and the memory read.
    QStringList want{QStringLiteral("QZ~F00022R"),
                     QStringLiteral("QZ~F00022R"),
                     QStringLiteral("QZ~F00022R"),
                     QStringLiteral("QZ~MT-Z4J"),
                     QStringLiteral("QZ~F0FD01W00"),
                     QStringLiteral("QZ~F00022R"),
                     readCommand(0x00),
                     readCommand(0x20)};
    for (int b = 0; b < BandCount; ++b)
        want << readCommand(0x300 + 0x20 * b);
    want << readCommand(0x22);
    for (int k = 0; k < 5; ++k)
        want << readCommand(0x200 + 0x20 * k);
    want << readCommand(0x22);
    for (int d = 0; d < 4; ++d)
        want << readCommand(0x100 + 0x20 * d);
    for (int k = 0; k < 3; ++k)
        want << readCommand(0x80 + 0x20 * k);
    for (int n = 0; n < EntryCount; ++n)
        want << readCommand(0xA00 + 0x20 * n);
    QCOMPARE(f.port().commands(), want);
}

void CloneReadTest::memoryReadEmptiesUnusedRecordsAndKeepsTheRow() {
    QRandomGenerator rng(11);
    auto source = FactoryDataSet(Model::MTZ4J);
    for (int n : {3, 7, 1280}) {
        DecodeMem(*source, QStringLiteral("\r\n") + RandomMemRecord(rng, Model::MTZ4J), n);
        source->MemEnable[n] = true;
    }
    FakeLink f;
    FakeReceiver receiver(f.port());
    receiver.load(*source);
    receiver.setEntry(7, "FFFFFFFF" + QByteArray(56, '0')); // enabled, but never written

    auto ds = FactoryDataSet(Model::MTZ4J);
    fillEntries(*ds, RandomMemRecord(rng, Model::MTZ4J));
    ds->EnableLines[5] = QStringLiteral("80000"); // entry 1280 enabled, 1281..1299 not
    RecordingProgress progress;

    const CloneOutcome outcome = ReadMemory(f.link(), *ds, progress);
    QCOMPARE(outcome.result, LinkResult::Success);
    QCOMPARE(messages(f, outcome), QStringList{Success});
    QVERIFY(!ds->MemEnable[7]);
    QCOMPARE(ds->MemData[7][Col::Freq], 0.0);
    QCOMPARE(ds->MemText[7][Col::Freq], QString());
    QCOMPARE(ds->MemText[7][Col::Note], QString()); // emptied by the list refresh
    QCOMPARE(ds->MemData[3], source->MemData[3]);
    QVERIFY(ds->MemEnable[3]);
    QVERIFY(!ds->MemEnable[4]);
    QCOMPARE(ds->MemText[4][Col::Freq], QString());
    // The sixth enable slot is not in the receiver: its bits stay as they were.
    QCOMPARE(ds->EnableLines[5], QStringLiteral("80000"));
    QVERIFY(ds->MemEnable[1280]);
    QCOMPARE(ds->MemData[1280], source->MemData[1280]);
    QVERIFY(!ds->MemEnable[1281]);

    QVERIFY(ds->DataChanged);
    QCOMPARE(progress.maximum, EntryCount - 1);
    QCOMPARE(progress.values.last(), EntryCount - 1);
    QVERIFY(!progress.visible);
}

void CloneReadTest::stoppedEntryLoopKeepsTheEntriesReadBeforeIt() {
    QRandomGenerator rng(5);
    const QString oldRecord = RandomMemRecord(rng, Model::MTZ4J);
    QString newRecord;
    do
        newRecord = RandomMemRecord(rng, Model::MTZ4J);
    while (newRecord.left(8) == oldRecord.left(8));
    auto source = FactoryDataSet(Model::MTZ4J);
    fillEntries(*source, newRecord);
    FakeLink f;
    FakeReceiver receiver(f.port());
    receiver.load(*source);
    receiver.silentFor = isCommand(readCommand(0xA00 + 0x20 * 500));

    auto ds = FactoryDataSet(Model::MTZ4J);
    fillEntries(*ds, oldRecord);
    auto old = std::make_unique<DataSet>(*ds);
    RecordingProgress progress;

    const CloneOutcome outcome = ReadMemory(f.link(), *ds, progress);
    QCOMPARE(outcome.result, LinkResult::Failure);
    QCOMPARE(messages(f, outcome), (QStringList{CommunicationError, ReadFailed}));
    for (int n = 0; n < EntryCount; ++n)
        QCOMPARE(ds->MemText[n][Col::Freq], (n < 500 ? source : old)->MemText[n][Col::Freq]);
    QVERIFY(ds->DataChanged);
    QVERIFY(outcome.changed & DataPart::Memory);
    QCOMPARE(f.port().commands().count(readCommand(0xA00 + 0x20 * 500)), 10);
    QCOMPARE(f.port().commands().last(), readCommand(0xA00 + 0x20 * 500));
    QVERIFY(!progress.visible);
}

void CloneReadTest::stoppedGroupReadChangesNoGroupBox() {
    for (Operation operation : {ReadScanGroups, ReadBanksAndGroups}) {
        FakeLink f;
        FakeReceiver receiver(f.port());
        receiver.blocks[0x80] = QByteArray(64, 'F');
        receiver.silentFor = isCommand(readCommand(0xA0));
        auto ds = FactoryDataSet(Model::MTZ4J);
        ds->bank.chkGrp[60] = 1;
        ds->GroupFlag[1][10] = true;
        const BankControls boxes = ds->bank;

        const CloneOutcome outcome = operation(f.link(), *ds);
        QCOMPARE(outcome.result, LinkResult::Failure);
        QCOMPARE(messages(f, outcome), QStringList{CommunicationError}); // no "Read Failed..."
        QCOMPARE(ds->GroupLine, QString(64, QLatin1Char('F')));
        QCOMPARE(ds->bank.chkGrp, boxes.chkGrp);
        QVERIFY(ds->GroupFlag[1][10]);
        QVERIFY(!ds->GroupFlag[1][11]);
        QVERIFY(!(outcome.changed & DataPart::Groups));
    }
}

void CloneReadTest::settingsLineFailureChangesNothing_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<bool>("portFails");
    QTest::newRow("first line, port failure") << 0x00 << true;
    QTest::newRow("second line, port failure") << 0x20 << true;
    QTest::newRow("second line, no answer") << 0x20 << false;
}

void CloneReadTest::settingsLineFailureChangesNothing() {
    QFETCH(int, address);
    QFETCH(bool, portFails);
    QRandomGenerator rng(9);
    auto source = FactoryDataSet(Model::MTZ4J);
    FillRandomDataSet(*source, rng, Model::MTZ4J);
    source->settings.optLamp = 3;
    FakeLink f;
    FakeReceiver receiver(f.port());
    receiver.load(*source);
    (portFails ? receiver.portFailsFor : receiver.silentFor) = isCommand(readCommand(address));

    auto ds = FactoryDataSet(Model::MTZ4J);
    const auto before = std::make_unique<DataSet>(*ds);

    const CloneOutcome outcome = readAll(f.link(), *ds);
    QCOMPARE(outcome.result, LinkResult::Failure);
    QCOMPARE(messages(f, outcome), (QStringList{ComPortError, ReadFailed}));
    QCOMPARE(ds->SetLine1, before->SetLine1);
    QCOMPARE(ds->SetLine2, before->SetLine2);
    QCOMPARE(ds->settings, before->settings);
    QCOMPARE(ds->VfoData, before->VfoData);
    QVERIFY(!ds->DataChanged);
    // The memory read never starts.
    QVERIFY(!f.port().commands().contains(readCommand(0x200)));
    QVERIFY(outcome.cloneModeEntered);
    QCOMPARE(outcome.changed, DataParts());
}

void CloneReadTest::stoppedVfoLoopKeepsTheBandsReadBeforeIt() {
    QRandomGenerator rng(21);
    auto source = FactoryDataSet(Model::MTZ4J);
    FillRandomDataSet(*source, rng, Model::MTZ4J);
    FakeLink f;
    FakeReceiver receiver(f.port());
    receiver.load(*source);
    receiver.silentFor = isCommand(readCommand(0x300 + 0x20 * 5));

    auto ds = FactoryDataSet(Model::MTZ4J);
    const auto before = std::make_unique<DataSet>(*ds);
    const CloneOutcome outcome = ReadSettings(f.link(), *ds);
    QCOMPARE(outcome.result, LinkResult::Failure);
    QCOMPARE(messages(f, outcome), (QStringList{CommunicationError, ReadFailed}));
    for (int b = 0; b < BandCount; ++b)
        QCOMPARE(ds->VfoData[b], (b < 5 ? source : before)->VfoData[b]);
    QVERIFY(ds->DataChanged);
    QCOMPARE(outcome.changed, DataPart::Settings | DataPart::Vfo);
}

void CloneReadTest::everyOperationReportsARefusal_data() {
    QTest::addColumn<int>("operation");
    QTest::newRow("Read") << 0;
    QTest::newRow("Read Settings") << 1;
    QTest::newRow("Read Bank") << 2;
    QTest::newRow("Read Group") << 3;
    QTest::newRow("Read ALL") << 4;
}

void CloneReadTest::everyOperationReportsARefusal() {
    QFETCH(int, operation);
    const Operation operations[] = {readMemory, ReadSettings, ReadBanksAndGroups, ReadScanGroups,
                                    readAll};
    FakeLink f;
    FakeReceiver receiver(f.port());
    receiver.cloneMode = false;
    receiver.model = "MT-Z40E";
    auto ds = FactoryDataSet(Model::MTZ4J);
    const auto before = std::make_unique<DataSet>(*ds);

    const CloneOutcome outcome = operations[operation](f.link(), *ds);
    QCOMPARE(outcome.result, LinkResult::RegionError);
    QCOMPARE(messages(f, outcome), QStringList{QStringLiteral("Region Error")});
    QCOMPARE(f.port().commands().last(), QStringLiteral("QZ~MT-Z4J"));
    QVERIFY(!ds->DataChanged);
    QCOMPARE(ds->MemData, before->MemData);
    QVERIFY(!outcome.cloneModeEntered);
    QCOMPARE(outcome.changed, DataParts());
}

QTEST_GUILESS_MAIN(CloneReadTest)
#include "CloneRead_test.moc"

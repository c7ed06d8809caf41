// Clone write operations against a scripted receiver on fake time.
#include "link/CloneWrite.h"
#include "model/BankCodec.h"
#include "model/DataSet.h"
#include "model/ProgramTranslations.h"
#include "model/RecordCodec.h"
#include "model/RowLabels.h"
#include "support/FakeLink.h"
#include "support/FakeReceiver.h"
#include "support/RandomData.h"
#include "support/RecordingProgress.h"
#include "support/TestFiles.h"
#include "support/WriteSequence.h"

#include <QTest>
#include <memory>

using namespace mtz4;
using namespace mtz4::test;

namespace {

using Operation = CloneOutcome (*)(Link&, DataSet&);

const QString Success = QStringLiteral("Successed!!");
const QString WriteFailed = QStringLiteral("Write Failed...");
const QString Probe = QStringLiteral("QZ~F00022R");

std::unique_ptr<DataSet> randomDataSet(quint32 seed) {
    QRandomGenerator rng(seed);
    auto ds = std::make_unique<DataSet>();
    FillRandomDataSet(*ds, rng, Model::MTZ4J);
    return ds;
}

void setBankSizes(DataSet& ds, const QList<int>& sizes) {
    for (int b = 0; b < BankCount; ++b)
        ds.bank.txtBank[b] = QString::number(b < sizes.size() ? sizes[b] : 0);
    ReadBankTexts(ds);
    for (int b = 0; b < BankCount; ++b)
        ds.BankText[b] = ds.bank.txtBank[b];
}

// The messages shown on the way, then the one that ends the operation.
QStringList messages(FakeLink& f, const CloneOutcome& outcome) {
    QStringList texts = f.prompter.texts();
    if (!outcome.message.isEmpty())
        texts << outcome.message;
    return texts;
}

CloneOutcome writeMemory(Link& link, DataSet& ds) {
    RecordingProgress progress;
    return WriteMemoryAndFinish(link, ds, progress);
}

CloneOutcome writeAll(Link& link, DataSet& ds) {
    RecordingProgress progress;
    return WriteAll(link, ds, progress);
}

auto startsWith(const QString& prefix) {
    return [p = prefix.toLatin1()](const QByteArray& command) { return command.startsWith(p); };
}

} // namespace

class CloneWriteTest : public QObject {
    Q_OBJECT

private slots:
    // The counted texts' English forms ("1 memory entry") come from the
    // program's English translation, as at start.
    void initTestCase() {
        InstallTranslations(*QCoreApplication::instance(), QStringLiteral("en"));
    }
    void writeAllSendsTheCompleteSequence();
    void bankChannelCodes();
    void entriesBeyondTheLastBankAreReportedNotSent_data();
    void entriesBeyondTheLastBankAreReportedNotSent();
    void memoryWriteErasesOnceAndReadsBackFromTheStartBank();
    void writeBankSendsNoEraseAndNoFinish();
    void channelTotalIsCheckedByEveryOperationButWriteGroup_data();
    void channelTotalIsCheckedByEveryOperationButWriteGroup();
    void stopInsideTheEntryLoop_data();
    void stopInsideTheEntryLoop();
    void failedFinishAfterACompleteWrite();
    void settingsWriteStopShowsOnlyWriteFailed();
};

void CloneWriteTest::writeAllSendsTheCompleteSequence() {
    auto ds = randomDataSet(3);
    FakeLink f;
    FakeReceiver receiver(f.port());
    receiver.cloneMode = false;
    receiver.blocks[0x22] = "0D" + QByteArray(62, '0');
    RecordingProgress progress;

    const QStringList want = writeAllSequence(*ds, QStringLiteral("13"));
    const auto encoded = std::make_unique<DataSet>(*ds);
    EncodeBanks(*encoded);
    const QStringList entries = entryWrites(*encoded);
    QVERIFY(entries.size() > 500 && entries.size() < 900); // about half the entries are empty

    const CloneOutcome outcome = WriteAll(f.link(), *ds, progress);
    QCOMPARE(outcome.result, LinkResult::Success);
    QCOMPARE(messages(f, outcome), QStringList{Success});

    QCOMPARE(f.port().commands(), want);
    QCOMPARE(f.port().written.last(), QByteArray("QZ~FINISH\r"));

    QVERIFY(!ds->DataChanged);
    // What the encoders rebuilt: the bank sizes fitted, the groups from the boxes.
    QCOMPARE(outcome.changed, DataPart::Banks | DataPart::Groups);
    QCOMPARE(progress.memoryParts, 1);
    QVERIFY(!progress.visible);
    QCOMPARE(progress.maximum, EntryCount - 1);
    // 0 on showing, then one value per entry: skipped entries count as done.
    QCOMPARE(progress.values.size(), 1 + EntryCount);
    QCOMPARE(progress.values.last(), EntryCount - 1);
}

void CloneWriteTest::bankChannelCodes() {
    const auto factory = FactoryDataSet(Model::MTZ4J);
    DataSet& ds = *factory;
    QStringList labels = BuildRowLabels(ds.bank);
    QCOMPARE(BankChannelCode(labels, 0), QStringLiteral("00000"));
    QCOMPARE(BankChannelCode(labels, 999), QStringLiteral("09099"));
    QCOMPARE(BankChannelCode(labels, 1000), QStringLiteral("50000"));
    QCOMPARE(BankChannelCode(labels, 1003), QStringLiteral("50003"));
    QCOMPARE(BankChannelCode(labels, 1199), QStringLiteral("51099"));
    QCOMPARE(BankChannelCode(labels, 1200), QStringLiteral("52000"));
    QCOMPARE(BankChannelCode(labels, 1299), QStringLiteral("52099"));

    setBankSizes(ds, {10, 0, 5});
    labels = BuildRowLabels(ds.bank);
    QCOMPARE(BankChannelCode(labels, 9), QStringLiteral("00009"));
    QCOMPARE(BankChannelCode(labels, 10), QStringLiteral("02000"));
    QCOMPARE(BankChannelCode(labels, 14), QStringLiteral("02004"));
    QCOMPARE(BankChannelCode(labels, 15), QString()); // beyond the last bank
}

void CloneWriteTest::entriesBeyondTheLastBankAreReportedNotSent_data() {
    QTest::addColumn<QList<int>>("beyond");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("rows");
    QTest::newRow("two") << QList<int>{20, 30} << "2 memory entries"
                         << "rows 21 to 31";
    QTest::newRow("one") << QList<int>{20} << "1 memory entry"
                         << "row 21 of";
}

void CloneWriteTest::entriesBeyondTheLastBankAreReportedNotSent() {
    QFETCH(QList<int>, beyond);
    QFETCH(QString, count);
    QFETCH(QString, rows);
    QRandomGenerator rng(8);
    const auto factory = FactoryDataSet(Model::MTZ4J);
    DataSet& ds = *factory;
    setBankSizes(ds, {10, 0, 5});
    QString records[EntryCount];
    for (int n : QList<int>{10} + beyond) {
        records[n] = RandomMemRecord(rng, Model::MTZ4J);
        DecodeMem(ds, QStringLiteral("\r\n") + records[n], n);
        ds.MemEnable[n] = true;
    }
    FakeLink f;
    FakeReceiver receiver(f.port()); // already in clone mode: no channel total check

    const CloneOutcome outcome = writeMemory(f.link(), ds);
    QCOMPARE(outcome.result, LinkResult::Success);
    const QStringList written = f.port().commands().filter(QStringLiteral("QZ~BC"));
    QCOMPARE(written, (QStringList{QStringLiteral("QZ~BC02000W") + EncodeMem(ds, 10),
                                   QStringLiteral("QZ~BC00000R")}));
    QCOMPARE(f.prompter.prompts.size(), 1);
    QCOMPARE(f.prompter.prompts[0].icon, PromptIcon::Exclamation);
    QVERIFY2(f.prompter.prompts[0].text.contains(count) &&
                 f.prompter.prompts[0].text.contains(rows),
             qPrintable(f.prompter.prompts[0].text));
    QCOMPARE(outcome.message, Success);
}

void CloneWriteTest::memoryWriteErasesOnceAndReadsBackFromTheStartBank() {
    auto ds = randomDataSet(5);
    FakeLink f;
    FakeReceiver receiver(f.port()); // in clone mode before the program started
    receiver.blocks[0x22] = "2A" + QByteArray(62, '0');
    // A start bank code "QZ~BC" + "000R" would lack: the receiver answers it with "RE".
    receiver.silentFor = startsWith(QStringLiteral("QZ~BC000R"));

    const CloneOutcome outcome = writeMemory(f.link(), *ds);
    QCOMPARE(outcome.result, LinkResult::Success);
    const QStringList commands = f.port().commands();
    QCOMPARE(commands.count(QStringLiteral("QZ~IM")), 1);
    const int erase = commands.indexOf(QStringLiteral("QZ~IM"));
    QVERIFY(commands[erase - 1].startsWith(QStringLiteral("QZ~F00160W")));
    QVERIFY(commands[erase + 1].startsWith(QStringLiteral("QZ~F00080W")));
    // The start bank was never learnt, so it is read before the read-back.
    QCOMPARE(commands.mid(commands.size() - 4),
             (QStringList{clearStep().last(), Probe, QStringLiteral("QZ~BC42000R"),
                          QStringLiteral("QZ~FINISH")}));
    QCOMPARE(f.link().StartBankCode, QStringLiteral("42"));
    QVERIFY(!commands.contains(QStringLiteral("QZ~MT-Z4J")));
    QCOMPARE(messages(f, outcome), QStringList{Success});
}

void CloneWriteTest::writeBankSendsNoEraseAndNoFinish() {
    auto ds = randomDataSet(6);
    FakeLink f;
    FakeReceiver receiver(f.port());

    const CloneOutcome outcome = WriteBankTable(f.link(), *ds);
    QCOMPARE(outcome.result, LinkResult::Success);
    QStringList want{Probe};
    for (int d = 0; d < 4; ++d)
        want << addressWrite(0x100 + 0x20 * d, ds->BankLines[d]);
    want << clearStep();
    QCOMPARE(f.port().commands(), want);
    QCOMPARE(messages(f, outcome), QStringList{Success});
    QCOMPARE(outcome.changed, DataPart::Banks);
}

void CloneWriteTest::channelTotalIsCheckedByEveryOperationButWriteGroup_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<bool>("goesThrough");
    QTest::newRow("Write") << 0 << false;
    QTest::newRow("Write Settings") << 1 << false;
    QTest::newRow("Write Bank") << 2 << false;
    QTest::newRow("Write ALL") << 3 << false;
    QTest::newRow("Write Group") << 4 << true;
}

void CloneWriteTest::channelTotalIsCheckedByEveryOperationButWriteGroup() {
    QFETCH(int, operation);
    QFETCH(bool, goesThrough);
    const Operation operations[] = {writeMemory, WriteSettings, WriteBankTable, writeAll,
                                    WriteScanGroups};
    const auto factory = FactoryDataSet(Model::MTZ4J);
    DataSet& ds = *factory;
    setBankSizes(ds, {100, 100, 100, 100, 100, 100, 100, 100, 100, 80});
    QCOMPARE(ds.bank.lblAll, QStringLiteral("980"));
    FakeLink f;
    FakeReceiver receiver(f.port());
    receiver.cloneMode = false;

    const CloneOutcome outcome = operations[operation](f.link(), ds);
    if (goesThrough) {
        QCOMPARE(outcome.result, LinkResult::Success);
        QCOMPARE(messages(f, outcome), QStringList{Success});
        QCOMPARE(f.port().commands().filter(QStringLiteral("QZ~F000")).size(), 3 + 1 + 3);
        return;
    }
    QCOMPARE(outcome.result, LinkResult::Failure);
    QCOMPARE(messages(f, outcome),
             (QStringList{QStringLiteral("Total CH must be 1000"), WriteFailed}));
    QCOMPARE(f.port().commands(), QStringList(3, Probe));
}

void CloneWriteTest::stopInsideTheEntryLoop_data() {
    QTest::addColumn<bool>("portFails");
    QTest::addColumn<QString>("message");
    QTest::newRow("port failure") << true << "COM Port Error";
    QTest::newRow("no answer") << false << "Communication Error";
}

void CloneWriteTest::stopInsideTheEntryLoop() {
    QFETCH(bool, portFails);
    QFETCH(QString, message);
    auto ds = randomDataSet(7);
    auto encoded = std::make_unique<DataSet>(*ds);
    EncodeBanks(*encoded);
    const QStringList entries = entryWrites(*encoded);
    const QString failing = entries[entries.size() / 2];
    FakeLink f;
    FakeReceiver receiver(f.port());
    (portFails ? receiver.portFailsFor : receiver.silentFor) = startsWith(failing);
    RecordingProgress progress;

    const CloneOutcome outcome = WriteMemoryAndFinish(f.link(), *ds, progress);
    QCOMPARE(outcome.result, LinkResult::Failure);
    QCOMPARE(messages(f, outcome), (QStringList{message, WriteFailed}));
    const QStringList sent = f.port().commands().filter(QStringLiteral("QZ~BC"));
    // The entries above the failing one once each, then the failing one's attempts.
    const int attempts = portFails ? 1 : 10;
    QCOMPARE(sent.mid(0, entries.size() / 2), entries.mid(0, entries.size() / 2));
    QCOMPARE(sent.mid(entries.size() / 2), QStringList(attempts, failing));
    QVERIFY(!f.port().commands().contains(clearStep().first()));
    QVERIFY(!f.port().commands().contains(QStringLiteral("QZ~FINISH")));
    QVERIFY(!progress.visible);
}

void CloneWriteTest::failedFinishAfterACompleteWrite() {
    for (const auto& [operation, message] :
         {std::pair{Operation(writeMemory), WriteFailed},
          std::pair{Operation(writeAll), QStringLiteral("Communication Error")}}) {
        auto ds = randomDataSet(9);
        FakeLink f;
        FakeReceiver receiver(f.port());
        receiver.silentFor = startsWith(QStringLiteral("QZ~FINISH"));
        const CloneOutcome outcome = operation(f.link(), *ds);
        QCOMPARE(outcome.result, LinkResult::Failure);
        QCOMPARE(messages(f, outcome), QStringList{message});
        QCOMPARE(f.port().commands().count(QStringLiteral("QZ~FINISH")), 10);
    }
}

void CloneWriteTest::settingsWriteStopShowsOnlyWriteFailed() {
    auto ds = randomDataSet(10);
    FakeLink f;
    FakeReceiver receiver(f.port());
    receiver.silentFor = startsWith(QStringLiteral("QZ~F00020W"));
    const CloneOutcome outcome = WriteSettings(f.link(), *ds);
    QCOMPARE(outcome.result, LinkResult::Failure);
    QCOMPARE(messages(f, outcome), QStringList{WriteFailed});
    QCOMPARE(f.port().commands().last().left(10), QStringLiteral("QZ~F00020W"));
}

QTEST_GUILESS_MAIN(CloneWriteTest)
#include "CloneWrite_test.moc"

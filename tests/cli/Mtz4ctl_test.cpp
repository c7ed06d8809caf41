// mtz4ctl end to end: the tool against mtz4sim on a pseudo-terminal.
#include "files/CloneFile.h"
#include "model/DataSet.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"
#include "support/SimRunner.h"
#include "support/WriteSequence.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace mtz4;
using namespace mtz4::test;

namespace {

// Entries from here on have no enable bit in the receiver.
constexpr int EntriesWithEnableBits = 1280;

// A clone file with every list in use: random entries, notes, VFO records,
// bank sizes, groups and settings.
std::unique_ptr<DataSet> writeRichFile(const QString& path) {
    QRandomGenerator rng(1234);
    auto ds = std::make_unique<DataSet>();
    FillRandomDataSet(*ds, rng, Model::MTZ4J);
    ds->settings.optLamp = 1;
    ds->settings.chkBeep = 1;
    ds->settings.cbbScan = 3;
    if (SaveCloneFile(*ds, path) != CloneFileStatus::Ok)
        return nullptr;
    // What the tool works on: the file as loaded.
    auto loaded = std::make_unique<DataSet>();
    MakeFactoryDataSet(*loaded, Model::MTZ4J);
    ReadCloneFile(*loaded, path);
    return loaded;
}

std::unique_ptr<DataSet> load(const QString& path) {
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ4J);
    return ReadCloneFile(*ds, path) == CloneFileStatus::Ok ? std::move(ds) : nullptr;
}

QStringList deviceArgs(const SimRunner& sim) {
    return {QStringLiteral("--device"), sim.device(), QStringLiteral("--model"),
            QStringLiteral("MT-Z4J")};
}

} // namespace

class Mtz4ctlTest : public QObject {
    Q_OBJECT

private slots:
    void writeSendsTheCompleteSequenceAndReadsBack();
    void wrongModelIsARegionErrorAndLeavesNoFile();
    void receiverFallingSilentFailsTheReadWithoutAFile();
    void newWritesTheFactoryData();
    void csvExportThenImportRoundTrips();
    void quickReadEqualsFullRead();
    void commandLine();
};

void Mtz4ctlTest::writeSendsTheCompleteSequenceAndReadsBack() {
    SimRunner sim;
    QVERIFY(sim.start({QStringLiteral("--start-bank"), QStringLiteral("7")}));
    const QString rich = sim.path(QStringLiteral("rich.MZ4"));
    const auto source = writeRichFile(rich);
    QVERIFY(source);

    const CtlRun write = runCtl(QStringList{QStringLiteral("write")} + deviceArgs(sim) << rich);
    QVERIFY2(write.exitCode == 0, qPrintable(write.errors));
    QCOMPARE(write.errors, QStringLiteral("mtz4ctl: Successed!!\n"));
    const QStringList want = writeAllSequence(*source, QStringLiteral("07"));
    const QStringList got = sim.commands();
    QCOMPARE(got.size(), want.size());
    QCOMPARE(got, want);

    const QString back = sim.path(QStringLiteral("back.MZ4"));
    const CtlRun read = runCtl(QStringList{QStringLiteral("read")} + deviceArgs(sim)
                               << QStringLiteral("-o") << back);
    QVERIFY2(read.exitCode == 0, qPrintable(read.errors));
    const auto got2 = load(back);
    QVERIFY(got2);
    // The receiver holds everything but the PC-only notes.
    for (int n = 0; n < EntriesWithEnableBits; ++n) {
        QCOMPARE(got2->MemEnable[n], source->MemEnable[n]);
        QCOMPARE(got2->MemData[n], source->MemData[n]);
        QCOMPARE(got2->MemText[n][Col::Name], source->MemText[n][Col::Name]);
        QCOMPARE(got2->MemText[n][Col::Freq], source->MemText[n][Col::Freq]);
    }
    QCOMPARE(got2->VfoData, source->VfoData);
    QCOMPARE(got2->BankSize, source->BankSize);
    QCOMPARE(got2->GroupFlag, source->GroupFlag);
    QCOMPARE(got2->settings, source->settings);
    QVERIFY(sim.stop());
}

void Mtz4ctlTest::wrongModelIsARegionErrorAndLeavesNoFile() {
    SimRunner sim;
    QVERIFY(sim.start({QStringLiteral("--model"), QStringLiteral("MT-Z40E")}));
    const QString out = sim.path(QStringLiteral("out.MZ4"));
    const CtlRun read = runCtl(QStringList{QStringLiteral("read")} + deviceArgs(sim)
                               << QStringLiteral("-o") << out);
    QCOMPARE(read.exitCode, 1);
    QCOMPARE(read.errors, QStringLiteral("mtz4ctl: ERROR: Region Error\n"));
    QVERIFY(!QFile::exists(out));
    QCOMPARE(sim.commands().last(), QStringLiteral("QZ~MT-Z4J"));
}

void Mtz4ctlTest::receiverFallingSilentFailsTheReadWithoutAFile() {
    SimRunner sim;
    // In clone mode: the probe, 5 enable blocks, the probe again, 4 bank and
    // 3 group blocks, then 20 entries.
    QVERIFY(sim.start(
        {QStringLiteral("--clone-mode"), QStringLiteral("--silent-after"), QStringLiteral("34")}));
    const QString out = sim.path(QStringLiteral("out.MZ4"));
    const CtlRun read =
        runCtl(QStringList{QStringLiteral("read"), QStringLiteral("--memory")} + deviceArgs(sim)
               << QStringLiteral("-o") << out);
    QCOMPARE(read.exitCode, 1);
    QCOMPARE(
        read.errors,
        QStringLiteral("mtz4ctl: ERROR: Communication Error\nmtz4ctl: ERROR: Read Failed...\n"));
    QVERIFY(!QFile::exists(out));
    QCOMPARE(sim.commands().count(QStringLiteral("QZ~F00C80R")), 10); // entry 20
}

void Mtz4ctlTest::newWritesTheFactoryData() {
    SimRunner files; // for its directory only
    const QString out = files.path(QStringLiteral("new.MZ4"));
    const CtlRun run = runCtl(
        {QStringLiteral("new"), QStringLiteral("--model=MT-Z40T"), QStringLiteral("-o"), out});
    QCOMPARE(run.exitCode, 0);
    auto factory = std::make_unique<DataSet>();
    MakeFactoryDataSet(*factory, Model::MTZ40T);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), CloneFileText(*factory));
}

void Mtz4ctlTest::csvExportThenImportRoundTrips() {
    SimRunner files; // for its directory only
    const QString rich = files.path(QStringLiteral("rich.MZ4"));
    const auto source = writeRichFile(rich);
    QVERIFY(source);
    const QString csv = files.path(QStringLiteral("rich.csv"));
    const CtlRun exported = runCtl({QStringLiteral("export"), rich, csv});
    QCOMPARE(exported.exitCode, 0);
    QCOMPARE(exported.errors, QString());

    const QString base = files.path(QStringLiteral("base.MZ4"));
    QCOMPARE(runCtl({QStringLiteral("new"), QStringLiteral("--model=MT-Z4J"), QStringLiteral("-o"),
                     base})
                 .exitCode,
             0);
    const QString back = files.path(QStringLiteral("back.MZ4"));
    const CtlRun imported =
        runCtl({QStringLiteral("import"), base, csv, QStringLiteral("-o"), back});
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(imported.errors, QString());
    const auto got = load(back);
    QVERIFY(got);
    // Priority entries from 1210 on are not taken from the file.
    for (int n = 0; n < 1210; ++n) {
        QCOMPARE(got->MemEnable[n], source->MemEnable[n]);
        QCOMPARE(got->MemData[n], source->MemData[n]);
        for (int c = Col::Freq; c <= Col::Name; ++c) {
            const QString& want = source->MemText[n][c];
            QCOMPARE(got->MemText[n][c].compare(want, Qt::CaseInsensitive), 0);
        }
        QCOMPARE(got->MemText[n][Col::Name], source->MemText[n][Col::Name].toUpper());
    }
    QCOMPARE(got->VfoData, source->VfoData);
    QCOMPARE(got->BankSize, source->BankSize);
    QCOMPARE(got->GroupFlag, source->GroupFlag);

    // A CSV file that is not there: no clone file is written.
    const QString none = files.path(QStringLiteral("none.MZ4"));
    const CtlRun missing =
        runCtl({QStringLiteral("import"), base, files.path(QStringLiteral("missing.csv")),
                QStringLiteral("-o"), none});
    QCOMPARE(missing.exitCode, 1);
    QCOMPARE(missing.errors, QStringLiteral("mtz4ctl: ERROR: File Open Error\n"));
    QVERIFY(!QFile::exists(none));
    for (const QStringList& args :
         {QStringList{QStringLiteral("export"), rich},
          QStringList{QStringLiteral("import"), base, csv},
          QStringList{QStringLiteral("export"), rich, csv, QStringLiteral("-o"), back}}) {
        const CtlRun run = runCtl(args);
        QVERIFY2(run.exitCode == 2, qPrintable(args.join(QLatin1Char(' '))));
    }
}

// A quick read of a receiver leaves the same clone file as a full read, with
// the same commands less the entry blocks of disabled entries. The image has
// entries in use in the banks, Program Scan, Search Pass and Priority; record
// data in some disabled entries' blocks (a full read fetches and then drops
// them); and an enabled entry whose block reads "FFFFFFFF" in the banks and in
// the Priority entries beyond the receiver's enable bits, which the base
// file's bits enable.
void Mtz4ctlTest::quickReadEqualsFullRead() {
    SimRunner sim;
    const QString base = sim.path(QStringLiteral("base.MZ4"));
    const auto source = writeRichFile(base);
    QVERIFY(source);
    QFile baseFile(base);
    QVERIFY(baseFile.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = baseFile.readAll().split('\n');
    QRandomGenerator rng(99);
    const auto setRecord = [&](int entry, const QString& digits) {
        lines[CloneFileLine::FirstEntry + entry] = digits.toLatin1() + '\r';
    };
    for (const auto& [first, end] :
         {std::pair{0, 1000}, {1000, 1100}, {1100, 1200}, {1200, 1300}}) {
        const auto inUse =
            std::count(source->MemEnable.begin() + first, source->MemEnable.begin() + end, true);
        QVERIFY2(inUse > 0 && inUse < end - first, "entries in use and not in every list");
        const int disabled = int(
            std::find(source->MemEnable.begin() + first, source->MemEnable.begin() + end, false) -
            source->MemEnable.begin());
        setRecord(disabled, RandomMemRecord(rng, Model::MTZ4J));
    }
    const auto firstUsedFrom = [&](int from) {
        return int(std::find(source->MemEnable.begin() + from, source->MemEnable.end(), true) -
                   source->MemEnable.begin());
    };
    const int usedChannel = firstUsedFrom(0);
    const int usedBeyondBits = firstUsedFrom(EntriesWithEnableBits);
    QVERIFY(usedBeyondBits < EntryCount);
    for (int entry : {usedChannel, usedBeyondBits})
        setRecord(entry, QString(64, QLatin1Char('F')));
    const QString image = sim.path(QStringLiteral("receiver.MZ4"));
    QFile imageFile(image);
    QVERIFY(imageFile.open(QIODevice::WriteOnly));
    imageFile.write(lines.join('\n'));
    imageFile.close();
    QVERIFY(sim.start({QStringLiteral("--image"), image, QStringLiteral("--clone-mode")}));

    const auto read = [&](const QStringList& options, const QString& name) {
        const qsizetype before = sim.commands().size();
        const CtlRun run =
            runCtl(QStringList{QStringLiteral("read")} + options + deviceArgs(sim)
                   << QStringLiteral("--base") << base << QStringLiteral("-o") << sim.path(name));
        QStringList commands = sim.commands().mid(before);
        return std::pair{run, commands};
    };
    const auto [full, fullCommands] = read({}, QStringLiteral("full.MZ4"));
    QVERIFY2(full.exitCode == 0, qPrintable(full.errors));
    const auto [quick, quickCommands] =
        read({QStringLiteral("--quick")}, QStringLiteral("quick.MZ4"));
    QVERIFY2(quick.exitCode == 0, qPrintable(quick.errors));

    QStringList expected;
    for (const QString& command : fullCommands) {
        const int address = command.mid(4, 5).toInt(nullptr, 16);
        const int entry = (address - 0xA00) / 32;
        if (address < 0xA00 || source->MemEnable[entry])
            expected << command;
    }
    QCOMPARE(quickCommands, expected);
    QVERIFY(quickCommands.size() < fullCommands.size());
    QFile fullFile(sim.path(QStringLiteral("full.MZ4")));
    QFile quickFile(sim.path(QStringLiteral("quick.MZ4")));
    QVERIFY(fullFile.open(QIODevice::ReadOnly) && quickFile.open(QIODevice::ReadOnly));
    QCOMPARE(quickFile.readAll(), fullFile.readAll());
    // The emptied blocks really came out disabled.
    const auto got = load(sim.path(QStringLiteral("quick.MZ4")));
    QVERIFY(!got->MemEnable[usedChannel] && !got->MemEnable[usedBeyondBits]);
}

void Mtz4ctlTest::commandLine() {
    const CtlRun help = runCtl({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.output.contains(QStringLiteral("read")));
    const CtlRun readHelp = runCtl({QStringLiteral("read"), QStringLiteral("--help")});
    QCOMPARE(readHelp.exitCode, 0);
    QVERIFY(readHelp.output.contains(QStringLiteral("--base IN.MZ4")));

    const QList<QStringList> bad{
        {},
        {QStringLiteral("erase")},
        {QStringLiteral("read"), QStringLiteral("--model"), QStringLiteral("MT-Z4J"),
         QStringLiteral("-o"), QStringLiteral("x.MZ4")}, // no device
        {QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("17"),
         QStringLiteral("--model"), QStringLiteral("MT-Z4J"), QStringLiteral("-o"),
         QStringLiteral("x.MZ4")},
        {QStringLiteral("write"), QStringLiteral("--port"), QStringLiteral("1"),
         QStringLiteral("--model"), QStringLiteral("MT-K2"), QStringLiteral("x.MZ4")},
        {QStringLiteral("write"), QStringLiteral("--port"), QStringLiteral("1"),
         QStringLiteral("--model"), QStringLiteral("MT-Z4J"), QStringLiteral("--settings"),
         QStringLiteral("--memory"), QStringLiteral("x.MZ4")},
        {QStringLiteral("new"), QStringLiteral("--model"), QStringLiteral("MT-Z4J"),
         QStringLiteral("--device"), QStringLiteral("/dev/null"), QStringLiteral("-o"),
         QStringLiteral("x.MZ4")},
        {QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("1"),
         QStringLiteral("--model"), QStringLiteral("MT-Z4J"), QStringLiteral("--settings"),
         QStringLiteral("--quick"), QStringLiteral("-o"), QStringLiteral("x.MZ4")},
    };
    for (const QStringList& args : bad) {
        const CtlRun run = runCtl(args);
        QVERIFY2(run.exitCode == 2, qPrintable(args.join(QLatin1Char(' '))));
        QVERIFY(run.errors.startsWith(QStringLiteral("mtz4ctl: ")));
    }

    // A file that is no clone file.
    SimRunner files;
    const QString junk = files.path(QStringLiteral("junk.MZ4"));
    QFile file(junk);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3000, '\n'));
    file.close();
    const CtlRun write =
        runCtl({QStringLiteral("write"), QStringLiteral("--device"), QStringLiteral("/nonexistent"),
                QStringLiteral("--model"), QStringLiteral("MT-Z4J"), junk});
    QCOMPARE(write.exitCode, 1);
    QCOMPARE(write.errors, QStringLiteral("mtz4ctl: ERROR: Data Error\n"));
}

QTEST_GUILESS_MAIN(Mtz4ctlTest)
#include "Mtz4ctl_test.moc"

// mtz4ctl end to end: the tool against mtz4sim on a pseudo-terminal.
#include "cli/Subcommands.h"
#include "files/CloneFile.h"
#include "model/CodePage.h"
#include "model/DataSet.h"
#include "model/RecordCodec.h"
#include "model/ReferenceTables.h"
#include "model/RowLabels.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"
#include "support/SimRunner.h"
#include "support/TestFiles.h"
#include "support/WriteSequence.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <memory>

#include <sys/stat.h>

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

// Puts an enabled memory entry in place, every text as a read would.
void putEntry(DataSet& ds, int e, double mhz, const QString& name, const QString& note = {},
              int mode = 0) {
    ds.MemData[e][Col::Freq] = mhz;
    ds.MemData[e][Col::Mode] = mode;
    ds.MemData[e][Col::Secret] = 11;
    ds.MemData[e][Col::Carrier] = 28;
    ds.MemData[e][Col::Tone] = 8;
    ds.MemData[e][Col::Step] = mode == 1 ? 7 : 6; // 25 or 20 kHz
    ds.MemEnable[e] = true;
    auto copy = std::make_unique<DataSet>(ds);
    DecodeMem(ds, QStringLiteral("\r\n") + EncodeMem(*copy, e), e);
    ds.MemText[e][Col::Name] = name;
    ds.MemText[e][Col::Note] = note;
    ds.MemEnable[e] = true;
}

// An entry's frequency, shift, offset, option, tone, note and name (without
// the blanks a clone file fills it with), and whether it is enabled.
QString entryState(const DataSet& ds, int e) {
    QStringList parts;
    for (int c : {Col::Freq, Col::ShiftDir, Col::Shift, Col::Option, Col::Tone, Col::Note})
        parts << ds.MemText[e][c];
    QString name = ds.MemText[e][Col::Name];
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return (parts << name).join(QLatin1Char('|')) + (ds.MemEnable[e] ? "|on" : "|off");
}

QString testData(const char* name) {
    return QStringLiteral(MTZ4_SOURCE_DIR "/tests/data/") + QLatin1String(name);
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
    void importSaysWhatItDid();
    void importToADestination();
    void diffAndChirpFormat();
    void controlCharactersAndSpecialFilesFromFiles();
    void importsWhatOtherProgramsWrite();
    void exportThenImportKeepsEveryNote_data();
    void exportThenImportKeepsEveryNote();
    void chirpExportSaysWhatItCannotCarry();
    void codePagesAndUtf8();
    void verifiedWrite();
    void quickReadEqualsFullRead();
    void commandLine();
    void everyProgramTellsItsVersion();
    void portsListsTheSixteenNumbersThenTheSerialPorts();
    void identifyFindsEachModel();
    void messagesFollowTheLocaleOutputStaysAsItIs();
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
    const QString trace = sim.path(QStringLiteral("trace.txt"));
    const CtlRun read = runCtl(
        QStringList{QStringLiteral("--trace"), trace, QStringLiteral("read")} + deviceArgs(sim)
        << QStringLiteral("-o") << out);
    QCOMPARE(read.exitCode, 1);
    // The fixed message, then in plain words what went wrong and what to do.
    QCOMPARE(read.errors,
             QStringLiteral("mtz4ctl: ERROR: Region Error\n"
                            "mtz4ctl: the receiver did not accept the selected model MT-Z4J: "
                            "name its model with --model, or find it with \"mtz4ctl identify\"\n"));
    QVERIFY(!QFile::exists(out));
    QCOMPARE(sim.commands().last(), QStringLiteral("QZ~MT-Z4J"));

    // The trace: the probe timing out, then the identification refused.
    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QRegularExpression stamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d [<>] \""));
    QStringList tail;
    for (const QString& line : lines)
        if (stamp.match(line).hasMatch())
            tail << line.mid(13);
    QVERIFY2(tail.size() >= 4, qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(tail.at(0), QStringLiteral(R"(> "QZ~F00022R\r")"));
    QCOMPARE(tail.at(1), QStringLiteral(R"(< "QZ~F00022R\r" time-out)")); // the echo alone
    QCOMPARE(tail.at(tail.size() - 2), QStringLiteral(R"(> "QZ~MT-Z4J\r")"));
    QCOMPARE(tail.last(), QStringLiteral(R"(< "QZ~MT-Z4J\r\r\nRE\r\n" refused (RE))"));
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
    // Without --model nothing is written: a clone file does not say its model.
    struct Case {
        QStringList model;
        int index;
        int exitCode;
        QString errors;
    };
    const Case cases[] = {
        {{QStringLiteral("--model=MT-Z40T")}, Model::MTZ40T, 0, QString()},
        {{},
         -1,
         2,
         QStringLiteral(
             "mtz4ctl: --model MODEL is required (MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K)\n")},
    };
    for (const Case& c : cases) {
        SimRunner files; // for its directory only
        const QString out = files.path(QStringLiteral("new.MZ4"));
        const CtlRun run = runCtl(QStringList{QStringLiteral("new")} + c.model +
                                  QStringList{QStringLiteral("-o"), out});
        QCOMPARE(run.exitCode, c.exitCode);
        QVERIFY2(run.errors.startsWith(c.errors), qPrintable(run.errors));
        if (c.index < 0) {
            QVERIFY(!QFile::exists(out));
            continue;
        }
        auto factory = std::make_unique<DataSet>();
        MakeFactoryDataSet(*factory, c.index);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), CloneFileText(*factory));
    }
}

void Mtz4ctlTest::csvExportThenImportRoundTrips() {
    SimRunner files; // for its directory only
    const QString rich = files.path(QStringLiteral("rich.MZ4"));
    const auto source = writeRichFile(rich);
    QVERIFY(source);
    const QString csv = files.path(QStringLiteral("rich.csv"));
    const CtlRun exported = runCtl({QStringLiteral("export"), rich, csv});
    QCOMPARE(exported.exitCode, 0);
    // Without --model the model taken is named.
    QCOMPARE(exported.errors, QStringLiteral("mtz4ctl: no --model given: MT-Z4J used\n"));

    const QString base = files.path(QStringLiteral("base.MZ4"));
    QCOMPARE(runCtl({QStringLiteral("new"), QStringLiteral("--model=MT-Z4J"), QStringLiteral("-o"),
                     base})
                 .exitCode,
             0);
    const QString back = files.path(QStringLiteral("back.MZ4"));
    const CtlRun imported = runCtl({QStringLiteral("import"), QStringLiteral("--model=MT-Z4J"),
                                    base, csv, QStringLiteral("-o"), back});
    QCOMPARE(imported.exitCode, 0);
    // The report on standard error passes over only what the import never
    // takes: lines without a frequency and Priority lines from 10 on.
    // Then what changed in the new file's VFO bands.
    const QStringList report = imported.errors.trimmed().split(QLatin1Char('\n'));
    QVERIFY(report[0].contains(QStringLiteral("lines imported")));
    const auto count = std::find_if(report.cbegin(), report.cend(), [](const QString& line) {
        return line.startsWith(QStringLiteral("mtz4ctl: Changes to entries in use before: "));
    });
    const qsizetype compared = count - report.cbegin();
    QVERIFY2(count != report.cend() && compared > 2, qPrintable(imported.errors.left(300)));
    for (const QString& line : report.mid(2, compared - 2))
        QVERIFY2(line.contains(QStringLiteral("(PRIORITY ")), qPrintable(line));
    for (const QString& line : report.mid(compared + 1))
        QVERIFY2(line.startsWith(QStringLiteral("mtz4ctl: Band ")), qPrintable(line));
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
        runCtl({QStringLiteral("import"), QStringLiteral("--model=MT-Z4J"), base,
                files.path(QStringLiteral("missing.csv")), QStringLiteral("-o"), none});
    QCOMPARE(missing.exitCode, 1);
    QCOMPARE(missing.errors,
             QStringLiteral("mtz4ctl: ERROR: File Open Error\nmtz4ctl: cannot open %1: there is "
                            "no such file\n")
                 .arg(files.path(QStringLiteral("missing.csv"))));
    QVERIFY(!QFile::exists(none));
    for (const QStringList& args :
         {QStringList{QStringLiteral("export"), rich},
          QStringList{QStringLiteral("import"), base, csv},
          QStringList{QStringLiteral("export"), rich, csv, QStringLiteral("-o"), back}}) {
        const CtlRun run = runCtl(args);
        QVERIFY2(run.exitCode == 2, qPrintable(args.join(QLatin1Char(' '))));
    }
}

// diff prints one difference a line with its exit status; --format chirp
// exports and imports CHIRP's CSV, with a summary of the rows left out.
// The report on standard error, the exit status and whether OUT.MZ4 is
// written, for each kind of file and option.
void Mtz4ctlTest::importSaysWhatItDid() {
    struct Case {
        QStringList options;
        QByteArray csv;
        int exitCode;
        const char* says;
    };
    const QByteArray chirp = "Location,Name,Frequency,Mode\r\n3,A,145.5,FM\r\n";
    const QByteArray own =
        "\"MT-Z4\",\"MEMORY\",\"1\",\"830.000000\",\"FM\",\"20KHz\",\"OFF\","
        "\"11\",\"JR\",\"88.5Hz\",\"OFF\",\"0.600000\",\"\",\"\",\"#FALSE#\",#TRUE#"
        "\r\n";
    const QByteArray banks = "\"MT-Z4\",\"BANK AMOUNT\",\"0\",\"151\"\r\n";
    const Case cases[] = {
        {{}, chirp, 0, "mtz4ctl: 1 row imported, 0 skipped\n"},
        {{"--format", "csv"}, chirp, 1, "mtz4ctl: ERROR: in.csv looks like CHIRP's CSV"},
        {{}, "a,b\n1,2\n", 1, "mtz4ctl: ERROR: in.csv is neither"},
        {{"--model", "MT-Z40T"},
         own,
         1,
         "mtz4ctl: 0 lines imported, 1 skipped:\nmtz4ctl: line 1 (MEMORY 1): a frequency of the "
         "cellular phone\nmtz4ctl: ERROR: No line of in.csv could be imported."},
        {{}, own, 0, "mtz4ctl: 1 line imported"},
        {{},
         banks,
         0,
         "mtz4ctl: Warning: The bank sizes add up to 1051, not 1000: a save cuts bank 9 from 100 "
         "to 49."},
        {{"--dry-run"}, chirp, 0, "mtz4ctl: 1 row imported"},
        {{"--quiet"}, chirp, 0, ""}, // nothing to name: nothing said
        // An import that stops is not saved, and the report says where it stopped.
        {{},
         own + "\"MT-Z4\",\"GROUP\",\"7\",\"one\"\r\n" + own + "\r\n" + own,
         1,
         "mtz4ctl: 1 line imported, 0 skipped:\nmtz4ctl: stopped at line 2 (GROUP): \"one\" is "
         "not a number; the 2 lines after it were not read\nmtz4ctl: ERROR: File Open Error"},
        // What the file holds never reaches the terminal as control characters.
        {{},
         own + "\"MT-Z4\",\"ME\x1b[2JMORY\",\"4\"\r\n",
         0,
         "mtz4ctl: line 2 (ME\\x1b[2JMORY): an unknown section\n"},
    };
    SimRunner files; // for its directory only
    const QString base = files.path(QStringLiteral("base.MZ4"));
    QCOMPARE(runCtl({QStringLiteral("new"), QStringLiteral("--model=MT-Z4J"), QStringLiteral("-o"),
                     base})
                 .exitCode,
             0);
    const QString csv = files.path(QStringLiteral("in.csv"));
    const QString out = files.path(QStringLiteral("out.MZ4"));
    for (const Case& c : cases) {
        QFile::remove(out);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.csv);
        file.close();
        QStringList args =
            QStringList{QStringLiteral("import")} + c.options + QStringList{base, csv};
        const bool dryRun = c.options.contains(QStringLiteral("--dry-run"));
        if (!dryRun)
            args << QStringLiteral("-o") << out;
        const CtlRun run = runCtl(args);
        QVERIFY(!run.errors.contains(QLatin1Char('\x1b')));
        if (*c.says)
            QVERIFY2(run.errors.contains(QString::fromUtf8(c.says)), qPrintable(run.errors));
        else
            QCOMPARE(run.errors, QString());
        QCOMPARE(run.exitCode, c.exitCode);
        QCOMPARE(QFile::exists(out), c.exitCode == 0 && !dryRun);
    }
    // The clone file merged into may be updated in place; the CSV file read never.
    const auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray baseBefore = bytes(base);
    const QByteArray csvBefore = bytes(csv);
    QCOMPARE(runCtl({QStringLiteral("import"), base, csv, QStringLiteral("-o"), base}).exitCode, 0);
    QVERIFY(bytes(base) != baseBefore);
    QCOMPARE(runCtl({QStringLiteral("import"), base, csv, QStringLiteral("-o"), csv}).exitCode, 2);
    QCOMPARE(bytes(csv), csvBefore);
}

// --into, --at, --free and --stock send the rows elsewhere, needing
// --replace to replace entries in use (the earlier forms only say so); a
// file with a header row has its mapping printed and changed by --map.
void Mtz4ctlTest::importToADestination() {
    struct Case {
        QStringList options;
        QByteArray csv; // none: --stock
        int exitCode;
        const char* says;
    };
    const QByteArray chirp = "Location,Frequency,Mode\r\n0,145.5,FM\r\n1,145.6,FM\r\n";
    const QByteArray columns = "Frequenz;Name;Extra\n145,5;A;x\n";
    const Case cases[] = {
        {{"--into", "12"},
         chirp,
         0,
         "Bank 12 grew from 0 to 2 channels, taking the free channels "
         "at the end of bank 9 (2; 98 left)."},
        {{"--free", "--dry-run"}, chirp, 0, "mtz4ctl: 2 rows imported, 0 skipped\n"},
        {{"--at", "Pr9"}, chirp, 0, "row 3 (Location 1): beyond the end of the list"},
        {{"--at", "77-000"}, chirp, 1, "ERROR: base.MZ4 has no row 77-000"},
        {{"--into", "0"},
         chirp,
         1,
         "ERROR: The import replaces 1 entry in use. Nothing was "
         "written: give --replace to replace them."},
        {{"--into", "0", "--replace"}, chirp, 0, "Warning: The import replaces 1 entry in use."},
        {{}, chirp, 0, "Warning: The import replaces 1 entry in use."},
        {{},
         columns,
         0,
         "mtz4ctl: in.csv: columns named in line 1:\nmtz4ctl: 1 \"Frequenz\" -> "
         "frequency\nmtz4ctl: 2 \"Name\" -> name\nmtz4ctl: 3 \"Extra\" -> none"},
        {{"--map", "extra=note", "--format", "columns"}, columns, 0, "3 \"Extra\" -> note"},
        {{"--map", "Pitch=note"}, columns, 2, "no column \"Pitch\""},
        {{"--map", "1=frequency"}, chirp, 2, "--map is for a file whose first row names"},
        {{"--stock", "pmr446", "--into", "20"}, {}, 0, "16 rows imported, 0 skipped"},
        {{"--stock", "nothing"}, {}, 2, "no stock list \"nothing\""},
        {{"--into", "50"}, chirp, 2, "--into takes a bank number from 0 to 49"},
        {{"--into", "1", "--free"}, chirp, 2, "--into, --at and --free exclude each other"},
    };
    SimRunner files; // for its directory only
    const QString base = files.path(QStringLiteral("base.MZ4"));
    const QString csv = files.path(QStringLiteral("in.csv"));
    const QString out = files.path(QStringLiteral("out.MZ4"));
    QVERIFY(WriteFile(csv, "Location,Frequency\r\n0,118.1\r\n"));
    QCOMPARE(runCtl({"new", "--model", "MT-Z4J", "-o", base}).exitCode, 0);
    QCOMPARE(runCtl({"import", base, csv, "-o", base}).exitCode, 0); // 00-000 in use
    for (const Case& c : cases) {
        QFile::remove(out);
        QStringList args = QStringList{QStringLiteral("import")} + c.options + QStringList{base};
        if (!c.csv.isNull()) {
            QVERIFY(WriteFile(csv, c.csv));
            args << csv;
        }
        const bool dryRun = c.options.contains(QStringLiteral("--dry-run"));
        if (!dryRun)
            args << QStringLiteral("-o") << out;
        const CtlRun run = runCtl(args);
        QVERIFY2(run.errors.contains(QString::fromUtf8(c.says)), qPrintable(run.errors));
        QCOMPARE(run.exitCode, c.exitCode);
        QCOMPARE(QFile::exists(out), c.exitCode == 0 && !dryRun);
        if (c.options == QStringList{"--into", "12"}) {
            const auto ds = load(out);
            QCOMPARE(ds->MemText[999][Col::Freq], QStringLiteral("145.600000")); // 12-001
            QCOMPARE(BuildRowLabels(ds->bank)[998], QStringLiteral("12-000"));
        }
    }
    const CtlRun stock = runCtl({QStringLiteral("stock")});
    QCOMPARE(stock.exitCode, 0);
    QVERIFY(stock.output.contains(QRegularExpression(QStringLiteral("^pmr446 +PMR446 \\(Europe "
                                                                    "\\(CEPT\\)\\): "),
                                                     QRegularExpression::MultilineOption)));
    const CtlRun rows = runCtl({QStringLiteral("stock"), QStringLiteral("noaa-weather")});
    QCOMPARE(rows.exitCode, 0);
    QVERIFY(rows.output.contains(QStringLiteral("162.550000  FM  25KHz")));
}

// Notes that would drive a terminal are printed escaped by diff and left out
// of the HTML list; a pipe or a device in the place of an input is refused
// unopened, with the reason.
void Mtz4ctlTest::controlCharactersAndSpecialFilesFromFiles() {
    SimRunner files; // for its directory only
    const QString a = files.path(QStringLiteral("a.MZ4"));
    const QString b = files.path(QStringLiteral("b.MZ4"));
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ4J);
    ds->MemData[3][Col::Freq] = 145.5;
    ds->MemEnable[3] = true;
    QCOMPARE(SaveCloneFile(*ds, a), CloneFileStatus::Ok);
    ds->MemText[3][Col::Note] = QStringLiteral("\x1b]0;owned\x07\x1b[2J\tnet");
    QCOMPARE(SaveCloneFile(*ds, b), CloneFileStatus::Ok);
    const CtlRun diff = runCtl({QStringLiteral("diff"), a, b});
    QCOMPARE(diff.exitCode, 1);
    QVERIFY2(diff.output.contains(QStringLiteral("\\x1b]0;owned\\x07\\x1b[2J\tnet")),
             qPrintable(diff.output));
    QVERIFY(!diff.output.contains(QLatin1Char('\x1b')) &&
            !diff.output.contains(QLatin1Char('\x07')));

    const QString html = files.path(QStringLiteral("list.html"));
    QCOMPARE(runCtl({QStringLiteral("report"), b, QStringLiteral("-o"), html}).exitCode, 0);
    const QByteArray page = ReadFile(html);
    QVERIFY(page.contains("]0;owned[2J\tnet"));
    QVERIFY(!page.contains('\x1b') && !page.contains('\x07'));

    const QString pipe = files.path(QStringLiteral("pipe"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& input : {pipe, QStringLiteral("/dev/zero")}) {
        for (const QStringList& args :
             {QStringList{QStringLiteral("report"), input, QStringLiteral("-o"), html},
              QStringList{QStringLiteral("import"), a, input, QStringLiteral("--dry-run")}}) {
            const CtlRun run = runCtl(args, 5000);
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.errors.contains(input + QStringLiteral(": it is a device or a pipe, not a "
                                                                "file")),
                     qPrintable(run.errors));
        }
    }
}

void Mtz4ctlTest::diffAndChirpFormat() {
    SimRunner files; // for its directory only
    const QString a = files.path(QStringLiteral("a.MZ4"));
    const QString b = files.path(QStringLiteral("b.MZ4"));
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ4J);
    ds->MemData[12][Col::Freq] = 145.5;
    // The fields CHIRP's CSV does not carry, at the values its import gives.
    ds->MemData[12][Col::Tone] = 8;
    ds->MemData[12][Col::Carrier] = 28;
    ds->MemData[12][Col::Secret] = 11;
    ds->MemEnable[12] = true;
    QCOMPARE(SaveCloneFile(*ds, a), CloneFileStatus::Ok);
    ds->MemData[12][Col::Freq] = 145.52;
    QCOMPARE(SaveCloneFile(*ds, b), CloneFileStatus::Ok);

    const CtlRun same = runCtl({QStringLiteral("diff"), a, a});
    QCOMPARE(same.exitCode, 0);
    QCOMPARE(same.output, QString());
    const CtlRun differ = runCtl({QStringLiteral("diff"), a, b});
    QCOMPARE(differ.exitCode, 1);
    QCOMPARE(differ.output, QStringLiteral("00-012 Frequency: 145.500000 -> 145.520000\n"));
    QCOMPARE(runCtl({QStringLiteral("diff"), a, files.path(QStringLiteral("none.MZ4"))}).exitCode,
             2);
    QCOMPARE(runCtl({QStringLiteral("diff"), a}).exitCode, 2);
    // A code that only the bytes to the receiver show: shift direction 10h
    // reads "OFF" as 00h does.
    const QString coded = files.path(QStringLiteral("coded.MZ4"));
    ds->MemData[12][Col::ShiftDir] = 0x10;
    QCOMPARE(SaveCloneFile(*ds, coded), CloneFileStatus::Ok);
    const CtlRun codeOnly = runCtl({QStringLiteral("diff"), b, coded});
    QCOMPARE(codeOnly.exitCode, 1);
    QCOMPARE(codeOnly.output, QStringLiteral("00-012 Shift code: 00 -> 10\n"));

    const QString chirp = files.path(QStringLiteral("chirp.csv"));
    QCOMPARE(runCtl({QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("chirp"),
                     b, chirp})
                 .exitCode,
             0);
    QFile file(chirp);
    QVERIFY(file.open(QIODevice::Append));
    file.write(
        "1500,FAR,145.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,,,,,,\r\n");
    file.close();
    const QString back = files.path(QStringLiteral("back.MZ4"));
    const CtlRun imported = runCtl({QStringLiteral("import"), QStringLiteral("--format=chirp"), a,
                                    chirp, QStringLiteral("-o"), back});
    QCOMPARE(imported.exitCode, 0);
    // The report ends with what the import changed in the entries in use,
    // and the question the window would ask is said.
    QCOMPARE(imported.errors,
             QStringLiteral("mtz4ctl: no --model given: MT-Z4J used\n"
                            "mtz4ctl: 1 row imported, 1 skipped:\n"
                            "mtz4ctl: row 3 (Location 1500): beyond the 1000 memory channels\n"
                            "mtz4ctl: Changes to entries in use before: 1 (Frequency 1)\n"
                            "mtz4ctl: 00-012 Frequency: 145.500000 -> 145.520000\n"
                            "mtz4ctl: Warning: The import replaces 1 entry in use.\n"));
    QCOMPARE(runCtl({QStringLiteral("diff"), back, b}).exitCode, 0);
}

// Files as LibreOffice, gnumeric and CHIRP write them, imported into the
// data they came from: decimal commas, semicolons, exponents, TRUE and 1,
// CHIRP's comment of two lines, leading blanks, split and TSQL-R; each
// value read whole or the line passed over with its reason, and every
// rewrite of a spreadsheet named in the report.
void Mtz4ctlTest::importsWhatOtherProgramsWrite() {
    struct Case {
        const char* file;
        QStringList says;    // lines of the report, in this order
        QStringList entries; // "entry=state" (entryState)
    };
    const Case cases[] = {
        {"libreoffice-semicolons.csv",
         {"5 lines imported, 0 skipped", "Changes to entries in use before: 2 (Name 1, Note 1)",
          "00-002 Name: 007    -> 7", "00-003 Note: =1+1 -> 2",
          "Warning: The import replaces 2 entries in use."},
         {"0=118.100000|OFF|0.000000|OFF|88.5Hz|Tower, main runway|TWR|on",
          "1=119.275000|OFF|0.000000|OFF|88.5Hz|Köln Approach|APP|on",
          "2=145.500000|OFF|0.000000|OFF|88.5Hz|12/1|7|on",
          "3=145.600000|Shift-|0.600000|OFF|88.5Hz|2|RPT|on"}},
        {"libreoffice-commas.csv",
         {"2 lines imported, 0 skipped\n"},
         {"1=119.275000|OFF|0.000000|OFF|88.5Hz|Köln Approach|APP|on",
          "3=145.600000|Shift-|0.600000|OFF|88.5Hz|=1+1|RPT|on"}},
        {"gnumeric.csv",
         {"4 lines imported, 1 skipped",
          "line 5 (MEMORY 5): the frequency \"145.5 MHz\" is no number",
          "Changes to entries in use before: 5 (Note 3, Name 1, ShiftFreq. 1)",
          "00-002 Note: 12/1 -> 12/1/2025", "00-003 ShiftFreq.: 0.600000 -> 0.000001",
          "00-004 Note: 50% -> 0.5"},
         {"2=145.500000|OFF|0.000000|OFF|88.5Hz|12/1/2025|7|on",
          "3=145.600000|Shift-|0.000001|OFF|88.5Hz|2|RPT|on", "5=|||||||off",
          "6=145.750000|OFF|0.000000|OFF|88.5Hz||SCI|on"}},
        {"chirp.csv",
         {"3 rows imported, 0 skipped, 3 changed",
          "row 2 (Location 0): comment: line break → space",
          "row 3 (Location 5): duplex split to 145.000000 MHz: Shift- 0.600000",
          "row 4 (Location 6): duplex split to 435.000000 MHz, which no shift of less than 100 "
          "MHz reaches: no shift",
          "00-000 Note: Tower, main runway -> Tower main runway", "00-000 Name: TWR    ->  TWR"},
         {"0=118.100000|OFF|0.000000|OFF|88.5Hz|Tower main runway| TWR|on",
          "5=145.600000|Shift-|0.600000|Rev.|100.0Hz||RPT|on",
          "6=145.500000|OFF|0.000000|OFF|88.5Hz||XBAND|on"}},
        {"chirp-libreoffice.csv",
         {"1 row imported, 0 skipped\n"},
         {"7=156.800000|OFF|0.000000|OFF|88.5Hz|Channel 16|MARINE|on"}},
    };
    SimRunner files; // for its directory only
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ4J);
    putEntry(*ds, 0, 118.1, "TWR", "Tower, main runway", 1);
    putEntry(*ds, 1, 119.275, "APP", "Köln Approach", 1);
    putEntry(*ds, 2, 145.5, "007", "12/1");
    putEntry(*ds, 3, 145.6, "RPT", "=1+1");
    ds->MemData[3][Col::ShiftDir] = 2;
    ds->MemText[3][Col::ShiftDir] = QStringLiteral("Shift-");
    ds->MemData[3][Col::Shift] = 0.6;
    ds->MemText[3][Col::Shift] = QStringLiteral("0.600000");
    putEntry(*ds, 4, 433.5, "UHF", "50%");
    const QString base = files.path(QStringLiteral("base.MZ4"));
    QCOMPARE(SaveCloneFile(*ds, base), CloneFileStatus::Ok);
    const QString out = files.path(QStringLiteral("out.MZ4"));
    for (const Case& c : cases) {
        const CtlRun run =
            runCtl({QStringLiteral("import"), base, testData(c.file), QStringLiteral("-o"), out});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        qsizetype at = 0;
        for (const QString& line : c.says) {
            at = run.errors.indexOf(QStringLiteral("mtz4ctl: ") + line, at);
            QVERIFY2(at >= 0, qPrintable(c.file + (": " + line) + "\n" + run.errors));
        }
        const auto got = load(out);
        QVERIFY(got);
        for (const QString& entry : c.entries) {
            const int e = entry.section(QLatin1Char('='), 0, 0).toInt();
            QCOMPARE(entryState(*got, e), entry.section(QLatin1Char('='), 1));
        }
    }
}

// Notes in mixed case, with accents and in Shift-JIS, and bytes that read
// as no character, go out to a CSV file and come back byte for byte under
// every code page: diff sees no difference.
void Mtz4ctlTest::exportThenImportKeepsEveryNote_data() {
    QTest::addColumn<QString>("page");
    for (const CodePage page : NoteCodePages())
        QTest::newRow(qPrintable(CodePageName(page))) << CodePageName(page);
}

void Mtz4ctlTest::exportThenImportKeepsEveryNote() {
    QFETCH(QString, page);
    const CodePage codePage = *CodePageOfName(page);
    const QByteArray notes[] = {"Tower, Main Runway", "Caf\xE9 \xE0 la gare, K\xF6ln",
                                "\x93\x8C\x8B\x9E\x83\x5E\x83\x8F\x81\x5B",
                                "\x95\x78\x8E\x6D\x8E\x52 \x87\x90",
                                "\x81\x20\x78 \"quoted\", end"};
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ4J);
    ds->NoteCodePage = codePage;
    for (int e = 0; e < int(std::size(notes)); ++e) {
        putEntry(*ds, e * 7, 145.0 + e, QStringLiteral("CH%1").arg(e));
        ds->MemNoteBytes[e * 7] = notes[e];
        ds->MemText[e * 7][Col::Note] = DecodeText(notes[e], codePage);
    }
    ds->VfoNoteBytes[3] = notes[2];
    ds->VfoText[3][Col::Note] = DecodeText(notes[2], codePage);
    SimRunner files; // for its directory only
    const QString original = files.path(QStringLiteral("notes.MZ4"));
    QCOMPARE(SaveCloneFile(*ds, original), CloneFileStatus::Ok);
    const QString base = files.path(QStringLiteral("base.MZ4"));
    const QString csv = files.path(QStringLiteral("notes.csv"));
    const QString back = files.path(QStringLiteral("back.MZ4"));
    const QString option = QStringLiteral("--code-page=") + page;
    QCOMPARE(runCtl({QStringLiteral("new"), QStringLiteral("--model=MT-Z4J"), QStringLiteral("-o"),
                     base})
                 .exitCode,
             0);
    QCOMPARE(runCtl({QStringLiteral("export"), option, original, csv}).exitCode, 0);
    const CtlRun imported =
        runCtl({QStringLiteral("import"), option, base, csv, QStringLiteral("-o"), back});
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.errors));
    const CtlRun diff = runCtl({QStringLiteral("diff"), option, original, back});
    QVERIFY2(diff.exitCode == 0, qPrintable(diff.output));
}

// Rev. goes out as TSQL-R with its tone; what CHIRP has no field for is
// named by entry on standard error, and the export succeeds.
void Mtz4ctlTest::chirpExportSaysWhatItCannotCarry() {
    struct Case {
        int model;
        int option;
        const char* says; // empty: nothing
        const char* row;  // the entry's row holds this
    };
    const Case cases[] = {
        {Model::MTZ4J, 3, "", ",TSQL-R,100.0,100.0,"},
        {Model::MTZ4J, 1, "mtz4ctl: 00-005: the Train option with carrier 1000Hz\n",
         ",,88.5,88.5,"},
        {Model::MTZ40E, 4, "mtz4ctl: 00-005: the Secret option with code 12\n", ",,88.5,88.5,"},
    };
    SimRunner files; // for its directory only
    const QString clone = files.path(QStringLiteral("options.MZ4"));
    const QString csv = files.path(QStringLiteral("chirp.csv"));
    for (const Case& c : cases) {
        auto ds = std::make_unique<DataSet>();
        MakeFactoryDataSet(*ds, c.model);
        putEntry(*ds, 5, 145.5, "OPT");
        ds->MemData[5][Col::Option] = c.option;
        ds->MemData[5][Col::Tone] = 12;   // 100.0 Hz
        ds->MemData[5][Col::Carrier] = 7; // 1000 Hz
        ds->MemData[5][Col::Secret] = 12;
        QCOMPARE(SaveCloneFile(*ds, clone), CloneFileStatus::Ok);
        const CtlRun run = runCtl({QStringLiteral("export"), QStringLiteral("--format=chirp"),
                                   QStringLiteral("--model"), ModelName(c.model), clone, csv});
        QCOMPARE(run.exitCode, 0);
        if (*c.says)
            QVERIFY2(run.errors.startsWith(QStringLiteral("mtz4ctl: Warning: CHIRP's CSV")) &&
                         run.errors.endsWith(QString::fromUtf8(c.says)),
                     qPrintable(run.errors));
        else
            QCOMPARE(run.errors, QString());
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = file.readAll().split('\n');
        QVERIFY2(rows.value(1).startsWith("5,\"OPT   \",") && rows.value(1).contains(c.row),
                 rows.value(1).constData());
    }
}

// --code-page reads and writes the notes in the code page named; --utf8
// exports for spreadsheets; diff and the reports print in the terminal's
// encoding (UTF-8 here).
void Mtz4ctlTest::codePagesAndUtf8() {
    SimRunner files; // for its directory only
    const QString a = files.path(QStringLiteral("a.MZ4"));
    const QString b = files.path(QStringLiteral("b.MZ4"));
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ4J);
    ds->NoteCodePage = CodePage::Japanese;
    ds->MemData[0][Col::Freq] = 145.5;
    ds->MemEnable[0] = true;
    ds->MemText[0][Col::Note] = QStringLiteral("東京");
    QCOMPARE(SaveCloneFile(*ds, a), CloneFileStatus::Ok);
    ds->MemText[0][Col::Note] = QStringLiteral("大阪");
    QCOMPARE(SaveCloneFile(*ds, b), CloneFileStatus::Ok);

    const CtlRun differ = runCtl({QStringLiteral("diff"), QStringLiteral("--code-page=932"), a, b});
    QCOMPARE(differ.exitCode, 1);
    QVERIFY2(differ.output.contains(QStringLiteral("Note: 東京 -> 大阪")),
             qPrintable(differ.output));
    // Notes that read alike but whose bytes differ.
    const QString c = files.path(QStringLiteral("c.MZ4"));
    const QString d = files.path(QStringLiteral("d.MZ4"));
    auto alike = std::make_unique<DataSet>(*ds);
    alike->MemNoteBytes[0] = QByteArray("\x82\x20\x78");
    alike->MemText[0][Col::Note] = DecodeText(alike->MemNoteBytes[0], CodePage::Japanese);
    QCOMPARE(SaveCloneFile(*alike, c), CloneFileStatus::Ok);
    alike->MemNoteBytes[0] = QByteArray("\x81\x20\x78");
    QCOMPARE(SaveCloneFile(*alike, d), CloneFileStatus::Ok);
    const CtlRun bytes = runCtl({QStringLiteral("diff"), QStringLiteral("--code-page=932"), c, d});
    QCOMPARE(bytes.exitCode, 1);
    QCOMPARE(bytes.output, QStringLiteral("00-000 Note bytes differ: 82 20 78 -> 81 20 78\n"));
    // Such bytes a UTF-8 export cannot carry, and says so.
    const CtlRun utf8 = runCtl({QStringLiteral("export"), QStringLiteral("--code-page=932"),
                                QStringLiteral("--utf8"), d, files.path(QStringLiteral("d.csv"))});
    QCOMPARE(utf8.exitCode, 0);
    QVERIFY2(
        utf8.errors.endsWith(QStringLiteral("\nmtz4ctl: 00-000: note bytes 81 20 78 read as "
                                            "no character in the note code page: UTF-8 "
                                            "cannot hold them, a file in the code page does\n")),
        qPrintable(utf8.errors));

    const QString csv = files.path(QStringLiteral("a.csv"));
    for (const auto& [options, note] :
         {std::pair{QStringList{QStringLiteral("--code-page"), QStringLiteral("shift_jis")},
                    QByteArray("\"\x93\x8C\x8B\x9E\"")},
          std::pair{QStringList{QStringLiteral("--code-page=sjis"), QStringLiteral("--utf8")},
                    QStringLiteral("\"東京\"").toUtf8()}}) {
        QCOMPARE(
            runCtl(QStringList{QStringLiteral("export")} + options + QStringList{a, csv}).exitCode,
            0);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains(note));
        QCOMPARE(text.startsWith("\xEF\xBB\xBF"), options.contains(QStringLiteral("--utf8")));
    }
    const CtlRun unknown =
        runCtl({QStringLiteral("export"), QStringLiteral("--code-page=utf-16"), a, csv});
    QCOMPARE(unknown.exitCode, 2);
    QVERIFY(unknown.errors.contains(QStringLiteral("unknown code page \"utf-16\"")));

    // A CHIRP comment the code page cannot hold: the row comes in, changed.
    const QString chirp = files.path(QStringLiteral("pl.csv"));
    QFile file(chirp);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("Location,Frequency,Mode,Comment\n0,145.5,FM,Wywołanie\n").toUtf8());
    file.close();
    const QString back = files.path(QStringLiteral("back.MZ4"));
    const CtlRun imported =
        runCtl({QStringLiteral("import"), QStringLiteral("--model=MT-Z4J"),
                QStringLiteral("--format=chirp"), QStringLiteral("--code-page=1252"), a, chirp,
                QStringLiteral("-o"), back});
    QCOMPARE(imported.exitCode, 0);
    QVERIFY2(
        imported.errors.startsWith(QStringLiteral("mtz4ctl: 1 row imported, 0 skipped, 1 changed:\n"
                                                  "mtz4ctl: row 2 (Location 0): comment: ł → ?\n")),
        qPrintable(imported.errors));
    QVERIFY(imported.errors.contains(QStringLiteral("mtz4ctl: 00-000 Note: ")));
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

// write --verify reads back what it wrote: agreement says "Verified"; a
// receiver that stores something else fails the write, listing the
// differences, and no success is reported.
void Mtz4ctlTest::verifiedWrite() {
    for (const bool corrupting : {false, true}) {
        SimRunner sim;
        const QString rich = sim.path(QStringLiteral("rich.MZ4"));
        const auto written = writeRichFile(rich);
        QVERIFY(written);
        QStringList simArgs{QStringLiteral("--clone-mode")};
        if (corrupting)
            simArgs << QStringLiteral("--corrupt-every") << QStringLiteral("50");
        QVERIFY(sim.start(simArgs));
        const CtlRun run = runCtl(
            QStringList{QStringLiteral("write"), QStringLiteral("--verify")} + deviceArgs(sim)
            << rich);
        if (!corrupting) {
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.errors, QStringLiteral("mtz4ctl: Successed!!\nmtz4ctl: Verified\n"));
            continue;
        }
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(!run.errors.contains(QStringLiteral("Successed!!")), qPrintable(run.errors));
        QVERIFY2(run.errors.startsWith(QStringLiteral(
                     "mtz4ctl: ERROR: The receiver holds something else than was written")),
                 qPrintable(run.errors));
        // Each line: the label, the frequency written, the one read back
        // (the written one with its lowest bit flipped), in that order.
        const QStringList labels = BuildRowLabels(written->bank);
        const QRegularExpression line(
            QStringLiteral("^mtz4ctl: (\\S+) Frequency: ([0-9.]+) -> ([0-9.]+)$"));
        int lines = 0;
        for (const QString& text : run.errors.split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch m = line.match(text);
            if (!m.hasMatch())
                continue;
            ++lines;
            const int entry = int(labels.indexOf(m.captured(1)));
            QVERIFY2(entry >= 0, qPrintable(text));
            QCOMPARE(m.captured(2), written->MemText[entry][Col::Freq]);
            const qint64 hz = qRound64(written->MemData[entry][Col::Freq] * 1e6);
            QCOMPARE(qRound64(m.captured(3).toDouble() * 1e6), hz ^ 1);
        }
        QVERIFY2(lines > 0, qPrintable(run.errors));
    }
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
        {QStringLiteral("identify")}, // no device
        {QStringLiteral("identify"), QStringLiteral("--port"), QStringLiteral("1"),
         QStringLiteral("--settings")},
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
    // The message, then the file and what is wrong with it.
    QCOMPARE(write.errors.split(QLatin1Char('\n')).value(0),
             QStringLiteral("mtz4ctl: ERROR: Data Error"));
    QVERIFY2(write.errors.split(QLatin1Char('\n'))
                 .value(1)
                 .startsWith(QStringLiteral("mtz4ctl: ") + junk + QStringLiteral(": line 1 ")),
             qPrintable(write.errors));

    // A port that is not there: the receiver's message, then why in plain words.
    const CtlRun noDevice = runCtl({QStringLiteral("read"), QStringLiteral("--device"),
                                    QStringLiteral("/nonexistent/ttyX"), QStringLiteral("--model"),
                                    QStringLiteral("MT-Z4J"), QStringLiteral("-o"),
                                    files.path(QStringLiteral("x.MZ4"))});
    QCOMPARE(noDevice.exitCode, 1);
    QVERIFY2(noDevice.errors.endsWith(QStringLiteral("mtz4ctl: port: no such device /nonexistent/"
                                                     "ttyX (cable unplugged, or the wrong COM "
                                                     "port?)\n")),
             qPrintable(noDevice.errors));
}

void Mtz4ctlTest::everyProgramTellsItsVersion() {
    const QString version = QStringLiteral(MTZ4_VERSION);
    const QString bin = QStringLiteral(MTZ4_BINARY_DIR);
    const QStringList programs{bin + QStringLiteral("/src/mtz4ctl"),
                               bin + QStringLiteral("/src/mtz4clone"),
                               bin + QStringLiteral("/tools/sim/mtz4sim")};
    for (const QString& program : programs) {
        QProcess process;
        // No display is needed for it.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        process.setProcessEnvironment(env);
        process.start(program, {QStringLiteral("--version")});
        QVERIFY2(process.waitForFinished(10000), qPrintable(program));
        QCOMPARE(process.exitCode(), 0);
        const QString name = program.section(QLatin1Char('/'), -1);
        QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()),
                 name + QLatin1Char(' ') + version + QLatin1Char('\n'));
    }
}

void Mtz4ctlTest::portsListsTheSixteenNumbersThenTheSerialPorts() {
    SimRunner files;
    const QString present = files.path(QStringLiteral("receiver"));
    QFile(present).open(QIODevice::WriteOnly);
    qputenv("MTZ4_COM2", present.toLocal8Bit());
    qputenv("MTZ4_COM3", "/nonexistent/ttyX");
    const CtlRun ports = runCtl({QStringLiteral("ports")});
    qunsetenv("MTZ4_COM2");
    qunsetenv("MTZ4_COM3");
    QCOMPARE(ports.exitCode, 0);
    const QStringList lines = ports.output.split(QLatin1Char('\n'));
    // The numbers, an empty line, then one line a port (or one saying there is none).
    QVERIFY2(lines.size() >= 19, qPrintable(ports.output));
    QCOMPARE(lines.at(16), QString());
    QVERIFY(!lines.at(17).isEmpty());
    QVERIFY(lines.at(0).startsWith(QStringLiteral("COM  1  ")));
    QVERIFY(lines.at(15).startsWith(QStringLiteral("COM 16  ")));
    QVERIFY2(lines.at(1).contains(present) && lines.at(1).contains(QStringLiteral(" present")),
             qPrintable(lines.at(1)));
    QVERIFY2(lines.at(2).contains(QStringLiteral("/nonexistent/ttyX  absent")),
             qPrintable(lines.at(2)));

    // The ports of a system: devices in natural order, stable names after
    // them, with what is known of each.
    const auto port = [](const char* device, const char* description = "", const char* maker = "",
                         const char* serial = "", int vendor = -1, int product = -1) {
        SerialPortEntry p;
        p.device = QLatin1String(device);
        p.description = QLatin1String(description);
        p.manufacturer = QLatin1String(maker);
        p.serialNumber = QLatin1String(serial);
        p.vendorId = vendor;
        p.productId = product;
        return p;
    };
    const SerialPortEntry adapter =
        port("/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A50285BI", 0x0403, 0x6001);
    SerialPortEntry byId = adapter;
    byId.device = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    byId.aliasOf = adapter.device;
    const QString details = QStringLiteral("FT232R USB UART, FTDI, USB 0403:6001, serial A50285BI");
    QCOMPARE(cli::serialPortLines({byId, port("/dev/ttyS10"), adapter, port("/dev/ttyS2"),
                                   port("/dev/ttyACM0", "USB Modem", "USB Modem")}),
             QStringList({QStringLiteral("/dev/ttyACM0  USB Modem"), QStringLiteral("/dev/ttyS2"),
                          QStringLiteral("/dev/ttyS10"), QStringLiteral("/dev/ttyUSB0  ") + details,
                          byId.device + QStringLiteral("  ttyUSB0: ") + details}));
    QCOMPARE(cli::serialPortLines({}),
             QStringList{QStringLiteral("no serial port found on this system")});
}

void Mtz4ctlTest::identifyFindsEachModel() {
    struct Case {
        QStringList simArgs;
        int exitCode;
        QString output;
        QString errors;
        QStringList commands;
    };
    const QString ok = QStringLiteral("QZ~F0FD01W00"), probe = QStringLiteral("QZ~F00022R");
    const QStringList z4j{QStringLiteral("QZ~MT-Z4J")};
    const QStringList z40e = z4j + QStringList{QStringLiteral("QZ~MT-Z40E")};
    const QStringList z40t = z40e + QStringList{QStringLiteral("QZ~MT-Z40T")};
    const QStringList all = z40t + QStringList{QStringLiteral("QZ~MT-Z40K")};
    const Case cases[] = {
        {{}, 0, QStringLiteral("MT-Z4J\n"), {}, z4j + QStringList{ok, probe}},
        {{QStringLiteral("--model"), QStringLiteral("MT-Z40E")},
         0,
         QStringLiteral("MT-Z40E\n"),
         {},
         z40e + QStringList{ok, probe}},
        {{QStringLiteral("--model"), QStringLiteral("MT-Z40T")},
         0,
         QStringLiteral("MT-Z40T\n"),
         {},
         z40t + QStringList{ok, probe}},
        {{QStringLiteral("--model"), QStringLiteral("MT-Z40K"), QStringLiteral("--clone-mode")},
         0,
         QStringLiteral("MT-Z40K\n"),
         {},
         all + QStringList{ok, probe}},
        {{QStringLiteral("--refuse-identification")},
         1,
         {},
         QStringLiteral("mtz4ctl: ERROR: The receiver accepted none of the models MT-Z4J, "
                        "MT-Z40E, MT-Z40T and MT-Z40K.\n"),
         all},
    };
    for (const Case& c : cases) {
        SimRunner sim;
        QVERIFY(sim.start(c.simArgs));
        const CtlRun run =
            runCtl({QStringLiteral("identify"), QStringLiteral("--device"), sim.device()});
        QCOMPARE(run.exitCode, c.exitCode);
        QCOMPARE(run.output, c.output);
        QCOMPARE(run.errors, c.errors);
        // Nothing but the identifications and what enters clone mode.
        QCOMPARE(sim.commands(), c.commands);
        if (c.exitCode != 0)
            continue;
        // Left in clone mode: a read that follows sends no identification.
        const QString model = c.output.trimmed();
        const CtlRun read =
            runCtl({QStringLiteral("read"), QStringLiteral("--settings"),
                    QStringLiteral("--device"), sim.device(), QStringLiteral("--model"), model,
                    QStringLiteral("-o"), sim.path(QStringLiteral("x.MZ4"))});
        QVERIFY2(read.exitCode == 0, qPrintable(read.errors));
        QCOMPARE(sim.commands().size(), c.commands.size() + 17);
        QCOMPARE(sim.commands().at(c.commands.size()), probe);
    }
}

// Under a Japanese locale the messages are Japanese; what scripts read (the
// diff lines, the port list, the exit status) is the English byte for byte.
void Mtz4ctlTest::messagesFollowTheLocaleOutputStaysAsItIs() {
    SimRunner files; // for its directory only
    const QString a = files.path(QStringLiteral("a.MZ4"));
    const QString b = files.path(QStringLiteral("b.MZ4"));
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ4J);
    QCOMPARE(SaveCloneFile(*ds, a), CloneFileStatus::Ok);
    putEntry(*ds, 12, 145.5, "RPT", "note");
    ds->settings.optLamp = 1;
    QCOMPARE(SaveCloneFile(*ds, b), CloneFileStatus::Ok);
    const auto runUnder = [](const char* locale, const QStringList& args) {
        const QByteArray saved[] = {qgetenv("LC_ALL"), qgetenv("LANG"), qgetenv("LANGUAGE")};
        qputenv("LC_ALL", locale);
        qputenv("LANG", locale);
        qunsetenv("LANGUAGE");
        const CtlRun run = runCtl(args);
        int i = 0;
        for (const char* name : {"LC_ALL", "LANG", "LANGUAGE"}) {
            if (saved[i].isNull())
                qunsetenv(name);
            else
                qputenv(name, saved[i]);
            ++i;
        }
        return run;
    };
    const QStringList same[] = {{QStringLiteral("diff"), QStringLiteral("--model=MT-Z4J"), a, b},
                                {QStringLiteral("ports")}};
    for (const QStringList& args : same) {
        const CtlRun english = runUnder("C", args);
        const CtlRun japanese = runUnder("ja_JP.UTF-8", args);
        QVERIFY2(!english.output.isEmpty(), qPrintable(args.join(QLatin1Char(' '))));
        QCOMPARE(japanese.output.toUtf8(), english.output.toUtf8());
        QCOMPARE(japanese.exitCode, english.exitCode);
    }
    const QStringList clash{QStringLiteral("export"), a, a};
    const CtlRun english = runUnder("C", clash);
    const CtlRun japanese = runUnder("ja_JP.UTF-8", clash);
    QVERIFY2(english.errors.contains(QStringLiteral("which is read")), qPrintable(english.errors));
    // Whatever its words: in Japanese script.
    QVERIFY2(
        japanese.errors.contains(QRegularExpression(QStringLiteral("[\\p{Han}\\p{Hiragana}]"))),
        qPrintable(japanese.errors));
    QCOMPARE(japanese.exitCode, 2);
}

QTEST_GUILESS_MAIN(Mtz4ctlTest)
#include "Mtz4ctl_test.moc"

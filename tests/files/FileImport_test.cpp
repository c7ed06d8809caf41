// Importing a CSV file of either format: what the file looks like decides,
// a file of no format or with nothing to apply is an error, the model's
// rules hold, CHIRP's mapping is reported row by row, and a cancelled import
// leaves nothing behind.
#include "files/FileImport.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace mtz4;
using namespace mtz4::test;

namespace {

const QByteArray ChirpHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\r\n";

// A line of our own file for `section` and `channel` at `mhz`.
QByteArray ownLine(const QByteArray& section, const QByteArray& channel, const QByteArray& mhz,
                   const QByteArray& option = "OFF") {
    return "\"MT-Z4\",\"" + section + "\",\"" + channel + "\",\"" + mhz + "\",\"FM\",\"20KHz\",\"" +
           option +
           "\",\"11\",\"JR\",\"88.5Hz\",\"OFF\",\"0.600000\",\"\",\"\",\"#FALSE#\",#TRUE#\r\n";
}

// A CHIRP row: Location, Name, Frequency, Tone, cToneFreq, Mode, TStep.
QByteArray chirpRow(int location, const QByteArray& name, const QByteArray& mhz,
                    const QByteArray& tone = "", const QByteArray& ctone = "88.5",
                    const QByteArray& mode = "FM", const QByteArray& step = "5.00") {
    return QByteArray::number(location) + ',' + name + ',' + mhz + ",,0.000000," + tone + ",88.5," +
           ctone + ",023,NN,023,Tone->Tone," + mode + ',' + step + ",,,\r\n";
}

} // namespace

class FileImportTest : public QObject {
    Q_OBJECT

private slots:
    void formatIsTheFilesOwn();
    void theModelsRulesHold();
    void bankSizesASaveWillCut();
    void chirpMappingIsReported();
    void cancelledImportLeavesNothing();
    void reportListsTwentyLinesThenHowManyMore_data();
    void reportListsTwentyLinesThenHowManyMore();

private:
    FileImport importText(const QByteArray& text, int model = Model::MTZ4J,
                          std::optional<CsvFileFormat> format = std::nullopt,
                          const ImportProgress& progress = {}) {
        const QString path = dir_.filePath(QStringLiteral("in.csv"));
        WriteFile(path, text);
        return ImportCsvFileOfAnyFormat(*FactoryDataSet(model), path, format, progress);
    }

    QTemporaryDir dir_;
};

void FileImportTest::formatIsTheFilesOwn() {
    struct Case {
        const char* name;
        QByteArray text;
        std::optional<CsvFileFormat> asked;
        FileImportOutcome outcome;
        CsvFileFormat format;
        const char* message; // part of the message, for the failures
    };
    const QByteArray own = "\xEF\xBB\xBF\"MODEL\",\"BANK\"\r\n" + ownLine("MEMORY", "5", "145.5");
    const QByteArray chirp = ChirpHeader + chirpRow(5, "A", "145.5");
    const Case cases[] = {
        {"own", own, {}, FileImportOutcome::Imported, CsvFileFormat::Own, ""},
        {"chirp", chirp, {}, FileImportOutcome::Imported, CsvFileFormat::Chirp, ""},
        {"chirp asked", chirp, CsvFileFormat::Chirp, FileImportOutcome::Imported,
         CsvFileFormat::Chirp, ""},
        {"chirp as own", chirp, CsvFileFormat::Own, FileImportOutcome::FormatMismatch,
         CsvFileFormat::Chirp, "in.csv looks like CHIRP's CSV"},
        {"own as chirp", own, CsvFileFormat::Chirp, FileImportOutcome::FormatMismatch,
         CsvFileFormat::Own, "in.csv looks like the program's own CSV"},
        {"neither",
         "a,b\n1,2\n",
         {},
         FileImportOutcome::NotRecognised,
         CsvFileFormat::Neither,
         "nothing was imported"},
        {"header only",
         "\"MODEL\",\"BANK\"\r\n\"MT-Z4\",\"MEMORY\",\"5\",\"0\"\r\n",
         {},
         FileImportOutcome::NothingImported,
         CsvFileFormat::Own,
         "No line of in.csv could be imported."},
        {"no chirp row",
         ChirpHeader + chirpRow(1200, "A", "145.5"),
         {},
         FileImportOutcome::NothingImported,
         CsvFileFormat::Chirp,
         "No line"},
    };
    for (const Case& c : cases) {
        const FileImport got = importText(c.text, Model::MTZ4J, c.asked);
        QVERIFY2(got.outcome == c.outcome, c.name);
        QVERIFY2(got.format == c.format, c.name);
        // Data come back only from an import that applied something.
        QCOMPARE(bool(got.data), c.outcome == FileImportOutcome::Imported);
        if (got.data)
            QCOMPARE(got.data->MemText[5][Col::Freq], QStringLiteral("145.500000"));
        QVERIFY2(FileImportMessage(got, QStringLiteral("in.csv")).contains(c.message), c.name);
    }
}

// What the edit dialog refuses for the model is passed over with the reason.
void FileImportTest::theModelsRulesHold() {
    struct Case {
        int model;
        QByteArray lines;
        const char* skipped;
    };
    const Case cases[] = {
        {Model::MTZ40T, ownLine("MEMORY", "1", "830.000000"),
         "line 2 (MEMORY 1): a frequency of the cellular phone"},
        {Model::MTZ4J, ownLine("SEARCH PASS", "3", "150.0") + ownLine("SEARCH PASS", "4", "150.0"),
         "line 3 (SEARCH PASS 4): a frequency another Search Pass entry has"},
        {Model::MTZ4J, ownLine("VFO", "13", "145.0"),
         "line 2 (VFO 13): a frequency outside band 13 (960.000-1299.995MHz)"},
        {Model::MTZ40E, ownLine("MEMORY", "1", "145.0", "Train"),
         "line 2 (MEMORY 1): the MT-Z40E has no Train option"},
        {Model::MTZ40T, ChirpHeader + chirpRow(1, "A", "849.995"),
         "row 2 (Location 1): a frequency of the cellular phone"},
    };
    for (const Case& c : cases) {
        // One line that every model takes, so that the import goes through.
        const QByteArray text = c.lines.startsWith("Location")
                                    ? c.lines + chirpRow(0, "OK", "145.0")
                                    : "\"MODEL\"\r\n" + c.lines + ownLine("MEMORY", "0", "145.0");
        const FileImport got = importText(text, c.model);
        QCOMPARE(got.outcome, FileImportOutcome::Imported);
        QCOMPARE(got.report.imported, c.lines.count("\r\n") - (c.lines.startsWith("Loc") ? 1 : 0));
        QCOMPARE(got.report.skipped, QStringList{QString::fromUtf8(c.skipped)});
    }
}

void FileImportTest::bankSizesASaveWillCut() {
    const FileImport over = importText("\"MT-Z4\",\"BANK AMOUNT\",\"0\",\"151\"\r\n");
    QCOMPARE(over.outcome, FileImportOutcome::Imported);
    QCOMPARE(over.bankSizeNote, QStringLiteral("The bank sizes add up to 1051, not 1000: a save "
                                               "cuts bank 9 from 100 to 49."));
    const FileImport under = importText("\"MT-Z4\",\"BANK AMOUNT\",\"0\",\"71\"\r\n");
    QCOMPARE(under.bankSizeNote,
             QStringLiteral("The bank sizes add up to 971, not 1000: 29 channels belong to no "
                            "bank."));
    QVERIFY(importText(ownLine("MEMORY", "0", "145.0")).bankSizeNote.isEmpty());
}

// Each thing the mapping changes is said for its row.
void FileImportTest::chirpMappingIsReported() {
    const QByteArray text =
        ChirpHeader + chirpRow(1, "A", "145.0", "DTCS") + chirpRow(2, "B", "145.1", "Cross") +
        chirpRow(3, "C", "145.2", "TSQL-R") + chirpRow(4, "D", "145.3", "TSQL", "67.3") +
        chirpRow(5, "E", "145.4", "", "88.5", "FM", "7.00") + chirpRow(6, "KDR444 1", "162.4") +
        chirpRow(7, "KDR444 2", "162.425") + chirpRow(8, "F", "120.0", "", "88.5", "NAM") +
        chirpRow(9, "OLD", "146.0") + chirpRow(9, "NEW", "146.5");
    const FileImport got = importText(text);
    QCOMPARE(got.outcome, FileImportOutcome::Imported);
    QCOMPARE(got.report.imported, 9); // Location 9 counts once
    const QStringList expected = {
        "row 2 (Location 1): tone mode DTCS, which the receiver does not have: squelch left off",
        "row 3 (Location 2): tone mode Cross, which the receiver does not have: squelch left off",
        "row 5 (Location 4): tone 67.3 Hz is not in the tone list: squelch left off",
        "row 6 (Location 5): step 7.00 kHz is not in the step list: the band's 20KHz",
        "row 7 (Location 6): name: cut to 6 characters",
        "row 8 (Location 7): name: cut to 6 characters; name \"KDR444\" as in row 7 once cut",
    };
    QCOMPARE(got.report.changed, expected);
    QCOMPARE(got.report.skipped,
             QStringList{"row 10 (Location 9): Location 9 again in row 11, which is taken"});
    QCOMPARE(got.data->MemText[8][Col::Mode], QStringLiteral("AM")); // NAM
    QCOMPARE(got.data->MemText[9][Col::Name], QStringLiteral("NEW"));
    QCOMPARE(got.data->MemText[1][Col::Option], QStringLiteral("OFF"));
    QCOMPARE(got.data->MemText[3][Col::Option], QStringLiteral("Rev.")); // TSQL-R: reverse tone
}

void FileImportTest::cancelledImportLeavesNothing() {
    QByteArray own;
    for (int i = 0; i < 1000; ++i)
        own += ownLine("MEMORY", QByteArray::number(i), "145.0");
    QByteArray chirp = ChirpHeader;
    for (int i = 0; i < 1000; ++i)
        chirp += chirpRow(i, "A", "145.0");
    for (const QByteArray& text : {own, chirp}) {
        int calls = 0;
        const FileImport got =
            importText(text, Model::MTZ4J, std::nullopt, [&calls](qint64 done, qint64 total) {
                ++calls;
                return done > total; // never: stop at once
            });
        QCOMPARE(got.outcome, FileImportOutcome::Cancelled);
        QVERIFY(!got.data);
        QCOMPARE(calls, 1);
    }
}

// The summary names the first 20 lines; only beyond them "and N more".
void FileImportTest::reportListsTwentyLinesThenHowManyMore_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("last");
    QTest::newRow("20") << 20 << "row 20: x";
    QTest::newRow("21") << 21 << "and 1 more";
}

void FileImportTest::reportListsTwentyLinesThenHowManyMore() {
    QFETCH(int, lines);
    QFETCH(QString, last);
    ImportReport report;
    for (int i = 1; i <= lines; ++i)
        report.skipped << QStringLiteral("row %1: x").arg(i);
    ScriptedPrompter prompter;
    ShowImportReport(prompter, report, QStringLiteral("Import"));
    QVERIFY2(prompter.texts().first().endsWith(QStringLiteral("\r\n") + last),
             qPrintable(prompter.texts().first()));
    QCOMPARE(prompter.details.size(), lines > ReportedInSummary ? lines : 0);
}

QTEST_GUILESS_MAIN(FileImportTest)
#include "FileImport_test.moc"

#include "files/CsvEntryIndex.h"
#include "files/CsvFields.h"
#include "files/CsvFile.h"
#include "model/RecordCodec.h"
#include "model/TextFit.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <tuple>

using namespace mtz4;

namespace {

using test::FactoryDataSet;
using test::WriteFile;

// An entry's state in one text: the 11 display texts, skip flag and enable flag.
QString entryState(const DataSet& ds, int e) {
    QStringList parts;
    for (int c = 0; c <= Col::Name; ++c)
        parts << ds.MemText[e][c];
    parts << QString::number(ds.MemData[e][Col::Skip]) << (ds.MemEnable[e] ? "on" : "off");
    return parts.join(QLatin1Char('|'));
}

// A memory line for entry `channel` with the fields of `base` and one field
// (0..12: the 11 texts, SKIP, ENABLE) replaced when `field` is not -1.
QByteArray memoryLine(const QByteArray& channel, int field = -1, const QByteArray& value = {}) {
    QList<QByteArray> f{"\"145.000000\"", "\"FM\"",      "\"10KHz\"",  "\"Tone\"",     "\"5\"",
                        "\"300Hz\"",      "\"100.0Hz\"", "\"Shift+\"", "\"0.600000\"", "\"a note\"",
                        "\"Name12\"",     "\"#FALSE#\"", "#TRUE#"};
    if (field >= 0)
        f[field] = value;
    return "\"MT-Z4\",\"MEMORY\",\"" + channel + "\"," + f.join(',') + "\r\n";
}

const QString ImportedDefault =
    "145.000000|FM|10KHz|Tone|5|300Hz|100.0Hz|Shift+|0.600000|a note|NAME12|0|on";

} // namespace

class CsvFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

private slots:
    void exportWritesEveryLineInOrder() {
        auto ds = FactoryDataSet();
        DecodeMem(
            *ds,
            QStringLiteral("\r\n4086A408000300000000010200071C0000010000000000000000414243440000"),
            1025);
        ds->MemEnable[1025] = true;
        ds->MemText[1025][Col::Note] = QStringLiteral("say \"hi\", ok");
        ds->bank.chkGrp[549] = 1;
        const QByteArray text = CsvFileText(*ds);
        const QList<QByteArray> l = text.split('\n');
        QCOMPARE(l.size(), 1 + 14 + 1300 + 50 + 550 + 1); // the last line end ends the text
        QVERIFY(l.last().isEmpty());
        QCOMPARE(text.count("\r\n"), 1915);
        QCOMPARE(l[0], QByteArray("\"MODEL\",\"BANK\",\"CHANNEL\",\"FREQUENCY\",\"MODE\",\"STEP\","
                                  "\"OPTION\",\"SECRET\",\"TRAIN\",\"TONE\",\"SHIFT\",\"SHIFT "
                                  "FREQUENCY\",\"NOTES\",\"NAME\",\"SKIP\",\"ENABLE\"\r"));
        QVERIFY(l[14].startsWith("\"MT-Z4\",\"VFO\",\"13\","));
        QVERIFY(l[14].endsWith(",\"#FALSE#\",\"#TRUE#\"\r"));
        QCOMPARE(l[15], QByteArray("\"MT-Z4\",\"MEMORY\",\"0\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                                   "\"\",\"\",\"\",\"\",\"#FALSE#\",#FALSE#\r"));
        QCOMPARE(l[15 + 1025],
                 QByteArray("\"MT-Z4\",\"PROGRAM SCAN\",\"P12B\",\"145.000000\",\"FM\",\"10KHz\","
                            "\"Tone\",\"7\",\"JR\",\"67.0Hz\",\"Shift+\",\"0.000000\","
                            "\"say \"\"hi\"\", ok\",\"ABCD  \",\"#TRUE#\",#TRUE#\r"));
        QVERIFY(l[15 + 1100].startsWith("\"MT-Z4\",\"SEARCH PASS\",\"0\","));
        QVERIFY(l[15 + 1299].startsWith("\"MT-Z4\",\"PRIORITY\",\"99\","));
        QCOMPARE(l[1315], QByteArray("\"MT-Z4\",\"BANK AMOUNT\",\"0\",\"100\"\r"));
        QCOMPARE(l[1365], QByteArray("\"MT-Z4\",\"GROUP\",\"0\",0\r"));
        QCOMPARE(l[1914], QByteArray("\"MT-Z4\",\"GROUP\",\"549\",1\r"));
    }

    void exportThenImportRoundTrips_data() {
        QTest::addColumn<int>("model");
        for (int model = 0; model < ModelCount; ++model)
            QTest::addRow("model %d", model) << model;
    }
    void exportThenImportRoundTrips() {
        QFETCH(int, model);
        QRandomGenerator rng(4711 + model);
        auto source = std::make_unique<DataSet>();
        test::FillRandomDataSet(*source, rng, model);
        source->MemText[3][Col::Note] = QStringLiteral("two\r\nlines");
        const QString file = path(QStringLiteral("round.csv"));
        QCOMPARE(ExportCsvFile(*source, file), CsvFileStatus::Ok);

        auto got = FactoryDataSet(model);
        got->CurrentFile = QStringLiteral("kept.MZ4");
        QCOMPARE(ImportCsvFile(*got, file), CsvFileStatus::Ok);
        QVERIFY(got->DataChanged);
        QCOMPARE(got->CurrentFile, QStringLiteral("kept.MZ4"));

        // Priority entries from 1210 on are not taken from the file.
        constexpr int Imported = 1210;
        const auto empty = FactoryDataSet(model);
        for (int e = 0; e < EntryCount; ++e) {
            if (e >= Imported || !source->MemEnable[e]) {
                QCOMPARE(entryState(*got, e), entryState(*empty, e));
                continue;
            }
            QVERIFY(got->MemEnable[e]);
            for (int c = 0; c < MemColumns; ++c)
                QCOMPARE(got->MemData[e][c], source->MemData[e][c]);
            for (int c = 0; c < Col::Note; ++c)
                QCOMPARE(got->MemText[e][c], source->MemText[e][c]);
            // Notes as they were written; names in upper case.
            const QString note =
                e == 3 ? QStringLiteral("two  lines") : source->MemText[e][Col::Note];
            QCOMPARE(got->MemText[e][Col::Note], note);
            QCOMPARE(got->MemText[e][Col::Name], source->MemText[e][Col::Name].toUpper());
        }
        for (int b = 0; b < BandCount; ++b) {
            QCOMPARE(got->VfoData[b], source->VfoData[b]);
            for (int c = 0; c < Col::Note; ++c)
                QCOMPARE(got->VfoText[b][c], source->VfoText[b][c]);
            QCOMPARE(got->VfoText[b][Col::Note], source->VfoText[b][Col::Note]);
        }
        QCOMPARE(got->bank, source->bank);
        QCOMPARE(got->BankSize, source->BankSize);
        QCOMPARE(got->BankText, source->BankText);
        for (int i = 0; i < GroupBoxCount; ++i)
            QCOMPARE(got->GroupFlag[i / BankCount][i % BankCount], source->bank.chkGrp[i] == 1);
    }

    void spreadsheetCopyImports() {
        // As a spreadsheet may write the file back: a byte-order mark (here
        // without a header line), LF line ends, quotes only where needed and
        // around flags and numbers that had none, doubled quotes, blanks after
        // a closing quote, trailing empty lines.
        const QByteArray text = "\xEF\xBB\xBFMT-Z4,GROUP,\"549\",\"1\"\n"
                                "MT-Z4,MEMORY,7,145,fm,10KHz,Tone,5,300Hz,100.0Hz,Shift+,0.6,"
                                "\"say \"\"hi\"\", ok\" ,Name12,\"#TRUE#\",\"#TRUE#\"\n"
                                "\n\n";
        auto ds = FactoryDataSet();
        QCOMPARE(ImportCsvText(*ds, text), CsvFileStatus::Ok);
        QCOMPARE(entryState(*ds, 7), QStringLiteral("145.000000|FM|10KHz|Tone|5|300Hz|100.0Hz|"
                                                    "Shift+|0.600000|say \"hi\", ok|NAME12|1|on"));
        QCOMPARE(ds->bank.chkGrp[549], 1);
    }

    // Spreadsheets save UTF-8, with a byte-order mark or without; a file
    // that is no UTF-8 is read in the note code page.
    void importReadsUtf8AndTheCodePage_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("note");
        const QByteArray line = "MT-Z4,MEMORY,7,145,FM,10KHz,OFF,5,JR,88.5Hz,OFF,0,\"%1\",,,#TRUE#";
        const auto with = [&line](const QByteArray& note) {
            return QByteArray(line).replace("%1", note);
        };
        QTest::newRow("utf-8 with mark") << "\xEF\xBB\xBF" + with("Caf\xC3\xA9 cr\xC3\xA8me")
                                         << int(CodePage::Western) << "Café crème";
        QTest::newRow("utf-8 without mark")
            << with("Z\xC3\xBCrich Tower") << int(CodePage::Western) << "Zürich Tower";
        QTest::newRow("utf-8 japanese")
            << with("\xE6\x9D\xB1\xE4\xBA\xAC") << int(CodePage::Japanese) << "東京";
        QTest::newRow("windows-1252") << with("Caf\xE9") << int(CodePage::Western) << "Café";
        QTest::newRow("shift-jis") << with("\x93\x8C\x8B\x9E") << int(CodePage::Japanese) << "東京";
    }
    void importReadsUtf8AndTheCodePage() {
        QFETCH(QByteArray, text);
        QFETCH(int, page);
        QFETCH(QString, note);
        auto ds = FactoryDataSet();
        ds->NoteCodePage = CodePage(page);
        ImportReport report;
        QCOMPARE(ImportCsvText(*ds, text, &report), CsvFileStatus::Ok);
        QCOMPARE(ds->MemText[7][Col::Note], note);
        QCOMPARE(report.imported, 1);
        QVERIFY(report.changed.isEmpty());
    }

    // A UTF-8 export for spreadsheets, and one in the code page, both read back.
    void exportInUtf8OrTheCodePage_data() {
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QByteArray>("noteBytes");
        QTest::newRow("code page") << int(TextFileEncoding::CodePage) << QByteArray("\x93\x8C");
        QTest::newRow("utf-8") << int(TextFileEncoding::Utf8WithBom) << QByteArray("\xE6\x9D\xB1");
    }
    void exportInUtf8OrTheCodePage() {
        QFETCH(int, encoding);
        QFETCH(QByteArray, noteBytes);
        auto ds = FactoryDataSet();
        ds->NoteCodePage = CodePage::Japanese;
        ds->VfoText[5][Col::Note] = QStringLiteral("東");
        const QByteArray text = CsvFileText(*ds, TextFileEncoding(encoding));
        QCOMPARE(text.startsWith("\xEF\xBB\xBF"), encoding == int(TextFileEncoding::Utf8WithBom));
        QVERIFY(text.contains("\"" + noteBytes + "\""));
        auto back = FactoryDataSet();
        back->NoteCodePage = CodePage::Japanese;
        QCOMPARE(ImportCsvText(*back, text), CsvFileStatus::Ok);
        QCOMPARE(back->VfoText[5][Col::Note], QStringLiteral("東"));
    }

    // What the data cannot hold is changed, and the line reported, not dropped.
    void importFitsNotesAndNamesAndReportsTheLine() {
        auto ds = FactoryDataSet();
        const QByteArray text = memoryLine("7", 9, "\"" + QByteArray(300, 'x') + "\"") +
                                memoryLine("8", 10, "\"Z\xC3\xBCrich\"");
        ImportReport report;
        QCOMPARE(ImportCsvText(*ds, text, &report), CsvFileStatus::Ok);
        QCOMPARE(report.imported, 2);
        QCOMPARE(ds->MemText[7][Col::Note].size(), NoteLengthLimit);
        QCOMPARE(ds->MemText[8][Col::Name], QStringLiteral("ZURICH"));
        QCOMPARE(report.changed,
                 (QStringList{QStringLiteral("line 1 (MEMORY 7): note: cut to 255 characters"),
                              QStringLiteral("line 2 (MEMORY 8): name: ü → u")}));
    }

    void entryLineRules_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("state"); // empty: the entry keeps its state

        const QString d = ImportedDefault;
        auto with = [&d](int field, const QString& value) {
            QStringList parts = d.split(QLatin1Char('|'));
            parts[field] = value;
            return parts.join(QLatin1Char('|'));
        };
        QTest::newRow("valid line") << memoryLine("7") << 7 << d;
        QTest::newRow("lower-case section word")
            << memoryLine("7").replace("MEMORY", "memory") << 7 << d;
        QTest::newRow("lower-case model word")
            << memoryLine("7").replace("MT-Z4", "mt-z4") << 7 << QString();
        QTest::newRow("entry 1000 is no memory channel") << memoryLine("1000") << 0 << QString();
        QTest::newRow("channel without a number") << memoryLine("x") << 0 << QString();
        QTest::newRow("frequency 0") << memoryLine("7", 0, "\"0\"") << 7 << QString();
        QTest::newRow("frequency empty") << memoryLine("7", 0, "") << 7 << QString();
        QTest::newRow("frequency too high") << memoryLine("7", 0, "1300") << 7 << QString();
        QTest::newRow("highest frequency")
            << memoryLine("7", 0, "1299.995") << 7 << with(0, QStringLiteral("1299.995000"));
        QTest::newRow("offset 100 MHz") << memoryLine("7", 8, "100") << 7 << QString();
        QTest::newRow("unknown mode") << memoryLine("7", 1, "USB") << 7 << QString();
        QTest::newRow("unknown step") << memoryLine("7", 2, "7KHz") << 7 << QString();
        QTest::newRow("step in lower case")
            << memoryLine("7", 2, "12.5khz") << 7 << with(2, QStringLiteral("12.5KHz"));
        QTest::newRow("unknown option")
            << memoryLine("7", 3, "None") << 7 << with(3, QStringLiteral("OFF"));
        QTest::newRow("secret code 30")
            << memoryLine("7", 4, "30") << 7 << with(4, QStringLiteral("11"));
        QTest::newRow("carrier 3100Hz")
            << memoryLine("7", 5, "3100Hz") << 7 << with(5, QStringLiteral("JR"));
        QTest::newRow("carrier halves to even")
            << memoryLine("7", 5, "1450Hz") << 7 << with(5, QStringLiteral("1500Hz"));
        QTest::newRow("tone not in the list")
            << memoryLine("7", 6, "99.9Hz") << 7 << with(6, QStringLiteral("88.5Hz"));
        QTest::newRow("shift word +SHIFT")
            << memoryLine("7", 7, "+shift") << 7 << with(7, QStringLiteral("Shift+"));
        QTest::newRow("shift word -SHIFT")
            << memoryLine("7", 7, "-SHIFT") << 7 << with(7, QStringLiteral("Shift-"));
        QTest::newRow("long name")
            << memoryLine("7", 10, "\"abcdefgh\"") << 7 << with(10, QStringLiteral("ABCDEF"));
        QTest::newRow("unprintable name characters") << memoryLine("7", 10,
                                                                   "\"a\tb\xE9"
                                                                   "cd\"")
                                                     << 7 << with(10, QStringLiteral("A BECD"));
        QTest::newRow("note beyond ASCII") << memoryLine("7", 9, "\"\xB5m \xE9t\xE9\"") << 7
                                           << with(9, QStringLiteral(u"\u00B5m \u00E9t\u00E9"));
        QTest::newRow("skip flag")
            << memoryLine("7", 11, "#TRUE#") << 7 << with(11, QStringLiteral("1"));
        QTest::newRow("enable flag quoted") << memoryLine("7", 12, "\"#TRUE#\"") << 7 << d;
        QTest::newRow("disabled entry comes out empty")
            << memoryLine("7", 12, "#FALSE#") << 7 << QStringLiteral("|||||||||||0|off");
        QTest::newRow("short line, then a valid one")
            << memoryLine("7").replace(",#TRUE#", "") + memoryLine("8") << 8 << d;
        QTest::newRow("program scan P12B")
            << memoryLine("P12B").replace("MEMORY", "PROGRAM SCAN") << 1025 << d;
        QTest::newRow("program scan 7")
            << memoryLine("7").replace("MEMORY", "PROGRAM SCAN") << 1007 << d;
        QTest::newRow("priority 9") << memoryLine("9").replace("MEMORY", "PRIORITY") << 1209 << d;
        QTest::newRow("priority 10")
            << memoryLine("10").replace("MEMORY", "PRIORITY") << 1210 << QString();
    }
    void entryLineRules() {
        QFETCH(QByteArray, text);
        QFETCH(int, entry);
        QFETCH(QString, state);
        // Entries 0..1299 all enabled with the same data, so that a line
        // passed over shows as an unchanged entry.
        auto ds = FactoryDataSet();
        for (int e = 0; e < EntryCount; ++e) {
            DecodeMem(*ds,
                      QStringLiteral(
                          "\r\n20A1070702000000000000000000000000000000000000000000000000000000"),
                      e);
            ds->MemEnable[e] = true;
        }
        const QString before = entryState(*ds, entry);
        QCOMPARE(ImportCsvText(*ds, "\"MODEL\",\"BANK\"\r\n" + text), CsvFileStatus::Ok);
        QCOMPARE(entryState(*ds, entry), state.isEmpty() ? before : state);
        // Whatever was stored encodes into a record that decodes to it again.
        auto back = FactoryDataSet();
        DecodeMem(*back, QStringLiteral("\r\n") + EncodeMem(*ds, entry), entry);
        back->MemText[entry][Col::Note] = ds->MemText[entry][Col::Note];
        back->MemEnable[entry] = ds->MemEnable[entry];
        if (ds->MemEnable[entry])
            QCOMPARE(entryState(*back, entry), entryState(*ds, entry));
    }

    void bandBankAndGroupLines() {
        auto ds = FactoryDataSet();
        ds->DataChanged = false;
        const QByteArray text = memoryLine("6").replace("MEMORY", "VFO") +  // 142 .. 169.995
                                memoryLine("14").replace("MEMORY", "VFO") + // no band 14
                                "MT-Z4,BANK AMOUNT,0,50\r\n"
                                "MT-Z4,BANK AMOUNT,12,\"0050\"\r\n"
                                "MT-Z4,BANK AMOUNT,50,7\r\n"   // no bank 50
                                "MT-Z4,BANK AMOUNT,1,1500\r\n" // more than a bank can hold
                                "MT-Z4,GROUP,549,1,,,,,,,,,,,,\r\n"
                                "MT-Z4,GROUP,10,1\r\n" // row 0 stays clear
                                "MT-Z4,GROUP,49,1\r\n" // up to its last box
                                "MT-Z4,GROUP,50,1\r\n" // row 1 is shown
                                "MT-Z4,GROUP,550,1\r\n";
        QCOMPARE(ImportCsvText(*ds, text), CsvFileStatus::Ok);
        QCOMPARE(ds->VfoText[6][Col::Freq], QStringLiteral("145.000000"));
        QCOMPARE(ds->VfoText[6][Col::Note], QStringLiteral("a note"));
        QCOMPARE(ds->VfoData[13], FactoryDataSet()->VfoData[13]);
        QCOMPARE(ds->bank.txtBank[0], QStringLiteral("50"));
        QCOMPARE(ds->bank.txtBank[12], QStringLiteral("50"));
        QCOMPARE(ds->BankText[12], QStringLiteral("50"));
        QCOMPARE(ds->bank.txtBank[1], QStringLiteral("100"));
        // The sizes and the total follow the boxes.
        QCOMPARE(ds->BankSize[0], 50);
        QCOMPARE(ds->BankSize[12], 50);
        QCOMPARE(ds->bank.lblAll, QStringLiteral("1000"));
        QCOMPARE(ds->bank.chkGrp[549], 1);
        QVERIFY(ds->GroupFlag[10][49]);
        QCOMPARE(ds->bank.chkGrp[10], 0);
        QCOMPARE(ds->bank.chkGrp[49], 0);
        QCOMPARE(ds->bank.chkGrp[50], 1);
        QVERIFY(ds->DataChanged);
    }

    void bankNumberThatIsNoNumberStopsTheImport() {
        auto ds = FactoryDataSet();
        ds->DataChanged = false;
        const QString file = path(QStringLiteral("stop.csv"));
        QVERIFY(WriteFile(file, "MT-Z4,BANK AMOUNT,0,60\r\n"
                                "MT-Z4,GROUP,abc,1\r\n" +
                                    memoryLine("5")));
        test::ScriptedPrompter prompter;
        QVERIFY(!ImportCsvFile(*ds, file, prompter));
        QCOMPARE(prompter.texts(), QStringList{QStringLiteral("File Open Error")});
        QCOMPARE(prompter.prompts[0].title, QStringLiteral("ERROR"));
        QCOMPARE(ds->bank.txtBank[0], QStringLiteral("60")); // applied before the failure
        QCOMPARE(ds->bank.lblAll, QStringLiteral("960"));
        QVERIFY(!ds->MemEnable[5]); // after it
        QVERIFY(ds->DataChanged);

        // A file that is not there changes nothing.
        auto untouched = FactoryDataSet();
        QVERIFY(!ImportCsvFile(*untouched, path(QStringLiteral("none.csv")), prompter));
        QVERIFY(!untouched->DataChanged);
        QCOMPARE(untouched->bank, FactoryDataSet()->bank);
        // Nor does an export that cannot be written.
        QVERIFY(!ExportCsvFile(*untouched, dir.path(), prompter));
        QCOMPARE(prompter.texts().size(), 3);
    }

    // Records as spreadsheets and CHIRP write them: blanks kept, quoted
    // fields over line ends, the three separators, doubled and lone quotes;
    // a stray quote spoils only its line. Records joined by "/", fields by "|".
    void fieldsAsTheyAreWritten_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("records");
        const QChar comma(u','), semicolon(u';'), tab(u'\t');
        QTest::newRow("blanks kept") << " a, b ,\"c,d\" " << comma << " a| b |c,d";
        QTest::newRow("two lines")
            << "1,\"first\r\nsecond\",x\n2" << comma << "1|first\r\nsecond|x/2";
        QTest::newRow("stray quote") << "1,\"abc,def\n\"MT-Z4\",x" << comma << "1|abc,def/MT-Z4|x";
        QTest::newRow("stray quote, CHIRP")
            << "1,\"Bob's,146.5\n2,\"Al\",147" << comma << "1|Bob's,146.5/2|Al|147";
        QTest::newRow("unclosed") << "\"a\n\n\n\n\n\n\n\n\n\nb\"" << comma << "a/b\"";
        QTest::newRow("semicolons") << "a;\"1,5\";1,5" << semicolon << "a|1,5|1,5";
        QTest::newRow("tabs") << "\"say \"\"hi\"\"\"\tx\t\"a\tb\"" << tab << "say \"hi\"|x|a\tb";
        QTest::newRow("lone quote") << "\"a\"b\",c" << comma << "a\"b|c";
    }
    void fieldsAsTheyAreWritten() {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(QString, records);
        QStringList got;
        const bool chirp = QByteArrayView(QTest::currentDataTag()).endsWith("CHIRP");
        CsvLineReader reader(text, separator, chirp ? ChirpRecordStart() : OwnRecordStart());
        QStringList fields;
        QList<int> lines;
        while (reader.next(fields)) {
            if (!fields.isEmpty())
                got << fields.join(QLatin1Char('|'));
            lines << reader.lineNumber();
        }
        QCOMPARE(got.join(QLatin1Char('/')), records);
        if (QTest::currentDataTag() == QByteArrayView("two lines"))
            QCOMPARE(lines, (QList<int>{1, 3})); // the line each record begins on
    }

    // What an import says beyond the lines it took: a line given twice, a
    // number split by a decimal comma outside quotes, a flag that is no
    // truth value, a frequency that is no number, a byte-order mark before
    // text that is no UTF-8.
    void importNamesWhatItPassesOver_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("state"); // entry 5 afterwards
        QTest::addColumn<QStringList>("report");
        QTest::newRow("given twice")
            << memoryLine("5") + memoryLine("5", 10, "\"later\"") << "LATER"
            << QStringList{"line 1 (MEMORY 5): given again in line 2 (MEMORY 5), which is taken"};
        QTest::newRow("decimal comma outside quotes")
            << memoryLine("5", 0, "145,5") << ""
            << QStringList{"line 1 (MEMORY 5): more fields than its columns: a decimal comma "
                           "outside quotes (145,5) splits a number in two; quote the field or "
                           "save the file with semicolons"};
        QTest::newRow("padded by a spreadsheet")
            << memoryLine("5").replace("\r\n", ",,,\r\n") << "NAME12" << QStringList();
        QTest::newRow("TRUE and 1") << memoryLine("5", 12, "TRUE") + memoryLine("6", 12, "\"1\"")
                                    << "NAME12" << QStringList();
        QTest::newRow("no truth value")
            << memoryLine("5", 11, "yes") << "NAME12"
            << QStringList{"line 1 (MEMORY 5): SKIP \"YES\" is no truth value: read as #FALSE#"};
        QTest::newRow("no number") << memoryLine("5", 8, "\"0.6 MHz\"") << ""
                                   << QStringList{"line 1 (MEMORY 5): the offset \"0.6 MHz\" is "
                                                  "no number"};
        QTest::newRow("mark, then Windows-1252")
            << "\xEF\xBB\xBF" + memoryLine("5", 9, "\"Caf\xE9 \xE0 la gare\"") << "NAME12"
            << QStringList{"The file begins with a UTF-8 byte-order mark, but what follows is no "
                           "UTF-8: it was read in the note code page Western (Windows-1252)."};
    }
    void importNamesWhatItPassesOver() {
        QFETCH(QByteArray, text);
        QFETCH(QString, state);
        QFETCH(QStringList, report);
        auto ds = FactoryDataSet();
        ImportReport got;
        QCOMPARE(ImportCsvText(*ds, text, &got), CsvFileStatus::Ok);
        QCOMPARE(ReportLines(got), report);
        QCOMPARE(ds->MemText[5][Col::Name], state);
        if (QTest::currentDataTag() == QByteArrayView("mark, then Windows-1252"))
            QCOMPARE(ds->MemText[5][Col::Note], QStringLiteral("Café à la gare"));
        if (QTest::currentDataTag() == QByteArrayView("TRUE and 1"))
            QVERIFY(ds->MemEnable[5] && ds->MemEnable[6]);
    }

    void entryIndexOfAChannelField_data() {
        QTest::addColumn<int>("section"); // 0 program scan, 1 search pass, 2 priority
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("entry");
        const QList<std::tuple<int, const char*, int>> rows{
            {0, "P0A", 1000},  {0, "P12B", 1025}, {0, "P49B", 1099},  {0, "P50A", -1},
            {0, "P-1A", -1},   {0, "P7", 1007},   {0, "P1050", 1050}, {0, "7", 1007},
            {0, "1099", 1099}, {0, "100", -1},    {0, "X1", -1},      {0, "", -1},
            {1, "0", 1100},    {1, "99", 1199},   {1, "1150", 1150},  {1, "100", -1},
            {1, "S5", -1},     {2, "9", 1209},    {2, "10", -1},      {2, "99", -1},
            {2, "1200", 1200}, {2, "1299", 1299}, {2, "1300", -1},    {2, "-1", -1},
        };
        for (const auto& [section, field, entry] : rows)
            QTest::addRow("%d %s", section, field)
                << section << QString::fromLatin1(field) << entry;
    }
    void entryIndexOfAChannelField() {
        QFETCH(int, section);
        QFETCH(QString, field);
        QFETCH(int, entry);
        const int got = section == 0   ? ParseProgramScanIndex(field)
                        : section == 1 ? ParseSearchPassIndex(field)
                                       : ParsePriorityIndex(field);
        QCOMPARE(got, entry);
    }
};

QTEST_GUILESS_MAIN(CsvFileTest)
#include "CsvFile_test.moc"

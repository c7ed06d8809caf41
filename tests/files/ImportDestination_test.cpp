// Where an import's rows go: each destination for each format, a bank that
// grows into the free channels of the others (and what the report and the
// comparison with what was there say of it), files whose first row names
// their columns in three languages, the mapping changed by hand, and every
// stock list into an empty bank of every model.
#include "files/FileImport.h"
#include "files/StockLists.h"
#include "model/BankCodec.h"
#include "model/NumericText.h"
#include "model/RowLabels.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace mtz4;
using namespace mtz4::test;

Q_DECLARE_METATYPE(mtz4::ImportDestination)

namespace {

using Kind = ImportDestination::Kind;

void putInUse(DataSet& ds, int entry, double mhz) {
    ds.MemData[entry][Col::Freq] = mhz;
    ds.MemText[entry][Col::Freq] = FormatMHz(mhz);
    ds.MemEnable[entry] = true;
}

void setSizes(DataSet& ds, const QList<int>& sizes) {
    for (int b = 0; b < BankCount; ++b)
        ds.bank.txtBank[b] = ds.BankText[b] = QString::number(sizes.value(b));
    ReadBankTexts(ds);
}

// The row label of the entry holding `mhz`; empty when none does.
QString labelOf(const DataSet& ds, double mhz) {
    const QStringList labels = BuildRowLabels(ds.bank);
    for (int e = 0; e < EntryCount; ++e) {
        if (ds.MemEnable[e] && qAbs(ds.MemData[e][Col::Freq] - mhz) < 1e-6)
            return labels.value(e);
    }
    return {};
}

// A file with a header row of `rows` channels from 430 MHz on.
QByteArray channels(int rows) {
    QByteArray text = "Frequency\n";
    for (int i = 0; i < rows; ++i)
        text += QByteArray::number(430.0 + i * 0.0125, 'f', 4) + '\n';
    return text;
}

} // namespace

class ImportDestinationTest : public QObject {
    Q_OBJECT

private slots:
    void eachDestinationOfEachFormat_data();
    void eachDestinationOfEachFormat();
    void bankGrowsIntoTheFreeChannelsOfOthers_data();
    void bankGrowsIntoTheFreeChannelsOfOthers();
    void headerRowsInThreeLanguages_data();
    void headerRowsInThreeLanguages();
    void mappingChangedByHand();
    void everyStockListIntoAnEmptyBankOfEveryModel();

private:
    FileImport import(const DataSet& ds, const QByteArray& text, const ImportDestination& to,
                      std::optional<CsvFileFormat> format = std::nullopt,
                      const QStringList& maps = {}) {
        const QString path = dir_.filePath(QStringLiteral("in.csv"));
        WriteFile(path, text);
        CsvFileLook look = LookAtCsvFile(ds, path, format);
        for (const QString& map : maps) {
            QString error;
            if (!MapColumn(look.columns, map, &error))
                qWarning("%s", qPrintable(error));
        }
        return ImportLookedAtFile(ds, look, to);
    }

    QTemporaryDir dir_;
};

void ImportDestinationTest::eachDestinationOfEachFormat_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<ImportDestination>("to");
    QTest::addColumn<QStringList>("labels"); // of 145.1, 145.2, 145.3, then 150.0
    const auto line = [](const char* section, const char* channel, const char* mhz) {
        return "\"MT-Z4\",\"" + QByteArray(section) + "\",\"" + channel + "\",\"" + mhz +
               "\",\"FM\",\"20KHz\",\"OFF\",\"11\",\"JR\",\"88.5Hz\",\"OFF\",\"0.600000\",\"\","
               "\"\",\"#FALSE#\",#TRUE#\r\n";
    };
    const QByteArray own = line("MEMORY", "5", "145.1") + line("MEMORY", "6", "145.2") +
                           line("MEMORY", "7", "145.3") + line("SEARCH PASS", "0", "150.0") +
                           "\"MT-Z4\",\"BANK AMOUNT\",\"0\",\"50\"\r\n";
    const QByteArray chirp = "Location,Frequency,Mode\n5,145.1,FM\n6,145.2,FM\n7,145.3,FM\n";
    const QByteArray columns = "Location;Frequenz;Liste\n5;145,1;\n6;145,2;\n7;145,3;\n"
                               "S0;150,0;Search Pass\n";
    const struct {
        const char* format;
        QByteArray text;
        bool lists;
    } formats[] = {{"own", own, true}, {"chirp", chirp, false}, {"columns", columns, true}};
    const struct {
        const char* name;
        ImportDestination to;
        QStringList labels;
    } destinations[] = {
        {"as numbered", {}, {"00-005", "00-006", "00-007", "S0"}},
        {"into bank 12", ImportDestination::intoBank(12), {"12-000", "12-001", "12-002", "S1"}},
        {"from 01-003", ImportDestination::fromEntry(103), {"01-003", "01-004", "01-005", "S1"}},
        {"free", ImportDestination::freeEntries(), {"00-002", "00-003", "00-004", "S1"}},
    };
    for (const auto& f : formats) {
        for (const auto& d : destinations) {
            QStringList labels = d.labels;
            if (!f.lists)
                labels.removeLast();
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(f.format, d.name)))
                << f.text << d.to << labels;
        }
    }
}

// The channel rows go to the destination, a Search Pass row into its own
// list, and a destination leaves the bank sizes of the program's file out.
void ImportDestinationTest::eachDestinationOfEachFormat() {
    QFETCH(QByteArray, text);
    QFETCH(ImportDestination, to);
    QFETCH(QStringList, labels);
    auto ds = FactoryDataSet();
    putInUse(*ds, 0, 118.1);
    putInUse(*ds, 1, 118.2);
    putInUse(*ds, FirstSearchPassEntry, 160.0);
    const FileImport got = import(*ds, text, to);
    QCOMPARE(got.outcome, FileImportOutcome::Imported);
    QStringList where;
    for (double mhz : {145.1, 145.2, 145.3, 150.0})
        where << labelOf(*got.data, mhz);
    QCOMPARE(where.mid(0, labels.size()), labels);
    QCOMPARE(labelOf(*got.data, 118.1), QStringLiteral("00-000"));
    QCOMPARE(got.data->bank.txtBank[0],
             QString::number(to.kind == Kind::AsNumbered && text.contains("BANK") ? 50 : 100));
}

void ImportDestinationTest::bankGrowsIntoTheFreeChannelsOfOthers_data() {
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QList<int>>("inUse"); // entries
    QTest::addColumn<int>("bank");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("grownTo");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("noRoom");
    const QList<int> tens(10, 100);
    // Bank 10's channel 0 in use moves down as banks 8 and 9 give up theirs.
    QTest::newRow("from the nearest before it")
        << QList<int>{100, 100, 100, 100, 100, 100, 100, 100, 100, 90, 10} << QList<int>{990} << 12
        << 150 << 150 << 1000
        << "Bank 12 grew from 0 to 150 channels, taking the free channels at the end of bank 8 "
           "(51; 49 left), bank 9 (90; 0 left) and bank 10 (9; 1 left)."
        << 0;
    QTest::newRow("from no bank first")
        << QList<int>{100, 100, 100, 100, 100, 100, 100, 100, 100, 50} << QList<int>{400} << 3
        << 120 << 120 << 970
        << "Bank 3 grew from 100 to 120 channels, taking 20 channels that belonged to no bank."
        << 0;
    QTest::newRow("from the nearest after it")
        << tens << QList<int>{500} << 2 << 105 << 105 << 1000
        << "Bank 2 grew from 100 to 105 channels, taking the free channels at the end of bank 3 "
           "(5; 95 left)."
        << 0;
    QList<int> almostFull;
    for (int e = 0; e < 998; ++e)
        almostFull << e;
    QTest::newRow("no room for three")
        << tens << almostFull << 12 << 5 << 2 << 1000
        << "Bank 12 grew from 0 to 2 channels, taking the free channels at the end of bank 9 "
           "(2; 98 left)."
        << 3;
}

// Every channel in use keeps its bank and number, the report says how the
// bank grew and which rows found no room, and the comparison with what was
// there sees no change in the channels that moved with their banks.
void ImportDestinationTest::bankGrowsIntoTheFreeChannelsOfOthers() {
    QFETCH(QList<int>, sizes);
    QFETCH(QList<int>, inUse);
    QFETCH(int, bank);
    QFETCH(int, rows);
    QFETCH(int, grownTo);
    QFETCH(int, total);
    QFETCH(QString, note);
    QFETCH(int, noRoom);
    auto ds = FactoryDataSet();
    setSizes(*ds, sizes);
    const QStringList labels = BuildRowLabels(ds->bank);
    for (int e : inUse)
        putInUse(*ds, e, 100.0 + e * 0.01);
    const FileImport got = import(*ds, channels(rows), ImportDestination::intoBank(bank));
    QCOMPARE(got.outcome, FileImportOutcome::Imported);
    QCOMPARE(got.data->bank.txtBank[bank], QString::number(grownTo));
    QCOMPARE(got.data->bank.lblAll.toInt(), total);
    QVERIFY2(got.report.notes.contains(note), qPrintable(got.report.notes.join('\n')));
    QCOMPARE(got.report.skipped.size(), noRoom);
    if (noRoom > 0)
        QVERIFY(got.report.skipped.last().endsWith(
            QStringLiteral("no room left: bank 12 is full, and no other bank has a free channel "
                           "at its end")));
    for (int e : {inUse.first(), inUse.last()})
        QCOMPARE(labelOf(*got.data, 100.0 + e * 0.01), labels[e]);
    QCOMPARE(got.replacesInUse, 0);
    QVERIFY(got.report.compared.isEmpty());
}

void ImportDestinationTest::headerRowsInThreeLanguages_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("entry"); // frequency, mode, name, note, option, tone, shift
    QTest::addColumn<QString>("said");      // a note or a skipped row of the report
    QTest::newRow("English, commas")
        << QByteArray("Frequency,Mode,Name,Note\n145.5,NFM,RPT,club net\n")
        << QStringList{"145.500000", "FM", "RPT", "club net", "OFF", "88.5Hz", "OFF"} << "";
    QTest::newRow("German, semicolons, decimal commas")
        << QByteArray("Frequenz;Modus;Name;Bemerkung;CTCSS;Ablage;Kanal\n"
                      "438,950;FM;DB0ABC;Relais;67,0;-7,6;RU692\n")
        << QStringList{"438.950000", "FM", "DB0ABC", "Relais", "Tone", "67.0Hz", "Shift-"}
        << "Columns not imported: \"Kanal\" (7)";
    QTest::newRow("Japanese, TABs")
        << QByteArray("周波数\tモード\t名前\tメモ\tシフト\n433.5\tFM\tCALL\t呼出\t+\n")
        << QStringList{"433.500000", "FM", "CALL", "呼出", "OFF", "88.5Hz", "Shift+"} << "";
    QTest::newRow("a database's export, any case, kHz")
        << QByteArray("FREQ [kHz],Alpha Tag,MODE,description,Tone\n"
                      "154430,FD DISP,FMN,Fire dispatch,127.3\n")
        << QStringList{"154.430000", "FM", "FD DIS", "Fire dispatch", "Tone", "127.3Hz", "OFF"}
        << "";
    QTest::newRow("a title above the header")
        << QByteArray("Clubliste 2024;;\nFrequenz;Name;Duplex\n145,6;DB0XY;minus\n")
        << QStringList{"145.600000", "FM", "DB0XY", "", "OFF", "88.5Hz", "Shift-"}
        << "1 lines above the header passed over";
    QTest::newRow("a decimal comma that splits a field")
        << QByteArray("Frequency,Name\n145,5,X\n146.5,Y\n")
        << QStringList{"146.500000", "FM", "Y", "", "OFF", "88.5Hz", "OFF"}
        << "row 2 (145): more fields than its columns";
}

void ImportDestinationTest::headerRowsInThreeLanguages() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, entry);
    QFETCH(QString, said);
    auto ds = FactoryDataSet();
    ds->NoteCodePage = CodePage::Japanese;
    const FileImport got = ImportCsvFileOfAnyFormat(*ds, [&] {
        const QString path = dir_.filePath(QStringLiteral("in.csv"));
        WriteFile(path, text);
        return path;
    }());
    QCOMPARE(got.format, CsvFileFormat::Columns);
    QCOMPARE(got.outcome, FileImportOutcome::Imported);
    const auto& t = got.data->MemText[0]; // the first free entry
    QString name = t[Col::Name];
    QCOMPARE((QStringList{t[Col::Freq], t[Col::Mode], name.trimmed(), t[Col::Note], t[Col::Option],
                          t[Col::Tone], t[Col::ShiftDir]}),
             entry);
    if (!said.isEmpty()) {
        const QStringList lines = ReportLines(got.report);
        QVERIFY2(std::any_of(lines.cbegin(), lines.cend(),
                             [&](const QString& line) { return line.startsWith(said); }),
                 qPrintable(lines.join('\n')));
    }
}

// A column the header words miss, or take for another field, is set by hand;
// a column or field that is none is refused.
void ImportDestinationTest::mappingChangedByHand() {
    auto ds = FactoryDataSet();
    const QByteArray text = "Kanal;Wert;Text;Rufzeichen;Name\n5;145,5;hallo;DB0AB;Relais\n";
    const FileImport none = import(*ds, text, ImportDestination::freeEntries());
    QCOMPARE(none.outcome, FileImportOutcome::NotRecognised);
    const FileImport noFrequency =
        import(*ds, text, ImportDestination::freeEntries(), CsvFileFormat::Columns);
    QCOMPARE(noFrequency.outcome, FileImportOutcome::NoFrequencyColumn);
    QCOMPARE(FileImportMessage(noFrequency, QStringLiteral("in.csv")),
             QStringLiteral("No column of in.csv holds the frequency."));
    const FileImport mapped =
        import(*ds, text, ImportDestination::freeEntries(), CsvFileFormat::Columns,
               {"wert=frequency", "3=note", "Rufzeichen=name"});
    QCOMPARE(mapped.outcome, FileImportOutcome::Imported);
    QCOMPARE(mapped.data->MemText[0][Col::Note], QStringLiteral("hallo"));
    QCOMPARE(mapped.data->MemText[0][Col::Name].trimmed(), QStringLiteral("DB0AB"));
    QVERIFY(mapped.report.notes.contains(
        QStringLiteral("Columns not imported: \"Kanal\" (1), \"Name\" (5)")));
    // The position as numbered: a row label as well as a channel's number.
    const FileImport numbered =
        import(*ds, text, {}, CsvFileFormat::Columns, {"Kanal=position", "Wert=frequency"});
    QCOMPARE(numbered.data->MemText[5][Col::Freq], QStringLiteral("145.500000"));
    QCOMPARE(import(*ds, text, {}, CsvFileFormat::Columns, {"Wert=frequency"}).outcome,
             FileImportOutcome::NotNumbered);

    ColumnsHeader header = FindColumnsHeader(QString::fromUtf8(text));
    QString error;
    QVERIFY(!MapColumn(header, QStringLiteral("Nope=frequency"), &error));
    QVERIFY(error.contains(QStringLiteral("no column \"Nope\"")));
    QVERIFY(!MapColumn(header, QStringLiteral("2=pitch"), &error));
    QVERIFY(error.contains(QStringLiteral("FIELD one of none, position, frequency")));
}

// Every row of every list comes in, on every model (none of them refuses
// a row of these lists: the MT-Z40T's cellular ranges are not in them), and
// every list says what it is and where its frequencies come from.
void ImportDestinationTest::everyStockListIntoAnEmptyBankOfEveryModel() {
    const QList<StockList> lists = StockLists();
    QVERIFY(lists.size() >= 13);
    for (const StockList& list : lists) {
        QVERIFY2(!list.region.isEmpty() && !list.purpose.isEmpty() && !list.source.isEmpty(),
                 qPrintable(list.name));
        for (int model = 0; model < ModelCount; ++model) {
            auto ds = FactoryDataSet(model);
            CsvFileLook look = LookAtCsvFile(*ds, list.path, CsvFileFormat::Columns, 1000);
            const FileImport got = ImportLookedAtFile(*ds, look, ImportDestination::intoBank(12));
            QVERIFY2(got.report.skipped.isEmpty(),
                     qPrintable(list.name + ": " + got.report.skipped.join('\n')));
            QCOMPARE(got.report.imported, int(look.preview.size()));
            QVERIFY(got.report.changed.isEmpty());
        }
    }
}

QTEST_GUILESS_MAIN(ImportDestinationTest)
#include "ImportDestination_test.moc"

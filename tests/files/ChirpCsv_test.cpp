// CHIRP's generic CSV: a file as CHIRP writes it imported row by row with
// its summary, and export then import giving back every enabled channel.
#include "files/ChirpCsv.h"
#include "files/CsvFormat.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"

#include <QTest>

using namespace mtz4;

class ChirpCsvTest : public QObject {
    Q_OBJECT

private slots:
    void importOfAFileAsChirpWritesIt();
    void polishLettersAndTabsKeepEveryRow_data();
    void polishLettersAndTabsKeepEveryRow();
    void exportThenImportGivesEveryChannelBack();
    void kindOfACsvFileByItsFirstLine_data();
    void kindOfACsvFileByItsFirstLine();
};

Q_DECLARE_METATYPE(mtz4::CodePage)

void ChirpCsvTest::importOfAFileAsChirpWritesIt() {
    const QByteArray file =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
        "0,RPT-A,145.600000,-,0.600000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,FM,12.50,,50W,"
        "\"club, Tuesdays\",,,,\r\n"
        "1,AIR,118.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,8.33,S,50W,,,,,\r\n"
        "2,DTCS,446.000000,+,5.000000,DTCS,88.5,88.5,125,NN,125,Tone->Tone,NFM,7.00,,50W,,,,,\r\n"
        "3,ENCODER,433.500000,,0.000000,Tone,67.0,67.0,023,NN,023,Tone->Tone,FM,25.00,,50W,,,,,\r\n"
        "4,ODD,430.000000,,0.000000,TSQL,88.5,69.4,023,NN,023,Tone->Tone,FM,25.00,,50W,,,,,\r\n"
        "5,DSTAR,439.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,DV,25.00,,50W,,,,,\r\n"
        "1200,FAR,145.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,50W,,,,,\r\n"
        "6,TOOHI,1300.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,50W,,,,,\r\n";
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ4J);
    const ChirpImport result = ImportChirpCsvText(*ds, file);
    QVERIFY(result.readable);
    QCOMPARE(result.imported, 5);
    QCOMPARE(result.skipped,
             (QStringList{"row 7 (Location 5): the mode DV, which the receiver does not have",
                          "row 8 (Location 1200): beyond the 1000 memory channels",
                          "row 9 (Location 6): a frequency outside 0.1 .. 1299.995 MHz"}));
    const auto& t = ds->MemText;
    QCOMPARE(t[0][Col::Option], QStringLiteral("Tone"));
    QCOMPARE(t[0][Col::Tone], QStringLiteral("100.0Hz"));
    QCOMPARE(t[0][Col::ShiftDir], QStringLiteral("Shift-"));
    QCOMPARE(t[0][Col::Step], QStringLiteral("12.5KHz"));
    QCOMPARE(t[0][Col::Note], QStringLiteral("club, Tuesdays"));
    QCOMPARE(t[1][Col::Step], QStringLiteral("8.33KHz"));
    QCOMPARE(ds->MemData[1][Col::Skip], 1.0);
    QCOMPARE(t[2][Col::Mode], QStringLiteral("FM"));     // NFM
    QCOMPARE(t[2][Col::Option], QStringLiteral("OFF"));  // DTCS: no option
    QCOMPARE(t[2][Col::Step], QStringLiteral("20KHz"));  // 7 kHz: band 10's default
    QCOMPARE(t[3][Col::Option], QStringLiteral("OFF"));  // an encode-only tone
    QCOMPARE(t[3][Col::Name], QStringLiteral("ENCODE")); // the receiver's six characters
    QCOMPARE(t[4][Col::Option], QStringLiteral("OFF"));  // 69.4 Hz: no such tone
    QVERIFY(ds->MemEnable[4] && !ds->MemEnable[5]);
    QVERIFY(ds->DataChanged);

    // The MT-Z40T refuses the cellular ranges; LF line ends do as well.
    auto t40 = std::make_unique<DataSet>();
    MakeFactoryDataSet(*t40, Model::MTZ40T);
    const ChirpImport cellular =
        ImportChirpCsvText(*t40, "Location,Frequency,Mode\n9,849.995,FM\n10,850,FM\n");
    QCOMPARE(cellular.imported, 1);
    QCOMPARE(cellular.skipped,
             QStringList{"row 2 (Location 9): a frequency of the cellular phone"});
}

// Comments in Polish with a trailing TAB, as stock lists have them, and a
// name with an accent: every row comes in, and the rows that had to change
// say how.
void ChirpCsvTest::polishLettersAndTabsKeepEveryRow_data() {
    QTest::addColumn<CodePage>("page");
    QTest::addColumn<QString>("note0");
    QTest::addColumn<QStringList>("changed");
    QTest::newRow("central european")
        << CodePage::CentralEuropean << QStringLiteral("Wywołanie ogólne ")
        << QStringList{"row 2 (Location 0): comment: TAB → space",
                       "row 3 (Location 1): name: é → e, cut to 6 characters"};
    QTest::newRow("western") << CodePage::Western << QStringLiteral("Wywo?anie ogólne ")
                             << QStringList{"row 2 (Location 0): comment: TAB → space, ł → ?",
                                            "row 3 (Location 1): name: é → e, cut to 6 characters",
                                            "row 4 (Location 2): comment: ś → s, ą → a"};
}

void ChirpCsvTest::polishLettersAndTabsKeepEveryRow() {
    QFETCH(CodePage, page);
    QFETCH(QString, note0);
    QFETCH(QStringList, changed);
    const QByteArray file =
        QStringLiteral("Location,Name,Frequency,Duplex,Offset,Mode,TStep,Comment\n"
                       "0,WYW,145.500000,,0.000000,FM,12.50,Wywołanie ogólne\t\n"
                       "1,Café 22,145.525000,,0.000000,FM,12.50,Simpleks\n"
                       "2,PR,145.550000,,0.000000,FM,12.50,Przemiennik śląski\n")
            .toUtf8();
    auto ds = std::make_unique<DataSet>();
    MakeFactoryDataSet(*ds, Model::MTZ4J);
    ds->NoteCodePage = page;
    const ChirpImport result = ImportChirpCsvText(*ds, file);
    QCOMPARE(result.imported, 3);
    QVERIFY(result.skipped.isEmpty());
    QCOMPARE(result.changed, changed);
    QCOMPARE(ds->MemText[0][Col::Note], note0);
    QCOMPARE(ds->MemText[1][Col::Name], QStringLiteral("Cafe 2"));
    QVERIFY(ChirpImportSummary(result).startsWith(
        QStringLiteral("3 rows imported, 0 skipped, %1 changed:\n").arg(changed.size())));
}

void ChirpCsvTest::exportThenImportGivesEveryChannelBack() {
    // Random channels fall into the MT-Z40T's cellular ranges, which its
    // import refuses (tested above): the other three models.
    for (int model : {Model::MTZ4J, Model::MTZ40E, Model::MTZ40K}) {
        QRandomGenerator rng(40 + model);
        auto source = std::make_unique<DataSet>();
        test::FillRandomDataSet(*source, rng, model);
        auto back = std::make_unique<DataSet>();
        MakeFactoryDataSet(*back, model);
        const ChirpImport result = ImportChirpCsvText(*back, ChirpCsvText(*source));
        QVERIFY2(result.skipped.isEmpty(), qPrintable(result.skipped.join('\n')));
        for (int e = 0; e < ChannelCount; ++e) {
            QCOMPARE(back->MemEnable[e], source->MemEnable[e]);
            if (!source->MemEnable[e])
                continue;
            for (int c : {int(Col::Freq), int(Col::Mode), int(Col::Step), int(Col::ShiftDir),
                          int(Col::Skip)})
                QCOMPARE(back->MemData[e][c], source->MemData[e][c]);
            const bool tone = source->MemData[e][Col::Option] == 2;
            QCOMPARE(back->MemData[e][Col::Option] == 2, tone);
            if (tone)
                QCOMPARE(back->MemData[e][Col::Tone], source->MemData[e][Col::Tone]);
            if (source->MemData[e][Col::ShiftDir] != 0)
                QCOMPARE(back->MemText[e][Col::Shift], source->MemText[e][Col::Shift]);
            QCOMPARE(back->MemText[e][Col::Name], source->MemText[e][Col::Name]);
            QCOMPARE(back->MemText[e][Col::Note], source->MemText[e][Col::Note]);
        }
    }
}

void ChirpCsvTest::kindOfACsvFileByItsFirstLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<CsvFileFormat>("format");
    QTest::newRow("CHIRP's header")
        << QByteArray("Location,Name,Frequency,Duplex\r\n") << CsvFileFormat::Chirp;
    QTest::newRow("with a byte-order mark, quoted, any case")
        << QByteArray("\xEF\xBB\xBF\"location\", NAME ,\"FREQUENCY\"\n") << CsvFileFormat::Chirp;
    QTest::newRow("ours: a frequency, no location, then an entry line")
        << QByteArray("\"MODEL\",\"BANK\",\"CHANNEL\",\"FREQUENCY\",\"MODE\"\r\n"
                      "\"MT-Z4\",\"MEMORY\",\"0\",\"145.500000\"\r\n")
        << CsvFileFormat::Own;
    QTest::newRow("a frequency column alone")
        << QByteArray("Frequency,Mode,Name\r\n") << CsvFileFormat::Neither;
    QTest::newRow("empty") << QByteArray() << CsvFileFormat::Neither;
}

void ChirpCsvTest::kindOfACsvFileByItsFirstLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(CsvFileFormat, format);
    QCOMPARE(DetectCsvFormat(bytes), format);
}

QTEST_GUILESS_MAIN(ChirpCsvTest)
#include "ChirpCsv_test.moc"

#include "files/CloneFile.h"
#include "model/EntryMoves.h"
#include "model/RecordCodec.h"
#include "model/ReferenceTables.h"
#include "reference/FactoryData.h"
#include "support/RandomData.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace mtz4;

namespace {

using test::FactoryDataSet;
using test::ReadFile;
using test::WriteFile;

QList<QByteArray> lines(const QByteArray& text) {
    QList<QByteArray> result = text.split('\n');
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    for (QByteArray& l : result)
        l.chop(1); // the CR
    return result;
}

// Every entry enabled with data, so that its note is kept on loading.
void enableAllEntries(DataSet& ds) {
    for (int e = 0; e < EntryCount; ++e) {
        DecodeMem(
            ds,
            QStringLiteral("\r\n4086A40800060000000000000000000000000000000000000000000000000000"),
            e);
        ds.MemEnable[e] = true;
    }
}

void compareData(const DataSet& a, const DataSet& b) {
    for (int e = 0; e < EntryCount; ++e) {
        QCOMPARE(a.MemEnable[e], b.MemEnable[e]);
        for (int c = 0; c < MemColumns; ++c) {
            QCOMPARE(a.MemData[e][c], b.MemData[e][c]);
            QCOMPARE(a.MemText[e][c], b.MemText[e][c]);
        }
    }
    for (int band = 0; band < BandCount; ++band) {
        for (int c = 0; c < VfoColumns; ++c) {
            QCOMPARE(a.VfoData[band][c], b.VfoData[band][c]);
            QCOMPARE(a.VfoText[band][c], b.VfoText[band][c]);
        }
    }
    for (int bank = 0; bank < BankCount; ++bank) {
        QCOMPARE(a.BankSize[bank], b.BankSize[bank]);
        QCOMPARE(a.BankText[bank], b.BankText[bank]);
    }
    QCOMPARE(a.bank, b.bank);
    QCOMPARE(a.GroupFlag, b.GroupFlag);
    QVERIFY(a.settings == b.settings);
}

} // namespace

class CloneFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

private slots:
    void layoutOfAFactoryFile() {
        auto ds = FactoryDataSet();
        const QList<QByteArray> l = lines(CloneFileText(*ds));
        QCOMPARE(l.size(), CloneFileLineCount);
        QCOMPARE(l[0], QByteArray("Orlenk  MT-Z4  Clone  File Start"));
        QCOMPARE(l[2642], QByteArray("Orlenk  MT-Z4  Clone  File   End"));
        QCOMPARE(l[1].size(), 64);
        QCOMPARE(l[2].size(), 46);
        QCOMPARE(l[3].size(), 30);   // VFO band 0
        QCOMPARE(l[17].size(), 64);  // entry 0
        QCOMPARE(l[1322].size(), 5); // enable slot 5
        QCOMPARE(l[2637],
                 QByteArray("6400640064006400640064006400640064006400000000000000000000000000"));
        QCOMPARE(l[2640], QByteArray("000000006400640064001400"));
        QCOMPARE(l[2641].size(), 176);
        QVERIFY(CloneFileText(*ds).endsWith("File   End\r\n"));
    }

    void saveThenLoadReproducesEveryTable_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<quint32>("seed");
        for (int model = 0; model < ModelCount; ++model)
            for (quint32 seed : {1u, 2u})
                QTest::addRow("model %d seed %u", model, seed) << model << seed;
    }
    void saveThenLoadReproducesEveryTable() {
        QFETCH(int, model);
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed * 7919 + model);
        auto original = std::make_unique<DataSet>();
        test::FillRandomDataSet(*original, rng, model);
        original->DataChanged = true;

        const QString file = path(QStringLiteral("round.MZ4"));
        QCOMPARE(SaveCloneFile(*original, file), CloneFileStatus::Ok);
        QCOMPARE(original->CurrentFile, file);
        QVERIFY(!original->DataChanged);

        auto loaded = FactoryDataSet(model);
        loaded->DataChanged = true;
        QCOMPARE(ReadCloneFile(*loaded, file), CloneFileStatus::Ok);
        QCOMPARE(loaded->CurrentFile, file);
        QVERIFY(!loaded->DataChanged);
        compareData(*original, *loaded);

        // And saving what was loaded writes the same bytes again.
        const QString again = path(QStringLiteral("again.MZ4"));
        QCOMPARE(SaveCloneFile(*loaded, again), CloneFileStatus::Ok);
        QCOMPARE(ReadFile(again), ReadFile(file));
    }

    // Notes written on another system come back byte for byte under every
    // code page, whether they read right in it or not.
    void everyNoteByteSurvivesLoadThenSave_data() {
        QTest::addColumn<int>("page");
        for (const CodePage page : NoteCodePages())
            QTest::newRow(qPrintable(CodePageName(page))) << int(page);
    }
    void everyNoteByteSurvivesLoadThenSave() {
        QFETCH(int, page);
        auto ds = FactoryDataSet();
        enableAllEntries(*ds);
        QList<QByteArray> l = lines(CloneFileText(*ds));
        // Every byte but CR and LF, spread over the note lines, plus the
        // awkward cases: commas, quotes, leading blanks, an empty note, and
        // Shift-JIS: 東京タワー, two kanji that have two codes each, a lone
        // lead byte.
        QByteArray all;
        for (int c = 1; c < 256; ++c)
            if (c != '\r' && c != '\n')
                all += char(c);
        for (int i = 0; i < 9; ++i)
            l[1323 + i] = all.mid(i * 30, 30);
        l[1337] = "  leading, \"quoted\", commas,";
        l[1338] = "";
        l[1339] = "\x93\x8C\x8B\x9E\x83\x5E\x83\x8F\x81\x5B";
        l[1340] = "\xED\x40\xFA\x5C \x87\x90\x81\xCA \x93";
        l[2636] = "\xE4\xF6\xFC \x80\x9F\xFF";
        QByteArray text = l.join("\r\n") + "\r\n";
        const QString file = path(QStringLiteral("notes.MZ4"));
        QVERIFY(WriteFile(file, text));

        auto loaded = FactoryDataSet();
        loaded->NoteCodePage = CodePage(page);
        QCOMPARE(ReadCloneFile(*loaded, file), CloneFileStatus::Ok);
        if (CodePage(page) == CodePage::Japanese)
            QCOMPARE(loaded->MemText[2][Col::Note], QStringLiteral("東京タワー"));
        // Entries that move carry their bytes along: deleting entry 1 moves
        // the rest of bank 0 (entries 2..99) up by one.
        QCOMPARE(DeleteEntry(*loaded, 1), MoveOutcome::Done);
        l.removeAt(1337 + 1);
        l.insert(1337 + 99, QByteArray());
        const QString saved = path(QStringLiteral("notes-saved.MZ4"));
        QCOMPARE(SaveCloneFile(*loaded, saved), CloneFileStatus::Ok);
        const QList<QByteArray> out = lines(ReadFile(saved));
        for (int i = 1323; i <= 2636; ++i)
            QCOMPARE(out[i], l[i]);

        // A note typed anew is written in the code page.
        loaded->MemText[4][Col::Note] = QStringLiteral("東京");
        const QList<QByteArray> typed = lines(CloneFileText(*loaded));
        QCOMPARE(typed[1337 + 4], CodePage(page) == CodePage::Japanese
                                      ? QByteArray("\x93\x8C\x8B\x9E")
                                      : QByteArray("??"));
    }

    // Save never writes what Open would refuse: the old file stays.
    void saveRefusesAFileTooLargeToOpen() {
        const QString file = path(QStringLiteral("long-note.MZ4"));
        auto ds = FactoryDataSet();
        QCOMPARE(SaveCloneFile(*ds, file), CloneFileStatus::Ok);
        const QByteArray before = ReadFile(file);
        ds->MemText[0][Col::Note] = QString(int(CloneFileMaxBytes), QLatin1Char('x'));
        ds->DataChanged = true;
        QString reason;
        QCOMPARE(SaveCloneFile(*ds, file, &reason), CloneFileStatus::FileOpenError);
        QVERIFY2(reason.contains(QStringLiteral("cannot be opened again")), qPrintable(reason));
        QCOMPARE(ReadFile(file), before);
        QVERIFY(ds->DataChanged);
    }

    void lineBreaksInANoteCannotShiftTheFile() {
        auto ds = FactoryDataSet();
        ds->MemText[5][Col::Note] = QStringLiteral("two\r\nlines");
        QList<QByteArray> l = lines(CloneFileText(*ds));
        QCOMPARE(l.size(), CloneFileLineCount);
        QCOMPARE(l[1337 + 5], QByteArray("two  lines"));
        // A CR inside a note line of a file loads as that space, too.
        l[1323] = "cr\rinside";
        QCOMPARE(ParseCloneFileText(*ds, l.join("\r\n") + "\r\n"), CloneFileStatus::Ok);
        QCOMPARE(ds->VfoText[0][Col::Note], QStringLiteral("cr inside"));
    }

    void refusedFilesLeaveTheDataUnchanged_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("status");
        auto ds = FactoryDataSet();
        const QByteArray good = CloneFileText(*ds);
        QByteArray header = good;
        header.replace("Orlenk  MT-Z4", "Orlenk MT-Z4");
        QByteArray trailer = good;
        trailer.replace("File   End", "File  End");
        QList<QByteArray> l = lines(good);
        const QByteArray cut = l.mid(0, 2642).join("\r\n") + "\r\n";
        QTest::newRow("header one space short") << header << int(CloneFileStatus::DataError);
        QTest::newRow("trailer one space short") << trailer << int(CloneFileStatus::DataError);
        QTest::newRow("cut before the trailer") << cut << int(CloneFileStatus::FileOpenError);
        QTest::newRow("empty file") << QByteArray() << int(CloneFileStatus::FileOpenError);
        // A data line with anything but hex digits: settings, VFO, entry,
        // enable, bank and group lines.
        const QList<std::pair<int, QByteArray>> damaged{
            {17, "12345 999 -7 abc 0x"}, {1, l[1] + " "},      {3, "-" + l[3]}, {1317, "0x00"},
            {2637, "64 00 64"},          {2641, l[2641] + "G"}};
        for (const auto& [line, text] : damaged) {
            QList<QByteArray> bad = l;
            bad[line] = text;
            QTest::addRow("line %d damaged", line + 1) << bad.join("\r\n") + "\r\n"
                                                       << int(CloneFileStatus::DataError);
        }
    }
    void refusedFilesLeaveTheDataUnchanged() {
        QFETCH(QByteArray, text);
        QFETCH(int, status);
        const QString file = path(QStringLiteral("bad.MZ4"));
        QVERIFY(WriteFile(file, text));

        QRandomGenerator rng(99);
        auto ds = std::make_unique<DataSet>();
        test::FillRandomDataSet(*ds, rng, 0);
        ds->DataChanged = true;
        ds->CurrentFile = QStringLiteral("previous.MZ4");
        auto before = std::make_unique<DataSet>(*ds);

        test::ScriptedPrompter prompter;
        QVERIFY(!LoadCloneFile(*ds, file, prompter));
        QCOMPARE(prompter.texts(), QStringList{CloneFileMessage(CloneFileStatus(status))});
        QCOMPARE(prompter.prompts[0].title, QStringLiteral("ERROR"));
        // Then one line naming the file and what is wrong with it.
        QCOMPARE(prompter.reasons.size(), 1);
        QVERIFY2(prompter.reasons[0].startsWith(file), qPrintable(prompter.reasons[0]));
        compareData(*before, *ds);
        QCOMPARE(ds->CurrentFile, QStringLiteral("previous.MZ4"));
        QVERIFY(ds->DataChanged);
    }

    void fileTooLargeIsRefusedUnread() {
        const QString file = path(QStringLiteral("huge.MZ4"));
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.write(CloneFileText(*FactoryDataSet())) > 0);
            QVERIFY(f.resize(CloneFileMaxBytes + 1)); // sparse: costs no disk space
        }
        auto ds = FactoryDataSet();
        QString reason;
        QCOMPARE(ReadCloneFile(*ds, file, &reason), CloneFileStatus::FileOpenError);
        QVERIFY2(reason.contains(QStringLiteral("too large")), qPrintable(reason));
    }

    void missingFileIsAFileOpenError() {
        auto ds = FactoryDataSet();
        test::ScriptedPrompter prompter;
        QVERIFY(!LoadCloneFile(*ds, path(QStringLiteral("nothing-here.MZ4")), prompter));
        QCOMPARE(prompter.texts(), QStringList{QStringLiteral("File Open Error")});
        QVERIFY(!LoadCloneFile(*ds, dir.path(), prompter)); // a directory
        QCOMPARE(prompter.texts().size(), 2);
    }

    void extraLinesAfterTheTrailerAndBareLineFeedsAreAccepted() {
        auto ds = FactoryDataSet();
        enableAllEntries(*ds);
        ds->MemText[0][Col::Note] = QStringLiteral("kept");
        QByteArray text = CloneFileText(*ds) + "some trailing junk\r\nmore\r\n";
        const QString file = path(QStringLiteral("extra.MZ4"));
        QVERIFY(WriteFile(file, text));
        auto loaded = FactoryDataSet();
        QCOMPARE(ReadCloneFile(*loaded, file), CloneFileStatus::Ok);
        QCOMPARE(loaded->MemText[0][Col::Note], QStringLiteral("kept"));

        text.replace("\r\n", "\n");
        QVERIFY(WriteFile(file, text));
        auto unix = FactoryDataSet();
        QCOMPARE(ReadCloneFile(*unix, file), CloneFileStatus::Ok);
        QCOMPARE(unix->MemText[0][Col::Note], QStringLiteral("kept"));
    }

    // The last line may end in CR LF, in CR alone or in nothing; data lines
    // may be short, and hold upper- or lower-case digits alike.
    void lineEndsCaseAndShortLinesLoadAlike() {
        QRandomGenerator rng(5);
        auto original = std::make_unique<DataSet>();
        test::FillRandomDataSet(*original, rng, 0);
        const QByteArray good = CloneFileText(*original);
        auto expected = FactoryDataSet();
        QCOMPARE(ParseCloneFileText(*expected, good), CloneFileStatus::Ok);

        QList<QByteArray> l = lines(good);
        for (int i = 1; i <= 2641; ++i)
            if (i < 1323 || i > 2636)
                l[i] = l[i].toLower();
        const QByteArray lower = l.join("\r\n");
        for (const QByteArray& text : {good.chopped(1), good.chopped(2), lower + "\r\n", lower}) {
            auto ds = FactoryDataSet();
            QCOMPARE(ParseCloneFileText(*ds, text), CloneFileStatus::Ok);
            compareData(*expected, *ds);
        }

        // Short data lines load as before: the missing digits count as zero.
        l = lines(good);
        l[17] = "4086A408";
        l[1] = "A5";
        l[2641] = "";
        auto shortLines = FactoryDataSet();
        QCOMPARE(ParseCloneFileText(*shortLines, l.join("\r\n") + "\r\n"), CloneFileStatus::Ok);
        // 64 nines: every byte 99h, a frequency above 2^31 Hz, not negative.
        l[17] = QByteArray(64, '9');
        QCOMPARE(ParseCloneFileText(*shortLines, l.join("\r\n") + "\r\n"), CloneFileStatus::Ok);
        QCOMPARE(shortLines->MemText[0][Col::Freq], QStringLiteral("2576.980377"));
    }

    void disabledEntriesLoadEmpty() {
        auto ds = FactoryDataSet();
        DecodeMem(*ds,
                  QStringLiteral(
                      "\r\n4086A4080000000000000000000000000000000000000000000000414243000000"),
                  3);
        ds->MemText[3][Col::Note] = QStringLiteral("note");
        ds->MemEnable[3] = false; // data but disabled
        const QString file = path(QStringLiteral("disabled.MZ4"));
        QCOMPARE(SaveCloneFile(*ds, file), CloneFileStatus::Ok);
        auto loaded = FactoryDataSet();
        QCOMPARE(ReadCloneFile(*loaded, file), CloneFileStatus::Ok);
        QCOMPARE(loaded->MemData[3][Col::Freq], 0.0);
        QVERIFY(loaded->MemText[3][Col::Note].isEmpty());
        QVERIFY(loaded->MemText[3][Col::Name].isEmpty());
    }

    void failedSaveKeepsTheOldFileAndTheState() {
        const QString file = path(QStringLiteral("keep.MZ4"));
        QVERIFY(WriteFile(file, "the previous file"));
        auto ds = FactoryDataSet();
        ds->DataChanged = true;
        ds->CurrentFile = QStringLiteral("other.MZ4");

        // Let every write beyond a few bytes fail, as on a full disk.
        test::ScriptedPrompter prompter;
        const bool saved =
            test::WithFileSizeLimit(1000, [&] { return SaveCloneFile(*ds, file, prompter); });

        QVERIFY(!saved);
        QCOMPARE(prompter.texts(), QStringList{QStringLiteral("File Open Error")});
        QCOMPARE(ReadFile(file), QByteArray("the previous file"));
        QCOMPARE(ds->CurrentFile, QStringLiteral("other.MZ4"));
        QVERIFY(ds->DataChanged);

        // A place that cannot hold a file at all.
        QCOMPARE(SaveCloneFile(*ds, file + QStringLiteral("/inside.MZ4")),
                 CloneFileStatus::FileOpenError);
    }

    void captionNamesTheFileFirst() {
        QCOMPARE(FileCaption(QStringLiteral("/some/dir/My Radio.MZ4")),
                 QStringLiteral("My Radio.MZ4 - Orlenk MT-Z4/Z40 Clone Utility"));
    }
};

QTEST_GUILESS_MAIN(CloneFileTest)
#include "CloneFile_test.moc"

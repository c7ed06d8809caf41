// The memory list's editing commands: copy and paste (with the checks a
// pasted row passes), cut, insert and delete at a list's ends, sorting, find
// and go to, hiding empty entries; each change undone exactly.
#include "EditingFixtures.h"
#include "editing/DataEditor.h"
#include "editing/EntryClipboard.h"
#include "editing/FindBar.h"
#include "editing/MemoryCommands.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryPage.h"
#include "editing/UndoHistory.h"
#include "files/CloneFile.h"

#include <QClipboard>
#include <QLineEdit>

using namespace mtz4;
using namespace mtz4::test;

class MemoryCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void copyAndPaste();
    void pastedRowsPassTheChecks();
    void pastedRowsOfOtherPrograms();
    void pastedNotesFitTheCodePage_data();
    void pastedNotesFitTheCodePage();
    void cutInsertDeleteSortAndUndo();
    void findGoToAndHideEmpty();
};

namespace {

struct PageFixture {
    explicit PageFixture(int model = 0)
        : ds(FactoryDataSet(model)), editor(*ds), history(editor), page(editor, prompter) {
        page.resize(660, 480);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
    }
    MemoryCommands& commands() { return *page.commands; }
    MemoryGrid& grid() { return *page.MSFlexGrid1; }
    std::unique_ptr<DataSet> ds;
    DataEditor editor;
    UndoHistory history;
    ScriptedPrompter prompter;
    MemoryPage page;
};

EntryValues entry(double mhz, const char* name, const char* note = "") {
    EntryValues v;
    v.mhz = mhz;
    v.name = QString::fromLatin1(name);
    v.note = QString::fromLatin1(note);
    return v;
}

} // namespace

void MemoryCommandsTest::copyAndPaste() {
    PageFixture f;
    setEntry(*f.ds, 5, entry(145.5, "Rpt A", "club, \"net\" Tue"));
    EntryValues seven = entry(433.0, "uhf");
    seven.option = 2;
    seven.tone = 12;
    seven.skip = 1;
    setEntry(*f.ds, 7, seven);
    f.grid().UpDateMemData();

    // Rows 6 and 8 (entries 5 and 7), not next to each other.
    f.grid().setCurrentRow(6);
    f.grid().selectionModel()->select(f.grid().model()->index(7, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(f.grid().selectedEntries(), (QList<int>{5, 7}));
    f.commands().copy();
    const QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied.count(QLatin1Char('\n')), 2);
    QVERIFY(copied.startsWith(QStringLiteral("MT-Z4\tMEMORY\t5\t145.500000\tFM\t")));

    // Pasted from row 101 on: entries 100 and 101, exactly as copied.
    f.grid().setCurrentRow(101);
    f.commands().paste();
    QVERIFY(f.prompter.prompts.isEmpty());
    for (int c = 0; c < MemColumns; ++c) {
        QCOMPARE(f.ds->MemData[100][c], f.ds->MemData[5][c]);
        QCOMPARE(f.ds->MemData[101][c], f.ds->MemData[7][c]);
    }
    QCOMPARE(f.ds->MemText[100][Col::Note], QStringLiteral("club, \"net\" Tue"));
    QCOMPARE(f.ds->MemText[101][Col::Name], QStringLiteral("uhf"));
    QCOMPARE(f.history.undoText(), QStringLiteral("Paste 01-000"));
    QCOMPARE(f.prompter.statuses, QStringList{QStringLiteral("2 rows pasted, 0 skipped")});

    // Over entries in use: a question first; Cancel changes nothing.
    f.grid().setCurrentRow(6);
    f.prompter.script({PromptAnswer::Cancel});
    const auto before = f.ds->MemText;
    f.commands().pasteText(QStringLiteral("MT-Z4\tMEMORY\t0\t118.000000\tAM\t25KHz\tOFF\t11\tJR\t"
                                          "88.5Hz\tOFF\t0.000000\t\tTWR\t#FALSE#\t#TRUE#\n"));
    QCOMPARE(f.prompter.prompts.size(), 1);
    QCOMPARE(f.prompter.prompts.at(0).defaultAnswer, PromptAnswer::Cancel);
    QCOMPARE(f.ds->MemText, before);
    // OK: the report says what the paste changed in the entry in use.
    f.prompter.script({PromptAnswer::Ok});
    f.commands().pasteText(
        QStringLiteral("MT-Z4\tMEMORY\t0\t118.000000\tAM\t25KHz\tOFF\t11\tJR\t"
                       "88.5Hz\tOFF\t0.000000\t\"net \"\"B\"\"\"\tTWR\t#FALSE#\t#TRUE#\n"));
    QVERIFY2(f.prompter.texts().last().endsWith(
                 QStringLiteral("\r\n00-005 Note: club, \"net\" Tue -> net \"B\"\r\n00-005 Name: "
                                "Rpt A -> TWR")),
             qPrintable(f.prompter.texts().last()));
}

void MemoryCommandsTest::pastedRowsPassTheChecks() {
    struct Case {
        int model;
        int firstEntry;
        QString row;
        const char* reason; // nullptr: pasted
    };
    const QString tail =
        QStringLiteral("\tOFF\t11\tJR\t88.5Hz\tOFF\t0.600000\tnote\tNAME\t#FALSE#\t#TRUE#");
    const Case cases[] = {
        {0, 0, "145.500000\tFM\t20KHz" + tail, nullptr},
        {0, 0, "MODEL\tBANK", nullptr}, // a header: passed over, not counted
        {0, 0, "1300.5\tFM\t20KHz" + tail, "row 1: a frequency outside 0.1 .. 1299.995 MHz"},
        {0, 0, "145.5\tUSB\t20KHz" + tail, "row 1: an unknown mode"},
        {2, 0, "849.995\tFM\t20KHz" + tail, "row 1: a frequency of the cellular phone"},
        {0, 1105, "162.550000\tFM\t20KHz" + tail,
         "row 1: a frequency another Search Pass entry has"},
        {0, 0, "145.5\tFM\t20KHz\tScr\t11\tJR\t88.5Hz\tOFF\t0.6\tn\tN\t#FALSE#\t#TRUE#",
         "row 1: the MT-Z4J has no Scr option"},
        {0, 999, "145.5\tFM\t20KHz" + tail + "\n146.5\tFM\t20KHz" + tail,
         "row 2: beyond the end of the list"},
        // Each row is checked with the rows pasted before it in place.
        {0, 1100, "146.5\tFM\t20KHz" + tail + "\n146.5\tFM\t20KHz" + tail,
         "row 2: a frequency another Search Pass entry has"},
        {0, 0, "just text", "row 1: not an entry row"},
        {0, 0, "145,5\tFM\t20KHz" + tail, nullptr},
        {0, 0, "145.5 MHz", "row 1: the frequency \"145.5 MHz\" is no number"},
    };
    for (const Case& c : cases) {
        auto ds = FactoryDataSet(c.model);
        setEntry(*ds, 1150, entry(162.55, "SP"));
        const PastePlan plan = PlanPaste(*ds, c.row, c.firstEntry);
        if (!c.reason) {
            QVERIFY2(plan.skipped.isEmpty(), qPrintable(plan.skipped.join(';')));
        } else {
            QCOMPARE(plan.skipped, QStringList{QString::fromUtf8(c.reason)});
        }
    }

    // A row passed over takes no entry: the next row lands where it would have.
    const PastePlan gap = PlanPaste(*FactoryDataSet(0), "just text\n145.5\tFM\t20KHz" + tail, 10);
    QCOMPARE(gap.rows.size(), 1);
    QCOMPARE(gap.rows.first().entry, 10);

    // The report after a paste with skipped rows.
    PageFixture f;
    f.grid().setCurrentRow(1);
    f.commands().pasteText("145.5\tFM\t20KHz" + tail + "\nbad row");
    QVERIFY(f.ds->MemEnable[0]);
    QCOMPARE(f.prompter.texts(),
             QStringList{QStringLiteral("1 rows pasted, 1 skipped:\r\nrow 2: not an entry row")});
}

// Rows as spreadsheets and other programs give them: any line end, truth
// values and shifts written in other ways, a header naming the columns, a
// bare frequency. Each case gives the texts of entries 0 and 1 (frequency,
// mode, step, shift, name) and whether entry 0 is enabled.
void MemoryCommandsTest::pastedRowsOfOtherPrograms() {
    struct Case {
        const char* name;
        QString text;
        QStringList entry0; // frequency, mode, step, shift, name
        QString entry1Freq; // empty: entry 1 untouched
    };
    const QString mid = QStringLiteral("\tOFF\t11\tJR\t88.5Hz\t");
    const QString row = QStringLiteral("145.500000\tFM\t20KHz") + mid +
                        QStringLiteral("Shift+\t0.6\tn\tNAME\t#FALSE#\t%1");
    const QStringList plain{"145.500000", "FM", "20KHz", "Shift+", "NAME"};
    const Case cases[] = {
        {"CR line ends", row.arg("#TRUE#") + "\r" + row.arg("#TRUE#").replace("145.5", "146.5"),
         plain, "146.500000"},
        {"TRUE", row.arg("TRUE"), plain, {}},
        {"quoted TRUE", row.arg("\"TRUE\""), plain, {}},
        {"1", row.arg("1"), plain, {}},
        {"-",
         QStringLiteral("145.5\tFM\t20KHz") + mid + "-\t0.6\tn\tNAME\t#FALSE#\t1",
         {"145.500000", "FM", "20KHz", "Shift-", "NAME"},
         {}},
        {"plain header",
         "frequency\tMode\tName\tNote\r\n118.1\tAM\tTower\tx\r\n121.5\tAM\tG",
         {"118.100000", "AM", "25KHz", "OFF", "Tower"},
         "121.500000"},
        {"CHIRP header",
         "Location\tName\tFrequency\tDuplex\tOffset\tTone\tcToneFreq\tMode\tTStep\n"
         "7\tRPT\t145.6\t-\t0.6\tTSQL\t88.5\tNFM\t12.5",
         {"145.600000", "FM", "12.5KHz", "Shift-", "RPT"},
         {}},
        {"German header",
         "Frequenz\tModus\tName\tAblage\r\n145,6\tFM\tDB0XY\t-0,6\r\n145,7\t\t\t",
         {"145.600000", "FM", "20KHz", "Shift-", "DB0XY"},
         "145.700000"},
        {"frequency only", "118.1", {"118.100000", "AM", "25KHz", "OFF", ""}, {}},
        {"decimal comma", "118,1", {"118.100000", "AM", "25KHz", "OFF", ""}, {}},
        // Cells as spreadsheets copy them: quoted with a line break or quotes.
        {"quoted cells",
         QStringLiteral("145.5\tFM\t20KHz") + mid +
             "Shift+\t0.6\t\"first\nsecond line\"\t\"a \"\"b\"\"\"\t#FALSE#\t1\n146.5",
         {"145.500000", "FM", "20KHz", "Shift+", "a \"b\""},
         "146.500000"},
    };
    for (const Case& c : cases) {
        auto ds = FactoryDataSet(0);
        const PastePlan plan = PlanPaste(*ds, c.text, 0);
        QVERIFY2(plan.skipped.isEmpty(), qPrintable(c.name + plan.skipped.join(';')));
        ApplyPaste(*ds, plan);
        const auto& t = ds->MemText[0];
        QCOMPARE(
            QStringList({t[Col::Freq], t[Col::Mode], t[Col::Step], t[Col::ShiftDir], t[Col::Name]}),
            c.entry0);
        QVERIFY2(ds->MemEnable[0], c.name);
        QCOMPARE(ds->MemText[1][Col::Freq], c.entry1Freq);
        QCOMPARE(plan.imported, c.entry1Freq.isEmpty() ? 1 : 2);
    }
}

// A row whose note the code page cannot hold is pasted all the same, the
// note changed and the row reported; a Japanese note under the Japanese code
// page is saved as its Shift-JIS bytes.
void MemoryCommandsTest::pastedNotesFitTheCodePage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("noteLine");
    QTest::addColumn<QString>("report");
    const QString tokyo = QStringLiteral("東京タワー");
    QTest::newRow("japanese") << int(CodePage::Japanese) << tokyo << tokyo
                              << QByteArray("\x93\x8C\x8B\x9E\x83\x5E\x83\x8F\x81\x5B")
                              << QString();
    QTest::newRow("japanese under western")
        << int(CodePage::Western) << tokyo << QStringLiteral("?????") << QByteArray("?????")
        << QStringLiteral("1 rows pasted, 0 skipped, 1 changed:\r\nrow 1: note: 東 → ?, 京 → ?, "
                          "タ → ?, ワ → ?, ー → ?");
    QTest::newRow("euro sign under western")
        << int(CodePage::Western) << QStringLiteral("€5") << QStringLiteral("€5")
        << QByteArray("\x80"
                      "5")
        << QString();
    QTest::newRow("long note") << int(CodePage::Western) << QString(300, QLatin1Char('n'))
                               << QString(255, QLatin1Char('n')) << QByteArray(255, 'n')
                               << QStringLiteral("1 rows pasted, 0 skipped, 1 changed:\r\nrow 1: "
                                                 "note: cut to 255 characters");
}

void MemoryCommandsTest::pastedNotesFitTheCodePage() {
    QFETCH(int, page);
    QFETCH(QString, note);
    QFETCH(QString, stored);
    QFETCH(QByteArray, noteLine);
    QFETCH(QString, report);
    PageFixture f;
    f.ds->NoteCodePage = CodePage(page);
    f.grid().setCurrentRow(1);
    f.commands().pasteText(QStringLiteral("145.5\tFM\t20KHz\tOFF\t11\tJR\t88.5Hz\tOFF\t0.6\t") +
                           note + QStringLiteral("\tN\t#FALSE#\t#TRUE#"));
    QVERIFY(f.ds->MemEnable[0]);
    QCOMPARE(f.ds->MemText[0][Col::Note], stored);
    QCOMPARE(f.prompter.texts(), report.isEmpty() ? QStringList() : QStringList{report});
    const QList<QByteArray> lines = CloneFileText(*f.ds).split('\n');
    QCOMPARE(lines[1337], noteLine + '\r');
}

void MemoryCommandsTest::cutInsertDeleteSortAndUndo() {
    PageFixture f;
    // Names A and B by turns, and one entry without a name.
    for (int e = 0; e < 99; ++e)
        setEntry(*f.ds, e, entry(100.0 + e, e == 10 ? "" : e % 2 ? "B" : "A"));
    f.grid().UpDateMemData();
    const QByteArray start = CloneFileText(*f.ds);
    const auto undoneExactly = [&] {
        f.history.undo();
        QCOMPARE(CloneFileText(*f.ds), start);
    };

    // Insert at the bank's first entry: every entry moves down one.
    f.grid().setCurrentRow(1);
    f.commands().insertEmptyEntry();
    QVERIFY(!f.ds->MemEnable[0]);
    for (int e = 1; e < 100; ++e)
        QCOMPARE(f.ds->MemData[e][Col::Freq], 100.0 + e - 1);
    QCOMPARE(f.ds->MemData[100][Col::Freq], 0.0); // bank 1 untouched
    // Now the bank's last entry is in use: the next insert is refused.
    f.commands().insertEmptyEntry();
    QCOMPARE(f.prompter.prompts.size(), 1);
    undoneExactly();

    // Delete at the bank's last entry, and at its first.
    f.prompter.script({PromptAnswer::Ok, PromptAnswer::Ok});
    f.grid().setCurrentRow(99);
    f.commands().deleteEntry();
    QVERIFY(!f.ds->MemEnable[98]);
    f.grid().setCurrentRow(1);
    f.commands().deleteEntry();
    QCOMPARE(f.ds->MemData[0][Col::Freq], 101.0);
    f.history.undo();
    undoneExactly();

    // Program Scan moves by edge pairs.
    setEntry(*f.ds, 1000, entry(118.0, "LO"));
    setEntry(*f.ds, 1001, entry(137.0, "HI"));
    f.grid().setCurrentRow(1002);
    f.commands().insertEmptyEntry();
    QCOMPARE(f.ds->MemData[1002][Col::Freq], 118.0);
    QCOMPARE(f.ds->MemData[1003][Col::Freq], 137.0);
    QVERIFY(!f.ds->MemEnable[1000] && !f.ds->MemEnable[1001]);
    f.history.undo();

    // Sort by name, then frequency; cut.
    const QByteArray withScan = CloneFileText(*f.ds);
    f.grid().setCurrentRow(50);
    f.commands().sortBank(SortKey::Name);
    QCOMPARE(f.ds->MemText[0][Col::Name], QStringLiteral("A"));
    QCOMPARE(f.ds->MemText[48][Col::Name], QStringLiteral("A"));
    QCOMPARE(f.ds->MemText[49][Col::Name], QStringLiteral("B"));
    QCOMPARE(f.ds->MemText[97][Col::Name], QStringLiteral("B"));
    QCOMPARE(f.ds->MemData[98][Col::Freq], 110.0); // the unnamed one last
    QCOMPARE(f.ds->MemData[1][Col::Freq], 102.0);
    QCOMPARE(f.history.undoText(), QStringLiteral("Sort Bank 00 by Name"));
    f.commands().sortBank(SortKey::Frequency);
    QCOMPARE(f.ds->MemData[1][Col::Freq], 101.0);
    f.grid().setCurrentRow(3);
    f.commands().cut();
    QVERIFY(!f.ds->MemEnable[2]);
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("102.000000")));
    for (int i = 0; i < 3; ++i)
        f.history.undo();
    QCOMPARE(CloneFileText(*f.ds), withScan);
}

void MemoryCommandsTest::findGoToAndHideEmpty() {
    PageFixture f;
    setEntry(*f.ds, 10, entry(145.5, "RPT1"));
    setEntry(*f.ds, 500, entry(433.5, "x", "Repeater rpt"));
    setEntry(*f.ds, 1150, entry(162.55, "WX"));
    f.grid().UpDateMemData();

    // Find wraps around, forwards and backwards.
    f.commands().openFind();
    QTest::keyClicks(f.page.findBar->textBox(), QStringLiteral("rpt"));
    f.grid().setCurrentRow(1);
    f.commands().findNext();
    QCOMPARE(f.grid().currentRow(), 11);
    f.commands().findNext();
    QCOMPARE(f.grid().currentRow(), 501);
    f.commands().findNext();
    QCOMPARE(f.grid().currentRow(), 11);
    f.commands().findPrevious();
    QCOMPARE(f.grid().currentRow(), 501);

    // Go to by the labels as users write them.
    for (const auto& [label, row] : {std::pair{"03-012", 313},
                                     {"3-12", 313},
                                     {"Pr 7", 1208},
                                     {"sp 12", 1113},
                                     {"S05", 1106},
                                     {"P12B", 1026},
                                     {"12a", 1025}}) {
        QVERIFY2(f.commands().goTo(QString::fromLatin1(label)), label);
        QCOMPARE(f.grid().currentRow(), row);
        // The row comes to the middle third of the view, not to its edge.
        const int height = f.grid().viewport()->height();
        const int y = f.grid().visualRect(f.grid().model()->index(row - 1, 0)).center().y();
        QVERIFY2(y > height / 3 && y < height * 2 / 3, label);
    }
    QVERIFY(!f.commands().goTo(QStringLiteral("77-001")));
    QCOMPARE(f.prompter.texts(),
             QStringList{QStringLiteral("There is no row labelled \"77-001\".")});

    // Hidden rows are only hidden: the data stay and are saved.
    const QByteArray saved = CloneFileText(*f.ds);
    f.grid().setHideEmpty(true);
    QVERIFY(f.grid().isRowHidden(0));
    QVERIFY(!f.grid().isRowHidden(10) && !f.grid().isRowHidden(1150));
    QCOMPARE(CloneFileText(*f.ds), saved);
    f.grid().setHideEmpty(false);
    QVERIFY(!f.grid().isRowHidden(0));
}

QTEST_MAIN(MemoryCommandsTest)
#include "MemoryCommands_test.moc"

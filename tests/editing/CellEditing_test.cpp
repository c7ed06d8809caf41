// Editing the grids' cells in place, driven by keys on the real grid: one
// edit per kind of column with its undo step, the refusals the dialog makes
// said in the status bar, a new frequency taking the band's defaults, the
// keys that start, end and cancel an edit, and the VFO grid's band rules.
#include "EditingFixtures.h"
#include "editing/DataEditor.h"
#include "editing/GridCellText.h"
#include "editing/GridLayout.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryPage.h"
#include "editing/UndoHistory.h"
#include "editing/VfoGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>

using namespace mtz4;
using namespace mtz4::test;

class CellEditingTest : public QObject {
    Q_OBJECT

private slots:
    void anEditPerColumnWithItsUndo_data();
    void anEditPerColumnWithItsUndo();
    void refusalsSayWhy_data();
    void refusalsSayWhy();
    void newFrequencyTakesTheBandDefaults();
    void vfoCellsFollowTheBand();
};

namespace {

constexpr int Entry = 507; // row label 05-007

struct PageFixture {
    explicit PageFixture(int model = 0)
        : ds(FactoryDataSet(model)), editor(*ds), history(editor), page(editor, prompter) {
        EntryValues v;
        v.mhz = 430.5;
        v.note = QStringLiteral("club");
        v.name = QStringLiteral("CLUB");
        setEntry(*ds, Entry, v);
        page.resize(900, 480);
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        grid().UpDateMemData();
    }
    MemoryGrid& grid() { return *page.MSFlexGrid1; }
    QString cell(int entry, int column) {
        return grid().model()->index(entry, column - 1).data().toString();
    }
    // Makes the cell current and the grid focused.
    void goTo(int entry, int column) {
        grid().setFocus();
        grid().setCurrentIndex(grid().model()->index(entry, column - 1));
    }
    QWidget* focused() { return QApplication::focusWidget(); }

    std::unique_ptr<DataSet> ds;
    DataEditor editor;
    UndoHistory history;
    ScriptedPrompter prompter;
    MemoryPage page;
};

// Edits the current cell: a text typed over it, or a list item chosen with
// the arrow keys; `start` is the key that opens the editor (none: the first
// character typed opens it).
void editCell(PageFixture& f, Qt::Key start, const QString& input) {
    if (start == Qt::Key_unknown) {
        typeKeys(&f.grid(), input.left(1));
        typeKeys(f.focused(), input.mid(1));
    } else {
        QTest::keyClick(&f.grid(), start);
        if (auto* list = qobject_cast<QComboBox*>(f.focused())) {
            const int target = list->findText(input);
            QVERIFY2(target >= 0, qPrintable(input));
            const Qt::Key key = target > list->currentIndex() ? Qt::Key_Down : Qt::Key_Up;
            while (list->currentIndex() != target)
                QTest::keyClick(list, key);
        } else {
            typeKeys(f.focused(), input);
        }
    }
    QTest::keyClick(f.focused(), Qt::Key_Return);
}

} // namespace

void CellEditingTest::anEditPerColumnWithItsUndo_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("header");
    const auto row = [](const char* name, int column, Qt::Key start, const char* input,
                        const char* shown) {
        const QString header = GridHeaderTexts()[column];
        QTest::newRow(name) << column << int(start) << QString::fromUtf8(input)
                            << QString::fromUtf8(shown) << header;
    };
    row("frequency typed", GridCol::Frequency, Qt::Key_unknown, "433,125", "433.125000");
    row("frequency, F2", GridCol::Frequency, Qt::Key_F2, "145.5", "145.500000");
    row("mode", GridCol::Mode, Qt::Key_Return, "AM", "AM");
    row("step", GridCol::Step, Qt::Key_F2, "25KHz", "25KHz");
    row("option", GridCol::Option, Qt::Key_F2, "Tone", "Tone");
    row("skip", GridCol::Skip, Qt::Key_F2, "Yes (*)", "*");
    row("carrier", GridCol::Model, Qt::Key_F2, "1000Hz", "1000Hz");
    row("tone", GridCol::Tone, Qt::Key_F2, "100.0Hz", "100.0Hz");
    row("shift", GridCol::Shift, Qt::Key_F2, "Shift-", "Shift-");
    row("offset", GridCol::ShiftFreq, Qt::Key_F2, "7,6", "7.600000");
    row("note", GridCol::Note, Qt::Key_F2, "Tower \u00e9", "Tower \u00e9");
    row("name", GridCol::Name, Qt::Key_F2, "TWR", "TWR");
}

void CellEditingTest::anEditPerColumnWithItsUndo() {
    QFETCH(int, column);
    QFETCH(int, start);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QFETCH(QString, header);
    PageFixture f;
    const auto before = std::make_unique<DataSet>(*f.ds);
    f.goTo(Entry, column);
    editCell(f, Qt::Key(start), input);

    QCOMPARE(f.cell(Entry, column), shown);
    QVERIFY(f.ds->DataChanged);
    // Enter goes on to the row below, in the same column.
    QCOMPARE(f.grid().currentIndex(), f.grid().model()->index(Entry + 1, column - 1));
    // Only the edited field changed, in one step named after the cell.
    for (int c = 1; c < GridColumns; ++c) {
        if (c != column)
            QCOMPARE(f.cell(Entry, c), MemoryCellText(*before, Entry, c, 0));
    }
    QCOMPARE(f.history.undoText(), QStringLiteral("Edit 05-007 ") + header);
    f.history.undo();
    QCOMPARE(f.ds->MemText[Entry], before->MemText[Entry]);
    QCOMPARE(f.ds->MemData[Entry], before->MemData[Entry]);
    QVERIFY(!f.history.canUndo());
}

void CellEditingTest::refusalsSayWhy_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("said");
    QTest::newRow("out of range") << 0 << Entry << int(GridCol::Frequency) << "5000"
                                  << "05-007 Frequency: \"5000\" was not taken: a frequency "
                                     "outside 0.1 .. 1299.995 MHz";
    QTest::newRow("cellular") << 2 << Entry << int(GridCol::Frequency) << "869"
                              << "05-007 Frequency: \"869\" was not taken: a frequency of the "
                                 "cellular phone";
    QTest::newRow("search pass twice") << 0 << 1105 << int(GridCol::Frequency) << "162,4"
                                       << "S5 Frequency: \"162,4\" was not taken: a frequency "
                                          "another Search Pass entry has";
    QTest::newRow("offset") << 0 << Entry << int(GridCol::ShiftFreq) << "100"
                            << "05-007 ShiftFreq.: \"100\" was not taken: an offset outside 0 "
                               ".. 99.999999 MHz";
    QTest::newRow("empty entry") << 0 << 600 << int(GridCol::Mode) << ""
                                 << "06-000 Mode: the entry has no frequency: give it one first";
    QTest::newRow("no carrier") << 2 << Entry << int(GridCol::Model) << ""
                                << "05-007 -: the MT-Z40T keeps nothing in this column";
}

void CellEditingTest::refusalsSayWhy() {
    QFETCH(int, model);
    QFETCH(int, entry);
    QFETCH(int, column);
    QFETCH(QString, input);
    QFETCH(QString, said);
    PageFixture f(model);
    EntryValues other;
    other.mhz = 162.4;
    setEntry(*f.ds, 1150, other);
    f.grid().setModelHeader(model);
    const auto before = std::make_unique<DataSet>(*f.ds);
    f.goTo(entry, column);
    if (input.isEmpty())
        QTest::keyClick(&f.grid(), Qt::Key_F2);
    else
        editCell(f, Qt::Key_F2, input);

    QCOMPARE(f.prompter.reasons, QStringList{said});
    QCOMPARE(f.ds->MemText, before->MemText);
    QVERIFY(!f.history.canUndo());
    QVERIFY(f.prompter.prompts.isEmpty()); // the status bar, not a message box

    // Escape leaves an edit without storing it.
    f.goTo(Entry, GridCol::Name);
    QTest::keyClick(&f.grid(), Qt::Key_F2);
    typeKeys(f.focused(), QStringLiteral("X"));
    QTest::keyClick(f.focused(), Qt::Key_Escape);
    QCOMPARE(f.ds->MemText[Entry][Col::Name], QStringLiteral("CLUB"));
    QCOMPARE(f.focused(), &f.grid());
}

void CellEditingTest::newFrequencyTakesTheBandDefaults() {
    PageFixture f;
    f.goTo(600, GridCol::Frequency);
    editCell(f, Qt::Key_Return, QStringLiteral("118,1"));
    // The airband's AM and 25KHz, and the dialog's defaults for a new entry.
    const QStringList shown{"118.100000", "AM",  "25KHz",    "OFF", "", "JR",
                            "88.5Hz",     "OFF", "0.600000", "",    ""};
    for (int c = 1; c < GridColumns; ++c)
        QCOMPARE(f.cell(600, c), shown[c - 1]);
    QVERIFY(f.ds->MemEnable[600]);
    QCOMPARE(f.history.undoText(), QStringLiteral("Edit 06-000 Frequency"));

    // Tab ends an edit and goes on to the next cell, editing it.
    f.goTo(600, GridCol::Name);
    QTest::keyClick(&f.grid(), Qt::Key_F2);
    typeKeys(f.focused(), QStringLiteral("ATIS"));
    QTest::keyClick(f.focused(), Qt::Key_Tab);
    QCOMPARE(f.ds->MemText[600][Col::Name], QStringLiteral("ATIS"));
    QCOMPARE(f.grid().currentIndex().row(), 601);
    // The dialog is still Shift+Enter away.
    QSignalSpy dialog(&f.grid(), &GridView::editRequested);
    QTest::keyClick(f.focused(), Qt::Key_Escape);
    QTest::keyClick(&f.grid(), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(dialog.size(), 1);
}

void CellEditingTest::vfoCellsFollowTheBand() {
    auto ds = FactoryDataSet(0);
    DataEditor editor(*ds);
    UndoHistory history(editor);
    VfoGrid grid(*ds);
    grid.enableCellEditing(editor);
    QSignalSpy told(&grid, &GridView::told);
    grid.resize(900, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowActive(&grid));
    const auto open = [&](int band, int column) {
        grid.setFocus();
        grid.setCurrentIndex(grid.model()->index(band, column - 1));
        QTest::keyClick(&grid, Qt::Key_F2);
        return QApplication::focusWidget();
    };

    // Band 0 takes only 1KHz; band 3 every step up to 1MHz.
    auto* steps = qobject_cast<QComboBox*>(open(0, GridCol::Step));
    QVERIFY(steps);
    QCOMPARE(steps->count(), 1);
    QTest::keyClick(steps, Qt::Key_Escape);
    steps = qobject_cast<QComboBox*>(open(3, GridCol::Step));
    QCOMPARE(steps->count(), 16);
    steps->setCurrentIndex(steps->findText(QStringLiteral("50KHz")));
    QTest::keyClick(steps, Qt::Key_Return);
    QCOMPARE(ds->VfoText[3][Col::Step], QStringLiteral("50KHz"));
    QCOMPARE(history.undoText(), QStringLiteral("Edit Band 3 Step"));

    // A frequency outside the band is refused, one inside taken.
    const QString stored = ds->VfoText[3][Col::Freq];
    for (const char* typed : {"30", "62,5"}) {
        auto* box = qobject_cast<QLineEdit*>(open(3, GridCol::Frequency));
        QVERIFY(box);
        typeKeys(box, QString::fromLatin1(typed));
        QTest::keyClick(box, Qt::Key_Return);
    }
    QCOMPARE(told.size(), 1);
    QVERIFY(told.at(0).at(0).toString().startsWith(QStringLiteral("Band 3 Frequency: \"30\"")));
    QCOMPARE(ds->VfoText[3][Col::Freq], QStringLiteral("62.500000"));
    QVERIFY(stored != ds->VfoText[3][Col::Freq]);
}

QTEST_MAIN(CellEditingTest)
#include "CellEditing_test.moc"

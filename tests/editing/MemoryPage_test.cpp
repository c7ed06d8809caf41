// The memory list operations: Clear and Clear All with their question, Up
// and Down.
#include "EditingFixtures.h"
#include "editing/DataEditor.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryPage.h"

#include <QPushButton>
#include <QScrollBar>

using namespace mtz4;
using namespace mtz4::test;

class MemoryPageTest : public QObject {
    Q_OBJECT

private slots:
    void clearAndClearAll();
    void upAndDown();
};

namespace {

struct PageFixture {
    PageFixture() : ds(FactoryDataSet(0)), editor(*ds), page(editor, prompter) {
        page.resize(660, 480);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.MSFlexGrid1->setCurrentRow(1);
    }
    std::unique_ptr<DataSet> ds;
    DataEditor editor;
    ScriptedPrompter prompter;
    MemoryPage page;
};

EntryValues withNote(double mhz, const char* note) {
    EntryValues v;
    v.mhz = mhz;
    v.note = QString::fromLatin1(note);
    v.name = QStringLiteral("NAME");
    return v;
}

} // namespace

void MemoryPageTest::clearAndClearAll() {
    PageFixture f;
    setEntry(*f.ds, 5, withNote(145.5, "five"));
    setEntry(*f.ds, 1000, withNote(118.0, "scan edge"));
    setEntry(*f.ds, 1150, withNote(162.4, "search pass"));
    f.page.MSFlexGrid1->setCurrentRow(1001);

    // Cancel, also the default answer (Enter), changes nothing.
    f.prompter.script({PromptAnswer::Cancel});
    f.page.cmbClear->click();
    f.page.cmbClear->click();
    QCOMPARE(f.prompter.prompts.size(), 2);
    const Prompt& question = f.prompter.prompts.at(0);
    QCOMPARE(question.text, QStringLiteral("Clear cannot be undone.\r\nAre you sure that you "
                                           "want to do the clear?"));
    QCOMPARE(question.title, QStringLiteral("CLEAR OK"));
    QCOMPARE(question.icon, PromptIcon::Exclamation);
    QCOMPARE(question.buttons, PromptButtons::OkCancel);
    QCOMPARE(question.defaultAnswer, PromptAnswer::Cancel);
    QVERIFY(f.ds->MemEnable[1000]);
    QVERIFY(!f.ds->DataChanged);

    // OK on row 1001 empties entry 1000 only; the row stays current.
    f.prompter.script({PromptAnswer::Ok});
    f.page.cmbClear->click();
    QVERIFY(!f.ds->MemEnable[1000]);
    QVERIFY(f.ds->MemText[1000][Col::Note].isEmpty());
    QCOMPARE(f.ds->MemData[1000][Col::Freq], 0.0);
    QVERIFY(f.ds->MemEnable[5] && f.ds->MemEnable[1150]);
    QVERIFY(f.ds->DataChanged);
    QCOMPARE(f.page.MSFlexGrid1->currentRow(), 1001);

    // Clearing an empty row still counts as a change.
    f.ds->DataChanged = false;
    f.prompter.script({PromptAnswer::Ok});
    f.page.cmbClear->click();
    QVERIFY(f.ds->DataChanged);

    // Clear All empties every list, notes included, and nothing else.
    const auto vfoBefore = f.ds->VfoText;
    const auto banksBefore = f.ds->bank;
    f.prompter.clear();
    f.prompter.script({PromptAnswer::Ok});
    f.page.cmbClAll->click();
    QCOMPARE(f.prompter.prompts.at(0).text,
             QStringLiteral("Clear cannot be undone.\r\nAre you sure that you want to clear all "
                            "memory?"));
    for (int e : {5, 1150}) {
        QVERIFY(!f.ds->MemEnable[e]);
        QVERIFY(f.ds->MemText[e][Col::Note].isEmpty());
    }
    QCOMPARE(f.ds->VfoText, vfoBefore);
    QCOMPARE(f.ds->bank, banksBefore);
    const QModelIndex name = f.page.MSFlexGrid1->model()->index(5, GridCol::Name - 1);
    QVERIFY(name.data().toString().isEmpty());
}

void MemoryPageTest::upAndDown() {
    PageFixture f;
    MemoryGrid* grid = f.page.MSFlexGrid1;
    QScrollBar* scroll = grid->verticalScrollBar();

    f.page.upButton->click(); // on row 1 Up stays
    QCOMPARE(grid->currentRow(), 1);
    f.page.downButton->click();
    QCOMPARE(grid->currentRow(), 2);
    QCOMPARE(grid->selectionModel()->selectedRows().size(), 1);

    // The current row stays in view whichever way it moves.
    grid->setCurrentRow(600);
    scroll->setValue(0);
    f.page.downButton->click();
    QCOMPARE(grid->currentRow(), 601);
    QVERIFY(
        grid->viewport()->rect().contains(grid->visualRect(grid->model()->index(600, 0)).center()));
    scroll->setValue(scroll->maximum());
    f.page.upButton->click();
    QCOMPARE(grid->currentRow(), 600);
    QVERIFY(
        grid->viewport()->rect().contains(grid->visualRect(grid->model()->index(599, 0)).center()));

    // On the last row Down stays and shows the last rows.
    grid->setCurrentRow(EntryCount);
    scroll->setValue(scroll->maximum() - 3);
    f.page.downButton->click();
    QCOMPARE(grid->currentRow(), EntryCount);
    QCOMPARE(scroll->value(), scroll->maximum());
}

QTEST_MAIN(MemoryPageTest)
#include "MemoryPage_test.moc"

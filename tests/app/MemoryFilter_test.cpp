// The filter box of the Memory page on the sample data, typed as a user
// types it: only the matching rows show, with their own labels; a command
// takes the rows shown; an edit never hides its row; Save and Write still
// take every entry; clearing the filter brings the whole list back.
#include "SampleData.h"
#include "WindowCloneSupport.h"

#include "app/MainWindow.h"
#include "editing/EditDialog.h"
#include "editing/FilterBar.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryPage.h"
#include "files/CloneFile.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

using namespace mtz4;
using namespace mtz4::test;

class MemoryFilterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { qunsetenv("MTZ4_COM1"); }
    void onlyTheMatchingRowsShow_data();
    void onlyTheMatchingRowsShow();
    void commandsTakeTheRowsShownAndWriteAndSaveTakeAll();
};

namespace {

const QString SamplePath = QStringLiteral(MTZ4_SOURCE_DIR "/docs/sample.MZ4");

// Types the filter into its box on the Memory page.
void filter(frmMain& w, const QString& text) {
    // The keyboard is in the window, as when the user types.
    w.activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &w);
    w.TabStrip1()->setCurrentIndex(frmMain::MemoryTab);
    QLineEdit* box = w.memoryPage()->filterBar->textBox();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

QStringList shownLabels(const MemoryGrid& grid) {
    QStringList labels;
    for (int e = 0; e < EntryCount; ++e) {
        if (!grid.isRowHidden(e))
            labels << grid.rowLabel(e + 1);
    }
    return labels;
}

} // namespace

void MemoryFilterTest::onlyTheMatchingRowsShow_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("range") << "118-119" << QStringList{"00-000", "0A"};
    QTest::newRow("decimal comma") << "121,5-121,6" << QStringList{"00-002", "Pr0"};
    QTest::newRow("range ends on a frequency") << "121.4-121.5" << QStringList{"00-002", "Pr0"};
    QTest::newRow("mode and text") << "am guard" << QStringList{"00-002", "Pr0"};
    QTest::newRow("note") << "Birdie" << QStringList{"S0"};
    QTest::newRow("frequency start") << "446.0" << QStringList{"04-000", "04-001", "04-002"};
}

void MemoryFilterTest::onlyTheMatchingRowsShow() {
    QFETCH(QString, text);
    QFETCH(QStringList, labels);
    Shell shell({QStringLiteral("mtz4clone"), SamplePath});
    frmMain& w = shell.window();
    filter(w, text);
    MemoryGrid& grid = *w.MSFlexGrid1();
    QCOMPARE(shownLabels(grid).mid(0, labels.size()), labels);

    // Every FM row and no other, each under its own label.
    filter(w, QStringLiteral("FM"));
    const QStringList fm = shownLabels(grid);
    QVERIFY(fm.size() > 20);
    for (int e = 0; e < EntryCount; ++e)
        QCOMPARE(!grid.isRowHidden(e), shell.ds().MemText[e][Col::Mode] == QStringLiteral("FM"));
    QCOMPARE(w.memoryPage()->findChild<QLabel*>(QStringLiteral("filterCount"))->text(),
             QStringLiteral("%1 of 1300 rows shown").arg(fm.size()));

    // Esc clears the filter: the whole list again.
    QTest::keyClick(w.memoryPage()->filterBar->textBox(), Qt::Key_Escape);
    QCOMPARE(shownLabels(grid).size(), EntryCount);
}

void MemoryFilterTest::commandsTakeTheRowsShownAndWriteAndSaveTakeAll() {
    SimRunner sim;
    const QString dump = sim.path(QStringLiteral("dump.MZ4"));
    QVERIFY(startSim(sim, {QStringLiteral("--dump"), dump}));
    Shell shell({QStringLiteral("mtz4clone"), SamplePath});
    frmMain& w = shell.window();
    DataSet& ds = shell.ds();
    MemoryGrid& grid = *w.MSFlexGrid1();
    filter(w, QStringLiteral("Repeater"));
    const QStringList shown = shownLabels(grid);
    QCOMPARE(shown.size(), 3);

    // Ctrl+A and Ctrl+C take the rows shown, not those between them.
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    action(w, "mnuCopy")->trigger();
    QCOMPARE(QApplication::clipboard()->text().count(QLatin1Char('\n')), 3);

    // A row whose note an edit takes out of the filter stays in view.
    const int first = grid.selectedEntries().first();
    grid.setCurrentIndex(grid.model()->index(first, GridCol::Note - 1));
    QTest::keyClick(&grid, Qt::Key_F2);
    QVERIFY(QApplication::focusWidget() != &grid);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Club"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(ds.MemText[first][Col::Note], QStringLiteral("Club"));
    QCOMPARE(shownLabels(grid), shown);

    // Saving and writing take every entry, shown or not.
    const QString saved = shell.path(QStringLiteral("saved.MZ4"));
    shell.dialogs.savePaths = {saved};
    action(w, "mnuFileSaveAs")->trigger();
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), CloneTextOf(ds));
    action(w, "mnuWrAll")->trigger();
    QCOMPARE(shell.prompter.texts().last(), QStringLiteral("Successed!!"));
    QVERIFY(sim.stop());
    DataSet received;
    InitTables(received);
    QCOMPARE(ReadCloneFile(received, dump), CloneFileStatus::Ok);
    int inUse = 0;
    for (int e = 0; e < 1280; ++e) {
        QCOMPARE(received.MemData[e], ds.MemData[e]);
        inUse += ds.MemEnable[e] ? 1 : 0;
    }
    QVERIFY(inUse > 40);
}

QTEST_MAIN(MemoryFilterTest)
#include "MemoryFilter_test.moc"

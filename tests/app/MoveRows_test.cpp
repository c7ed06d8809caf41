// Moving rows in the window: Ctrl+Up and Ctrl+Down on the selected rows
// within a bank, across a bank's edge and in Program Scan by edge pairs;
// a drag of three rows by their headers into the next bank; a drag into
// another window's grid, which pastes them. Each move is one undo step.
#include "app/MainWindow.h"
#include "editing/EditingFixtures.h"

#include "editing/DataEditor.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryPage.h"
#include "editing/MoveCommands.h"
#include "editing/UndoHistory.h"
#include "support/Shell.h"
#include "support/WindowActions.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QFrame>
#include <QHeaderView>
#include <QMimeData>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

using namespace mtz4;
using namespace mtz4::test;

class MoveRowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void keysMoveTheSelectedRows_data();
    void keysMoveTheSelectedRows();
    void dragThreeRowsIntoTheNextBank();
    void dragIntoAnotherWindowPastes();
};

namespace {

// Entry e holds a frequency telling which entry it first was: 100 + e/1000 MHz.
void number(DataSet& ds, const QList<int>& entries) {
    for (int e : entries) {
        ds.MemData[e][Col::Freq] = 100.0 + e / 1000.0;
        ds.MemText[e][Col::Freq] = FormatMHz(100.0 + e / 1000.0);
        ds.MemText[e][Col::Mode] = QStringLiteral("FM");
        ds.MemEnable[e] = true;
    }
}

// Which entry each of `entries` holds now (-1 for an empty one).
QList<int> holders(const DataSet& ds, int first, int count) {
    QList<int> held;
    for (int e = first; e < first + count; ++e)
        held << (ds.MemEnable[e] ? int(std::lround((ds.MemData[e][Col::Freq] - 100.0) * 1000))
                                 : -1);
    return held;
}

struct Window {
    Window() {
        frmMain& w = shell.window();
        w.TabStrip1()->setCurrentIndex(frmMain::MemoryTab);
        w.activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == &w);
    }
    MemoryGrid& grid() { return *shell.window().MSFlexGrid1(); }
    void refresh() {
        grid().UpDateMemData();
        shell.window().history()->stack()->clear();
    }
    // Selects `count` rows from `entry` on by their headers: a click and a Shift+click.
    void select(int entry, int count) {
        grid().scrollTo(grid().model()->index(entry, 0));
        QHeaderView* header = grid().verticalHeader();
        const auto at = [header](int e) {
            return QPoint(header->width() / 2,
                          header->sectionViewportPosition(e) + header->sectionSize(e) / 2);
        };
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at(entry));

        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          at(entry + count - 1));
        QCOMPARE(grid().selectedEntries().size(), count);
    }
    Shell shell;
};

} // namespace

void MoveRowsTest::keysMoveTheSelectedRows_data() {
    QTest::addColumn<QList<int>>("filled");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("from"); // where to look afterwards
    QTest::addColumn<QList<int>>("held");
    QTest::addColumn<QString>("undo");
    // Factory banks: 00-000 .. 09-099, a hundred each.
    QTest::newRow("up in a bank") << QList<int>{3, 4, 5, 6} << 5 << 2 << false << 3
                                  << QList<int>{3, 5, 6, 4} << "Undo Move Up 2 entries";
    QTest::newRow("down in a bank") << QList<int>{3, 4, 5} << 3 << 1 << true << 3
                                    << QList<int>{4, 3, 5} << "Undo Move Down 00-003";
    QTest::newRow("up into the bank before")
        << QList<int>{97, 100, 101, 102} << 100 << 2 << false << 97
        << QList<int>{97, 100, 101, 102, -1, -1} << "Undo Move Up 2 entries";
    QTest::newRow("down into the next bank")
        << QList<int>{98, 99, 100} << 98 << 2 << true << 98 << QList<int>{-1, -1, 98, 99, 100}
        << "Undo Move Down 2 entries";
    QTest::newRow("edge pairs") << QList<int>{1000, 1001, 1002, 1003} << 1002 << 2 << false << 1000
                                << QList<int>{1002, 1003, 1000, 1001} << "Undo Move Up 2 entries";
}

void MoveRowsTest::keysMoveTheSelectedRows() {
    QFETCH(QList<int>, filled);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(bool, down);
    QFETCH(int, from);
    QFETCH(QList<int>, held);
    QFETCH(QString, undo);
    Window f;
    DataSet& ds = f.shell.ds();
    number(ds, filled);
    f.refresh();
    const auto before = std::make_unique<DataSet>(ds);
    f.select(first, count);
    QTest::keyClick(&f.grid(), down ? Qt::Key_Down : Qt::Key_Up, Qt::ControlModifier);

    QCOMPARE(holders(ds, from, int(held.size())), held);
    // The rows moved stay selected.
    QCOMPARE(f.grid().selectedEntries().size(), count);
    QCOMPARE(action(f.shell.window(), "mnuUndo")->text(), undo);
    f.shell.window().history()->undo();
    QCOMPARE(ds.MemData, before->MemData);
}

void MoveRowsTest::dragThreeRowsIntoTheNextBank() {
    Window f;
    DataSet& ds = f.shell.ds();
    number(ds, {306, 307, 308, 309, 310, 311, 400, 401, 402, 403});
    f.refresh();
    const auto before = std::make_unique<DataSet>(ds);
    f.select(308, 3);

    // The drag, as the platform carries it out: over the header of 04-002, dropped above it.
    MemoryGrid& grid = f.grid();
    QHeaderView* header = grid.verticalHeader();
    bool indicated = false;
    f.shell.window().memoryPage()->moves->drag().run = [&](QDrag& drag) {
        grid.scrollTo(grid.model()->index(402, 0));
        const QPoint at(header->width() / 2, header->sectionViewportPosition(402) + 2);
        QDragEnterEvent enter(at, Qt::MoveAction | Qt::CopyAction, drag.mimeData(), Qt::LeftButton,
                              {});
        QApplication::sendEvent(header->viewport(), &enter);
        QDragMoveEvent over(at, Qt::MoveAction | Qt::CopyAction, drag.mimeData(), Qt::LeftButton,
                            {});
        QApplication::sendEvent(header->viewport(), &over);
        indicated =
            grid.viewport()->findChild<QFrame*>(QStringLiteral("dropIndicator"))->isVisible();
        QDropEvent drop(at, Qt::MoveAction | Qt::CopyAction, drag.mimeData(), Qt::LeftButton, {});
        QApplication::sendEvent(header->viewport(), &drop);
        return drop.dropAction();
    };
    const QPoint start(header->width() / 2,
                       header->sectionViewportPosition(309) + header->sectionSize(309) / 2);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, start);
    QTest::mouseMove(header->viewport(), start + QPoint(0, 40));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, start + QPoint(0, 40));

    QVERIFY(indicated);
    // Bank 03 closes up as Delete would, bank 04 opens as Insert would.
    QCOMPARE(holders(ds, 306, 3), (QList<int>{306, 307, 311}));
    QCOMPARE(holders(ds, 400, 7), (QList<int>{400, 401, 308, 309, 310, 402, 403}));
    QCOMPARE(grid.selectedEntries(), (QList<int>{402, 403, 404}));
    QCOMPARE(action(f.shell.window(), "mnuUndo")->text(), QStringLiteral("Undo Move 3 entries"));
    f.shell.window().history()->undo();
    QCOMPARE(ds.MemData, before->MemData);
}

void MoveRowsTest::dragIntoAnotherWindowPastes() {
    Window f;
    DataSet& ds = f.shell.ds();
    number(ds, {10, 11});
    f.refresh();
    f.select(10, 2);
    // The other window's memory page, with a data set of its own.
    auto other = FactoryDataSet(0);
    DataEditor otherEditor(*other);
    ScriptedPrompter otherPrompter;
    MemoryPage page(otherEditor, otherPrompter);
    page.resize(700, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QHeaderView* header = page.MSFlexGrid1->verticalHeader();
    f.shell.window().memoryPage()->moves->drag().run = [&](QDrag& drag) {
        const QPoint at(header->width() / 2, header->sectionViewportPosition(5) + 2);
        QDragEnterEvent enter(at, Qt::MoveAction | Qt::CopyAction, drag.mimeData(), Qt::LeftButton,
                              {});
        QApplication::sendEvent(header->viewport(), &enter);
        QDropEvent drop(at, Qt::MoveAction | Qt::CopyAction, drag.mimeData(), Qt::LeftButton, {});
        QApplication::sendEvent(header->viewport(), &drop);
        return drop.dropAction();
    };
    QHeaderView* source = f.grid().verticalHeader();
    const QPoint start(source->width() / 2,
                       source->sectionViewportPosition(10) + source->sectionSize(10) / 2);
    QTest::mousePress(source->viewport(), Qt::LeftButton, {}, start);
    QTest::mouseMove(source->viewport(), start + QPoint(0, 40));
    QTest::mouseRelease(source->viewport(), Qt::LeftButton, {}, start + QPoint(0, 40));

    QCOMPARE(holders(*other, 5, 3), (QList<int>{10, 11, -1}));
    QCOMPARE(holders(ds, 10, 2), (QList<int>{10, 11})); // copied, not moved
}

QTEST_MAIN(MoveRowsTest)
#include "MoveRows_test.moc"

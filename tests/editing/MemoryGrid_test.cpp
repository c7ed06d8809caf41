// The memory grid: labels, headers, texts per model, refresh, selection rule
// and the edit request.
#include "EditingFixtures.h"
#include "editing/GridLayout.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryTableModel.h"
#include "editing/Twips.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace mtz4;
using namespace mtz4::test;

class MemoryGridTest : public QObject {
    Q_OBJECT

private slots:
    void labelsFollowTheBankSizes();
    void headersAndWidths();
    void textsPerModel();
    void refreshEmptiesDisabledEntriesAndKeepsTheRow();
    void refreshIsOneNotification();
    void noteColumnTakesTheSpareWidthAndTellsTheWholeNote();
    void dragSelectsExactlyTheEndRow();
    void doubleClickAndEnterRequestAnEdit();
};

namespace {

QString cell(const MemoryGrid& grid, int row, int column) {
    return grid.model()->index(row - 1, column - 1).data().toString();
}

QString header(const MemoryGrid& grid, int column) {
    return grid.model()->headerData(column - 1, Qt::Horizontal).toString();
}

QPoint centreOf(const MemoryGrid& grid, int row) {
    return grid.visualRect(grid.model()->index(row - 1, 0)).center();
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
    QMouseEvent event(type, pos, target->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

void MemoryGridTest::labelsFollowTheBankSizes() {
    auto ds = FactoryDataSet(0);
    MemoryGrid grid(*ds);
    QCOMPARE(grid.objectName(), QStringLiteral("MSFlexGrid1"));
    QCOMPARE(grid.model()->rowCount(), 1300);
    QCOMPARE(grid.rowLabel(1), QStringLiteral("00-000"));
    QCOMPARE(grid.rowLabel(100), QStringLiteral("00-099"));
    QCOMPARE(grid.rowLabel(1000), QStringLiteral("09-099"));
    QCOMPARE(grid.rowLabel(1001), QStringLiteral("0A"));
    QCOMPARE(grid.rowLabel(1100), QStringLiteral("49B"));
    QCOMPARE(grid.rowLabel(1101), QStringLiteral("S0"));
    QCOMPARE(grid.rowLabel(1300), QStringLiteral("Pr99"));
    QCOMPARE(grid.model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("00-000"));

    // The labels change only when they are rebuilt.
    ds->bank.txtBank.fill(QStringLiteral("0"));
    ds->bank.txtBank[1] = QStringLiteral("1000");
    QCOMPARE(grid.rowLabel(1), QStringLiteral("00-000"));
    grid.BuildRowLabels();
    QCOMPARE(grid.rowLabel(1), QStringLiteral("01-000"));
    QCOMPARE(grid.rowLabel(1000), QStringLiteral("01-999"));
}

void MemoryGridTest::headersAndWidths() {
    auto ds = FactoryDataSet(0);
    MemoryGrid grid(*ds);
    const QStringList expected{"Frequency", "Mode",  "Step",       "Option", "Skip", "Carrier",
                               "Tone",      "Shift", "ShiftFreq.", "Note",   "Name"};
    for (int c = 1; c <= 11; ++c)
        QCOMPARE(header(grid, c), expected[c - 1]);

    grid.setModelHeader(1);
    QCOMPARE(header(grid, 6), QStringLiteral("Scr"));
    grid.setModelHeader(2);
    QCOMPARE(header(grid, 6), QStringLiteral("-"));
    grid.setModelHeader(3);
    QCOMPARE(header(grid, 6), QStringLiteral("-"));
    grid.setModelHeader(0);
    QCOMPARE(header(grid, 6), QStringLiteral("Carrier"));

    const int dpi = grid.logicalDpiX();
    // The twips widths are the least a column gets; a font wider than the one
    // they were laid out for widens the column so its usual texts fit.
    const QFontMetrics cells(grid.font());
    QVERIFY(grid.verticalHeader()->width() >= TwipsToPixels(600, dpi));
    QVERIFY(grid.verticalHeader()->width() > cells.horizontalAdvance(QStringLiteral("00-000")));
    const QStringList widest{"1299.995000", "WFM",    "12.5KHz",   "Train", "*",     "3000Hz",
                             "250.3Hz",     "Shift+", "99.999999", "",      "MMMMMM"};
    for (int c = 1; c <= 11; ++c) {
        QVERIFY(!grid.isColumnHidden(c - 1));
        QVERIFY(grid.columnWidth(c - 1) >= TwipsToPixels(MemoryGridWidths[c], dpi));
        QVERIFY(grid.columnWidth(c - 1) > cells.horizontalAdvance(widest[c - 1]));
        QVERIFY(grid.columnWidth(c - 1) >
                grid.horizontalHeader()->fontMetrics().horizontalAdvance(expected[c - 1]));
    }
    QCOMPARE(grid.columnWidth(GridCol::Note - 1), TwipsToPixels(1055, dpi));
    QCOMPARE(TwipsToPixels(1035, 96), 69);

    // Only the Note column gets its own font, one that is installed; without
    // a Japanese gothic font it keeps the grid's.
    const QModelIndex note = grid.model()->index(0, GridCol::Note - 1);
    QVERIFY(!note.data(Qt::FontRole).isValid());
    grid.ChangeFont();
    if (const std::optional<QFont> font = NoteColumnFont()) {
        QCOMPARE(note.data(Qt::FontRole).value<QFont>(), *font);
        QVERIFY(QFontDatabase::families().contains(QFontInfo(*font).family()));
    } else {
        QVERIFY(!note.data(Qt::FontRole).isValid());
    }
    QVERIFY(!grid.model()->index(0, GridCol::Name - 1).data(Qt::FontRole).isValid());
    QCOMPARE(TwipsToPixels(1035, 192), 138);
}

void MemoryGridTest::textsPerModel() {
    auto ds = FactoryDataSet(0);
    EntryValues train;
    train.mhz = 145.52;
    train.option = 1; // Train
    train.carrier = 5;
    train.secret = 7;
    train.skip = 1;
    train.note = QStringLiteral("repeater");
    train.name = QStringLiteral("RPT1");
    setEntry(*ds, 0, train);
    EntryValues secret;
    secret.option = 4; // Scr
    secret.secret = 3;
    setEntry(*ds, 1, secret);

    MemoryGrid grid(*ds);
    grid.UpDateMemData();
    QCOMPARE(cell(grid, 1, 1), QStringLiteral("145.520000"));
    QCOMPARE(cell(grid, 1, 2), QStringLiteral("FM"));
    QCOMPARE(cell(grid, 1, 3), QStringLiteral("20KHz"));
    QCOMPARE(cell(grid, 1, 4), QStringLiteral("Train"));
    QCOMPARE(cell(grid, 1, 5), QStringLiteral("*"));
    QCOMPARE(cell(grid, 1, 6), QStringLiteral("800Hz"));
    QCOMPARE(cell(grid, 1, 7), QStringLiteral("88.5Hz"));
    QCOMPARE(cell(grid, 1, 8), QStringLiteral("OFF"));
    QCOMPARE(cell(grid, 1, 9), QStringLiteral("0.600000"));
    QCOMPARE(cell(grid, 1, 10), QStringLiteral("repeater"));
    QCOMPARE(cell(grid, 1, 11), QStringLiteral("RPT1"));
    QCOMPARE(cell(grid, 2, 4), QStringLiteral("OFF")); // "Scr" not offered by model 0
    QCOMPARE(cell(grid, 2, 5), QString());
    QCOMPARE(cell(grid, 2, 6), QStringLiteral("JR"));
    QCOMPARE(cell(grid, 3, 1), QString()); // an empty entry

    ds->ModelIndex = 1;
    grid.setModelHeader(1);
    QCOMPARE(cell(grid, 1, 4), QStringLiteral("OFF"));
    QCOMPARE(cell(grid, 1, 5), QStringLiteral("*"));
    QCOMPARE(cell(grid, 1, 6), QStringLiteral("7"));
    QCOMPARE(cell(grid, 2, 4), QStringLiteral("Scr"));
    QCOMPARE(cell(grid, 2, 6), QStringLiteral("3"));

    for (int model : {2, 3}) {
        ds->ModelIndex = model;
        grid.setModelHeader(model);
        QCOMPARE(cell(grid, 1, 4), QStringLiteral("OFF"));
        QCOMPARE(cell(grid, 2, 4), QStringLiteral("OFF"));
        QCOMPARE(cell(grid, 1, 6), QStringLiteral("-"));
        QCOMPARE(cell(grid, 1, 5), QStringLiteral("*"));
    }
    // Only the shown text changes.
    QCOMPARE(ds->MemText[0][Col::Option], QStringLiteral("Train"));
    QCOMPARE(ds->MemData[1][Col::Option], 4.0);
}

void MemoryGridTest::refreshEmptiesDisabledEntriesAndKeepsTheRow() {
    auto ds = FactoryDataSet(0);
    EntryValues v;
    v.note = QStringLiteral("gone");
    v.name = QStringLiteral("GONE");
    v.skip = 1;
    setEntry(*ds, 41, v);
    setEntry(*ds, 42, v);
    MemoryGrid grid(*ds);
    grid.UpDateMemData();
    QCOMPARE(cell(grid, 42, 10), QStringLiteral("gone"));

    grid.setCurrentRow(42);
    ds->MemEnable[41] = false;
    QCOMPARE(grid.UpDateMemData(), 0);
    for (int c = 1; c <= 11; ++c)
        QCOMPARE(cell(grid, 42, c), QString());
    QCOMPARE(ds->MemText[41][Col::Note], QString());
    QCOMPARE(ds->MemText[41][Col::Name], QString());
    QCOMPARE(ds->MemData[41][Col::Skip], 0.0);
    QCOMPARE(cell(grid, 43, 10), QStringLiteral("gone")); // the enabled neighbour stays

    QCOMPARE(grid.currentRow(), 42);
    const QModelIndexList selected = grid.selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 11);
    for (const QModelIndex& index : selected)
        QCOMPARE(index.row(), 41);
}

void MemoryGridTest::noteColumnTakesTheSpareWidthAndTellsTheWholeNote() {
    auto ds = FactoryDataSet(0);
    EntryValues entry;
    entry.note = QStringLiteral("Tower, main runway");
    setEntry(*ds, 0, entry);
    MemoryGrid grid(*ds);
    grid.UpDateMemData();
    const int note = GridCol::Note - 1;
    const int laidOut = grid.columnWidth(note);
    const auto others = [&] {
        int width = 0;
        for (int c = 0; c < grid.model()->columnCount(); ++c)
            width += c == note ? 0 : grid.columnWidth(c);
        return width;
    };
    grid.resize(1600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.columnWidth(note), grid.viewport()->width() - others());
    QVERIFY(grid.columnWidth(note) > laidOut);

    // A column the user widens takes from the Note column's share.
    grid.setColumnWidth(GridCol::Frequency - 1, grid.columnWidth(GridCol::Frequency - 1) + 40);
    QCOMPARE(grid.columnWidth(note), grid.viewport()->width() - others());

    // Narrower than laid out when the view is short of room, but never
    // narrower than a few letters.
    const int floor = grid.fontMetrics().horizontalAdvance(QStringLiteral("MMMM"));
    const int chrome = grid.width() - grid.viewport()->width(); // header, scroll bar, frame
    grid.resize(chrome + others() + (floor + laidOut) / 2, 300);
    QTRY_COMPARE(grid.columnWidth(note), (floor + laidOut) / 2);
    grid.resize(300, 300);
    QTRY_COMPARE(grid.columnWidth(note), floor);

    const QAbstractItemModel* model = grid.model();
    QCOMPARE(model->index(0, note).data(Qt::ToolTipRole).toString(), entry.note);
    QVERIFY(!model->index(1, note).data(Qt::ToolTipRole).isValid());
    QVERIFY(!model->index(0, GridCol::Frequency - 1).data(Qt::ToolTipRole).isValid());

    // A note of megabytes is shown elided, never laid out whole.
    entry.note = QString(4 * 1024 * 1024, QLatin1Char('n'));
    setEntry(*ds, 0, entry);
    grid.UpDateMemData();
    const QString shown = model->index(0, note).data().toString();
    QVERIFY(shown.size() < 1000 && shown.endsWith(QChar(0x2026)));
    QVERIFY(model->index(0, note).data(Qt::ToolTipRole).toString().size() < 2000);
}

void MemoryGridTest::refreshIsOneNotification() {
    auto ds = FactoryDataSet(0);
    MemoryGrid grid(*ds);
    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(grid.model(), &QAbstractItemModel::modelReset);
    grid.UpDateMemData();
    QCOMPARE(changed.size() + reset.size(), 1);
}

void MemoryGridTest::dragSelectsExactlyTheEndRow() {
    auto ds = FactoryDataSet(0);
    MemoryGrid grid(*ds);
    grid.resize(800, 600);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QWidget* viewport = grid.viewport();

    sendMouse(viewport, QEvent::MouseButtonPress, centreOf(grid, 5), Qt::LeftButton);
    for (int row = 6; row <= 9; ++row)
        sendMouse(viewport, QEvent::MouseMove, centreOf(grid, row), Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, centreOf(grid, 9), Qt::NoButton);

    QCOMPARE(grid.currentRow(), 9);
    const QModelIndexList selected = grid.selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 11);
    for (const QModelIndex& index : selected)
        QCOMPARE(index.row(), 8);

    // A control-click on the selected row leaves it selected.
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, centreOf(grid, 9));
    QCOMPARE(grid.currentRow(), 9);
    QCOMPARE(grid.selectionModel()->selectedIndexes().size(), 11);

    // Shift+Down adds rows; Alt on its way to a menu or to Alt+Enter keeps
    // them; a move without Shift selects the current row alone again.
    QTest::keyClick(viewport, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(viewport, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyPress(&grid, Qt::Key_Alt, Qt::AltModifier);
    QCOMPARE(grid.selectedEntries(), (QList<int>{8, 9, 10}));
    QTest::keyRelease(&grid, Qt::Key_Alt, Qt::NoModifier);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.selectedEntries(), QList<int>{11});
}

void MemoryGridTest::doubleClickAndEnterRequestAnEdit() {
    auto ds = FactoryDataSet(0);
    MemoryGrid grid(*ds);
    grid.resize(800, 600);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy edit(&grid, &MemoryGrid::editRequested);

    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(grid, 3));
    QCOMPARE(edit.size(), 1);
    QCOMPARE(edit.at(0).at(0).toInt(), 3);
    QCOMPARE(grid.currentRow(), 3);

    // The header row opens nothing.
    QHeaderView* top = grid.horizontalHeader();
    QTest::mouseDClick(top->viewport(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(top->sectionViewportPosition(0) + 5, top->height() / 2));
    QCOMPARE(edit.size(), 1);

    grid.setCurrentRow(1250);
    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(edit.size(), 2);
    QCOMPARE(edit.at(1).at(0).toInt(), 1250);
}

QTEST_MAIN(MemoryGridTest)
#include "MemoryGrid_test.moc"

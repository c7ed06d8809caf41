// The VFO grid: texts per model, hidden columns, selection and the edit request.
#include "EditingFixtures.h"
#include "editing/GridLayout.h"
#include "editing/Twips.h"
#include "editing/VfoGrid.h"

#include <QHeaderView>
#include <QSignalSpy>

using namespace mtz4;
using namespace mtz4::test;

class VfoGridTest : public QObject {
    Q_OBJECT

private slots:
    void layout();
    void textsOfModelsZeroAndOne();
    void eightBandModelsShowDashes();
    void changeFontSelectsRowOneAndEditRequest();
};

namespace {

QString cell(const VfoGrid& grid, int row, int column) {
    return grid.model()->index(row - 1, column - 1).data().toString();
}

} // namespace

void VfoGridTest::layout() {
    auto ds = FactoryDataSet(0);
    VfoGrid grid(*ds);
    QCOMPARE(grid.objectName(), QStringLiteral("MSFlexGrid2"));
    QCOMPARE(grid.model()->rowCount(), 14);
    QCOMPARE(grid.model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("0"));
    QCOMPARE(grid.model()->headerData(13, Qt::Vertical).toString(), QStringLiteral("13"));
    QCOMPARE(grid.model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Carrier"));
    grid.setModelHeader(1);
    QCOMPARE(grid.model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Scr"));

    const int dpi = grid.logicalDpiX();
    QVERIFY(grid.verticalHeader()->width() >= TwipsToPixels(500, dpi));
    QVERIFY(grid.isColumnHidden(GridCol::Skip - 1));
    QVERIFY(grid.isColumnHidden(GridCol::Name - 1));
    QVERIFY(grid.columnWidth(GridCol::Frequency - 1) >= TwipsToPixels(1035, dpi));
    QVERIFY(grid.columnWidth(GridCol::Frequency - 1) >
            QFontMetrics(grid.font()).horizontalAdvance(QStringLiteral("1299.995000")));
    QCOMPARE(grid.columnWidth(GridCol::Note - 1), TwipsToPixels(1055, dpi));
}

void VfoGridTest::textsOfModelsZeroAndOne() {
    auto ds = FactoryDataSet(0);
    // Band 3 with option "Train" and carrier 800Hz, band 4 with "Scr".
    ds->VfoData[3][Col::Option] = 1;
    ds->VfoText[3][Col::Option] = QStringLiteral("Train");
    ds->VfoData[3][Col::Carrier] = 5;
    ds->VfoText[3][Col::Carrier] = QStringLiteral("800Hz");
    ds->VfoText[3][Col::Secret] = QStringLiteral("9");
    ds->VfoText[4][Col::Option] = QStringLiteral("Scr");
    ds->VfoText[3][Col::Note] = QStringLiteral("six metres");
    VfoGrid grid(*ds);
    grid.UpdateVFOData();

    QCOMPARE(cell(grid, 7, 1), ds->VfoText[6][Col::Freq]);
    QCOMPARE(cell(grid, 14, 1), ds->VfoText[13][Col::Freq]);
    QCOMPARE(cell(grid, 4, 4), QStringLiteral("Train"));
    QCOMPARE(cell(grid, 4, 6), QStringLiteral("800Hz"));
    QCOMPARE(cell(grid, 4, 10), QStringLiteral("six metres"));
    QCOMPARE(cell(grid, 5, 4), QStringLiteral("OFF"));

    ds->ModelIndex = 1;
    grid.UpdateVFOData();
    QCOMPARE(cell(grid, 4, 4), QStringLiteral("OFF"));
    QCOMPARE(cell(grid, 4, 6), QStringLiteral("9")); // the secret code again
    QCOMPARE(cell(grid, 5, 4), QStringLiteral("Scr"));
    QCOMPARE(cell(grid, 14, 1), ds->VfoText[13][Col::Freq]);
    // The tables keep what they had.
    QCOMPARE(ds->VfoText[3][Col::Option], QStringLiteral("Train"));
}

void VfoGridTest::eightBandModelsShowDashes() {
    for (int model : {2, 3}) {
        auto ds = FactoryDataSet(model);
        ds->VfoText[2][Col::Option] = QStringLiteral("Train");
        VfoGrid grid(*ds);
        grid.UpdateVFOData();
        QCOMPARE(cell(grid, 1, 1), ds->VfoText[0][Col::Freq]);
        QCOMPARE(cell(grid, 8, 1), ds->VfoText[7][Col::Freq]);
        QCOMPARE(cell(grid, 1, 5), QStringLiteral("-"));
        QCOMPARE(cell(grid, 1, 6), QStringLiteral("-"));
        QCOMPARE(cell(grid, 3, 4), QStringLiteral("OFF"));
        for (int row = 9; row <= 14; ++row) {
            for (int c = 1; c <= 11; ++c)
                QCOMPARE(cell(grid, row, c), QStringLiteral("-"));
        }
    }
}

void VfoGridTest::changeFontSelectsRowOneAndEditRequest() {
    auto ds = FactoryDataSet(0);
    VfoGrid grid(*ds);
    grid.resize(900, 500);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    grid.ChangeFont();
    QCOMPARE(grid.currentRow(), 1);
    QCOMPARE(grid.currentIndex().column(), 0);
    QCOMPARE(grid.selectionModel()->selectedIndexes().size(), 11);

    QSignalSpy edit(&grid, &VfoGrid::editRequested);
    const QPoint band5 = grid.visualRect(grid.model()->index(5, 0)).center();
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, band5);
    QCOMPARE(edit.size(), 1);
    QCOMPARE(edit.at(0).at(0).toInt(), 6);
    QCOMPARE(grid.currentRow(), 6);
    QTest::keyClick(&grid, Qt::Key_Enter);
    QCOMPARE(edit.size(), 2);
    QCOMPARE(edit.at(1).at(0).toInt(), 6);
}

QTEST_MAIN(VfoGridTest)
#include "VfoGrid_test.moc"

// The import dialogs: a file with a header row shows the field of each
// column as its words say, and the user's choice moves a field from one
// column to another; Import needs the frequency, "as numbered" a position;
// the stock list dialog shows each list with its rows and sends them, as
// the destination box says, to the free entries first.
#include "app/ImportDestinationBox.h"
#include "app/ImportDialog.h"
#include "app/StockListDialog.h"
#include "support/TestFiles.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace mtz4;
using namespace mtz4::test;

class ImportDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void columnsAreMappedInTheDialog();
    void stockListsWithTheirRows();
};

void ImportDialogsTest::columnsAreMappedInTheDialog() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("club.csv"));
    QVERIFY(WriteFile(path, "Frequenz;Modus;Kanal;Bemerkung\n145,5;FM;S20;Anruf\n"));
    auto ds = FactoryDataSet();
    const CsvFileLook look = LookAtCsvFile(*ds, path);
    ImportDialog dialog(look, QStringLiteral("club.csv"), *ds, 103, DefaultDestination(look));
    const auto fields = [&dialog] {
        QStringList shown;
        for (int c = 0; c < 4; ++c)
            shown << dialog.fieldBox(c)->currentText();
        return shown;
    };
    QCOMPARE(fields(), (QStringList{"Frequency", "Mode", "(not imported)", "Note"}));
    QCOMPARE(dialog.preview()->item(1, 3)->text(), QStringLiteral("Anruf"));
    QVERIFY(dialog.importButton()->isEnabled());
    QVERIFY(!dialog.destinationBox()->asNumbered()->isEnabled());
    QVERIFY(dialog.destinationBox()->freeEntries()->isChecked());

    // The user's choices, one after the other.
    const struct {
        int column;
        ColumnField field;
        QStringList shown;
        bool canImport;
        bool asNumbered;
    } choices[] = {
        {2, ColumnField::Frequency, {"(not imported)", "Mode", "Frequency", "Note"}, true, false},
        {2, ColumnField::None, {"(not imported)", "Mode", "(not imported)", "Note"}, false, false},
        {0, ColumnField::Frequency, {"Frequency", "Mode", "(not imported)", "Note"}, true, false},
        {2, ColumnField::Position, {"Frequency", "Mode", "Position", "Note"}, true, true},
    };
    for (const auto& choice : choices) {
        QComboBox* box = dialog.fieldBox(choice.column);
        box->setCurrentIndex(int(choice.field));
        emit box->activated(int(choice.field));
        QCOMPARE(fields(), choice.shown);
        QCOMPARE(dialog.importButton()->isEnabled(), choice.canImport);
        QCOMPARE(dialog.destinationBox()->asNumbered()->isEnabled(), choice.asNumbered);
    }
    QCOMPARE(dialog.columns().columnOf(ColumnField::Position), 2);
    dialog.destinationBox()->fromRow()->setChecked(true);
    QCOMPARE(dialog.destination(), ImportDestination::fromEntry(103));
    QVERIFY(dialog.destinationBox()->fromRow()->text().contains(QStringLiteral("01-003")));
    dialog.destinationBox()->bank()->setValue(12);
    QCOMPARE(dialog.destination(), ImportDestination::intoBank(12));
}

void ImportDialogsTest::stockListsWithTheirRows() {
    const QList<StockList> lists = StockLists();
    QVERIFY(!lists.isEmpty());
    auto ds = FactoryDataSet();
    StockListDialog dialog(lists, *ds, -1);
    QCOMPARE(dialog.lists()->topLevelItemCount(), int(lists.size()));
    QVERIFY(!dialog.destinationBox()->asNumbered()->isEnabled());
    QVERIFY(!dialog.destinationBox()->fromRow()->isEnabled()); // no current row
    QCOMPARE(dialog.destination(), ImportDestination::freeEntries());
    for (int i = 0; i < lists.size(); ++i) {
        if (lists[i].name != QLatin1String("pmr446"))
            continue;
        dialog.lists()->setCurrentItem(dialog.lists()->topLevelItem(i));
        QCOMPARE(dialog.lists()->topLevelItem(i)->text(1), QStringLiteral("Europe (CEPT)"));
    }
    QCOMPARE(dialog.chosenName(), QStringLiteral("pmr446"));
    QCOMPARE(dialog.preview()->rowCount(), 16);
    QCOMPARE(dialog.preview()->item(15, 0)->text(), QStringLiteral("446.19375"));
}

QTEST_MAIN(ImportDialogsTest)
#include "ImportDialogs_test.moc"

// Properties, Fill Down and Fill Frequencies on rows selected with the keys
// of the real grid, their dialogs driven by keys: every row checked, the
// refusals reported, each command one undo step.
#include "EditingFixtures.h"
#include "editing/DataEditor.h"
#include "editing/FieldCommands.h"
#include "editing/GridLayout.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryPage.h"
#include "editing/PropertiesDialog.h"
#include "editing/UndoHistory.h"
#include "model/ProgramTranslations.h"

#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

using namespace mtz4;
using namespace mtz4::test;

class FieldCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // The English forms of counted texts, as the programs install them.
    void initTestCase() { InstallTranslations(*QCoreApplication::instance(), QString()); }
    void propertiesOnFortyRows();
    void propertiesCountsOneOrMany_data();
    void propertiesCountsOneOrMany();
    void propertiesReportsTheRowsRefused();
    void propertiesSaysWhyAKeyIsRefused();
    void fillDown();
    void fillFrequencies_data();
    void fillFrequencies();
};

namespace {

struct PageFixture {
    PageFixture() : ds(FactoryDataSet(0)), editor(*ds), history(editor), page(editor, prompter) {
        page.resize(900, 480);
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
    }
    MemoryGrid& grid() { return *page.MSFlexGrid1; }
    // Selects `count` rows from `entry` on with the keys, the current cell in `column`.
    void select(int entry, int count, int column = GridCol::Frequency) {
        grid().UpDateMemData();
        grid().setFocus();
        grid().setCurrentRow(entry + 1);
        grid().setCurrentIndex(grid().model()->index(entry, column - 1));
        for (int i = 1; i < count; ++i)
            QTest::keyClick(&grid(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(grid().selectedEntries().size(), count);
    }
    // Runs `command`; `user` acts on its dialog, which Enter then accepts.
    void withDialog(const std::function<void()>& command,
                    const std::function<void(QDialog&)>& user) {
        QTimer::singleShot(0, [user] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // A dialog over the page is active when the keyboard is in it.
            dialog->activateWindow();
            QTRY_VERIFY(QApplication::activeWindow() == dialog);
            user(*dialog);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            if (dialog->isVisible())
                dialog->reject();
        });
        command();
    }

    std::unique_ptr<DataSet> ds;
    DataEditor editor;
    UndoHistory history;
    ScriptedPrompter prompter;
    MemoryPage page;
};

// Chooses `text` in the list that has the focus with the arrow keys.
void choose(const QString& text) {
    auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
    QVERIFY(list);
    const int target = list->findText(text);
    QVERIFY(target >= 0);
    while (list->currentIndex() != target)
        QTest::keyClick(list, target > list->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
}

EntryValues Airband(int i) {
    EntryValues v;
    v.mhz = 118.0 + 0.025 * i;
    v.mode = 1;
    v.step = 2; // 8.33KHz
    v.name = QStringLiteral("A%1").arg(i);
    return v;
}

} // namespace

void FieldCommandsTest::propertiesOnFortyRows() {
    PageFixture f;
    for (int i = 0; i < 40; ++i)
        setEntry(*f.ds, i, Airband(i));
    f.ds->MemText[7][Col::Note] = QStringLiteral("tower");
    const auto before = std::make_unique<DataSet>(*f.ds);
    f.select(0, 40);
    f.withDialog(
        [&] { f.page.fields->properties(); },
        [](QDialog& d) {
            // Shared values show; the notes differ and show blank.
            QCOMPARE(d.findChildren<QComboBox*>().at(1)->currentText(), QStringLiteral("8.33KHz"));
            QCOMPARE(d.findChildren<QLineEdit*>().at(2)->text(), QString());
            QTest::keyClick(&d, Qt::Key_S, Qt::AltModifier); // the "Step" label's access key
            choose(QStringLiteral("25KHz"));
        });
    for (int i = 0; i < 40; ++i) {
        QCOMPARE(f.ds->MemText[i][Col::Step], QStringLiteral("25KHz"));
        QCOMPARE(f.ds->MemText[i][Col::Name], before->MemText[i][Col::Name]);
    }
    QCOMPARE(f.ds->MemText[7][Col::Note], QStringLiteral("tower"));
    QCOMPARE(f.history.undoText(), QStringLiteral("Edit 40 entries"));
    QCOMPARE(f.grid().selectedEntries().size(), 40); // still selected for the next command
    QVERIFY(
        f.prompter.statuses.last().contains(QStringLiteral("40 of 40 entries changed, 0 refused")));
    f.history.undo();
    QCOMPARE(f.ds->MemText, before->MemText);
    QVERIFY(!f.history.canUndo());
}

void FieldCommandsTest::propertiesCountsOneOrMany_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("step");
    QTest::newRow("one") << 1 << "Properties of 1 entry"
                         << "Properties: 1 of 1 entry changed, 0 refused"
                         << "Edit 00-000";
    QTest::newRow("two") << 2 << "Properties of 2 entries"
                         << "Properties: 2 of 2 entries changed, 0 refused"
                         << "Edit 2 entries";
}

void FieldCommandsTest::propertiesCountsOneOrMany() {
    QFETCH(int, rows);
    QFETCH(QString, title);
    PageFixture f;
    for (int i = 0; i < rows; ++i)
        setEntry(*f.ds, i, Airband(i));
    f.select(0, rows);
    QString shown;
    f.withDialog([&] { f.page.fields->properties(); },
                 [&](QDialog& d) {
                     shown = d.windowTitle();
                     QTest::keyClick(&d, Qt::Key_S, Qt::AltModifier);
                     choose(QStringLiteral("25KHz"));
                 });
    QCOMPARE(shown, title);
    QTEST(f.prompter.statuses.last(), "summary");
    QTEST(f.history.undoText(), "step");
}

void FieldCommandsTest::propertiesReportsTheRowsRefused() {
    PageFixture f;
    for (int i = 0; i < 3; ++i)
        setEntry(*f.ds, FirstSearchPassEntry + i, Airband(i));
    // Three Search Pass entries and an empty one given one frequency: the
    // first takes it, the others (the empty one too) repeat it and are refused.
    f.select(FirstSearchPassEntry, 4);
    f.withDialog([&] { f.page.fields->properties(); },
                 [](QDialog& d) {
                     QTest::keyClick(&d, Qt::Key_F, Qt::AltModifier);
                     typeKeys(QApplication::focusWidget(), QStringLiteral("162,55"));
                 });
    QCOMPARE(f.ds->MemText[FirstSearchPassEntry][Col::Freq], QStringLiteral("162.550000"));
    QCOMPARE(f.ds->MemText[FirstSearchPassEntry + 1][Col::Freq], QStringLiteral("118.025000"));
    QCOMPARE(f.history.undoText(), QStringLiteral("Edit S0"));
    QCOMPARE(f.prompter.prompts.size(), 1);
    const QStringList lines = f.prompter.prompts.at(0).text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.at(0), QStringLiteral("Properties: 1 of 4 entries changed, 3 refused"));
    QCOMPARE(lines.at(1), QStringLiteral("S1: \"162,55\" was not taken: a frequency another Search "
                                         "Pass entry has"));
    QCOMPARE(lines.at(3), QStringLiteral("S3: \"162,55\" was not taken: a frequency another Search "
                                         "Pass entry has"));
}

void FieldCommandsTest::propertiesSaysWhyAKeyIsRefused() {
    // A letter the name cannot hold is refused with its reason in the
    // dialog, not dropped without a word.
    const auto ds = FactoryDataSet(0);
    PropertiesDialog dialog(*ds, {0, 1});
    dialog.show();
    auto* name = qobject_cast<QLineEdit*>(dialog.control(EditField::Name));
    QVERIFY(name);
    auto* refusal = dialog.findChild<QLabel*>(QStringLiteral("lblRefusal"));
    QVERIFY(refusal && !refusal->isVisible());
    QTest::keyClicks(name, QStringLiteral("AB"));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(name, &accented);
    QCOMPARE(name->text(), QStringLiteral("AB"));
    QVERIFY(refusal->isVisible());
    QVERIFY2(!refusal->text().isEmpty(), "no reason shown");
}

void FieldCommandsTest::fillDown() {
    PageFixture f;
    for (int i = 0; i < 5; ++i) {
        EntryValues v = Airband(i);
        v.tone = i;
        setEntry(*f.ds, 100 + i, v);
    }
    f.select(100, 4, GridCol::Tone);
    f.page.fields->fillDown();
    for (int i = 0; i < 5; ++i)
        QCOMPARE(f.ds->MemData[100 + i][Col::Tone], i == 4 ? 4.0 : 0.0);
    QCOMPARE(f.ds->MemData[101][Col::Freq], 118.025); // only the column copied
    QCOMPARE(f.history.undoText(), QStringLiteral("Fill Down Tone"));
    QCOMPARE(f.grid().selectedEntries().size(), 4);
    QCOMPARE(f.grid().currentIndex().column(), GridCol::Tone - 1);
    f.history.undo();
    QCOMPARE(f.ds->MemData[103][Col::Tone], 3.0);
}

void FieldCommandsTest::fillFrequencies_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("filled");
    QTest::addColumn<int>("refused");
    QTest::newRow("PMR446") << "446,00625"
                            << "12,5"
                            << QStringList{"446.006250", "446.018750", "446.031250", "446.043750"}
                            << 0;
    QTest::newRow("airband 8.33") << "118.1"
                                  << "8.33"
                                  << QStringList{"118.100000", "118.108333", "118.116667",
                                                 "118.125000"}
                                  << 0;
    QTest::newRow("past the top") << "1299.99"
                                  << "5" << QStringList{"1299.990000", "1299.995000", "", ""} << 2;
}

void FieldCommandsTest::fillFrequencies() {
    QFETCH(QString, start);
    QFETCH(QString, step);
    QFETCH(QStringList, filled);
    QFETCH(int, refused);
    PageFixture f;
    f.select(600, 4);
    f.withDialog([&] { f.page.fields->fillFrequencies(); },
                 [&](QDialog& d) {
                     typeInto(d.findChild<QLineEdit*>(QStringLiteral("txtStart")), start);
                     QTest::keyClick(&d, Qt::Key_T, Qt::AltModifier);
                     QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                     typeKeys(QApplication::focusWidget(), step);
                 });
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(f.ds->MemText[600 + i][Col::Freq], filled[i]);
        QCOMPARE(f.ds->MemEnable[600 + i], !filled[i].isEmpty());
    }
    QCOMPARE(f.history.undoText(), QStringLiteral("Fill Frequencies"));
    QCOMPARE(f.prompter.prompts.size(), refused ? 1 : 0);
    if (refused)
        QVERIFY(f.prompter.prompts.at(0).text.contains(
            QStringLiteral("06-002: \"1300.000000\" was not taken: a frequency outside")));
    f.history.undo();
    QVERIFY(!f.ds->MemEnable[600]);
}

QTEST_MAIN(FieldCommandsTest)
#include "FieldCommands_test.moc"

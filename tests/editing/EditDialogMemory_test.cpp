// The edit dialog on memory entries: opening on each list, model rules,
// Hold and the defaults, key filters, the checks on leaving the frequency and
// offset boxes, OK and Cancel.
#include "EditingFixtures.h"
#include "editing/EditDialog.h"
#include "editing/MemoryGrid.h"
#include "files/CloneFile.h"
#include "model/NumericText.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

using namespace mtz4;
using namespace mtz4::test;

class EditDialogMemoryTest : public QObject {
    Q_OBJECT

private slots:
    void controls();
    void openingOnEachList();
    void optionsAndListsPerModel();
    void holdKeepsThePreviousValuesResetGivesDefaults();
    void keyFilters();
    void frequencyRangeRestoresTheStoredText();
    void cellularFrequenciesOnModelTwo();
    void searchPassFrequenciesAreUnique();
    void offsetRange();
    void okStoresEveryField();
    void okStoresTheDefaultsOfDisabledLists();
    void cancelStoresNothing();
    void clearingSkipRemovesTheMarker();
    void okRepeatsTheChecks();
    void storedValuesAreKeptWhole();
    void japaneseNoteIsSavedInShiftJis();
};

namespace {

using Fixture = DialogFixture;

// Types `text` into `box` and leaves it with Tab.
void enterAndLeave(QLineEdit* box, const QString& text) {
    typeInto(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

EntryValues sample() {
    EntryValues v;
    v.mhz = 430.5;
    v.mode = 1;
    v.step = 9;
    v.option = 2;
    v.tone = 20;
    v.shiftDir = 2;
    v.shift = 5.0;
    v.note = QStringLiteral("club net");
    v.name = QStringLiteral("CLUB");
    v.skip = 1;
    return v;
}

} // namespace

void EditDialogMemoryTest::controls() {
    Fixture f;
    dlgModify& d = f.dialog;
    QCOMPARE(d.findChild<QLineEdit*>(QStringLiteral("txtFreq")), d.txtFreq);
    QCOMPARE(d.findChild<QRadioButton*>(QStringLiteral("opbStep17")), d.opbStep[17]);
    QCOMPARE(d.opbStep[16]->text(), QStringLiteral("1KHz"));
    QCOMPARE(d.opbTone[3]->text(), QStringLiteral("Reverse"));
    QCOMPARE(d.opbSift[1]->text(), QStringLiteral("+"));
    QCOMPARE(d.txtFreq->maxLength(), 11);
    QCOMPARE(d.txtShift->maxLength(), 9);
    QCOMPARE(d.txtNote->maxLength(), 30);
    QCOMPARE(d.txtName->maxLength(), 6);
    QCOMPARE(d.cbbTxTone->count(), 39);
    QCOMPARE(d.cbbTxTone->currentIndex(), 0);
    QCOMPARE(d.cbbAir->count(), 29);
    QCOMPARE(d.cbbAir->itemText(0), QStringLiteral("300Hz"));
    QCOMPARE(d.cbbAir->itemText(27), QStringLiteral("3000Hz"));
    QCOMPARE(d.cbbAir->itemText(28), QStringLiteral("JR"));
    QCOMPARE(d.cbbSec->count(), 29);
    QCOMPARE(d.cbbSec->itemText(28), QStringLiteral("28"));
    QCOMPARE(d.nameLabel->text(), QStringLiteral("NAME"));
    QCOMPARE(d.offsetLabel->text(), QStringLiteral("Offset Frequency"));
    // Every list has a name for screen readers; the frame offers nothing to
    // minimise or maximise.
    for (const QComboBox* list : d.findChildren<QComboBox*>())
        QVERIFY2(!list->accessibleName().isEmpty(), qPrintable(list->objectName()));
    QVERIFY(!(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

void EditDialogMemoryTest::openingOnEachList() {
    Fixture f;
    setEntry(*f.ds, 316, sample());
    dlgModify& d = f.dialog;
    const auto where = [&](int row, const QString& label, const QString& list,
                           const QString& position) {
        f.open(
            row,
            [&] {
                QCOMPARE(d.windowTitle(), QStringLiteral("Modify Memory"));
                QCOMPARE(d.lblMode->text(), list);
                QCOMPARE(d.lblCH->text(), position);
                QVERIFY(d.lblMHz->text().isEmpty());
                QVERIFY(d.chkEnable->isHidden());
                QVERIFY(!d.chkSkip->isHidden() && !d.chkHold->isHidden());
                QVERIFY(!d.txtName->isHidden() && !d.nameLabel->isHidden());
                QCOMPARE(QApplication::focusWidget(), d.txtFreq);
                QCOMPARE(d.txtFreq->selectedText(), d.txtFreq->text());
            },
            label);
        QVERIFY(d.EditingMemory);
        QCOMPARE(d.EditIndex, row);
    };
    where(317, QStringLiteral("03-017"), QStringLiteral("Bank 03"), QStringLiteral("017Ch"));
    where(1001, QStringLiteral("0A"), QStringLiteral("Program Scan"), QStringLiteral("0 - A"));
    where(1100, QStringLiteral("49B"), QStringLiteral("Program Scan"), QStringLiteral("49 - B"));
    where(1106, QStringLiteral("S5"), QStringLiteral("Search Pass"), QStringLiteral("5Ch"));
    where(1300, QStringLiteral("Pr99"), QStringLiteral("Priority"), QStringLiteral("99Ch"));

    // The entry's values fill the controls.
    f.open(317, [&] {
        QCOMPARE(d.txtFreq->text(), QStringLiteral("430.500000"));
        QCOMPARE(checkedIndex(d.opbWave), 1);
        QCOMPARE(checkedIndex(d.opbStep), 9);
        QCOMPARE(checkedIndex(d.opbTone), 2);
        QCOMPARE(d.cbbTxTone->currentIndex(), 20);
        QCOMPARE(checkedIndex(d.opbSift), 2);
        QCOMPARE(d.txtShift->text(), QStringLiteral("5.000000"));
        QCOMPARE(d.txtNote->text(), QStringLiteral("club net"));
        QCOMPARE(d.txtName->text(), QStringLiteral("CLUB"));
        QVERIFY(d.chkSkip->isChecked());
        QCOMPARE(d.cbbAir->currentIndex(), 28);
    });

    // The header row opens nothing.
    QVERIFY(!d.MSFlexGrid1_DblClick(0, QString()));
    QVERIFY(!d.isVisible());
}

void EditDialogMemoryTest::optionsAndListsPerModel() {
    for (int model : {0, 1, 2, 3}) {
        Fixture f(model);
        dlgModify& d = f.dialog;
        f.open(1, [&] {
            QCOMPARE(d.opbTone[1]->isEnabled(), model == 0);
            QCOMPARE(d.cbbAir->isEnabled(), model == 0);
            QCOMPARE(d.opbTone[4]->isEnabled(), model == 1);
            QCOMPARE(d.cbbSec->isEnabled(), model == 1);
            if (model != 0)
                QCOMPARE(d.cbbAir->currentIndex(), -1);
            if (model != 1)
                QCOMPARE(d.cbbSec->currentIndex(), -1);
            for (auto* b : d.opbStep)
                QVERIFY(b->isEnabled());
            QVERIFY(d.opbTone[0]->isEnabled() && d.opbTone[2]->isEnabled());
        });
        QCOMPARE(f.ds->ModelIndex, model);
    }
}

void EditDialogMemoryTest::holdKeepsThePreviousValuesResetGivesDefaults() {
    Fixture f;
    setEntry(*f.ds, 5, sample());
    dlgModify& d = f.dialog;
    f.open(6, [] {});

    d.chkHold->setChecked(true);
    f.open(7, [&] {
        QCOMPARE(d.txtFreq->text(), QStringLiteral("430.500000"));
        QCOMPARE(checkedIndex(d.opbStep), 9);
        QCOMPARE(d.txtNote->text(), QStringLiteral("club net"));
        QVERIFY(d.chkHold->isChecked());
    });

    d.chkHold->setChecked(false);
    f.open(7, [&] {
        QCOMPARE(d.txtFreq->text(), QStringLiteral("145.000000"));
        QCOMPARE(checkedIndex(d.opbWave), 0);
        QCOMPARE(d.opbStep[checkedIndex(d.opbStep)]->text(), QStringLiteral("20KHz"));
        QCOMPARE(checkedIndex(d.opbTone), 0);
        QCOMPARE(d.cbbTxTone->currentText(), QStringLiteral("88.5Hz"));
        QCOMPARE(checkedIndex(d.opbSift), 0);
        QCOMPARE(d.txtShift->text(), QStringLiteral("0.600000"));
        QVERIFY(d.chkEnable->isChecked());
        QVERIFY(!d.chkSkip->isChecked());
        QVERIFY(d.txtNote->text().isEmpty());
        QVERIFY(d.txtName->text().isEmpty());
        QCOMPARE(d.cbbAir->currentText(), QStringLiteral("JR"));
        QCOMPARE(d.cbbSec->currentIndex(), -1);
    });
}

void EditDialogMemoryTest::keyFilters() {
    Fixture f;
    dlgModify& d = f.dialog;
    f.open(1, [&] {
        d.txtFreq->clear();
        QTest::keyClicks(d.txtFreq, QStringLiteral("1a4-5+.5 .2"));
        QCOMPARE(d.txtFreq->text(), QStringLiteral("145.52"));
        // A "." is refused even when the selection holds the present one.
        d.txtFreq->selectAll();
        QTest::keyClick(d.txtFreq, Qt::Key_Period);
        QCOMPARE(d.txtFreq->text(), QStringLiteral("145.52"));
        QTest::keyClick(d.txtFreq, Qt::Key_Backspace);
        QCOMPARE(d.txtFreq->text(), QString());
        QTest::keyClicks(d.txtFreq, QStringLiteral("123456789012345"));
        QCOMPARE(d.txtFreq->text(), QStringLiteral("12345678901"));
        // A comma is a decimal mark as a point is: one mark of either.
        d.txtFreq->clear();
        QTest::keyClicks(d.txtFreq, QStringLiteral("118,7.,5"));
        QCOMPARE(d.txtFreq->text(), QStringLiteral("118,75"));
        QTest::keyClick(d.txtFreq, Qt::Key_Tab);
        QCOMPARE(d.txtFreq->text(), QStringLiteral("118.750000"));

        d.txtShift->clear();
        QTest::keyClicks(d.txtShift, QStringLiteral("-0.6.0x"));
        QCOMPARE(d.txtShift->text(), QStringLiteral("0.60"));
        // Pasted text obeys the same rule.
        d.txtShift->clear();
        d.txtShift->insert(QStringLiteral("1.2.3"));
        QCOMPARE(d.txtShift->text(), QString());

        d.txtName->clear();
        typeKeys(d.txtName, QStringLiteral("Ab~\u00e9\u00c4 7xyz"));
        QCOMPARE(d.txtName->text(), QStringLiteral("Ab~ 7x"));
        QCOMPARE(f.prompter.reasons.size(), 2); // a word for each refused letter
        QVERIFY(f.prompter.reasons.at(1).contains(QStringLiteral("\"\u00c4\"")));
        f.prompter.reasons.clear();

        // The note takes what the note code page (Western here) holds, on
        // one line, and the status bar says why a character is refused.
        d.txtNote->clear();
        typeKeys(d.txtNote, QStringLiteral("Caf\u00e9 \u20ac\u65e5 5\u00b0"));
        QCOMPARE(d.txtNote->text(), QStringLiteral("Caf\u00e9 \u20ac 5\u00b0"));
        QCOMPARE(f.prompter.reasons.size(), 1);
        QVERIFY(f.prompter.reasons.at(0).contains(QStringLiteral("\u65e5")));
        d.txtNote->clear();
        d.txtNote->insert(QStringLiteral("a\nb\u00ff"));
        QCOMPARE(d.txtNote->text(), QStringLiteral("a b\u00ff"));
        d.txtNote->insert(QStringLiteral("\u0142"));
        QCOMPARE(d.txtNote->text(), QStringLiteral("a b\u00ff"));
    });
}

void EditDialogMemoryTest::frequencyRangeRestoresTheStoredText() {
    Fixture f;
    setEntry(*f.ds, 20, sample());
    dlgModify& d = f.dialog;
    for (const QString& typed : {QStringLiteral("0.05"), QStringLiteral("1300")}) {
        f.open(21, [&] {
            enterAndLeave(d.txtFreq, typed);
            QCOMPARE(d.txtFreq->text(), QStringLiteral("430.500000"));
        });
        f.open(22, [&] { // an empty entry
            enterAndLeave(d.txtFreq, typed);
            QCOMPARE(d.txtFreq->text(), QStringLiteral("145.000000"));
        });
    }
    f.open(21, [&] {
        enterAndLeave(d.txtFreq, QStringLiteral("0.1"));
        QCOMPARE(d.txtFreq->text(), QStringLiteral("0.100000"));
        enterAndLeave(d.txtFreq, QStringLiteral("1299.995"));
        QCOMPARE(d.txtFreq->text(), QStringLiteral("1299.995000"));
        enterAndLeave(d.txtFreq, QStringLiteral("145.1234567"));
        QCOMPARE(d.txtFreq->text(), QStringLiteral("145.123457"));
    });
    QVERIFY(f.prompter.prompts.isEmpty());
    // No message box, but the status bar says why each typed value went back.
    QCOMPARE(f.prompter.reasons.size(), 4);
    QCOMPARE(f.prompter.reasons.at(1), QStringLiteral("Frequency: \"0.05\" was not taken: a "
                                                      "frequency outside 0.1 .. 1299.995 MHz"));
}

void EditDialogMemoryTest::cellularFrequenciesOnModelTwo() {
    Fixture f(2);
    dlgModify& d = f.dialog;
    f.open(1, [&] {
        for (const QString& typed : {QStringLiteral("849.995"), QStringLiteral("869")}) {
            f.prompter.clear();
            enterAndLeave(d.txtFreq, typed);
            QCOMPARE(d.txtFreq->text(), QStringLiteral("145.000000"));
            QCOMPARE(f.prompter.prompts.size(), 1);
            const Prompt& p = f.prompter.prompts.at(0);
            QCOMPARE(p.text, QStringLiteral("It is a frequency of the cellular phone.\r\n"
                                            "It is not possible to set it."));
            QCOMPARE(p.title, QStringLiteral("Frequency of the cellular phone"));
            QCOMPARE(p.icon, PromptIcon::Critical);
        }
        f.prompter.clear();
        enterAndLeave(d.txtFreq, QStringLiteral("850"));
        QCOMPARE(d.txtFreq->text(), QStringLiteral("850.000000"));
        enterAndLeave(d.txtFreq, QStringLiteral("868.995"));
        QCOMPARE(d.txtFreq->text(), QStringLiteral("868.995000"));
        QVERIFY(f.prompter.prompts.isEmpty());
    });

    Fixture other(3);
    other.open(1, [&] {
        enterAndLeave(other.dialog.txtFreq, QStringLiteral("849.995"));
        QCOMPARE(other.dialog.txtFreq->text(), QStringLiteral("849.995000"));
    });
    QVERIFY(other.prompter.prompts.isEmpty());
}

void EditDialogMemoryTest::searchPassFrequenciesAreUnique() {
    Fixture f;
    EntryValues v;
    v.mhz = 162.55;
    setEntry(*f.ds, 1150, v);
    dlgModify& d = f.dialog;
    const QString duplicate =
        QStringLiteral("The same frequency as other channels cannot be set in Search Pass bank.");

    f.open(1106, [&] { // entry 1105
        enterAndLeave(d.txtFreq, QStringLiteral("162.55"));
        QCOMPARE(d.txtFreq->text(), QStringLiteral("145.000000"));
    });
    QCOMPARE(f.prompter.texts(), QStringList{duplicate});
    QCOMPARE(f.prompter.prompts.at(0).title, QStringLiteral("ERROR"));

    // The entry itself may keep its frequency.
    f.prompter.clear();
    f.open(1151, [&] {
        enterAndLeave(d.txtFreq, QStringLiteral("162.55"));
        QCOMPARE(d.txtFreq->text(), QStringLiteral("162.550000"));
    });
    f.ds->MemEnable[1150] = false;
    f.open(1106, [&] {
        enterAndLeave(d.txtFreq, QStringLiteral("162.55"));
        QCOMPARE(d.txtFreq->text(), QStringLiteral("162.550000"));
    });
    f.ds->MemEnable[1150] = true;
    for (int row : {1100, 1201, 1}) { // Program Scan, Priority, a channel
        f.open(row, [&] {
            enterAndLeave(d.txtFreq, QStringLiteral("162.55"));
            QCOMPARE(d.txtFreq->text(), QStringLiteral("162.550000"));
        });
    }
    QVERIFY(f.prompter.prompts.isEmpty());
}

void EditDialogMemoryTest::offsetRange() {
    Fixture f;
    setEntry(*f.ds, 0, sample()); // offset 5 MHz
    dlgModify& d = f.dialog;
    f.open(1, [&] {
        enterAndLeave(d.txtShift, QStringLiteral("100"));
        QCOMPARE(d.txtShift->text(), QStringLiteral("5.000000"));
        d.txtShift->setFocus();
        d.txtShift->setText(QStringLiteral("-1")); // "-" cannot be typed
        QTest::keyClick(d.txtShift, Qt::Key_Tab);
        QCOMPARE(d.txtShift->text(), QStringLiteral("5.000000"));
        enterAndLeave(d.txtShift, QStringLiteral("99.999999"));
        QCOMPARE(d.txtShift->text(), QStringLiteral("99.999999"));
        enterAndLeave(d.txtShift, QStringLiteral("0,6"));
        QCOMPARE(d.txtShift->text(), QStringLiteral("0.600000"));
        typeInto(d.txtShift, QString());
        QTest::keyClick(d.txtShift, Qt::Key_Backspace);
        QTest::keyClick(d.txtShift, Qt::Key_Period);
        QTest::keyClick(d.txtShift, Qt::Key_Tab);
        QCOMPARE(d.txtShift->text(), QStringLiteral("0.000000"));
    });
    QVERIFY(f.prompter.prompts.isEmpty());
    QCOMPARE(f.prompter.reasons,
             QStringList({QStringLiteral("Offset Frequency: \"100\" was not taken: an offset "
                                         "outside 0 .. 99.999999 MHz"),
                          QStringLiteral("Offset Frequency: \"-1\" was not taken: an offset "
                                         "outside 0 .. 99.999999 MHz")}));
}

void EditDialogMemoryTest::okStoresEveryField() {
    Fixture f;
    dlgModify& d = f.dialog;
    QSignalSpy stored(&d, &dlgModify::memoryStored);
    const bool ok = f.open(11, [&] {
        enterAndLeave(d.txtFreq, QStringLiteral("433.125"));
        click(d.opbWave[2]);
        click(d.opbStep[4]);
        click(d.opbTone[1]);
        d.cbbAir->setCurrentIndex(5);
        d.cbbTxTone->setCurrentIndex(12);
        click(d.opbSift[1]);
        enterAndLeave(d.txtShift, QStringLiteral("1.6"));
        click(d.chkSkip);
        typeInto(d.txtNote, QStringLiteral("Caf\u00e9"));
        typeInto(d.txtName, QStringLiteral("MARINA"));
        QTest::mouseClick(d.OKButton, Qt::LeftButton);
        QVERIFY(!d.isVisible());
    });
    QVERIFY(ok);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.at(0).at(0).toInt(), 10);
    QVERIFY(f.ds->DataChanged);

    const auto& n = f.ds->MemData[10];
    const auto& t = f.ds->MemText[10];
    QCOMPARE(n[Col::Freq], 433.125);
    QCOMPARE(t[Col::Freq], QStringLiteral("433.125000"));
    QCOMPARE(n[Col::Mode], 2.0);
    QCOMPARE(t[Col::Mode], QStringLiteral("WFM"));
    QCOMPARE(n[Col::Step], 4.0);
    QCOMPARE(t[Col::Step], QStringLiteral("12.5KHz"));
    QCOMPARE(n[Col::Option], 1.0);
    QCOMPARE(t[Col::Option], QStringLiteral("Train"));
    QCOMPARE(n[Col::Carrier], 5.0);
    QCOMPARE(t[Col::Carrier], QStringLiteral("800Hz"));
    QCOMPARE(n[Col::Secret], 11.0);
    QCOMPARE(t[Col::Secret], QStringLiteral("11"));
    QCOMPARE(n[Col::Tone], 12.0);
    QCOMPARE(t[Col::Tone], QStringLiteral("100.0Hz"));
    QCOMPARE(n[Col::ShiftDir], 1.0);
    QCOMPARE(t[Col::ShiftDir], QStringLiteral("Shift+"));
    QCOMPARE(n[Col::Shift], 1.6);
    QCOMPARE(t[Col::Shift], QStringLiteral("1.600000"));
    QCOMPARE(t[Col::Note], QStringLiteral("Caf\u00e9"));
    QCOMPARE(t[Col::Name], QStringLiteral("MARINA"));
    QCOMPARE(n[Col::Skip], 1.0);
    QVERIFY(f.ds->MemEnable[10]);
}

void EditDialogMemoryTest::okStoresTheDefaultsOfDisabledLists() {
    {
        Fixture f(1);
        EntryValues v;
        v.carrier = 3;
        setEntry(*f.ds, 0, v);
        f.open(1, [&] {
            click(f.dialog.opbTone[4]);
            f.dialog.cbbSec->setCurrentIndex(3);
            QTest::keyClick(f.dialog.txtFreq, Qt::Key_Return);
        });
        QCOMPARE(f.ds->MemData[0][Col::Carrier], 28.0);
        QCOMPARE(f.ds->MemText[0][Col::Carrier], QStringLiteral("JR"));
        QCOMPARE(f.ds->MemData[0][Col::Option], 4.0);
        QCOMPARE(f.ds->MemText[0][Col::Option], QStringLiteral("Scr"));
        QCOMPARE(f.ds->MemData[0][Col::Secret], 3.0);
    }
    {
        Fixture f(0);
        EntryValues v;
        v.secret = 2;
        setEntry(*f.ds, 0, v);
        f.open(1, [&] { QTest::mouseClick(f.dialog.OKButton, Qt::LeftButton); });
        QCOMPARE(f.ds->MemData[0][Col::Secret], 11.0);
        QCOMPARE(f.ds->MemText[0][Col::Secret], QStringLiteral("11"));
    }
}

void EditDialogMemoryTest::cancelStoresNothing() {
    Fixture f;
    setEntry(*f.ds, 0, sample());
    const auto before = f.ds->MemText[0];
    QSignalSpy stored(&f.dialog, &dlgModify::memoryStored);
    const bool ok = f.open(1, [&] {
        enterAndLeave(f.dialog.txtFreq, QStringLiteral("146"));
        typeInto(f.dialog.txtNote, QStringLiteral("changed"));
        QTest::mouseClick(f.dialog.CancelButton, Qt::LeftButton);
        QVERIFY(!f.dialog.isVisible());
    });
    QVERIFY(!ok);
    QCOMPARE(stored.size(), 0);
    QCOMPARE(f.ds->MemText[0], before);
    QVERIFY(!f.ds->DataChanged);
    // The controls keep what the user left in them.
    QCOMPARE(f.dialog.txtNote->text(), QStringLiteral("changed"));
}

void EditDialogMemoryTest::clearingSkipRemovesTheMarker() {
    Fixture f;
    setEntry(*f.ds, 7, sample());
    MemoryGrid grid(*f.ds);
    QObject::connect(&f.dialog, &dlgModify::memoryStored, &grid, &MemoryGrid::UpDateMemData);
    grid.UpDateMemData();
    const QModelIndex skip = grid.model()->index(7, 4);
    QCOMPARE(skip.data().toString(), QStringLiteral("*"));
    f.open(8, [&] {
        QVERIFY(f.dialog.chkSkip->isChecked());
        click(f.dialog.chkSkip);
        QTest::mouseClick(f.dialog.OKButton, Qt::LeftButton);
    });
    QCOMPARE(f.ds->MemData[7][Col::Skip], 0.0);
    QCOMPARE(skip.data().toString(), QString());
}

void EditDialogMemoryTest::okRepeatsTheChecks() {
    Fixture f(2);
    setEntry(*f.ds, 0, sample());
    dlgModify& d = f.dialog;
    QSignalSpy stored(&d, &dlgModify::memoryStored);
    const auto before = f.ds->MemText[0];
    const auto pressEnterWith = [&](QLineEdit* box, const QString& typed) {
        typeInto(box, typed);
        QTest::keyClick(box, Qt::Key_Return); // the focus never leaves the box
    };

    const bool ok = f.open(1, [&] {
        pressEnterWith(d.txtFreq, QStringLiteral("1300"));
        QVERIFY(d.isVisible());
        QCOMPARE(d.txtFreq->text(), QStringLiteral("430.500000"));

        pressEnterWith(d.txtFreq, QStringLiteral("869"));
        QVERIFY(d.isVisible());
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts.at(0).title, QStringLiteral("Frequency of the cellular phone"));
        QCOMPARE(d.txtFreq->text(), QStringLiteral("430.500000"));

        pressEnterWith(d.txtShift, QStringLiteral("100"));
        QVERIFY(d.isVisible());
        QCOMPARE(d.txtShift->text(), QStringLiteral("5.000000"));
        QCOMPARE(stored.size(), 0);
        QCOMPARE(f.ds->MemText[0], before);
        QVERIFY(!f.ds->DataChanged);

        // Clicking OK runs them too; an accepted value is stored as shown.
        typeInto(d.txtFreq, QStringLiteral("0.05"));
        QTest::mouseClick(d.OKButton, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(stored.size(), 0);
        pressEnterWith(d.txtFreq, QStringLiteral("440.1"));
        QVERIFY(!d.isVisible());
    });
    QVERIFY(ok);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(f.ds->MemText[0][Col::Freq], QStringLiteral("440.100000"));
    QCOMPARE(f.ds->MemData[0][Col::Freq], 440.1);
}

// What the dialog opens with and the user does not touch is stored as it
// was: a note longer than the typing limit, an offset of 100 MHz or more, and
// a stored frequency that a check would refuse if it were typed.
void EditDialogMemoryTest::storedValuesAreKeptWhole() {
    const QString longNote = QStringLiteral("Forty characters of note, kept whole \u00e9!!");
    QCOMPARE(longNote.size(), 40);
    struct Case {
        const char* what;
        int model;
        int entry;
        double mhz;
        double shift;
    };
    const Case cases[] = {
        {"cellular frequency read from an MT-Z40T", 2, 0, 849.995, 0.6},
        {"Search Pass frequency that another entry already has", 0, 1105, 162.55, 0.6},
        {"offset of 100 MHz or more", 0, 0, 145.5, 123.456789},
    };
    for (const Case& c : cases) {
        Fixture f(c.model);
        EntryValues v = sample();
        v.mhz = c.mhz;
        v.shift = c.shift;
        v.note = longNote;
        setEntry(*f.ds, c.entry, v);
        setEntry(*f.ds, 1150, v); // the same Search Pass frequency, enabled
        dlgModify& d = f.dialog;
        const bool ok = f.open(c.entry + 1, [&] {
            QCOMPARE(d.txtShift->text(), FormatMHz(c.shift));
            QCOMPARE(d.txtNote->text(), longNote);
            d.chkSkip->setChecked(false);
            QTest::keyClick(d.txtFreq, Qt::Key_Return);
        });
        QVERIFY2(ok, c.what);
        QVERIFY2(f.prompter.prompts.isEmpty(), c.what);
        const auto& t = f.ds->MemText[c.entry];
        QCOMPARE(t[Col::Freq], FormatMHz(c.mhz));
        QCOMPARE(t[Col::Shift], FormatMHz(c.shift));
        QCOMPARE(t[Col::Note], longNote);
        QCOMPARE(f.ds->MemData[c.entry][Col::Skip], 0.0);
    }

    // Typing is limited all the same: a long note can be shortened but not
    // lengthened, and once within 30 characters it stays within them.
    Fixture f;
    EntryValues v = sample();
    v.note = longNote;
    setEntry(*f.ds, 0, v);
    dlgModify& d = f.dialog;
    f.open(1, [&] {
        d.txtNote->setFocus();
        d.txtNote->end(false);
        QTest::keyClick(d.txtNote, Qt::Key_X);
        QCOMPARE(d.txtNote->text(), longNote);
        for (int i = 0; i < 15; ++i)
            QTest::keyClick(d.txtNote, Qt::Key_Backspace);
        QTest::keyClicks(d.txtNote, QStringLiteral("0123456789"));
        QCOMPARE(d.txtNote->text(), longNote.left(25) + QStringLiteral("01234"));
        d.txtShift->clear();
        QTest::keyClicks(d.txtShift, QStringLiteral("123.4567890"));
        QCOMPARE(d.txtShift->text(), QStringLiteral("123.45678"));
    });
}

// Under the Japanese code page a Japanese note is typed, stored and saved
// as its Shift-JIS bytes; a note left as it was keeps the bytes it was read as.
void EditDialogMemoryTest::japaneseNoteIsSavedInShiftJis() {
    Fixture f;
    f.ds->NoteCodePage = CodePage::Japanese;
    setEntry(*f.ds, 3, EntryValues{});
    f.ds->MemText[3][Col::Note] = QStringLiteral("\uFFFD");
    f.ds->MemNoteBytes[3] = "\xA0";
    dlgModify& d = f.dialog;
    QVERIFY(f.open(1, [&] {
        typeInto(d.txtNote, QStringLiteral("\u6771\u4eac\u30bf\u30ef\u30fc 10\u301c12"));
        QTest::mouseClick(d.OKButton, Qt::LeftButton);
    }));
    QVERIFY(f.open(4, [&] { QTest::mouseClick(d.OKButton, Qt::LeftButton); }));
    QVERIFY(f.prompter.reasons.isEmpty());
    const QList<QByteArray> lines = CloneFileText(*f.ds).split('\n');
    QCOMPARE(lines[1337], QByteArray("\x93\x8C\x8B\x9E\x83\x5E\x83\x8F\x81\x5B 10\x81\x60"
                                     "12\r"));
    QCOMPARE(lines[1337 + 3], QByteArray("\xA0\r"));
}

QTEST_MAIN(EditDialogMemoryTest)
#include "EditDialogMemory_test.moc"

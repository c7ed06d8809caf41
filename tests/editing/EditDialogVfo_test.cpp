// The edit dialog on VFO bands: steps and options per band and model, bands
// a model lacks, the frequency checks of a band and OK.
#include "EditingFixtures.h"
#include "editing/EditDialog.h"
#include "model/ReferenceTables.h"
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

class EditDialogVfoTest : public QObject {
    Q_OBJECT

private slots:
    void captionsAndHiddenControls();
    void bandZeroOffersOnlyOneKilohertz();
    void bandOnePerModel();
    void stepsOfBandsTwoToThirteen();
    void bandsTheModelLacksOpenNothing();
    void optionsTheModelLacksOpenAsNone();
    void frequencyChecksOfABand();
    void okStoresTheBand();
    void okKeepsStoredValuesThatFailTheChecks();
};

namespace {

using Fixture = DialogFixture;

QList<int> enabledSteps(const dlgModify& d) {
    QList<int> result;
    for (std::size_t i = 0; i < d.opbStep.size(); ++i) {
        if (d.opbStep[i]->isEnabled())
            result.append(int(i));
    }
    return result;
}

QList<int> range(int first, int last) {
    QList<int> result;
    for (int i = first; i <= last; ++i)
        result.append(i);
    return result;
}

void setStep(DataSet& ds, int band, int step) {
    ds.VfoData[band][Col::Step] = step;
    ds.VfoText[band][Col::Step] = StepText(step);
}

void setOption(DataSet& ds, int band, int option) {
    ds.VfoData[band][Col::Option] = option;
    ds.VfoText[band][Col::Option] = OptionText(option);
}

} // namespace

void EditDialogVfoTest::captionsAndHiddenControls() {
    Fixture f;
    dlgModify& d = f.dialog;
    const bool stored = f.openBand(7, [&] {
        QCOMPARE(d.windowTitle(), QStringLiteral("Modify VFO"));
        QCOMPARE(d.lblMode->text(), QStringLiteral("VFO"));
        QCOMPARE(d.lblCH->text(), QStringLiteral("Band 6"));
        QCOMPARE(d.lblMHz->text(), QStringLiteral("(142.000-169.995MHz)"));
        QCOMPARE(d.txtFreq->text(), f.ds->VfoText[6][Col::Freq]);
        QCOMPARE(d.txtShift->text(), f.ds->VfoText[6][Col::Shift]);
        QCOMPARE(checkedIndex(d.opbWave), int(f.ds->VfoData[6][Col::Mode]));
        QCOMPARE(d.cbbTxTone->currentIndex(), int(f.ds->VfoData[6][Col::Tone]));
        QCOMPARE(d.cbbAir->currentIndex(), int(f.ds->VfoData[6][Col::Carrier]));
        QVERIFY(d.cbbAir->isEnabled());
        QVERIFY(!d.cbbSec->isEnabled());
        QCOMPARE(d.cbbSec->currentIndex(), -1);
        for (QWidget* w : std::initializer_list<QWidget*>{d.chkEnable, d.chkSkip, d.chkHold,
                                                          d.txtName, d.nameLabel})
            QVERIFY(w->isHidden());
        QCOMPARE(QApplication::focusWidget(), d.txtFreq);
    });
    QVERIFY(!stored);
    QVERIFY(!d.EditingMemory);
    QCOMPARE(d.EditIndex, 7);

    // A memory edit afterwards shows its controls again.
    whenShown(d, [&] {
        QCOMPARE(d.windowTitle(), QStringLiteral("Modify Memory"));
        QVERIFY(!d.chkSkip->isHidden() && !d.txtName->isHidden());
        QVERIFY(d.lblMHz->text().isEmpty());
    });
    d.MSFlexGrid1_DblClick(1, QStringLiteral("00-000"));
}

void EditDialogVfoTest::bandZeroOffersOnlyOneKilohertz() {
    for (int model : {0, 1, 2, 3}) {
        Fixture f(model);
        setStep(*f.ds, 0, 3);
        f.openBand(1, [&] {
            QCOMPARE(enabledSteps(f.dialog), QList<int>{16});
            QCOMPARE(checkedIndex(f.dialog.opbStep), 16);
        });
    }
}

void EditDialogVfoTest::bandOnePerModel() {
    for (int model : {0, 1}) {
        Fixture f(model);
        f.openBand(2, [&] {
            QCOMPARE(enabledSteps(f.dialog), QList<int>{17});
            QCOMPARE(checkedIndex(f.dialog.opbStep), 17);
        });
    }
    for (int model : {2, 3}) {
        Fixture f(model);
        dlgModify& d = f.dialog;
        setStep(*f.ds, 1, 7);
        // The shift buttons as a previous edit left them decide the preselection.
        d.opbSift[1]->setChecked(true);
        f.openBand(2, [&] {
            QCOMPARE(enabledSteps(d), range(0, 15));
            QCOMPARE(checkedIndex(d.opbStep), 7);
        });
        d.opbSift[0]->setChecked(true);
        f.openBand(2, [&] { QCOMPARE(checkedIndex(d.opbStep), 3); });

        setStep(*f.ds, 1, 16);
        d.opbSift[2]->setChecked(true);
        f.openBand(2, [&] {
            QCOMPARE(checkedIndex(d.opbStep), 3);
            QVERIFY(!d.opbStep[16]->isChecked() && !d.opbStep[17]->isChecked());
        });
    }
}

void EditDialogVfoTest::stepsOfBandsTwoToThirteen() {
    Fixture f;
    dlgModify& d = f.dialog;
    setStep(*f.ds, 5, 17);
    setStep(*f.ds, 13, 16);
    setStep(*f.ds, 2, 15);
    const bool stored = f.openBand(6, [&] {
        QCOMPARE(enabledSteps(d), range(0, 15));
        QCOMPARE(d.opbStep[checkedIndex(d.opbStep)]->text(), QStringLiteral("12.5KHz"));
    });
    QVERIFY(!stored);
    QCOMPARE(f.ds->VfoData[5][Col::Step], 17.0); // unchanged until OK
    f.openBand(14, [&] { QCOMPARE(checkedIndex(d.opbStep), 4); });
    f.openBand(3, [&] { QCOMPARE(checkedIndex(d.opbStep), 15); });

    // OK stores the step shown.
    f.openBand(6, [&] { QTest::mouseClick(d.OKButton, Qt::LeftButton); });
    QCOMPARE(f.ds->VfoData[5][Col::Step], 4.0);
    QCOMPARE(f.ds->VfoText[5][Col::Step], QStringLiteral("12.5KHz"));
}

void EditDialogVfoTest::bandsTheModelLacksOpenNothing() {
    for (int model : {2, 3}) {
        Fixture f(model);
        for (int row = 9; row <= 14; ++row) {
            QVERIFY(!f.dialog.MSFlexGrid2_DblClick(row));
            QVERIFY(!f.dialog.isVisible());
        }
        f.openBand(8, [&] {
            QCOMPARE(f.dialog.lblCH->text(), QStringLiteral("Band 7"));
            QCOMPARE(f.dialog.lblMHz->text(), QStringLiteral("(960.000-1299.995MHz)"));
        });
    }
    Fixture f(1);
    f.openBand(14,
               [&] { QCOMPARE(f.dialog.lblMHz->text(), QStringLiteral("(960.000-1299.995MHz)")); });
}

void EditDialogVfoTest::optionsTheModelLacksOpenAsNone() {
    {
        Fixture f(1);
        dlgModify& d = f.dialog;
        setOption(*f.ds, 3, 1); // Train
        f.ds->VfoData[3][Col::Secret] = 5;
        f.openBand(4, [&] {
            QCOMPARE(checkedIndex(d.opbTone), 0);
            QVERIFY(!d.opbTone[1]->isEnabled());
            QVERIFY(d.opbTone[4]->isEnabled());
            QVERIFY(d.cbbSec->isEnabled());
            QCOMPARE(d.cbbSec->currentIndex(), 5);
            QVERIFY(!d.cbbAir->isEnabled());
            QCOMPARE(d.cbbAir->currentIndex(), -1);
        });
        setOption(*f.ds, 3, 4); // Scr is offered by model 1
        f.openBand(4, [&] { QCOMPARE(checkedIndex(d.opbTone), 4); });
    }
    {
        Fixture f(0);
        setOption(*f.ds, 3, 4); // Scr
        f.openBand(4, [&] {
            QCOMPARE(checkedIndex(f.dialog.opbTone), 0);
            QVERIFY(!f.dialog.opbTone[4]->isEnabled());
        });
    }
    {
        Fixture f(2);
        setOption(*f.ds, 3, 1);
        f.openBand(4, [&] {
            QCOMPARE(checkedIndex(f.dialog.opbTone), 0);
            QVERIFY(!f.dialog.opbTone[1]->isEnabled() && !f.dialog.opbTone[4]->isEnabled());
            QVERIFY(!f.dialog.cbbAir->isEnabled() && !f.dialog.cbbSec->isEnabled());
        });
    }
}

void EditDialogVfoTest::frequencyChecksOfABand() {
    Fixture f(2);
    dlgModify& d = f.dialog;
    const auto leaveWith = [&](const QString& typed) {
        typeInto(d.txtFreq, typed);
        QTest::keyClick(d.txtFreq, Qt::Key_Tab);
        return d.txtFreq->text();
    };
    const QString band6 = f.ds->VfoText[6][Col::Freq];
    f.openBand(7, [&] { // band 6: 400.000-959.995
        QCOMPARE(leaveWith(QStringLiteral("399.995")), band6);
        QCOMPARE(leaveWith(QStringLiteral("960")), band6);
        QVERIFY(f.prompter.prompts.isEmpty());
        QCOMPARE(leaveWith(QStringLiteral("849.995")), band6);
        QCOMPARE(f.prompter.prompts.size(), 1);
        QCOMPARE(f.prompter.prompts.at(0).title, QStringLiteral("Frequency of the cellular phone"));
        QCOMPARE(leaveWith(QStringLiteral("850")), QStringLiteral("850.000000"));
        QCOMPARE(leaveWith(QStringLiteral("851,25")), QStringLiteral("851.250000"));
        QCOMPARE(leaveWith(QStringLiteral("959.995")), QStringLiteral("959.995000"));
    });
    // Only band 6 holds the cellular ranges.
    Fixture other(2);
    other.openBand(6, [&] { // band 5: 216.000-399.995
        typeInto(other.dialog.txtFreq, QStringLiteral("399.995"));
        QTest::keyClick(other.dialog.txtFreq, Qt::Key_Tab);
        QCOMPARE(other.dialog.txtFreq->text(), QStringLiteral("399.995000"));
    });
    // Model 0 uses its own limits: 0.53 is band 0, 0.531 band 1.
    Fixture z4(0);
    z4.openBand(1, [&] {
        typeInto(z4.dialog.txtFreq, QStringLiteral("0.53"));
        QTest::keyClick(z4.dialog.txtFreq, Qt::Key_Tab);
        QCOMPARE(z4.dialog.txtFreq->text(), QStringLiteral("0.530000"));
        typeInto(z4.dialog.txtFreq, QStringLiteral("0.531"));
        QTest::keyClick(z4.dialog.txtFreq, Qt::Key_Tab);
        QCOMPARE(z4.dialog.txtFreq->text(), z4.ds->VfoText[0][Col::Freq]);
    });
}

void EditDialogVfoTest::okStoresTheBand() {
    Fixture f(1);
    dlgModify& d = f.dialog;
    QSignalSpy stored(&d, &dlgModify::vfoStored);
    const auto memoryBefore = f.ds->MemText;
    const bool ok = f.openBand(11, [&] { // band 10: 430.000-469.995
        typeInto(d.txtFreq, QStringLiteral("439.5"));
        QTest::keyClick(d.txtFreq, Qt::Key_Tab);
        click(d.opbWave[0]);
        click(d.opbTone[4]);
        d.cbbSec->setCurrentIndex(20);
        click(d.opbSift[2]);
        typeInto(d.txtShift, QStringLiteral("7.6"));
        typeInto(d.txtNote, QStringLiteral("UHF"));
        QTest::keyClick(d.txtNote, Qt::Key_Return);
    });
    QVERIFY(ok);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.at(0).at(0).toInt(), 10);
    QVERIFY(f.ds->DataChanged);
    const auto& n = f.ds->VfoData[10];
    const auto& t = f.ds->VfoText[10];
    QCOMPARE(t[Col::Freq], QStringLiteral("439.500000"));
    QCOMPARE(n[Col::Freq], 439.5);
    QCOMPARE(t[Col::Mode], QStringLiteral("FM"));
    QCOMPARE(n[Col::Option], 4.0);
    QCOMPARE(t[Col::Option], QStringLiteral("Scr"));
    QCOMPARE(n[Col::Secret], 20.0);
    QCOMPARE(n[Col::Carrier], 28.0); // no carrier list on model 1
    QCOMPARE(t[Col::Carrier], QStringLiteral("JR"));
    QCOMPARE(t[Col::ShiftDir], QStringLiteral("Shift-"));
    QCOMPARE(n[Col::Shift], 7.6);
    QCOMPARE(t[Col::Shift], QStringLiteral("7.600000"));
    QCOMPARE(t[Col::Note], QStringLiteral("UHF"));
    QCOMPARE(f.ds->MemText, memoryBefore);

    // Enter with a frequency outside the band stores nothing.
    stored.clear();
    f.openBand(11, [&] {
        typeInto(d.txtFreq, QStringLiteral("470"));
        QTest::keyClick(d.txtFreq, Qt::Key_Return);
        QVERIFY(d.isVisible());
        QCOMPARE(d.txtFreq->text(), QStringLiteral("439.500000"));
    });
    QCOMPARE(stored.size(), 0);
}

// A band read with a frequency outside its limits and an offset of 100 MHz
// or more can still be edited: OK keeps both as they stand.
void EditDialogVfoTest::okKeepsStoredValuesThatFailTheChecks() {
    Fixture f(0);
    auto& n = f.ds->VfoData[5];
    auto& t = f.ds->VfoText[5];
    n[Col::Freq] = 100.0;
    t[Col::Freq] = QStringLiteral("100.000000");
    n[Col::Shift] = 150.25;
    t[Col::Shift] = QStringLiteral("150.250000");
    dlgModify& d = f.dialog;
    const bool ok = f.openBand(6, [&] {
        QCOMPARE(d.txtShift->text(), QStringLiteral("150.250000"));
        click(d.opbWave[2]);
        QTest::keyClick(d.txtFreq, Qt::Key_Return);
    });
    QVERIFY(ok);
    QCOMPARE(t[Col::Freq], QStringLiteral("100.000000"));
    QCOMPARE(t[Col::Shift], QStringLiteral("150.250000"));
    QCOMPARE(t[Col::Mode], QStringLiteral("WFM"));
}

QTEST_MAIN(EditDialogVfoTest)
#include "EditDialogVfo_test.moc"

#pragma once

#include "editing/DataEditor.h"
#include "editing/NoteBox.h"
#include "model/DataSet.h"
#include "model/Prompter.h"

#include <QDialog>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mtz4 {

struct EditFields;

// `dlgModify`: edits one memory entry or one band VFO record. Created once
// and hidden, not destroyed, between uses: the control values left by one
// edit are still there at the next ("Hold" relies on this). The note box
// takes only characters of the note code page (NoteBox).
//
// The frequency and offset are checked when their box loses the focus and
// again when OK is pressed; OK stores nothing while a value the user typed is
// refused, and keeps a stored value as it stands. Texts are limited in
// length for typing only: a longer stored note or offset is kept whole.
class dlgModify : public QDialog {
    Q_OBJECT
public:
    // OK stores through `editor`, as the step "Modify" and the row label
    // ("Modify 03-017") or "Modify Band" and the band number.
    dlgModify(DataEditor& editor, Prompter& prompter, QWidget* parent = nullptr);

    // Prepares the dialog for memory grid row `row` (1..1300) whose label is
    // `rowLabel` and shows it modally. True when OK stored the entry (then
    // memoryStored was emitted). Row 0 (the header) opens nothing.
    bool MSFlexGrid1_DblClick(int row, const QString& rowLabel);
    // Prepares the dialog for VFO grid row `row` (1..14) and shows it
    // modally. False, with nothing shown, for a band the model does not have.
    bool MSFlexGrid2_DblClick(int row);

    // What the dialog edits: a memory entry (EditIndex = entry + 1) or a VFO
    // band (EditIndex = band + 1).
    bool EditingMemory = true;
    int EditIndex = 0;

    // Defaults for a new entry.
    void ResetDialog();

    // The controls, named after what they edit (object names are the same,
    // but for the labels and frames named for their role here: Label1 ...
    // Label7, Frame1 ... Frame4 by object name).
    QLabel* lblMode = nullptr;
    QLabel* lblCH = nullptr;
    QLabel* frequencyLabel = nullptr;
    QLineEdit* txtFreq = nullptr;
    QLabel* frequencyUnit = nullptr;
    QLabel* lblMHz = nullptr;
    QGroupBox* modeGroup = nullptr;
    std::array<QRadioButton*, 3> opbWave{};
    QGroupBox* stepGroup = nullptr;
    std::array<QRadioButton*, 18> opbStep{};
    QGroupBox* optionGroup = nullptr;
    std::array<QRadioButton*, 5> opbTone{};
    QComboBox* cbbTxTone = nullptr;
    QComboBox* cbbAir = nullptr;
    QComboBox* cbbSec = nullptr;
    QGroupBox* shiftGroup = nullptr;
    std::array<QRadioButton*, 3> opbSift{};
    QLabel* offsetLabel = nullptr;
    QLineEdit* txtShift = nullptr;
    QLabel* offsetUnit = nullptr;
    QCheckBox* chkSkip = nullptr;
    QCheckBox* chkEnable = nullptr;
    QCheckBox* chkHold = nullptr;
    QLabel* noteLabel = nullptr;
    QLineEdit* txtNote = nullptr;
    QLabel* nameLabel = nullptr;
    QLineEdit* txtName = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

signals:
    // OK stored memory entry `entry` (0..1299); the owner redraws the memory grid.
    void memoryStored(int entry);
    // OK stored VFO band `band` (0..13); the owner redraws the VFO grid.
    void vfoStored(int band);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void OKButton_Click();
    void CancelButton_Click();

private:
    void buildControls();
    bool editIndexValid() const;
    bool txtFreq_LostFocus();
    bool txtShift_LostFocus();
    EditFields collectFields() const;
    // Puts the fields into the controls (the lists the model lacks excepted).
    void putFields(const EditFields& fields);

    DataEditor& editor_;
    DataSet& ds_;
    Prompter& prompter_;
    std::unique_ptr<NoteBox> noteBox_; // txtNote's filter
    QString rowLabel_;                 // of the memory entry being edited
    bool checking_ = false; // a focus-out check is running (its message box takes the focus)
};

} // namespace mtz4

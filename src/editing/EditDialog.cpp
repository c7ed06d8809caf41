#include "editing/EditDialog.h"

#include "editing/DialogFrame.h"
#include "editing/EditFields.h"
#include "editing/FieldEdit.h"
#include "editing/FrequencyChecks.h"
#include "editing/GridCellText.h"
#include "editing/GridLayout.h"
#include "editing/InputFilters.h"
#include "editing/ListPosition.h"
#include "editing/NamedWidget.h"
#include "editing/StoreEditFields.h"
#include "editing/TypingLimit.h"
#include "model/EntryCodes.h"
#include "model/ModelRules.h"
#include "model/RecordCodec.h"
#include "model/ReferenceTables.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mtz4 {

namespace {

constexpr int FreqMaxLength = FreqTypingLimit;
constexpr int ShiftMaxLength = ShiftTypingLimit;
constexpr int NoteMaxLength = NoteTypingLimit;
constexpr int NameMaxLength = NameTypingLimit;

constexpr int StepButtons = 18;
constexpr int Step10KHz = 3;
constexpr int Step12_5KHz = 4;
constexpr int Step1KHz = Step1KHzCode;
constexpr int Step9KHz = Step9KHzCode;
constexpr int CarrierItems = 29;
constexpr int SecretItems = 29;

template <std::size_t N> void ClearGroup(const std::array<QRadioButton*, N>& group) {
    // Auto-exclusive buttons cannot all be cleared while exclusive.
    for (QRadioButton* b : group)
        b->setAutoExclusive(false);
    for (QRadioButton* b : group)
        b->setChecked(false);
    for (QRadioButton* b : group)
        b->setAutoExclusive(true);
}

// Selects button `code`; a code without a button leaves none selected.
template <std::size_t N> void SelectInGroup(const std::array<QRadioButton*, N>& group, int code) {
    ClearGroup(group);
    if (code >= 0 && code < int(N))
        group[code]->setChecked(true);
}

template <std::size_t N> int SelectedInGroup(const std::array<QRadioButton*, N>& group) {
    for (std::size_t i = 0; i < N; ++i) {
        if (group[i]->isChecked())
            return int(i);
    }
    return -1;
}

template <std::size_t N> void EnableGroup(const std::array<QRadioButton*, N>& group, bool on) {
    for (QRadioButton* b : group)
        b->setEnabled(on);
}

// Selects list item `code`, or nothing when the list has no such item.
void SelectItem(QComboBox* list, int code) {
    list->setCurrentIndex(code >= 0 && code < list->count() ? code : -1);
}

int Code(double value) {
    return int(value);
}

QString IndexedName(const char* base, std::size_t i) {
    return QString::fromLatin1(base) + QString::number(i);
}

} // namespace

dlgModify::dlgModify(DataEditor& editor, Prompter& prompter, QWidget* parent)
    : QDialog(parent), editor_(editor), ds_(editor.data()), prompter_(prompter) {
    setObjectName(QStringLiteral("dlgModify"));
    setWindowTitle(QCoreApplication::translate("EditDialog", "Modify Memory"));
    setModal(true);
    UseFixedDialogFrame(*this);
    buildControls();
}

void dlgModify::buildControls() {
    InitReferenceTables();
    const auto& ref = Ref();

    lblMode = Named(new QLabel(this), QStringLiteral("lblMode"));
    lblCH = Named(new QLabel(this), QStringLiteral("lblCH"));
    auto* place = new QHBoxLayout;
    place->addWidget(lblMode);
    place->addWidget(lblCH);
    place->addStretch();

    frequencyLabel = Named(new QLabel(QCoreApplication::translate("EditDialog", "Frequency"), this),
                           QStringLiteral("Label1"));
    txtFreq = Named(new QLineEdit(this), QStringLiteral("txtFreq"));
    SetTypingLimit(txtFreq, FreqMaxLength);
    frequencyUnit = Named(new QLabel(QStringLiteral("MHz"), this), QStringLiteral("Label2"));
    lblMHz = Named(new QLabel(this), QStringLiteral("lblMHz"));
    auto* freqRow = new QHBoxLayout;
    freqRow->addWidget(frequencyLabel);
    freqRow->addWidget(txtFreq);
    freqRow->addWidget(frequencyUnit);
    freqRow->addWidget(lblMHz);
    freqRow->addStretch();

    modeGroup =
        Named(new QGroupBox(QCoreApplication::translate("EditDialog", "Modulation Mode"), this),
              QStringLiteral("Frame1"));
    auto* waveLayout = new QHBoxLayout(modeGroup);
    const std::array<QString, 3> waves{QStringLiteral("FM"), QStringLiteral("AM"),
                                       QStringLiteral("WFM")};
    for (std::size_t i = 0; i < opbWave.size(); ++i) {
        opbWave[i] = Named(new QRadioButton(waves[i], modeGroup), IndexedName("opbWave", i));
        waveLayout->addWidget(opbWave[i]);
    }

    stepGroup = Named(new QGroupBox(QCoreApplication::translate("EditDialog", "Tuning Step"), this),
                      QStringLiteral("Frame2"));
    auto* stepLayout = new QGridLayout(stepGroup);
    for (std::size_t i = 0; i < opbStep.size(); ++i) {
        opbStep[i] = Named(new QRadioButton(ref.StepList[i], stepGroup), IndexedName("opbStep", i));
        stepLayout->addWidget(opbStep[i], int(i) / 6, int(i) % 6);
    }

    optionGroup = Named(new QGroupBox(QCoreApplication::translate("EditDialog", "Option"), this),
                        QStringLiteral("Frame3"));
    auto* optionLayout = new QGridLayout(optionGroup);
    const std::array<QString, 5> options{QCoreApplication::translate("EditDialog", "None"),
                                         QCoreApplication::translate("EditDialog", "Train"),
                                         QCoreApplication::translate("EditDialog", "Tone"),
                                         QCoreApplication::translate("EditDialog", "Reverse"),
                                         QCoreApplication::translate("EditDialog", "Secret")};
    for (std::size_t i = 0; i < opbTone.size(); ++i) {
        opbTone[i] = Named(new QRadioButton(options[i], optionGroup), IndexedName("opbTone", i));
        optionLayout->addWidget(opbTone[i], 0, int(i));
    }
    cbbTxTone = Named(new QComboBox(optionGroup), QStringLiteral("cbbTxTone"));
    for (const QString& tone : ref.ToneList)
        cbbTxTone->addItem(tone);
    cbbTxTone->setCurrentIndex(0);
    cbbAir = Named(new QComboBox(optionGroup), QStringLiteral("cbbAir"));
    for (int i = 0; i < CarrierItems; ++i)
        cbbAir->addItem(CarrierText(i));
    cbbSec = Named(new QComboBox(optionGroup), QStringLiteral("cbbSec"));
    for (int i = 0; i < SecretItems; ++i)
        cbbSec->addItem(QString::number(i));
    // The lists sit under their option buttons without labels of their own:
    // screen readers announce these names.
    cbbTxTone->setAccessibleName(QCoreApplication::translate("EditDialog", "Tone frequency"));
    cbbAir->setAccessibleName(QCoreApplication::translate("EditDialog", "Carrier frequency"));
    cbbSec->setAccessibleName(QCoreApplication::translate("EditDialog", "Secret code"));
    optionLayout->addWidget(cbbTxTone, 1, 2);
    optionLayout->addWidget(cbbAir, 1, 1);
    optionLayout->addWidget(cbbSec, 1, 4);

    shiftGroup = Named(new QGroupBox(QCoreApplication::translate("EditDialog", "Shift"), this),
                       QStringLiteral("Frame4"));
    auto* shiftLayout = new QHBoxLayout(shiftGroup);
    const std::array<QString, 3> shifts{QStringLiteral("OFF"), QStringLiteral("+"),
                                        QStringLiteral("-")};
    for (std::size_t i = 0; i < opbSift.size(); ++i) {
        opbSift[i] = Named(new QRadioButton(shifts[i], shiftGroup), IndexedName("opbSift", i));
        shiftLayout->addWidget(opbSift[i]);
    }
    offsetLabel =
        Named(new QLabel(QCoreApplication::translate("EditDialog", "Offset Frequency"), this),
              QStringLiteral("Label6"));
    txtShift = Named(new QLineEdit(this), QStringLiteral("txtShift"));
    SetTypingLimit(txtShift, ShiftMaxLength);
    offsetUnit = Named(new QLabel(QStringLiteral("MHz"), this), QStringLiteral("Label7"));
    auto* offsetRow = new QHBoxLayout;
    offsetRow->addWidget(offsetLabel);
    offsetRow->addWidget(txtShift);
    offsetRow->addWidget(offsetUnit);
    offsetRow->addStretch();

    chkSkip = Named(new QCheckBox(QCoreApplication::translate("EditDialog", "Skip"), this),
                    QStringLiteral("chkSkip"));
    chkEnable = Named(new QCheckBox(QCoreApplication::translate("EditDialog", "Enable"), this),
                      QStringLiteral("chkEnable"));
    chkHold = Named(new QCheckBox(QCoreApplication::translate("EditDialog", "Hold"), this),
                    QStringLiteral("chkHold"));
    auto* flagRow = new QHBoxLayout;
    flagRow->addWidget(chkSkip);
    flagRow->addWidget(chkEnable);
    flagRow->addWidget(chkHold);
    flagRow->addStretch();

    noteLabel = Named(new QLabel(QCoreApplication::translate("EditDialog", "Note"), this),
                      QStringLiteral("Label3"));
    txtNote = Named(new QLineEdit(this), QStringLiteral("txtNote"));
    SetTypingLimit(txtNote, NoteMaxLength);
    nameLabel = Named(new QLabel(QCoreApplication::translate("EditDialog", "NAME"), this),
                      QStringLiteral("Label4"));
    txtName = Named(new QLineEdit(this), QStringLiteral("txtName"));
    SetTypingLimit(txtName, NameMaxLength);
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(noteLabel);
    textRow->addWidget(txtNote, 1);
    textRow->addWidget(nameLabel);
    textRow->addWidget(txtName);

    OKButton = Named(new QPushButton(QCoreApplication::translate("EditDialog", "OK"), this),
                     QStringLiteral("OKButton"));
    CancelButton = Named(new QPushButton(QCoreApplication::translate("EditDialog", "Cancel"), this),
                         QStringLiteral("CancelButton"));
    OKButton->setDefault(true);
    // Clicking a button leaves the focus in the box being edited: OK runs the
    // frequency and offset checks itself, and Cancel needs none.
    OKButton->setFocusPolicy(Qt::TabFocus);
    CancelButton->setFocusPolicy(Qt::TabFocus);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(OKButton);
    buttonRow->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(place);
    layout->addLayout(freqRow);
    layout->addWidget(modeGroup);
    layout->addWidget(stepGroup);
    layout->addWidget(optionGroup);
    layout->addWidget(shiftGroup);
    layout->addLayout(offsetRow);
    layout->addLayout(flagRow);
    layout->addLayout(textRow);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Each box is named by its label, for screen readers and the label's
    // access by the keyboard alike.
    for (auto [label, box] : {std::pair{frequencyLabel, txtFreq}, std::pair{offsetLabel, txtShift},
                              std::pair{noteLabel, txtNote}, std::pair{nameLabel, txtName}}) {
        label->setBuddy(box);
        box->setAccessibleName(label->text());
    }

    // Input filters: keys and pasted text.
    auto* numericKeys = new NumericKeyFilter(this);
    auto* numericText = new NumericTextValidator(this);
    for (QLineEdit* box : {txtFreq, txtShift}) {
        box->installEventFilter(numericKeys);
        box->installEventFilter(this); // focus-out checks
        box->setValidator(numericText);
    }
    auto* nameText = new CharacterRangeValidator(32, 126, this);
    nameText->refused = [this](const QString& reason) { prompter_.explain(reason); };
    txtName->setValidator(nameText);
    noteBox_ = std::make_unique<NoteBox>(txtNote, ds_.NoteCodePage, prompter_);

    connect(OKButton, &QPushButton::clicked, this, &dlgModify::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &dlgModify::CancelButton_Click);
}

bool dlgModify::MSFlexGrid1_DblClick(int row, const QString& rowLabel) {
    if (row < 1 || row > EntryCount)
        return false; // the header row opens nothing
    const int e = row - 1;

    setWindowTitle(QCoreApplication::translate("EditDialog", "Modify Memory"));
    EditIndex = row;
    rowLabel_ = rowLabel;
    const ListPosition position = MemoryListPosition(row, rowLabel);
    lblMode->setText(position.list);
    lblCH->setText(position.position);

    EditingMemory = true;
    const int model = ds_.ModelIndex;

    lblMHz->clear();
    chkEnable->hide();
    chkSkip->show();
    chkHold->show();
    txtName->show();
    nameLabel->show();
    EnableGroup(opbWave, true);
    EnableGroup(opbStep, true);
    EnableGroup(opbTone, true);

    // Only the option of the selected model can be chosen.
    const bool train = ModelOffersOption(model, OptionTrainCode);
    const bool secret = ModelOffersOption(model, OptionSecretCode);
    opbTone[OptionTrainCode]->setEnabled(train);
    cbbAir->setEnabled(train);
    if (!train)
        cbbAir->setCurrentIndex(-1);
    opbTone[OptionSecretCode]->setEnabled(secret);
    cbbSec->setEnabled(secret);
    if (!secret)
        cbbSec->setCurrentIndex(-1);

    if (EntryHasFrequency(ds_, e))
        putFields(StoredEntryFields(ds_, e));
    else if (!chkHold->isChecked())
        ResetDialog();

    return exec() == QDialog::Accepted;
}

bool dlgModify::MSFlexGrid2_DblClick(int row) {
    if (row < 1 || row > BandCount)
        return false;
    EditIndex = row;
    EditingMemory = false;
    const int model = ds_.ModelIndex;
    const int b = row - 1;
    if (!ModelHasBand(model, b))
        return false; // a band the model does not have

    setWindowTitle(QCoreApplication::translate("EditDialog", "Modify VFO"));
    lblMode->setText(QStringLiteral("VFO"));
    chkEnable->hide();
    chkSkip->hide();
    chkHold->hide();
    txtName->hide();
    nameLabel->hide();

    lblCH->setText(QCoreApplication::translate("EditDialog", "Band %1").arg(b));
    PutText(txtFreq, VfoCellText(ds_, b, GridCol::Frequency, ds_.ModelIndex));
    const int tableModel = model >= 0 && model < ModelCount ? model : 0;
    lblMHz->setText(Ref().BandLabel[tableModel][b]);

    const auto& data = ds_.VfoData[b];
    const auto& text = ds_.VfoText[b];

    EnableGroup(opbWave, true);
    SelectInGroup(opbWave, Code(data[Col::Mode]));

    // Steps the band offers.
    const int storedStep = Code(data[Col::Step]);
    ClearGroup(opbStep);
    for (int step = 0; step < StepButtons; ++step)
        opbStep[step]->setEnabled(BandOffersStep(model, b, step));
    if (b == 0) {
        SelectInGroup(opbStep, Step1KHz);
    } else if (b == 1 && !HasEightBands(model)) {
        SelectInGroup(opbStep, Step9KHz);
    } else if (b == 1) {
        // The shift buttons still show the previous edit here: with "OFF"
        // selected there, "10KHz" is preselected instead of the stored step.
        const int step = opbSift[0]->isChecked() ? Step10KHz : storedStep;
        SelectInGroup(opbStep, step == Step1KHz || step == Step9KHz ? Step10KHz : step);
    } else {
        SelectInGroup(opbStep,
                      storedStep == Step1KHz || storedStep == Step9KHz ? Step12_5KHz : storedStep);
    }

    // Options the model offers; an option it lacks opens as "None".
    EnableGroup(opbTone, true);
    ClearGroup(opbTone);
    for (int option : {OptionTrainCode, OptionSecretCode})
        opbTone[option]->setEnabled(ModelOffersOption(model, option));
    SelectInGroup(opbTone, Code(data[Col::Option]));
    const int option = SelectedInGroup(opbTone);
    if (option >= 0 && !opbTone[option]->isEnabled())
        SelectInGroup(opbTone, OptionOffCode);

    cbbSec->setEnabled(ModelOffersOption(model, OptionSecretCode));
    SelectItem(cbbSec, cbbSec->isEnabled() ? Code(data[Col::Secret]) : -1);
    cbbAir->setEnabled(ModelOffersOption(model, OptionTrainCode));
    SelectItem(cbbAir, cbbAir->isEnabled() ? Code(data[Col::Carrier]) : -1);
    SelectItem(cbbTxTone, Code(data[Col::Tone]));

    SelectInGroup(opbSift, Code(data[Col::ShiftDir]));
    PutText(txtShift, text[Col::Shift]);
    noteBox_->put(text[Col::Note]);
    PutText(txtName, text[Col::Name]);

    return exec() == QDialog::Accepted;
}

void dlgModify::ResetDialog() {
    putFields(NewEntryFields());
}

void dlgModify::putFields(const EditFields& f) {
    PutText(txtFreq, f.freq);
    noteBox_->put(f.note);
    PutText(txtName, f.name);
    SelectInGroup(opbWave, f.mode);
    SelectInGroup(opbStep, f.step);
    SelectInGroup(opbTone, f.option);
    chkSkip->setChecked(f.skip);
    // A list the model does not use keeps no selection.
    if (cbbSec->isEnabled())
        SelectItem(cbbSec, f.secret);
    if (cbbAir->isEnabled())
        SelectItem(cbbAir, f.carrier);
    SelectItem(cbbTxTone, f.tone);
    SelectInGroup(opbSift, f.shiftDir);
    PutText(txtShift, f.shift);
    chkEnable->setChecked(f.enable);
}

void dlgModify::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    txtFreq->setFocus(Qt::OtherFocusReason);
    txtFreq->selectAll();
}

bool dlgModify::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == txtFreq || watched == txtShift)) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving the window (another window, a message box, a popup) is not
        // leaving the box.
        const bool leftTheBox =
            reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (leftTheBox && !checking_ && isVisible()) {
            checking_ = true;
            if (watched == txtFreq)
                txtFreq_LostFocus();
            else
                txtShift_LostFocus();
            checking_ = false;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool dlgModify::editIndexValid() const {
    return EditingMemory ? EditIndex >= 1 && EditIndex <= EntryCount
                         : EditIndex >= 1 && EditIndex <= BandCount;
}

bool dlgModify::txtFreq_LostFocus() {
    if (!editIndexValid())
        return false;
    const int index = EditIndex - 1;
    const QString typed = txtFreq->text();
    const FieldCheck check = EditingMemory ? CheckMemoryFrequency(ds_, index, typed)
                                           : CheckVfoFrequency(ds_, index, typed);
    if (check.message)
        prompter_.ask(*check.message);
    // A value put back is never put back without a word.
    if (!check.accepted)
        prompter_.explain(RefusedValueText(frequencyLabel->text(), typed, check.reason));
    PutText(txtFreq, check.text);
    return check.accepted;
}

bool dlgModify::txtShift_LostFocus() {
    if (!editIndexValid())
        return false;
    const QString typed = txtShift->text();
    const FieldCheck check = CheckOffset(ds_, EditingMemory, EditIndex - 1, typed);
    if (!check.accepted)
        prompter_.explain(RefusedValueText(offsetLabel->text(), typed, check.reason));
    PutText(txtShift, check.text);
    return check.accepted;
}

EditFields dlgModify::collectFields() const {
    EditFields f;
    f.freq = txtFreq->text();
    f.mode = SelectedInGroup(opbWave);
    f.step = SelectedInGroup(opbStep);
    f.option = SelectedInGroup(opbTone);
    f.secret = cbbSec->currentIndex();
    f.carrier = cbbAir->currentIndex();
    f.tone = cbbTxTone->currentIndex();
    f.shiftDir = SelectedInGroup(opbSift);
    f.shift = txtShift->text();
    f.note = txtNote->text();
    f.name = txtName->text();
    f.skip = chkSkip->isChecked();
    f.enable = chkEnable->isChecked();
    return f;
}

void dlgModify::OKButton_Click() {
    if (!editIndexValid()) {
        reject();
        return;
    }
    // The same checks as on leaving the boxes: Enter stores without leaving
    // them, and a refused value must not reach the tables. A value that is
    // the stored one is kept as it stands, even when it would fail a check
    // (a cellular frequency read from the receiver, an offset of 100 MHz or
    // more): only what the user typed is refused.
    const int index = EditIndex - 1;
    checking_ = true;
    const bool freqAccepted =
        IsStoredFrequency(ds_, EditingMemory, index, txtFreq->text()) || txtFreq_LostFocus();
    const bool shiftAccepted =
        freqAccepted &&
        (IsStoredOffset(ds_, EditingMemory, index, txtShift->text()) || txtShift_LostFocus());
    checking_ = false;
    if (!freqAccepted || !shiftAccepted) {
        QWidget* box = freqAccepted ? txtShift : txtFreq;
        box->setFocus(Qt::OtherFocusReason);
        static_cast<QLineEdit*>(box)->selectAll();
        return;
    }

    EditFields fields = collectFields();
    fields.note = noteBox_->take(EditingMemory ? ds_.MemText[index][Col::Note]
                                               : ds_.VfoText[index][Col::Note]);
    if (EditingMemory) {
        editor_.apply(QCoreApplication::translate("EditDialog", "Modify %1").arg(rowLabel_),
                      DataPart::Memory, [&](DataSet& ds) { StoreMemoryEntry(ds, index, fields); });
        emit memoryStored(index);
    } else {
        editor_.apply(QCoreApplication::translate("EditDialog", "Modify Band %1").arg(index),
                      DataPart::Vfo, [&](DataSet& ds) { StoreVfoBand(ds, index, fields); });
        emit vfoStored(index);
    }
    accept();
}

void dlgModify::CancelButton_Click() {
    reject();
}

} // namespace mtz4

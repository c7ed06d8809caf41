#include "editing/FillFrequenciesDialog.h"

#include "editing/DialogFrame.h"
#include "editing/EditFields.h"
#include "editing/InputFilters.h"
#include "editing/TypingLimit.h"
#include "files/ChirpRecord.h"
#include "model/NumericText.h"
#include "model/TextLanguage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <set>

namespace mtz4 {

namespace {

// The step sizes of the receiver, in kHz, smallest first.
QStringList StepSizes() {
    std::set<double> sizes;
    for (int code = 0; code < 18; ++code)
        sizes.insert(StepKilohertz(code));
    QStringList texts;
    for (double kHz : sizes)
        texts << QString::number(kHz);
    return texts;
}

double Number(const QString& text) {
    return ParseNumber(text).value_or(-1.0);
}

} // namespace

QString FilledFrequency(double startMHz, double stepKHz, int index) {
    // The airband's 8.33 kHz channels lie 25/3 kHz apart: every third one
    // is on a 25 kHz channel again (118.100, 118.108333, 118.116667, 118.125).
    const double stepHz = std::fabs(stepKHz - 8.33) < 0.005 ? 25000.0 / 3 : stepKHz * 1e3;
    const qint64 hz = RoundHalfEven(startMHz * 1e6) + RoundHalfEven(index * stepHz);
    return FormatMHz(double(hz) / 1e6);
}

FillFrequenciesDialog::FillFrequenciesDialog(const QString& start, double stepKHz, int rows,
                                             QWidget* parent)
    : QDialog(parent), rows_(rows) {
    setObjectName(QStringLiteral("dlgFillFrequencies"));
    setWindowTitle(QCoreApplication::translate("FillFrequenciesDialog", "Fill Frequencies"));
    setModal(true);
    UseFixedDialogFrame(*this);

    start_ = new QLineEdit(this);
    start_->setObjectName(QStringLiteral("txtStart"));
    start_->installEventFilter(new NumericKeyFilter(start_));
    start_->setValidator(new NumericTextValidator(start_));
    SetTypingLimit(start_, FreqTypingLimit);
    PutText(start_, start);
    step_ = new QComboBox(this);
    step_->setObjectName(QStringLiteral("cbbStep"));
    step_->setEditable(true);
    step_->setInsertPolicy(QComboBox::NoInsert);
    step_->addItems(StepSizes());
    step_->lineEdit()->setValidator(new NumericTextValidator(step_));
    step_->setEditText(QString::number(stepKHz));
    last_ = new QLabel(this);
    last_->setObjectName(QStringLiteral("lblLast"));

    auto* form = new QFormLayout;
    const auto row = [&form, this](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        field->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        form->addRow(label, field);
    };
    row(QCoreApplication::translate("FillFrequenciesDialog", "&Start frequency (MHz)"), start_);
    row(QCoreApplication::translate("FillFrequenciesDialog", "S&tep (kHz)"), step_);
    step_->lineEdit()->setAccessibleName(step_->accessibleName());
    form->addRow(QCoreApplication::translate("FillFrequenciesDialog", "Last row"), last_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(start_, &QLineEdit::textChanged, this, &FillFrequenciesDialog::showLast);
    connect(step_, &QComboBox::editTextChanged, this, &FillFrequenciesDialog::showLast);
    showLast();
}

double FillFrequenciesDialog::startMHz() const {
    return Number(start_->text());
}

double FillFrequenciesDialog::stepKHz() const {
    return Number(step_->currentText());
}

void FillFrequenciesDialog::showLast() {
    // Nothing to fill with a start or a step that is no number.
    const bool valid = startMHz() > 0.0 && stepKHz() >= 0.0;
    ok_->setEnabled(valid);
    last_->setText(valid
                       ? FilledFrequency(startMHz(), stepKHz(), rows_ - 1) + QStringLiteral(" MHz")
                       : QString());
}

} // namespace mtz4

#include "editing/PropertiesDialog.h"

#include "editing/DialogFrame.h"
#include "editing/EditFields.h"
#include "editing/InputFilters.h"
#include "editing/TypingLimit.h"
#include "model/ModelRules.h"
#include "model/TextLanguage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace mtz4 {

namespace {

struct FieldCaption {
    EditField field;
    const char* english; // translated when shown
};

constexpr FieldCaption Captions[] = {
    {EditField::Freq, QT_TRANSLATE_NOOP("PropertiesDialog", "&Frequency (MHz)")},
    {EditField::Mode, QT_TRANSLATE_NOOP("PropertiesDialog", "&Mode")},
    {EditField::Step, QT_TRANSLATE_NOOP("PropertiesDialog", "&Step")},
    {EditField::Option, QT_TRANSLATE_NOOP("PropertiesDialog", "&Option")},
    {EditField::Carrier, QT_TRANSLATE_NOOP("PropertiesDialog", "&Carrier")},
    {EditField::Secret, QT_TRANSLATE_NOOP("PropertiesDialog", "Secret &code")},
    {EditField::Tone, QT_TRANSLATE_NOOP("PropertiesDialog", "&Tone")},
    {EditField::ShiftDir, QT_TRANSLATE_NOOP("PropertiesDialog", "S&hift")},
    {EditField::Shift, QT_TRANSLATE_NOOP("PropertiesDialog", "Offs&et (MHz)")},
    {EditField::Skip, QT_TRANSLATE_NOOP("PropertiesDialog", "S&kip")},
    {EditField::Note, QT_TRANSLATE_NOOP("PropertiesDialog", "&Note")},
    {EditField::Name, QT_TRANSLATE_NOOP("PropertiesDialog", "N&ame")},
};

// The value every entry in use holds for `field`; none when they differ or
// none is in use.
QVariant SharedValue(const DataSet& ds, const QList<int>& entries, EditField field) {
    QVariant shared;
    for (int entry : entries) {
        if (!EntryHasFrequency(ds, entry))
            continue;
        const QVariant value = FieldValue(StoredEntryFields(ds, entry), field);
        if (!shared.isValid())
            shared = value;
        else if (shared != value)
            return {};
    }
    return shared;
}

} // namespace

PropertiesDialog::PropertiesDialog(const DataSet& ds, const QList<int>& entries, QWidget* parent)
    : QDialog(parent), ds_(ds) {
    setObjectName(QStringLiteral("dlgProperties"));
    setWindowTitle(QCoreApplication::translate("PropertiesDialog", "Properties of %n entries",
                                               nullptr, entries.size()));
    setModal(true);
    UseFixedDialogFrame(*this);

    auto* intro = new QLabel(
        QCoreApplication::translate("PropertiesDialog",
                                    "A field changed here is set on every selected entry; "
                                    "a blank field differs between them and stays as it is."),
        this);
    intro->setWordWrap(true);
    form_ = new QFormLayout;
    const int model = ds.ModelIndex;
    for (const FieldCaption& caption : Captions) {
        // Column 6 holds what the model keeps: the carrier, the secret code or nothing.
        if (ColumnOfField(caption.field, model) == 0)
            continue;
        addField(caption.field, QCoreApplication::translate("PropertiesDialog", caption.english),
                 SharedValue(ds, entries, caption.field));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Why a key or a paste was refused, where the user looks while typing.
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("lblRefusal"));
    refusal_->setWordWrap(true);
    refusal_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form_);
    layout->addWidget(refusal_);
    layout->addWidget(buttons);
    intro->setMaximumWidth(form_->sizeHint().width() + 40);
}

void PropertiesDialog::addField(EditField field, const QString& caption, const QVariant& shared) {
    QWidget* control = nullptr;
    const QList<QPair<QString, int>> choices = FieldChoices(ds_, true, 0, field);
    if (!choices.isEmpty()) {
        auto* list = new QComboBox(this);
        for (const auto& [text, code] : choices)
            list->addItem(text, code);
        list->setCurrentIndex(shared.isValid() ? list->findData(shared) : -1);
        connect(list, &QComboBox::activated, this, [this, field] { markChanged(field); });
        control = list;
    } else {
        auto* box = new QLineEdit(this);
        switch (field) {
        case EditField::Freq:
        case EditField::Shift:
            box->installEventFilter(new NumericKeyFilter(box));
            box->setValidator(new NumericTextValidator(box));
            SetTypingLimit(box, field == EditField::Freq ? FreqTypingLimit : ShiftTypingLimit);
            break;
        case EditField::Note: {
            auto* note = new NoteTextValidator(ds_.NoteCodePage, box);
            note->setGivenText(shared.toString());
            note->refused = [this](const QString& reason) { showRefusal(reason); };
            box->setValidator(note);
            SetTypingLimit(box, NoteTypingLimit);
            break;
        }
        default:
            auto* name = new CharacterRangeValidator(32, 126, box);
            name->refused = [this](const QString& reason) { showRefusal(reason); };
            box->setValidator(name);
            SetTypingLimit(box, NameTypingLimit);
            break;
        }
        PutText(box, shared.toString());
        connect(box, &QLineEdit::textEdited, this, [this, field] { markChanged(field); });
        control = box;
    }
    auto* label = new QLabel(caption, this);
    label->setBuddy(control);
    control->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    controls_.insert(field, control);
    labels_.insert(field, label);
    form_->addRow(label, control);
}

void PropertiesDialog::showRefusal(const QString& reason) {
    refusal_->setText(reason);
    refusal_->setMaximumWidth(form_->sizeHint().width() + 40);
    refusal_->show();
}

void PropertiesDialog::markChanged(EditField field) {
    if (changed_.contains(field))
        return;
    changed_.append(field);
    // What will be set shows in bold.
    QFont bold = labels_[field]->font();
    bold.setBold(true);
    labels_[field]->setFont(bold);
}

FieldChanges PropertiesDialog::changes() const {
    FieldChanges changes;
    for (EditField field : changed_) {
        QWidget* control = controls_.value(field);
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            if (list->currentIndex() >= 0)
                changes.append({field, list->currentData()});
        } else {
            changes.append({field, static_cast<QLineEdit*>(control)->text()});
        }
    }
    return changes;
}

} // namespace mtz4

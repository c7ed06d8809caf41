#pragma once

#include "editing/FieldEdit.h"

#include <QDialog>
#include <QMap>

class QFormLayout;
class QLabel;

namespace mtz4 {

// Edit > Properties for the selected rows: one control per field of an
// entry (frequency, mode, step, option, carrier or secret code by model,
// tone, shift, offset, skip, note, name), showing the value the entries in
// use share and blank where they differ. A field the user changes is set on
// every row (changes()); the others stay as each row has them.
class PropertiesDialog : public QDialog {
    Q_OBJECT
public:
    PropertiesDialog(const DataSet& ds, const QList<int>& entries, QWidget* parent = nullptr);

    // The fields the user changed, with their new values.
    FieldChanges changes() const;
    // The control of a field (a QLineEdit or a QComboBox); nullptr for a
    // field the model does not keep.
    QWidget* control(EditField field) const { return controls_.value(field); }

private:
    void addField(EditField field, const QString& caption, const QVariant& shared);
    void markChanged(EditField field);
    void showRefusal(const QString& reason);

    const DataSet& ds_;
    QMap<EditField, QWidget*> controls_;
    QMap<EditField, QLabel*> labels_;
    QList<EditField> changed_;
    QFormLayout* form_ = nullptr;
    QLabel* refusal_ = nullptr;
};

} // namespace mtz4

#include "editing/EditDialog.h"

#include "editing/EditFields.h"

namespace mtz4 {

dlgModify::dlgModify(DataSet& ds, Prompter& prompter, QWidget* parent)
    : QDialog(parent), ds_(ds), prompter_(prompter) {
    setObjectName(QStringLiteral("dlgModify"));
}

bool dlgModify::MSFlexGrid1_DblClick(int, const QString&) {
    return false;
}
bool dlgModify::MSFlexGrid2_DblClick(int) {
    return false;
}
void dlgModify::ResetDialog() {}
void dlgModify::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
}
bool dlgModify::eventFilter(QObject* watched, QEvent* event) {
    return QDialog::eventFilter(watched, event);
}
void dlgModify::OKButton_Click() {}
void dlgModify::CancelButton_Click() {}
void dlgModify::buildControls() {}
bool dlgModify::txtFreq_LostFocus() {
    return true;
}
bool dlgModify::txtShift_LostFocus() {
    return true;
}
EditFields dlgModify::collectFields() const {
    return {};
}

} // namespace mtz4

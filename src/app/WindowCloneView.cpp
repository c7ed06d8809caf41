#include "app/WindowCloneView.h"

#include "editing/BankPage.h"
#include "editing/MemoryGrid.h"
#include "editing/MemoryPage.h"
#include "editing/Settings1Page.h"
#include "editing/Settings2Page.h"
#include "editing/VfoGrid.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

namespace mtz4 {

void WindowCloneView::begin(const QString& name, bool reading, const QString& port) {
    reading_ = reading;
    status_.begin(name, reading, port);
    parts_.statusText->setText(status_.started());
}

void WindowCloneView::end(bool succeeded, bool cancelled, const QStringList& messages,
                          const QString& portProblem) {
    const QString text = status_.end(succeeded, cancelled, messages, portProblem);
    parts_.statusText->setText(text);
    // The whole text, where the panel is too narrow for it.
    parts_.statusText->setToolTip(text);
}

void WindowCloneView::setButtonsEnabled(CloneButtons buttons, bool enabled) {
    if (enabled)
        return; // the window enables them when the whole command has ended
    switch (buttons) {
    case CloneButtons::Memory:
        parts_.memory->cmbRxData->setEnabled(false);
        parts_.memory->cmbTxData->setEnabled(false);
        break;
    case CloneButtons::Settings:
        for (QPushButton* b : {parts_.settings1->cmbRxData1(), parts_.settings1->cmbTxData1(),
                               parts_.settings2->cmbRxData2(), parts_.settings2->cmbTxData2()})
            b->setEnabled(false);
        break;
    case CloneButtons::Bank:
        parts_.bank->cmbReadBank->setEnabled(false);
        parts_.bank->cmbWriteBank->setEnabled(false);
        break;
    }
}

void WindowCloneView::showProgress() {
    parts_.memory->ProgressBar1->show();
    // A read can be cancelled; a write cannot.
    parts_.memory->cmbCancel->setVisible(reading_);
}

void WindowCloneView::setProgressMaximum(int maximum) {
    parts_.memory->ProgressBar1->setMaximum(maximum);
}

void WindowCloneView::setProgressValue(int value) {
    QProgressBar* bar = parts_.memory->ProgressBar1;
    bar->setValue(value);
    if (bar->isVisible() && bar->maximum() > 0)
        // The entry in progress, counted from 1: the last one reads "1300 of 1300".
        parts_.statusText->setText(status_.progress(value + 1, bar->maximum() + 1));
}

void WindowCloneView::hideProgress() {
    parts_.memory->ProgressBar1->hide();
    parts_.memory->cmbCancel->hide();
}

void WindowCloneView::rowLabelsRebuilt(const QStringList&) {
    parts_.memory->MSFlexGrid1->BuildRowLabels();
}

void WindowCloneView::memoryListRefreshed() {
    parts_.memory->MSFlexGrid1->UpDateMemData();
}

void WindowCloneView::vfoListRefreshed() {
    parts_.settings1->MSFlexGrid2()->UpdateVFOData();
}

void WindowCloneView::settingsDecoded() {
    parts_.settings1->showSettings();
    parts_.settings2->showSettings();
}

void WindowCloneView::banksShown() {
    parts_.bank->showBanks();
}

void WindowCloneView::groupsShown() {
    parts_.bank->showGroups();
}

int WindowCloneView::currentMemoryRow() const {
    return parts_.memory->MSFlexGrid1->currentRow();
}

void WindowCloneView::setCurrentMemoryRow(int row) {
    parts_.memory->MSFlexGrid1->setCurrentRow(row);
}

void WindowCloneView::selectWholeVfoGrid() {
    parts_.settings1->MSFlexGrid2()->selectWholeGrid();
}

CloneTab WindowCloneView::currentTab() const {
    return CloneTab(parts_.tabs->currentIndex());
}

void WindowCloneView::selectTab(CloneTab tab) {
    parts_.tabs->setCurrentIndex(int(tab));
}

} // namespace mtz4

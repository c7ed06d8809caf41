#include "editing/MemoryPage.h"

#include "editing/DataEditor.h"
#include "editing/FieldCommands.h"
#include "editing/FilterBar.h"
#include "editing/FindBar.h"
#include "editing/MemoryCommands.h"
#include "editing/MemoryGrid.h"
#include "editing/MoveCommands.h"
#include "editing/NamedWidget.h"
#include "model/EntryOps.h"
#include "model/Prompter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mtz4 {

MemoryPage::MemoryPage(DataEditor& editor, Prompter& prompter, QWidget* parent)
    : QWidget(parent), editor_(editor), prompter_(prompter) {
    setObjectName(QStringLiteral("MemoryPage"));
    MSFlexGrid1 = new MemoryGrid(editor.data(), this);
    findBar = new FindBar(this);
    filterBar = new FilterBar(this);
    commands = new MemoryCommands(editor, prompter, *MSFlexGrid1, *findBar, this);
    fields = new FieldCommands(editor, prompter, *MSFlexGrid1, this);
    moves = new MoveCommands(editor, prompter, *MSFlexGrid1, *commands, this);
    connect(commands, &MemoryCommands::filterInTheWay, this, &MemoryPage::clearFilter);
    // The cells take edits in place; a refused one says why in the status bar.
    MSFlexGrid1->enableCellEditing(editor);
    connect(MSFlexGrid1, &GridView::told, this,
            [this](const QString& text) { prompter_.explain(text); });

    // The list selector: filled when the window loads, set to "All", never shown.
    cbbBank = new QComboBox(this);
    cbbBank->setObjectName(QStringLiteral("cbbBank"));
    cbbBank->hide();

    cmbRxData = Named(new QPushButton(QCoreApplication::translate("MemoryPage", "Read"), this),
                      QStringLiteral("cmbRxData"));
    cmbTxData = Named(new QPushButton(QCoreApplication::translate("MemoryPage", "Write"), this),
                      QStringLiteral("cmbTxData"));
    cmbClear = Named(new QPushButton(QCoreApplication::translate("MemoryPage", "Clear"), this),
                     QStringLiteral("cmbClear"));
    cmbClAll = Named(new QPushButton(QCoreApplication::translate("MemoryPage", "Clear All"), this),
                     QStringLiteral("cmbClAll"));
    upButton = Named(new QPushButton(QCoreApplication::translate("MemoryPage", "Up"), this),
                     QStringLiteral("Command5"));
    downButton = Named(new QPushButton(QCoreApplication::translate("MemoryPage", "Down"), this),
                       QStringLiteral("Command4"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->hide();
    cmbCancel = Named(new QPushButton(QCoreApplication::translate("MemoryPage", "Cancel"), this),
                      QStringLiteral("cmbCancel"));
    cmbCancel->setToolTip(QCoreApplication::translate(
        "MemoryPage", "Stops the read after the block in progress (Esc)"));
    cmbCancel->hide();

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmbRxData, cmbTxData, cmbClear, cmbClAll, upButton, downButton})
        buttons->addWidget(b);
    buttons->addStretch();
    // The progress row takes no room while it is hidden.
    auto* progress = new QHBoxLayout;
    progress->addWidget(ProgressBar1, 1);
    progress->addWidget(cmbCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0); // the page frame has its own
    layout->addWidget(MSFlexGrid1, 1);
    auto* findAndFilter = new QHBoxLayout;
    findAndFilter->addWidget(findBar, 1);
    findAndFilter->addStretch(0);
    findAndFilter->addWidget(filterBar);
    layout->addLayout(findAndFilter);
    layout->addLayout(progress);
    layout->addLayout(buttons);

    connect(cmbClear, &QPushButton::clicked, this, &MemoryPage::cmbClear_Click);
    connect(cmbClAll, &QPushButton::clicked, this, &MemoryPage::cmbClAll_Click);
    connect(upButton, &QPushButton::clicked, this, &MemoryPage::Command5_Click);
    connect(downButton, &QPushButton::clicked, this, &MemoryPage::Command4_Click);

    connect(&editor_, &DataEditor::changed, this, [this](const QString&, DataParts parts) {
        if (parts & DataPart::Model)
            MSFlexGrid1->setModelHeader(editor_.data().ModelIndex);
        if (parts & DataPart::Banks)
            MSFlexGrid1->BuildRowLabels();
        if (parts & (DataPart::Memory | DataPart::Banks | DataPart::Model)) {
            MSFlexGrid1->UpDateMemData();
            showFilterCount();
        }
    });
    connect(filterBar, &FilterBar::filterChanged, this, [this](const QString& text) {
        MSFlexGrid1->setFilter(text);
        showFilterCount();
    });
}

void MemoryPage::clearFilter() {
    filterBar->clear();
}

void MemoryPage::showFilterCount() {
    filterBar->showCount(MSFlexGrid1->shownRows(), EntryCount);
}

bool MemoryPage::confirmClear(const QString& question) {
    const PromptAnswer answer =
        prompter_.ask({QCoreApplication::translate("MemoryPage", "Clear cannot be undone.") +
                           QStringLiteral("\r\n") + question,
                       QCoreApplication::translate("MemoryPage", "CLEAR OK"),
                       PromptIcon::Exclamation, PromptButtons::OkCancel, PromptAnswer::Cancel});
    return answer == PromptAnswer::Ok;
}

void MemoryPage::cmbClear_Click() {
    if (!confirmClear(QCoreApplication::translate("MemoryPage",
                                                  "Are you sure that you want to do the clear?")))
        return;
    const int row = MSFlexGrid1->currentRow();
    if (row < 1)
        return;
    editor_.apply(
        QCoreApplication::translate("MemoryPage", "Clear %1").arg(MSFlexGrid1->rowLabel(row)),
        DataPart::Memory, [row](DataSet& ds) {
            ds.DataChanged = true;
            ClearEntry(ds, row - 1);
        });
}

void MemoryPage::cmbClAll_Click() {
    if (!confirmClear(QCoreApplication::translate(
            "MemoryPage", "Are you sure that you want to clear all memory?")))
        return;
    editor_.apply(QCoreApplication::translate("MemoryPage", "Clear All"), DataPart::Memory,
                  [](DataSet& ds) {
                      ds.DataChanged = true;
                      for (int e = 0; e < EntryCount; ++e)
                          ClearEntry(ds, e);
                  });
}

void MemoryPage::Command5_Click() {
    // The row above among those shown.
    int row = MSFlexGrid1->currentRow() - 1;
    while (row > 1 && MSFlexGrid1->isRowHidden(row - 1))
        --row;
    if (row >= 1 && !MSFlexGrid1->isRowHidden(row - 1))
        MSFlexGrid1->setCurrentRow(row);
}

void MemoryPage::Command4_Click() {
    const int row = MSFlexGrid1->currentRow();
    int below = row + 1;
    while (below <= EntryCount && MSFlexGrid1->isRowHidden(below - 1))
        ++below;
    if (below > EntryCount) {
        // On the last row the grid scrolls to show the last rows whole.
        MSFlexGrid1->setCurrentRow(row);
        MSFlexGrid1->scrollToBottom();
        return;
    }
    MSFlexGrid1->setCurrentRow(below);
}

} // namespace mtz4

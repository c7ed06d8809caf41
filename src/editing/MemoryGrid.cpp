#include "editing/MemoryGrid.h"

#include "editing/MemoryTableModel.h"
#include "model/EntryOps.h"
#include "model/RowLabels.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace mtz4 {

MemoryGrid::MemoryGrid(DataSet& ds, QWidget* parent)
    : GridView(new MemoryTableModel(ds), MemoryGridWidths, QStringLiteral("00-000"), parent),
      ds_(ds) {
    model_ = static_cast<MemoryTableModel*>(gridModel());
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setAccessibleName(QCoreApplication::translate("MemoryGrid", "Memory channels"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    BuildRowLabels();
}

void MemoryGrid::BuildRowLabels() {
    model_->setRowLabels(mtz4::BuildRowLabels(ds_.bank));
}

int MemoryGrid::UpDateMemData() {
    // A disabled entry carries no data: it shows as an empty row.
    ClearDisabledEntries(ds_);
    model_->refresh();
    applyHiddenRows();
    selectCurrentRowWhole();
    return 0;
}

void MemoryGrid::setHideEmpty(bool hide) {
    hideEmpty_ = hide;
    applyHiddenRows(true);
    if (const QModelIndex current = currentIndex(); current.isValid())
        scrollTo(current);
}

void MemoryGrid::setFilter(const QString& text) {
    filterText_ = text;
    filter_ = EntryFilter(text);
    applyHiddenRows(true);
    if (const QModelIndex current = currentIndex();
        current.isValid() && !isRowHidden(current.row()))
        scrollTo(current);
}

void MemoryGrid::applyHiddenRows(bool strict) {
    const bool filtered = !filter_.isEmpty();
    const auto hiddenNow = [this, filtered, strict](int e) {
        if (hideEmpty_ && !ds_.MemEnable[e])
            return true;
        if (!filtered || filter_.matches(ds_, e))
            return false;
        // A row shown stays shown until the filter changes.
        return strict || isRowHidden(e);
    };
    int e = 0;
    while (e < EntryCount && isRowHidden(e) == hiddenNow(e))
        ++e;
    // Switching updates off and on again repaints the whole grid and the
    // window around it, so only a refresh that hides or shows rows does it.
    if (e == EntryCount)
        return;
    setUpdatesEnabled(false);
    for (; e < EntryCount; ++e) {
        if (isRowHidden(e) != hiddenNow(e))
            setRowHidden(e, hiddenNow(e));
    }
    setUpdatesEnabled(true);
}

int MemoryGrid::shownRows() const {
    int shown = 0;
    for (int e = 0; e < EntryCount; ++e)
        shown += isRowHidden(e) ? 0 : 1;
    return shown;
}

QStringList MemoryGrid::rowLabels() const {
    QStringList labels;
    labels.reserve(EntryCount);
    for (int r = 0; r < EntryCount; ++r)
        labels << model_->rowLabel(r);
    return labels;
}

QList<int> MemoryGrid::selectedEntries() const {
    QList<int> entries;
    // A range selected across hidden rows holds them too: they are left out.
    for (const QModelIndex& row : selectionModel()->selectedRows()) {
        if (!isRowHidden(row.row()))
            entries << row.row();
    }
    std::sort(entries.begin(), entries.end());
    if (entries.isEmpty() && currentIndex().isValid())
        entries << currentIndex().row();
    return entries;
}

void MemoryGrid::setCurrentRow(int row) {
    if (row < 1 || row > EntryCount)
        return;
    const QModelIndex target = model_->index(row - 1, 0);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
    scrollTo(target);
}

void MemoryGrid::selectEntries(const QList<int>& entries) {
    if (entries.isEmpty())
        return;
    setCurrentRow(entries.first() + 1);
    keepSelected(entries);
}

void MemoryGrid::keepSelected(const QList<int>& entries) {
    if (entries.isEmpty())
        return;
    QItemSelection rows;
    for (int e : entries)
        rows.select(model_->index(e, 0), model_->index(e, model_->columnCount() - 1));
    selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

void MemoryGrid::centreOnRow(int row) {
    setCurrentRow(row);
    if (row >= 1 && row <= EntryCount)
        scrollTo(model_->index(row - 1, 0), PositionAtCenter);
}

QString MemoryGrid::rowLabel(int row) const {
    return model_->rowLabel(row - 1);
}

namespace {
bool Extends(Qt::KeyboardModifiers modifiers) {
    return modifiers & (Qt::ControlModifier | Qt::ShiftModifier);
}
} // namespace

void MemoryGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    // Whatever the mouse did, the selection ends as the whole current row,
    // unless Ctrl or Shift adds rows to it, or the right button opened the
    // context menu for the rows selected; the selection is never empty.
    const bool keeps = Extends(event->modifiers()) || event->button() == Qt::RightButton;
    if (!keeps || !selectionModel()->hasSelection())
        selectCurrentRowWhole();
}

void MemoryGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    GridView::keyPressEvent(event);
    // Moving with the keys keeps the selection one whole row too; a key that
    // does not move (Alt on the way to a menu or to Alt+Enter) keeps the
    // rows selected.
    if (!Extends(event->modifiers()) && currentIndex() != before)
        selectCurrentRowWhole();
}

void MemoryGrid::selectCurrentRowWhole() {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const QItemSelection row(model_->index(current.row(), 0),
                             model_->index(current.row(), model_->columnCount() - 1));
    if (selectionModel()->selection() != row)
        selectionModel()->select(row, QItemSelectionModel::ClearAndSelect);
}

} // namespace mtz4

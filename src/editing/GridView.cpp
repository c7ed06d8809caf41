#include "editing/GridView.h"

#include "editing/CellEdits.h"
#include "editing/GridCellDelegate.h"
#include "editing/GridTableModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace mtz4 {

GridView::GridView(GridTableModel* model, const std::array<int, GridColumns>& widths,
                   const QString& widestRowLabel, QWidget* parent)
    : QTableView(parent), model_(model) {
    model_->setParent(this);
    setModel(model_);
    ApplyGridLayout(*this, widths, widestRowLabel);
    // At least a few letters of a note show, however narrow the view.
    noteFloor_ = std::min(columnWidth(GridCol::Note - 1),
                          fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    // A column the user widens or narrows moves the Note column's share.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section) {
        if (section != GridCol::Note - 1)
            fitNoteColumn();
    });
}

void GridView::fitNoteColumn() {
    const int note = GridCol::Note - 1;
    int others = 0;
    for (int c = 0; c < model_->columnCount(); ++c) {
        if (c != note && !isColumnHidden(c))
            others += columnWidth(c);
    }
    setColumnWidth(note, std::max(noteFloor_, viewport()->width() - others));
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitNoteColumn();
}

void GridView::ChangeFont() {
    if (const std::optional<QFont> font = NoteColumnFont())
        model_->setNoteFont(*font);
    // Row 1 becomes the current row, selected from the first column to the
    // last, so that Modify has an entry to open from the start.
    if (model_->rowCount() == 0)
        return;
    const QModelIndex first = model_->index(0, 0);
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(first, model_->index(0, model_->columnCount() - 1)),
                             QItemSelectionModel::ClearAndSelect);
}

void GridView::setModelHeader(int model) {
    model_->setModelHeader(ModelColumnHeader(model));
    model_->refresh();
}

int GridView::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    QTableView::mouseDoubleClickEvent(event);
    if (index.isValid() && event->button() == Qt::LeftButton)
        emit editRequested(index.row() + 1);
}

void GridView::enableCellEditing(DataEditor& editor) {
    if (edits_)
        return;
    edits_ = new CellEdits(editor, showsMemory(), *model_, this);
    model_->setCellEdits(edits_);
    setItemDelegate(new GridCellDelegate(*edits_, this));
    setEditTriggers(EditKeyPressed | AnyKeyPressed);
    connect(edits_, &CellEdits::told, this, &GridView::told);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && currentRow() > 0) {
        if (modifiers == Qt::NoModifier && edits_) {
            edit(currentIndex(), EditKeyPressed, event);
            return;
        }
        if (modifiers == (edits_ ? Qt::ShiftModifier : Qt::NoModifier)) {
            emit editRequested(currentRow());
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

bool GridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool editing = QTableView::edit(index, trigger, event);
    // A key that would start an edit where none can be made says why; a
    // Space, which also selects, does not.
    const bool keyed = trigger == EditKeyPressed ||
                       (trigger == AnyKeyPressed && event &&
                        static_cast<QKeyEvent*>(event)->text() != QStringLiteral(" "));
    if (!editing && keyed && edits_ && index.isValid() && state() != EditingState) {
        QString whyNot;
        if (!edits_->editable(index.row(), index.column() + 1, &whyNot))
            emit told(QStringLiteral("%1: %2").arg(edits_->where(index.row(), index.column() + 1),
                                                   whyNot));
    }
    return editing;
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Enter: the edit ends and the row below becomes current.
    const bool down = hint == QAbstractItemDelegate::SubmitModelCache;
    QTableView::closeEditor(editor, down ? QAbstractItemDelegate::NoHint : hint);
    if (down) {
        const QModelIndex below = moveCursor(MoveDown, Qt::NoModifier);
        if (below.isValid())
            setCurrentIndex(below);
    }
}

} // namespace mtz4

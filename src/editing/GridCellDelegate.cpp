#include "editing/GridCellDelegate.h"

#include "editing/CellEdits.h"
#include "editing/InputFilters.h"
#include "editing/TypingLimit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace mtz4 {

namespace {

int GridColumn(const QModelIndex& index) {
    return index.column() + 1;
}

} // namespace

GridCellDelegate::GridCellDelegate(CellEdits& edits, QObject* parent)
    : QStyledItemDelegate(parent), edits_(edits) {}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    const int row = index.row();
    const int column = GridColumn(index);
    switch (edits_.kind(row, column)) {
    case CellEdits::Kind::None:
        return nullptr;
    case CellEdits::Kind::List: {
        auto* list = new QComboBox(parent);
        list->setFont(option.font);
        for (const auto& [text, code] : edits_.choices(row, column))
            list->addItem(text, code);
        list->setAccessibleName(
            index.model()->headerData(index.column(), Qt::Horizontal).toString());
        return list;
    }
    case CellEdits::Kind::Number:
    case CellEdits::Kind::Note:
    case CellEdits::Kind::Name:
        break;
    }
    auto* box = new QLineEdit(parent);
    box->setFont(option.font);
    box->setFrame(false);
    box->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    SetTypingLimit(box, edits_.typingLimit(column));
    switch (edits_.kind(row, column)) {
    case CellEdits::Kind::Number:
        box->installEventFilter(new NumericKeyFilter(box));
        box->setValidator(new NumericTextValidator(box));
        break;
    case CellEdits::Kind::Note: {
        auto* note = new NoteTextValidator(edits_.data().NoteCodePage, box);
        note->refused = [this](const QString& reason) { edits_.tell(reason); };
        box->setValidator(note);
        break;
    }
    default: {
        auto* name = new CharacterRangeValidator(32, 126, box);
        name->refused = [this](const QString& reason) { edits_.tell(reason); };
        box->setValidator(name);
        break;
    }
    }
    return box;
}

void GridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QVariant value = index.data(Qt::EditRole);
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentIndex(list->findData(value));
        return;
    }
    auto* box = static_cast<QLineEdit*>(editor);
    const QString text = value.toString();
    // A note read as bytes the code page has no character for may be kept.
    if (auto* note = qobject_cast<NoteTextValidator*>(const_cast<QValidator*>(box->validator())))
        note->setGivenText(text);
    PutText(box, text);
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        if (list->currentIndex() >= 0)
            model->setData(index, list->currentData());
        return;
    }
    model->setData(index, static_cast<QLineEdit*>(editor)->text());
}

void GridCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex&) const {
    // A list needs the room of its widest item and its frame: it grows
    // over the next cell where its own is narrower, and about the cell's
    // middle where the row is lower.
    QRect rect = option.rect;
    if (qobject_cast<QComboBox*>(editor)) {
        const QSize least = editor->sizeHint();
        rect.setWidth(qMax(rect.width(), least.width()));
        if (rect.height() < least.height())
            rect.adjust(0, -(least.height() - rect.height()) / 2, 0,
                        (least.height() - rect.height() + 1) / 2);
    }
    editor->setGeometry(rect);
}

bool GridCellDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && !(key->modifiers() & ~Qt::KeypadModifier)) {
            auto* editor = static_cast<QWidget*>(object);
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace mtz4

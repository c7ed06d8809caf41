#include "editing/RowDrag.h"

#include "editing/MemoryGrid.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFrame>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>

namespace mtz4 {

RowDrag::RowDrag(MemoryGrid& grid, std::function<QString(const QList<int>&)> textOf)
    : QObject(&grid), grid_(grid), textOf_(std::move(textOf)),
      id_(QByteArray::number(QCoreApplication::applicationPid()) + ':' +
          QByteArray::number(quintptr(&grid), 16)),
      indicator_(new QFrame(grid.viewport())), headerArea_(grid.verticalHeader()->viewport()) {
    run = [](QDrag& drag) { return drag.exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction); };
    indicator_->setObjectName(QStringLiteral("dropIndicator"));
    indicator_->setFrameShape(QFrame::NoFrame);
    indicator_->setAutoFillBackground(true);
    QPalette line = indicator_->palette();
    line.setColor(QPalette::Window, grid.palette().color(QPalette::Highlight));
    indicator_->setPalette(line);
    indicator_->hide();
    for (QWidget* area : {grid.viewport(), grid.verticalHeader()->viewport()}) {
        area->setAcceptDrops(true);
        area->installEventFilter(this);
    }
}

RowDrag::Rows RowDrag::rowsOf(const QMimeData& data) const {
    Rows rows;
    const QList<QByteArray> lines = data.data(QLatin1String(MimeType)).split('\n');
    rows.fromHere = lines.value(0) == id_;
    for (const QByteArray& entry : lines.value(1).split(',')) {
        bool ok = false;
        const int e = entry.toInt(&ok);
        if (ok)
            rows.entries << e;
    }
    rows.text = data.text();
    return rows;
}

void RowDrag::startDrag() {
    const QList<int> entries = grid_.selectedEntries();
    if (entries.isEmpty())
        return;
    QByteArray list;
    for (int e : entries)
        list += (list.isEmpty() ? "" : ",") + QByteArray::number(e);
    auto* data = new QMimeData;
    data->setData(QLatin1String(MimeType), id_ + '\n' + list);
    data->setText(textOf_(entries));
    auto* drag = new QDrag(&grid_);
    drag->setMimeData(data);
    run(*drag);
    indicator_->hide();
    drag->deleteLater();
}

int RowDrag::rowAt(QObject* where, QPoint pos, bool* below) const {
    const bool onHeader = where == grid_.verticalHeader()->viewport();
    int row = onHeader ? grid_.verticalHeader()->logicalIndexAt(pos.y()) : grid_.rowAt(pos.y());
    if (row < 0) {
        // Below the last row: after it.
        for (row = EntryCount - 1; row >= 0 && grid_.isRowHidden(row); --row) {
        }
        *below = true;
        return row;
    }
    *below = pos.y() >= grid_.rowViewportPosition(row) + grid_.rowHeight(row) / 2;
    return row;
}

void RowDrag::showIndicator(int row, bool below) {
    if (row < 0) {
        indicator_->hide();
        return;
    }
    const int y = grid_.rowViewportPosition(row) + (below ? grid_.rowHeight(row) : 0);
    indicator_->setGeometry(0, y - 1, grid_.viewport()->width(), 2);
    indicator_->show();
    indicator_->raise();
}

bool RowDrag::dropEvent(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragLeave) {
        indicator_->hide();
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasFormat(QLatin1String(MimeType)))
        return false;
    const Rows rows = rowsOf(*drop->mimeData());
    drop->setDropAction(rows.fromHere ? Qt::MoveAction : Qt::CopyAction);
    drop->accept();
    bool below = false;
    const int row = rowAt(watched, drop->position().toPoint(), &below);
    if (event->type() == QEvent::Drop) {
        indicator_->hide();
        if (row >= 0)
            emit dropped(rows, row, below);
    } else {
        showIndicator(row, below);
    }
    return true;
}

bool RowDrag::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        return dropEvent(watched, event);
    default:
        break;
    }
    // The header's area as it was found at the start: while the grid is
    // destroyed its children still send events, and the grid can no longer
    // be asked for its header.
    if (watched != headerArea_)
        return false;
    // Only the header's mouse events are its own; every other event of the
    // viewport (paint, hover, resize) goes on unread.
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // A press on a selected row's header may start a drag of the rows.
        const int row = grid_.verticalHeader()->logicalIndexAt(mouse->position().toPoint());
        if (mouse->button() != Qt::LeftButton || mouse->modifiers() != Qt::NoModifier || row < 0 ||
            !grid_.selectionModel()->isRowSelected(row))
            return false;
        pressedRow_ = row;
        pressedAt_ = mouse->position().toPoint();
        return true;
    }
    case QEvent::MouseMove:
        if (pressedRow_ < 0 || !(mouse->buttons() & Qt::LeftButton))
            return false;
        if ((mouse->position().toPoint() - pressedAt_).manhattanLength() >=
            QApplication::startDragDistance()) {
            pressedRow_ = -1;
            startDrag();
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (pressedRow_ < 0)
            return false;
        // No drag: the press selects the row, as a click on its header does.
        grid_.setCurrentRow(pressedRow_ + 1);
        pressedRow_ = -1;
        return true;
    default:
        return false;
    }
}

} // namespace mtz4

#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QDrag;
class QFrame;
class QMimeData;

namespace mtz4 {

class MemoryGrid;

// Dragging rows of the memory grid by their row headers, and dropping rows
// on it: a press on the header of a selected row and a move start a drag of
// the selected rows (the rows as text, as copy puts them on the clipboard,
// and which grid they come from); over the grid a line shows where they go
// in; a drop tells where (dropped()). A press that starts no drag selects
// the row as a click on its header does.
class RowDrag : public QObject {
    Q_OBJECT
public:
    // The data type of dragged rows.
    static constexpr const char* MimeType = "application/x-mtz4clone-rows";

    // `textOf` gives the rows' text for the entries dragged.
    RowDrag(MemoryGrid& grid, std::function<QString(const QList<int>&)> textOf);

    // Carries out a drag: QDrag::exec by default. The tests hand in the
    // events of a drag themselves, as the platform would.
    std::function<Qt::DropAction(QDrag&)> run;

    // The rows dragged, for a drop: whether they come from this grid, the
    // entries (of this grid) and their text.
    struct Rows {
        bool fromHere = false;
        QList<int> entries;
        QString text;
    };
    Rows rowsOf(const QMimeData& data) const;

signals:
    // Rows were dropped before entry `entry`'s row, or after it (`below`).
    void dropped(const mtz4::RowDrag::Rows& rows, int entry, bool below);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startDrag();
    // The row under `pos` of `where` (the grid's cells or its row headers),
    // and whether the point is in its lower half; -1 for none.
    int rowAt(QObject* where, QPoint pos, bool* below) const;
    void showIndicator(int row, bool below);
    bool dropEvent(QObject* watched, QEvent* event);

    MemoryGrid& grid_;
    std::function<QString(const QList<int>&)> textOf_;
    QByteArray id_; // this grid, among the windows of the program
    QFrame* indicator_;
    QObject* headerArea_; // the row headers' viewport
    int pressedRow_ = -1;
    QPoint pressedAt_;
};

} // namespace mtz4
